import QtQuick
import QtQuick.Controls
import UnitCircle.Style
import UnitCircle.Shell

// The special angles on a circle, each coloured by how well the learner knows it: grey new,
// orange learning, green known. Tapping one practises its cards. The multiples of 18° that are
// not multiples of 15° lie as little as 3° from those, so they take an inner ring of their own.
Item {
    id: map

    // [{degrees, ring: 0 | 1, mastery: "new" | "learning" | "known"}]
    property var angles: []
    // Level 3: every point stands for its angle one turn either side too.
    property bool beyondOneTurn
    property bool large

    signal angleTapped(int degrees)

    readonly property bool hasInnerRing: angles.some(angle => angle.ring === 1)
    // Grows with the text only as far as neighbours 15° apart stay apart.
    readonly property real dot: Math.min((large ? 44 : 36) * TextScale.factor, Math.min(width, height) * 0.11)
    readonly property real radius: Math.max(0, Math.min(width, height) / 2 - dot / 2 - 4)
    readonly property real innerRadius: Math.max(0, radius - dot * 1.15)
    // Inner neighbours are at least 18° apart.
    readonly property real innerDot: Math.min(dot, innerRadius * Math.PI / 10 * 0.85)

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
            readonly property real ringRadius: modelData.ring === 1 ? map.innerRadius : map.radius
            x: map.width / 2 + ringRadius * Math.cos(angle) - width / 2
            y: map.height / 2 - ringRadius * Math.sin(angle) - height / 2
            width: modelData.ring === 1 ? map.innerDot : map.dot
            height: width
            radius: width / 2
            color: map.colorFor(modelData.mastery)
            border.width: activeFocus ? 3 : 0
            border.color: ColorManager.labelColor
            activeFocusOnTab: true
            Accessible.role: Accessible.Button
            Accessible.name: (map.beyondOneTurn
                              ? qsTranslate("PracticeView", "%1 degrees and one turn either side, %2", "A point of the mastery map at the level beyond one turn and how well it is known")
                              : qsTranslate("PracticeView", "%1 degrees, %2", "An angle of the mastery map and how well it is known"))
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
                // A little beyond the dot, which is small on the inner ring of a phone.
                anchors.fill: parent
                anchors.margins: -3
                onClicked: map.angleTapped(point.modelData.degrees)
            }
        }
    }
}
