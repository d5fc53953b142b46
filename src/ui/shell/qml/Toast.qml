import QtQuick
import QtQuick.Controls
import QtQuick.Controls.Material
import UnitCircle.Style

// One bottom message: 90 % of the window wide, 40 high at the normal text size, its top 120
// above the bottom; it fades out when the view manager marks it so, and is removed after that.
Rectangle {
    id: toast

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
    y: area ? area.height - 120 : 0
    radius: 10
    clip: true
    color: Qt.rgba(ColorManager.labelColor.r, ColorManager.labelColor.g,
                   ColorManager.labelColor.b, 0.8)
    opacity: fading ? 0 : 1

    Behavior on opacity {
        NumberAnimation { duration: toast.fadeDuration; easing.type: Easing.OutQuad }
    }

    // Only a toast with a button takes input; see ToastLayer.
    enabled: actionTitle !== ""

    Label {
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
        // Two lines at most: longer messages shrink first, then lose their end.
        maximumLineCount: 2
        elide: Text.ElideRight
        fontSizeMode: Text.Fit
        minimumPixelSize: 10
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
