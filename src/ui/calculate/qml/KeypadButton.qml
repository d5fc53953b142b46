import QtQuick
import UnitCircle.Style

// One key: a plain item rather than a styled control, since the keypad shows nineteen of them
// at start-up. Keys never take the focus, so the field being edited keeps it. Delete and
// calculate put their icon inside.
Rectangle {
    id: key

    property string title
    property bool large
    // Digits sit on a neutral key that follows the appearance; the coloured keys keep dark
    // titles.
    property color baseColor: ColorManager.tertiaryGroupedBackgroundColor
    property color textColor: ColorManager.labelColor
    property bool italic
    readonly property bool down: touch.pressed

    signal clicked

    radius: 10
    color: down ? Qt.darker(baseColor, 1.25) : touch.containsMouse ? Qt.darker(baseColor, 1.06) : baseColor
    // The light appearance's view shadow.
    border.width: ColorManager.darkAppearance ? 0 : 1
    border.color: Qt.rgba(0, 0, 0, 0.06)

    Accessible.role: Accessible.Button
    Accessible.name: title
    Accessible.onPressAction: key.clicked()

    Rectangle {
        visible: !ColorManager.darkAppearance
        z: -1
        anchors.fill: parent
        anchors.topMargin: 1
        anchors.bottomMargin: -1
        radius: parent.radius
        color: ColorManager.systemGrayColor
        opacity: 0.7
    }

    Text {
        objectName: "keyTitle"
        anchors.centerIn: parent
        visible: key.title !== "delete" && key.title !== "calculate"
        // A real minus sign; the key still types "-".
        text: key.title === "-" ? "\u2212" : key.title
        // Larger text stops where the key would no longer hold it.
        font.pixelSize: Math.min((key.large ? 34 : 26) * TextScale.factor, key.height * 0.9)
        font.italic: key.italic
        color: key.textColor
    }

    MouseArea {
        id: touch

        anchors.fill: parent
        hoverEnabled: true
        onClicked: if (key.enabled) key.clicked()
    }
}
