import QtQuick
import QtQuick.Controls
import QtQuick.Controls.Material
import UnitCircle.Style
import UnitCircle.Shell
import UnitCircle.History

// The history: the stored calculations, newest first. Tap one to load it again, swipe it
// away, or sort and clear the list from the toolbar.
Item {
    id: page

    property Item toolbarController
    readonly property alias controller: controller
    readonly property string toolbarTitle: controller.title
    readonly property bool isTablet: ApplicationWindow.window ? ApplicationWindow.window.isTablet : false

    function viewDidAppear() {
        if (toolbarController)
            toolbarController.rightActions = [clearAllAction, editAction]
    }

    HistoryTableViewControllerLogic {
        id: controller
    }

    QtObject {
        id: clearAllAction

        objectName: "historyClearAllButton"
        readonly property string icon: "clear"
        readonly property string accessibleName: qsTranslate("HistoryView", "Clear History",
                                                             "Alert view title for clearing history")
        function trigger() {
            controller.handleClearAllButton()
        }
    }

    QtObject {
        id: editAction

        objectName: "historyEditButton"
        readonly property string icon: "edit"
        readonly property string accessibleName: qsTranslate("HistoryView", "Edit", "Accessibility name of the history's edit button")
        readonly property bool checked: controller.editing
        function trigger() {
            controller.handleEditButton()
        }
    }

    Rectangle {
        anchors.fill: parent
        color: ColorManager.systemBackgroundColor
    }

    ListView {
        id: list

        objectName: "historyList"
        anchors.fill: parent
        // The toolbar lies above this page: rows scrolled past the top must neither be drawn
        // over its buttons nor take their taps.
        clip: true
        model: controller.model
        reuseItems: true
        cacheBuffer: 600
        boundsBehavior: Flickable.StopAtBounds
        interactive: dragFrom < 0
        ScrollBar.vertical: ScrollBar {}

        // The row whose handle is held, while it is dragged.
        property int dragFrom: -1
        property int dragTo: -1

        delegate: HistoryTableViewCell {
            editing: controller.editing
            large: page.isTablet
            opacity: list.dragFrom === index ? 0.6 : 1
            onChosen: {
                if (!controller.editing)
                    controller.didSelectRow(index)
            }
            onDeleteRequested: controller.deleteRow(index)
            onDragStarted: list.dragFrom = index
            onDragMoved: (y) => list.dragTo = list.indexAt(0, y + list.contentY)
            onDragFinished: (y) => {
                const to = list.indexAt(0, y + list.contentY)
                const from = list.dragFrom
                list.dragFrom = -1
                list.dragTo = -1
                if (from >= 0)
                    controller.moveRow(from, to < 0 ? (y < 0 ? 0 : list.count - 1) : to)
            }
        }

        // Where a dragged row will land.
        Rectangle {
            visible: list.dragFrom >= 0 && list.dragTo >= 0
            width: list.width
            height: 2
            color: ColorManager.primaryDarkColor
            y: list.dragTo >= 0 && list.itemAtIndex(list.dragTo)
               ? list.itemAtIndex(list.dragTo).y - list.contentY + (list.dragTo > list.dragFrom ? list.itemAtIndex(list.dragTo).height : 0)
               : 0
            parent: list
            z: 2
        }

        displaced: Transition {
            NumberAnimation { properties: "y"; duration: 200; easing.type: Easing.OutQuad }
        }
    }

    // Nothing stored yet: say what this page is for.
    Column {
        objectName: "historyEmptyState"
        visible: list.count === 0
        anchors.centerIn: parent
        width: Math.min(parent.width - 64, 420)
        spacing: 12

        Icon {
            anchors.horizontalCenter: parent.horizontalCenter
            width: 72
            height: 72
            name: "history"
            color: ColorManager.systemGrayColor
        }
        Label {
            width: parent.width
            horizontalAlignment: Text.AlignHCenter
            wrapMode: Text.Wrap
            text: qsTranslate("HistoryView", "No calculations yet", "Title of the empty history")
            font.pixelSize: (page.isTablet ? 24 : 20) * TextScale.factor
            font.weight: Font.Medium
            color: ColorManager.labelColor
        }
        Label {
            width: parent.width
            horizontalAlignment: Text.AlignHCenter
            wrapMode: Text.Wrap
            text: qsTranslate("HistoryView", "Every calculation you make is kept here. Tap one to load it again.",
                              "Text of the empty history")
            font.pixelSize: (page.isTablet ? 18 : 15) * TextScale.factor
            color: ColorManager.systemGrayColor
        }
    }

    AppDialog {
        id: clearDialog

        objectName: "clearHistoryDialog"
        parent: Overlay.overlay
        anchors.centerIn: parent
        width: Math.min(parent ? parent.width - 48 : 320, 420)
        modal: true
        visible: controller.clearConfirmationShown
        closePolicy: Popup.CloseOnEscape
        title: qsTranslate("HistoryView", "Clear History", "Alert view title for clearing history")

        Label {
            width: clearDialog.availableWidth
            wrapMode: Text.Wrap
            text: qsTranslate("HistoryView", "Are you sure to delete your whole history?",
                              "Alert view message for clearing history")
        }

        footer: DialogButtonBox {
            Button {
                objectName: "clearHistoryCancelButton"
                flat: true
                text: qsTranslate("HistoryView", "Cancel", "Alert view action -Cancel- for clearing history")
                DialogButtonBox.buttonRole: DialogButtonBox.RejectRole
            }
            Button {
                objectName: "clearHistoryConfirmButton"
                flat: true
                text: qsTranslate("HistoryView", "Clear", "Alert view action -Clear- for clearing history")
                DialogButtonBox.buttonRole: DialogButtonBox.AcceptRole
            }
        }

        onAccepted: controller.confirmClearHistory()
        onRejected: controller.cancelClearHistory()
    }
}
