import QtQuick
import QtQuick.Controls
import QtQuick.Controls.Material
import UnitCircle.Style
import UnitCircle.Shell

// One bottom message: 90 % of the window wide, 40 high at the normal text size, its top 120
// above the bottom unless it would cover what the view manager says to keep clear; it fades
// out when the view manager marks it so, and is removed after that.
Rectangle {
    id: toast

    objectName: "toast"
    // What the toast is placed in: the window's overlay.
    property Item area: parent
    property string text
    property bool fading
    // A button at the end ("Undo") when set; a tap on it emits actionTriggered.
    property string actionTitle
    signal actionTriggered()
    property int fadeDuration: 2000

    width: area ? area.width * 0.9 : 0
    // Taller with larger text, so two lines still fit.
    height: 40 * TextScale.factor
    x: area ? (area.width - width) / 2 : 0
    y: area ? placedY(area.height - 120) : 0
    radius: 10
    clip: true
    color: Qt.rgba(ColorManager.labelColor.r, ColorManager.labelColor.g,
                   ColorManager.labelColor.b, 0.8)
    opacity: fading ? 0 : 1

    // Its usual place, or just above the item it must keep clear when that lies there.
    function placedY(usual) {
        const keep = ViewManager.toastKeepClear
        if (!keep || !keep.visible)
            return usual
        // Its children count too: keys may reach beyond a keypad squeezed by large text.
        const top = Math.min(0, keep.childrenRect.y)
        const bottom = Math.max(keep.height, keep.childrenRect.y + keep.childrenRect.height)
        const box = keep.mapToItem(area, 0, top, keep.width, bottom - top)
        const apart = box.x >= area.width || box.x + box.width <= 0
                      || box.y >= usual + height || box.y + box.height <= usual
        return apart ? usual : Math.max(0, box.y - height - 8)
    }

    Behavior on opacity {
        NumberAnimation { duration: toast.fadeDuration; easing.type: Easing.OutQuad }
    }

    // Only a toast with a button takes input; see ToastLayer.
    enabled: actionTitle !== ""

    Label {
        objectName: "toastText"
        anchors.left: parent.left
        anchors.right: actionButton.visible ? actionButton.left : parent.right
        anchors.top: parent.top
        anchors.bottom: parent.bottom
        anchors.leftMargin: 8
        anchors.rightMargin: 8
        text: toast.text
        color: ColorManager.tertiaryGroupedBackgroundColor
        font.pixelSize: 14 * TextScale.factor
        horizontalAlignment: Text.AlignHCenter
        verticalAlignment: Text.AlignVCenter
        wrapMode: Text.Wrap
        // The box holds two lines of the scaled text. A longer message shrinks until it fits
        // (a line limit would stop that), never below the normal size; only then it loses its
        // end. The error messages are written to fit.
        elide: Text.ElideRight
        fontSizeMode: Text.Fit
        minimumPixelSize: 14
    }

    Button {
        id: actionButton

        objectName: "toastActionButton"
        visible: toast.actionTitle !== ""
        anchors.right: parent.right
        anchors.rightMargin: 4
        anchors.verticalCenter: parent.verticalCenter
        flat: true
        text: toast.actionTitle
        font.pixelSize: 14 * TextScale.factor
        font.weight: Font.Bold
        font.capitalization: Font.MixedCase
        Material.foreground: ColorManager.tertiaryGroupedBackgroundColor
        onClicked: toast.actionTriggered()
    }

    Accessible.role: Accessible.AlertMessage
    Accessible.name: text
}
