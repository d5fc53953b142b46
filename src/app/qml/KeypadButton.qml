import QtQuick
import QtQuick.Controls
import UnitCircle.Style

// One key. Keys never take the focus, so the field being edited keeps it.
AbstractButton {
    id: key

    property string title
    property bool large
    readonly property bool isDigit: /^[0-9]$/.test(title)
    readonly property bool isAction: title === "delete" || title === "calculate"

    focusPolicy: Qt.NoFocus
    hoverEnabled: true
    Accessible.name: title === "delete" ? qsTranslate("CalculateView", "Delete")
                   : title === "calculate" ? qsTranslate("CalculateView", "Calculate") : title

    background: Rectangle {
        radius: 10
        color: {
            const base = key.title === "calculate" ? ColorManager.primaryDarkColor
                       : key.title === "delete" ? ColorManager.secondaryColor
                       : key.isDigit ? ColorManager.tertiaryGroupedBackgroundColor
                       : ColorManager.accentColor
            return key.down ? Qt.darker(base, 1.25) : key.hovered ? Qt.darker(base, 1.06) : base
        }
        // The light appearance's view shadow.
        border.width: ColorManager.darkAppearance ? 0 : 1
        border.color: Qt.rgba(0, 0, 0, 0.06)

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
    }

    contentItem: Item {
        Label {
            anchors.centerIn: parent
            visible: !key.isAction
            // A real minus sign; the key still types "-".
            text: key.title === "-" ? "\u2212" : key.title
            font.pixelSize: key.large ? 34 : 26
            font.italic: key.title === "π" || key.title === "e"
            // Digits sit on a neutral key that follows the appearance; the coloured keys keep
            // dark titles.
            color: key.isDigit ? ColorManager.labelColor : ColorManager.darkTextColor
        }

        Icon {
            anchors.centerIn: parent
            visible: key.isAction
            width: key.large ? 36 : 28
            height: width
            name: key.title === "delete" ? "backspace" : "check"
            color: ColorManager.darkTextColor
        }
    }
}
