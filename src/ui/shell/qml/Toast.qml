import QtQuick
import QtQuick.Controls
import UnitCircle.Style

// One bottom message: 90 % of the window wide, 40 high at the normal text size, its top 120
// above the bottom; it fades out when the view manager marks it so, and is removed after that.
Rectangle {
    id: toast

    property string text
    property bool fading
    property int fadeDuration: 2000

    width: parent ? parent.width * 0.9 : 0
    // Taller with larger text, so two lines still fit.
    height: 40 * TextScale.factor
    x: parent ? (parent.width - width) / 2 : 0
    y: parent ? parent.height - 120 : 0
    radius: 10
    clip: true
    color: Qt.rgba(ColorManager.labelColor.r, ColorManager.labelColor.g,
                   ColorManager.labelColor.b, 0.8)
    opacity: fading ? 0 : 1

    Behavior on opacity {
        NumberAnimation { duration: toast.fadeDuration; easing.type: Easing.OutQuad }
    }

    Label {
        anchors.fill: parent
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

    Accessible.role: Accessible.AlertMessage
    Accessible.name: text
}
