import QtQuick
import QtQuick.Controls
import UnitCircle.Shell

// The view manager's alerts, one at a time, each with a single OK button.
Dialog {
    id: dialog

    parent: Overlay.overlay
    anchors.centerIn: parent
    width: Math.min(parent ? parent.width - 48 : 320, 420)
    modal: true
    closePolicy: Popup.CloseOnEscape
    title: ViewManager.alertTitle

    Label {
        width: dialog.availableWidth
        text: ViewManager.alertMessage
        wrapMode: Text.Wrap
        visible: text !== ""
    }

    footer: DialogButtonBox {
        Button {
            objectName: "alertOkButton"
            text: qsTranslate("Main", "OK")
            flat: true
            DialogButtonBox.buttonRole: DialogButtonBox.AcceptRole
        }
    }

    onClosed: ViewManager.dismissAlert()
    // Built after the first alert may already wait.
    Component.onCompleted: if (ViewManager.alertVisible) open()

    Connections {
        target: ViewManager
        function onAlertChanged() {
            if (ViewManager.alertVisible && !dialog.visible)
                dialog.open()
        }
    }
}
