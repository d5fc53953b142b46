import QtQuick
import QtQuick.Controls
import QtQuick.Controls.Material
import UnitCircle.Style
import UnitCircle.Shell
import UnitCircle.Math
import UnitCircle.Charts
import UnitCircle.Solution
import UnitCircle.Practice

// Practice: first the mastery map of the special angles, then a question at a time, the answer
// typed on the keypad or a keyboard, Check. A wrong answer shows the right one until Continue;
// the end shows the score.
Item {
    id: page

    property Item toolbarController
    readonly property alias controller: controller
    readonly property string toolbarTitle: controller.title
    readonly property bool isTablet: ApplicationWindow.window ? ApplicationWindow.window.isTablet : false

    function viewDidAppear() {
        if (toolbarController)
            toolbarController.rightActions = []
        if (controller.stage === PracticeViewControllerLogic.Finished)
            controller.showMap()
        page.forceActiveFocus()
    }

    PracticeViewControllerLogic {
        id: controller

        // The keys go to the page again after a button took them.
        onStageChanged: page.forceActiveFocus()
    }

    Rectangle {
        anchors.fill: parent
        color: ColorManager.systemBackgroundColor
    }

    focus: true
    Keys.onPressed: event => {
        // Escape leaves a session, or its summary, for the map.
        if (event.key === Qt.Key_Escape && controller.stage !== PracticeViewControllerLogic.Map) {
            controller.showMap()
            event.accepted = true
            return
        }
        if (controller.stage === PracticeViewControllerLogic.ShowingAnswer) {
            if (event.key === Qt.Key_Return || event.key === Qt.Key_Enter || event.key === Qt.Key_Space) {
                controller.continueAfterAnswer()
                event.accepted = true
            }
            return
        }
        if (controller.stage !== PracticeViewControllerLogic.Asking)
            return
        switch (event.key) {
        case Qt.Key_Backspace:
        case Qt.Key_Delete:
            controller.deleteBackward()
            event.accepted = true
            return
        case Qt.Key_Return:
        case Qt.Key_Enter:
            controller.check()
            event.accepted = true
            return
        }
        // Letters spell words ("sqrt", "pi", "undefined"); which characters count is the core's.
        if (event.text.length === 1 && event.text >= " " && !(event.modifiers & (Qt.ControlModifier | Qt.AltModifier))) {
            controller.typeOnKeyboard(event.text)
            event.accepted = true
        }
    }

    Flickable {
        id: scroll

        objectName: "practiceScroll"
        anchors.top: parent.top
        anchors.left: parent.left
        anchors.right: parent.right
        anchors.bottom: keypad.visible ? keypad.top : parent.bottom
        anchors.margins: 16
        clip: true
        contentHeight: body.implicitHeight
        boundsBehavior: Flickable.StopAtBounds

        // What the keyboard moves to scrolls into view, again once a stage just shown is laid
        // out.
        property Item focusedItem: page.ApplicationWindow.window ? page.ApplicationWindow.window.activeFocusItem : null
        onFocusedItemChanged: reveal(focusedItem)
        onContentHeightChanged: reveal(focusedItem)

        function reveal(item) {
            let inBody = false
            for (let above = item; above && !inBody; above = above.parent)
                inBody = above === body
            if (!inBody)
                return
            const top = body.mapFromItem(item, 0, 0).y
            if (top < contentY)
                contentY = Math.max(0, top - 8)
            else if (top + item.height > contentY + height)
                contentY = Math.max(0, Math.min(contentHeight - height, top + item.height - height + 8))
        }

        Column {
            id: body

            objectName: "practiceBody"
            width: scroll.width
            spacing: 16

            Column {
                objectName: "practiceMap"
                width: parent.width
                spacing: 12
                visible: controller.stage === PracticeViewControllerLogic.Map

                Label {
                    objectName: "practiceMapStreak"
                    width: parent.width
                    horizontalAlignment: Text.AlignHCenter
                    wrapMode: Text.Wrap
                    text: qsTranslate("PracticeView", "Days in a row: %1", "Day streak of practice").arg(controller.dayStreak)
                    font.pixelSize: (page.isTablet ? 20 : 17) * TextScale.factor
                    font.weight: Font.Medium
                    color: ColorManager.labelColor
                }
                MasteryMap {
                    objectName: "masteryMap"
                    width: parent.width
                    height: Math.min(width, Math.max(240, scroll.height - 200))
                    angles: controller.masteryAngles
                    beyondOneTurn: controller.level >= 3
                    large: page.isTablet
                    onAngleTapped: degrees => controller.practiseAngle(degrees)
                }
                Flow {
                    width: parent.width
                    spacing: 16

                    Repeater {
                        model: ["new", "learning", "known"]

                        Row {
                            required property string modelData

                            spacing: 6
                            Rectangle {
                                anchors.verticalCenter: parent.verticalCenter
                                width: 14
                                height: 14
                                radius: 7
                                color: masteryColors.colorFor(parent.modelData)
                            }
                            Label {
                                text: masteryColors.masteryName(parent.modelData)
                                font.pixelSize: (page.isTablet ? 17 : 14) * TextScale.factor
                                color: ColorManager.labelColor
                            }
                        }
                    }
                }
                Label {
                    width: parent.width
                    wrapMode: Text.Wrap
                    text: qsTranslate("PracticeView", "Tap an angle to practise it, or start with the questions that are due.",
                                      "Explains the mastery map")
                    font.pixelSize: (page.isTablet ? 17 : 14) * TextScale.factor
                    color: ColorManager.systemGrayColor
                }
                Flow {
                    width: parent.width
                    spacing: 12

                    PracticeButton {
                        objectName: "practiceStartButton"
                        text: qsTranslate("PracticeView", "Start", "Starts a practice of the due questions")
                        maximumWidth: parent.width
                        large: page.isTablet
                        highlighted: true
                        Material.accent: ColorManager.primaryDarkColor
                        onClicked: controller.start()
                    }
                    PracticeButton {
                        objectName: "practiceResetButton"
                        text: qsTranslate("PracticeView", "Reset progress", "Forgets what was practised")
                        maximumWidth: parent.width
                        large: page.isTablet
                        flat: true
                        onClicked: resetDialog.open()
                    }
                }
                // Which angles the map shows and the questions ask: below Start, since it is chosen
                // seldom and Start should stay in sight on a phone.
                Column {
                    width: parent.width

                    Repeater {
                        model: [
                            qsTranslate("PracticeView", "Level 1: 30° and 45°", "Practice level: the multiples of 30° and 45°"),
                            qsTranslate("PracticeView", "Level 2: also 15° and 18°", "Practice level: also the multiples of 15° and 18°"),
                            qsTranslate("PracticeView", "Level 3: also beyond one turn", "Practice level: also angles below 0° and from 360°")
                        ]

                        RadioButton {
                            id: levelChoice

                            required property string modelData
                            required property int index

                            objectName: "practiceLevel_" + (index + 1)
                            width: parent.width
                            text: modelData
                            checked: controller.level === index + 1
                            font.pixelSize: (page.isTablet ? 17 : 15) * TextScale.factor
                            onToggled: controller.level = index + 1
                            // Wraps rather than cutting a word at a large text size.
                            contentItem: Label {
                                leftPadding: levelChoice.indicator.width + levelChoice.spacing
                                verticalAlignment: Text.AlignVCenter
                                wrapMode: Text.Wrap
                                text: levelChoice.text
                                font: levelChoice.font
                                color: ColorManager.labelColor
                            }
                        }
                    }
                }
            }

            // The last answer was right: said as an alert, as a wrong one is by its feedback.
            Label {
                objectName: "practiceRightNote"
                width: parent.width
                visible: text.length > 0 && controller.stage === PracticeViewControllerLogic.Asking
                text: controller.rightNote
                wrapMode: Text.Wrap
                font.pixelSize: (page.isTablet ? 20 : 17) * TextScale.factor
                font.bold: true
                color: ColorManager.tintColor
                Accessible.role: Accessible.AlertMessage
                Accessible.name: text
            }

            PracticeQuestionCard {
                objectName: "practiceQuestionCard"
                width: parent.width
                visible: controller.stage === PracticeViewControllerLogic.Asking
                         || controller.stage === PracticeViewControllerLogic.ShowingAnswer
                prompt: controller.prompt
                latex: controller.questionLatex
                number: controller.questionNumber
                length: controller.sessionLength
                answer: controller.answerText
                spokenAnswer: controller.spokenAnswer
                spokenQuestion: controller.spokenQuestion
                large: page.isTablet
            }

            // The words a question takes whole: "undefined", "no solution", the quadrants.
            Flow {
                width: parent.width
                spacing: 8
                visible: controller.stage === PracticeViewControllerLogic.Asking && controller.choices.length > 0

                Repeater {
                    model: controller.choices

                    PracticeButton {
                        required property string modelData

                        objectName: "practiceChoice_" + modelData
                        text: modelData
                        Accessible.name: controller.spokenChoice(modelData)
                        maximumWidth: parent.width
                        large: page.isTablet
                        // Then Enter checks it, as on the keypad.
                        onClicked: {
                            controller.chooseAnswer(modelData)
                            page.forceActiveFocus()
                        }
                    }
                }
            }

            // A wrong answer: the right one, then on.
            Column {
                objectName: "practiceRightAnswer"
                width: parent.width
                spacing: 12
                visible: controller.stage === PracticeViewControllerLogic.ShowingAnswer

                Label {
                    width: parent.width
                    wrapMode: Text.Wrap
                    text: qsTranslate("PracticeView", "Not quite. The right answer:", "Shown above the right answer after a wrong one")
                    font.pixelSize: (page.isTablet ? 20 : 17) * TextScale.factor
                    color: ColorManager.redColor
                }
                Flickable {
                    objectName: "practiceRightAnswerSpoken"
                    width: parent.width
                    height: rightAnswer.implicitHeight
                    // Said in the learner's language, for the formula's own words are English.
                    Accessible.role: Accessible.StaticText
                    Accessible.name: controller.spokenRightAnswer
                    contentWidth: rightAnswer.implicitWidth
                    flickableDirection: Flickable.HorizontalFlick
                    boundsBehavior: Flickable.StopAtBounds
                    clip: true

                    MathLabel {
                        id: rightAnswer

                        objectName: "practiceRightAnswerFormula"
                        latex: controller.rightAnswerLatex
                        fontSize: (page.isTablet ? 26 : 22) * TextScale.factor
                        color: ColorManager.labelColor
                        Accessible.ignored: true
                    }
                }
                Flow {
                    width: parent.width
                    spacing: 12

                    PracticeButton {
                        objectName: "practiceContinueButton"
                        text: qsTranslate("PracticeView", "Continue", "Goes on after a wrong answer")
                        maximumWidth: parent.width
                        large: page.isTablet
                        highlighted: true
                        Material.accent: ColorManager.primaryDarkColor
                        onClicked: controller.continueAfterAnswer()
                    }
                    PracticeButton {
                        objectName: "practiceShowSolutionButton"
                        visible: controller.solutionAngle.length > 0
                        text: qsTranslate("PracticeView", "Show solution", "Opens the worked solution of the question's angle")
                        maximumWidth: parent.width
                        large: page.isTablet
                        flat: true
                        onClicked: controller.showSolution()
                    }
                }
                // Why: the angle's point, projections and quadrant, and its exact values.
                ChartTableViewCell {
                    id: feedbackCircle

                    objectName: "practiceFeedbackCircle"
                    width: Math.min(parent.width, 420)
                    anchors.horizontalCenter: parent.horizontalCenter
                    visible: controller.feedbackCircle !== undefined && controller.feedbackCircle !== null
                    chartStep: controller.feedbackCircle
                    // The result page's proportions, which leave the labels room beside the circle.
                    frameRatio: ChartManager.frameRatioOf(chartStep)
                    captureMode: true
                    large: page.isTablet
                    onReadyChanged: if (ready) startDrawing()
                    onChartStepChanged: Qt.callLater(startDrawing)
                }
                ExactValuesCard {
                    objectName: "practiceExactValues"
                    width: parent.width
                    visible: controller.feedbackLines.length > 0
                    title: controller.feedbackTitle
                    lines: controller.feedbackLines
                    large: page.isTablet
                }
            }

            PracticeSummary {
                objectName: "practiceSummary"
                width: parent.width
                visible: controller.stage === PracticeViewControllerLogic.Finished
                score: controller.scorePercent
                firstTry: controller.rightFirstTime
                cards: controller.cardCount
                streak: controller.dayStreak
                large: page.isTablet
                onAgainTapped: controller.start()
                onDoneTapped: controller.showMap()
            }
        }
    }

    // The legend's colours and names, as the map draws them.
    MasteryMap {
        id: masteryColors

        visible: false
    }

    AppDialog {
        id: resetDialog

        objectName: "practiceResetDialog"
        parent: Overlay.overlay
        anchors.centerIn: parent
        width: Math.min(parent ? parent.width - 48 : 320, 420)
        modal: true
        closePolicy: Popup.CloseOnEscape
        // The keys go to the safe answer first: Escape closes, Tab walks the buttons.
        onOpened: resetCancel.forceActiveFocus()
        title: qsTranslate("PracticeView", "Reset progress", "Forgets what was practised")

        Label {
            width: resetDialog.availableWidth
            wrapMode: Text.Wrap
            text: qsTranslate("PracticeView", "Forget every answer and the day streak?",
                              "Asks before the practice progress is reset")
        }

        footer: DialogButtonBox {
            PracticeButton {
                id: resetCancel

                objectName: "practiceResetCancelButton"
                flat: true
                text: qsTranslate("HistoryView", "Cancel", "Alert view action -Cancel- for clearing history")
                DialogButtonBox.buttonRole: DialogButtonBox.RejectRole
            }
            PracticeButton {
                objectName: "practiceResetConfirmButton"
                flat: true
                text: qsTranslate("PracticeView", "Reset", "Confirms resetting the practice progress")
                DialogButtonBox.buttonRole: DialogButtonBox.AcceptRole
            }
        }

        onAccepted: controller.resetProgress()
    }

    PracticeKeypad {
        id: keypad

        objectName: "practiceKeypad"
        visible: controller.stage === PracticeViewControllerLogic.Asking
        // No wider than a hand spans on a tablet or a wide window.
        anchors.horizontalCenter: parent.horizontalCenter
        anchors.bottom: parent.bottom
        anchors.bottomMargin: 16
        width: Math.min(parent.width - 32, page.isTablet ? 640 : 520)
        height: Math.min(implicitHeight * 1.3, page.height * 0.5)
        large: page.isTablet
        onKeyTapped: title => controller.typeKey(title)
        onDeleteTapped: controller.deleteBackward()
        onCheckTapped: controller.check()
    }
}
