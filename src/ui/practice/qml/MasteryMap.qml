import QtQuick
import QtQuick.Controls
import UnitCircle.Style
import UnitCircle.Shell

// The special angles on a circle, each coloured by how well the learner knows it: grey new,
// orange learning, green known. Tapping one practises its cards.
Item {
    id: map

    // [{degrees, mastery: "new" | "learning" | "known"}]
    property var angles: []
    property bool large

    signal angleTapped(int degrees)

    // Grows with the text only as far as neighbours 15° apart stay apart.
    readonly property real dot: Math.min((large ? 44 : 36) * TextScale.factor, Math.min(width, height) * 0.11)
    readonly property real radius: Math.max(0, Math.min(width, height) / 2 - dot / 2 - 4)

    implicitHeight: 300

    function colorFor(mastery) {
        return mastery === "known" ? "#2e9d4f" : mastery === "learning" ? ColorManager.orangeColor
                                                                       : ColorManager.systemGrayColor
    }

    function masteryName(mastery) {
        return mastery === "known" ? qsTranslate("PracticeView", "known", "Mastery of an angle")
             : mastery === "learning" ? qsTranslate("PracticeView", "learning", "Mastery of an angle")
             : qsTranslate("PracticeView", "new", "Mastery of an angle")
    }

    Rectangle {
        anchors.centerIn: parent
        width: map.radius * 2
        height: width
        radius: width / 2
        color: "transparent"
        border.width: 2
        border.color: ColorManager.adaptiveGrayColor
    }
    Rectangle {
        anchors.centerIn: parent
        width: map.radius * 2
        height: 1
        color: ColorManager.adaptiveGrayColor
    }
    Rectangle {
        anchors.centerIn: parent
        width: 1
        height: map.radius * 2
        color: ColorManager.adaptiveGrayColor
    }

    Repeater {
        model: map.angles

        Rectangle {
            id: point

            required property var modelData

            objectName: "masteryAngle_" + modelData.degrees
            readonly property real angle: modelData.degrees * Math.PI / 180
            x: map.width / 2 + map.radius * Math.cos(angle) - width / 2
            y: map.height / 2 - map.radius * Math.sin(angle) - height / 2
            width: map.dot
            height: map.dot
            radius: width / 2
            color: map.colorFor(modelData.mastery)
            border.width: activeFocus ? 3 : 0
            border.color: ColorManager.labelColor
            activeFocusOnTab: true
            Accessible.role: Accessible.Button
            Accessible.name: qsTranslate("PracticeView", "%1 degrees, %2", "An angle of the mastery map and how well it is known")
                             .arg(modelData.degrees).arg(map.masteryName(modelData.mastery))
            Accessible.onPressAction: map.angleTapped(modelData.degrees)
            Keys.onReturnPressed: map.angleTapped(modelData.degrees)
            Keys.onSpacePressed: map.angleTapped(modelData.degrees)

            Text {
                anchors.centerIn: parent
                text: point.modelData.degrees + "°"
                font.pixelSize: Math.min(point.width * 0.34, 13 * TextScale.factor)
                color: "white"
            }
            MouseArea {
                anchors.fill: parent
                onClicked: map.angleTapped(point.modelData.degrees)
            }
        }
    }
}
