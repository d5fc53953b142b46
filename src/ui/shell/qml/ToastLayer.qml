import QtQuick
import QtQuick.Controls
import UnitCircle.Shell

// The view manager's bottom messages, above everything else, open popups included. The
// layer takes no input: covering the window, it would otherwise be the first to be offered
// every wheel turn, which the overlay then swallows while a modal popup is open.
Item {
    parent: Overlay.overlay
    anchors.fill: parent
    z: 1000
    enabled: false

    Repeater {
        model: ViewManager.toasts
        delegate: Toast {
            required property var model

            text: model.text
            fading: model.fading
        }
    }
}
