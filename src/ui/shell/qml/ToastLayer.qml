import QtQuick
import QtQuick.Controls
import UnitCircle.Shell

// The view manager's bottom messages, above everything else, open popups included. Only a
// toast with a button takes input, and only on itself: the layer has no size, since covering
// the window it would be the first to be offered every wheel turn, which the overlay then
// swallows while a modal popup is open.
Item {
    id: toastLayer

    parent: Overlay.overlay
    z: 1000

    Repeater {
        model: ViewManager.toasts
        delegate: Toast {
            required property var model

            area: toastLayer.parent
            text: model.text
            fading: model.fading
            actionTitle: model.actionTitle
            onActionTriggered: ViewManager.triggerToastAction(model.toastId)
        }
    }
}
