import QtQuick
import QtQuick.Controls
import UnitCircle.Shell

// The view manager's alerts, one at a time: an "OK" button, or the alert's own buttons in
// their order. Alerts lie above every other popup, onboarding pages included.
AppDialog {
    id: dialog

    parent: Overlay.overlay
    anchors.centerIn: parent
    width: Math.min(parent ? parent.width - 48 : 320, 420)
    // Long texts (the privacy notice) scroll inside the alert.
    height: Math.min(implicitHeight, parent ? parent.height - 48 : implicitHeight)
    z: 100
    modal: true
    closePolicy: ViewManager.alertDismissable ? Popup.CloseOnEscape : Popup.NoAutoClose
    title: ViewManager.alertTitle
    // An alert with a title only has no gap where the message would be.
    topPadding: ViewManager.alertMessage === "" ? 0 : 20
    bottomPadding: ViewManager.alertMessage === "" ? 0 : 24

    // Set when a button closes the alert, so that onClosed knows a choice was made.
    property int chosenAction: -1

    ScrollView {
        id: messageScroll

        objectName: "alertMessageScroll"

        implicitWidth: dialog.availableWidth
        implicitHeight: visible ? messageLabel.implicitHeight : 0
        // The dialog does not size what it holds: without this the message keeps its whole
        // height and runs out under the buttons instead of scrolling.
        width: dialog.availableWidth
        height: Math.min(implicitHeight, dialog.contentAreaHeight)
        contentWidth: availableWidth
        contentHeight: messageLabel.implicitHeight
        clip: true
        visible: ViewManager.alertMessage !== ""

        Label {
            id: messageLabel

            objectName: "alertMessage"
            width: messageScroll.availableWidth
            text: ViewManager.alertMessage
            wrapMode: Text.Wrap
        }
    }

    footer: DialogButtonBox {
        Repeater {
            id: buttons

            // Without buttons of its own an alert has "OK", which only closes it.
            readonly property bool hasActions: ViewManager.alertActionTitles.length > 0

            model: hasActions ? ViewManager.alertActionTitles : [qsTranslate("Main", "OK")]
            onItemAdded: dialog.openWhenReady()

            Button {
                required property int index
                required property string modelData

                objectName: buttons.hasActions ? "alertActionButton" + index : "alertOkButton"
                text: modelData
                flat: true
                Keys.onReturnPressed: clicked()
                Keys.onEnterPressed: clicked()
                onClicked: {
                    dialog.chosenAction = buttons.hasActions ? index : -1
                    dialog.close()
                }
            }
        }
    }

    // A lone button takes the keyboard, so Enter or Space answers the alert; where there is a
    // choice (the video consent) none is preselected.
    onOpened: if (buttons.count === 1) buttons.itemAt(0).forceActiveFocus()

    onClosed: {
        const chosen = chosenAction
        chosenAction = -1
        if (chosen >= 0)
            ViewManager.triggerAlertAction(chosen)
        else
            ViewManager.dismissAlert()
    }
    // Opens a waiting alert once all its buttons are built. This dialog is loaded in the
    // background, and then its buttons are too, after the dialog itself: opened at once it
    // showed the privacy notice without its only button, a notice that then could not be
    // answered.
    function openWhenReady() {
        if (!ViewManager.alertVisible || visible)
            return
        for (let i = 0; i < buttons.model.length; ++i) {
            if (!buttons.itemAt(i))
                return
        }
        open()
    }

    // Built after the first alert may already wait.
    Component.onCompleted: openWhenReady()

    Connections {
        target: ViewManager
        function onAlertChanged() {
            dialog.openWhenReady()
        }
    }
}
