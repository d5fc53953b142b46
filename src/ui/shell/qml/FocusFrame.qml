import QtQuick
import UnitCircle.Style

// A ring just inside its parent while focusItem has the keyboard's focus, for items that
// draw none of their own (rows, the card, the circle).
Rectangle {
    property Item focusItem: parent

    anchors.fill: parent
    anchors.margins: 2
    z: 10
    visible: focusItem !== null && focusItem.activeFocus
    color: "transparent"
    border.color: ColorManager.tintColor
    border.width: 2
    radius: 6
}
