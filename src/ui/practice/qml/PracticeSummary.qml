import QtQuick
import QtQuick.Controls
import QtQuick.Controls.Material
import UnitCircle.Style
import UnitCircle.Shell

// The end of a session: the score, the day streak, and the way on.
Column {
    id: summary

    property int score
    property int firstTry
    property int cards
    property int streak
    property bool large

    signal againTapped
    signal doneTapped

    spacing: 16

    Label {
        objectName: "practiceSummaryTitle"
        width: parent.width
        horizontalAlignment: Text.AlignHCenter
        wrapMode: Text.Wrap
        text: qsTranslate("PracticeView", "Practice done", "Title of the practice summary")
        font.pixelSize: (summary.large ? 28 : 24) * TextScale.factor
        font.weight: Font.Bold
        color: ColorManager.labelColor
    }
    Label {
        objectName: "practiceSummaryScore"
        width: parent.width
        horizontalAlignment: Text.AlignHCenter
        wrapMode: Text.Wrap
        text: qsTranslate("PracticeView", "%1 of %2 right at the first try: %3 %", "Score of a practice")
              .arg(summary.firstTry).arg(summary.cards).arg(summary.score)
        font.pixelSize: (summary.large ? 20 : 17) * TextScale.factor
        color: ColorManager.labelColor
    }
    Label {
        objectName: "practiceSummaryStreak"
        width: parent.width
        horizontalAlignment: Text.AlignHCenter
        wrapMode: Text.Wrap
        text: qsTranslate("PracticeView", "Days in a row: %1", "Day streak of practice").arg(summary.streak)
        font.pixelSize: (summary.large ? 20 : 17) * TextScale.factor
        color: ColorManager.labelColor
    }
    // Side by side where they fit, else one under the other.
    Flow {
        width: Math.min(parent.width, again.width + done.width + spacing)
        anchors.horizontalCenter: parent.horizontalCenter
        spacing: 16

        PracticeButton {
            id: again

            objectName: "practiceAgainButton"
            text: qsTranslate("PracticeView", "Again", "Starts another practice")
            large: summary.large
            maximumWidth: summary.width
            highlighted: true
            Material.accent: ColorManager.primaryDarkColor
            onClicked: summary.againTapped()
        }
        PracticeButton {
            id: done

            objectName: "practiceDoneButton"
            text: qsTranslate("PracticeView", "Done", "Leaves the practice")
            large: summary.large
            maximumWidth: summary.width
            flat: true
            onClicked: summary.doneTapped()
        }
    }
}
