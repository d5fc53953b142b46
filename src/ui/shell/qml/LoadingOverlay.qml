import QtQuick
import QtQuick.Controls
import QtQuick.Controls.Material
import UnitCircle.Style
import UnitCircle.Shell

// Covers the whole window while something takes a moment; one at a time.
Popup {
    id: overlay

    parent: Overlay.overlay
    x: 0
    y: 0
    width: parent ? parent.width : 0
    height: parent ? parent.height : 0
    padding: 0
    modal: true
    dim: false
    closePolicy: Popup.NoAutoClose
    visible: ViewManager.loadingOverlayVisible

    enter: null
    exit: null

    background: Rectangle { color: Qt.rgba(0, 0, 0, 0.7) }

    BusyIndicator {
        objectName: "loadingIndicator"
        anchors.centerIn: parent
        width: 72
        height: 72
        running: overlay.visible
        Material.accent: ColorManager.darkAppearance ? ColorManager.lightTextColor
                                                     : ColorManager.tertiaryGroupedBackgroundColor
    }
}
