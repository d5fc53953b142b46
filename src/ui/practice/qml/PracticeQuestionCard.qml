import QtQuick
import QtQuick.Controls
import UnitCircle.Style
import UnitCircle.Shell
import UnitCircle.Math

// The question: its number, the prompt in words and the angle or value as a formula, then the
// answer typed so far. Screen readers hear both as words.
Rectangle {
    id: card

    property string prompt
    property string latex
    property int number
    property int length
    property string answer
    property string spokenAnswer
    property string spokenQuestion
    property bool large

    radius: 12
    color: ColorManager.tertiaryGroupedBackgroundColor
    implicitHeight: content.implicitHeight + 32

    Column {
        id: content

        x: 16
        y: 16
        width: card.width - 32
        spacing: 10

        Label {
            objectName: "practiceProgress"
            width: parent.width
            text: qsTranslate("PracticeView", "Question %1 of %2", "Progress through a practice").arg(card.number).arg(card.length)
            font.pixelSize: (card.large ? 16 : 13) * TextScale.factor
            color: ColorManager.systemGrayColor
        }

        Item {
            objectName: "practiceQuestion"
            width: parent.width
            // The formula goes under the prompt when both don't fit on one line.
            height: questionFlow.implicitHeight
            Accessible.role: Accessible.StaticText
            Accessible.name: card.spokenQuestion

            Flow {
                id: questionFlow

                width: parent.width
                spacing: 8

                Label {
                    id: promptLabel

                    width: Math.min(implicitWidth, content.width)
                    wrapMode: Text.Wrap
                    text: card.prompt
                    font.pixelSize: (card.large ? 22 : 18) * TextScale.factor
                    color: ColorManager.labelColor
                }
                MathLabel {
                    id: formula

                    objectName: "practiceQuestionFormula"
                    latex: card.latex
                    fontSize: (card.large ? 26 : 22) * TextScale.factor
                    color: ColorManager.labelColor
                    // The question says it, in the learner's language.
                    Accessible.ignored: true
                }
            }
        }

        Rectangle {
            objectName: "practiceAnswerField"
            width: parent.width
            height: Math.max(48, answerLabel.implicitHeight + 16)
            radius: 8
            color: ColorManager.systemBackgroundColor
            border.width: 2
            border.color: ColorManager.primaryDarkColor
            Accessible.role: Accessible.EditableText
            Accessible.name: qsTranslate("PracticeView", "Answer", "Name of the answer field") + ": " + card.spokenAnswer

            Label {
                id: answerLabel

                objectName: "practiceAnswerText"
                anchors.verticalCenter: parent.verticalCenter
                x: 12
                width: parent.width - 24
                wrapMode: Text.WrapAnywhere
                text: card.answer.length > 0 ? card.answer.replace(/-/g, "\u2212") : ""
                font.pixelSize: (card.large ? 26 : 22) * TextScale.factor
                color: ColorManager.labelColor
            }
            Label {
                anchors.verticalCenter: parent.verticalCenter
                x: 12
                visible: card.answer.length === 0
                text: qsTranslate("PracticeView", "Your answer", "Placeholder of the answer field")
                font.pixelSize: (card.large ? 20 : 17) * TextScale.factor
                color: ColorManager.systemGrayColor
            }
        }
    }
}
