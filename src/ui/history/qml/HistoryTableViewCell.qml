import QtQuick
import QtQuick.Controls
import QtQuick.Controls.Material
import UnitCircle.Style
import UnitCircle.Shell
import UnitCircle.Math

// One stored calculation: its summary formula. Swiping it to the left reveals delete; in
// edit mode it shows delete on the left and a handle on the right to drag it elsewhere.
SwipeDelegate {
    id: cell

    required property int index
    required property string latexString
    required property bool incomplete
    property bool editing: false
    property bool large: false
    // The handle's press and release, in the list's coordinates.
    signal dragStarted()
    signal dragMoved(real y)
    signal dragFinished(real y)
    signal deleteRequested()
    signal chosen()

    objectName: "historyCell"
    width: ListView.view ? ListView.view.width : 0
    height: large ? 72 : 60
    padding: 0
    swipe.enabled: !editing
    // The row's own click, not a handler inside it: a handler's grab of the press kept the
    // delegate from seeing a mouse drag, so the row could not be swiped with a mouse.
    onClicked: chosen()
    Accessible.name: incomplete ? emptyLabel.text : mathLabel.spokenText

    background: Rectangle {
        color: cell.pressed ? ColorManager.systemFillColor : ColorManager.systemBackgroundColor

        Rectangle {
            anchors.bottom: parent.bottom
            x: 16
            width: parent.width - 16
            height: 1
            color: ColorManager.systemFillColor
        }
    }

    contentItem: Item {
        clip: true

        ToolButton {
            id: editDelete

            objectName: "historyRowDelete"
            visible: cell.editing
            width: visible ? 48 : 0
            height: parent.height
            Accessible.name: qsTranslate("HistoryView", "Delete", "Accessibility name of the delete button of a history row")
            contentItem: Icon {
                name: "delete"
                color: ColorManager.redColor
            }
            onClicked: cell.deleteRequested()
        }

        Flickable {
            id: scroller

            anchors.left: editDelete.right
            anchors.leftMargin: cell.editing ? 4 : 16
            anchors.right: handle.left
            height: parent.height
            contentWidth: Math.max(width, mathLabel.width + 8)
            flickableDirection: Flickable.HorizontalFlick
            // Dragged on past the formula's end, the row opens its delete as a short
            // formula's row does under the same drag (the formula itself stays put).
            boundsBehavior: Flickable.DragOverBounds
            boundsMovement: Flickable.StopAtBounds
            interactive: contentWidth > width
            clip: true
            onHorizontalOvershootChanged: {
                if (dragging && horizontalOvershoot > 24 && cell.swipe.enabled)
                    cell.swipe.open(SwipeDelegate.Right)
            }

            MathLabel {
                id: mathLabel

                anchors.verticalCenter: parent.verticalCenter
                latex: cell.latexString
                visible: !cell.incomplete
                fontSize: (cell.large ? 24 : 19) * TextScale.factor
                color: Qt.rgba(ColorManager.labelColor.r, ColorManager.labelColor.g,
                               ColorManager.labelColor.b, 0.9)
            }

            Label {
                id: emptyLabel

                anchors.verticalCenter: parent.verticalCenter
                visible: cell.incomplete
                text: qsTranslate("HistoryView", "Incomplete entry", "History row of a record without inputs")
                font.italic: true
                font.pixelSize: (cell.large ? 18 : 15) * TextScale.factor
                color: ColorManager.systemGrayColor
            }

            // A formula that scrolls takes the press itself, so its tap is caught here; a
            // row swiped open is not reopened by it.
            TapHandler {
                enabled: scroller.interactive
                onTapped: {
                    if (cell.swipe.position === 0)
                        cell.chosen()
                }
            }
        }

        Item {
            id: handle

            objectName: "historyRowHandle"
            anchors.right: parent.right
            visible: cell.editing
            width: visible ? 48 : 0
            height: parent.height

            Icon {
                anchors.centerIn: parent
                width: 24
                height: 24
                name: "drag"
                color: ColorManager.systemGrayColor
            }

            MouseArea {
                anchors.fill: parent
                preventStealing: true
                onPressed: cell.dragStarted()
                onPositionChanged: (mouse) => cell.dragMoved(mapToItem(cell.ListView.view, mouse.x, mouse.y).y)
                onReleased: (mouse) => cell.dragFinished(mapToItem(cell.ListView.view, mouse.x, mouse.y).y)
            }
        }
    }

    swipe.right: Rectangle {
        objectName: "historyRowSwipeDelete"
        width: 88
        height: cell.height
        anchors.right: parent.right
        color: ColorManager.redColor

        Label {
            anchors.centerIn: parent
            text: qsTranslate("HistoryView", "Delete", "Accessibility name of the delete button of a history row")
            color: "white"
            font.weight: Font.Medium
        }

        // The delegate takes the mouse events of its swipe items (a pointer handler here sees
        // touch only) and reports a click on them here.
        SwipeDelegate.onClicked: cell.deleteRequested()
    }

    ListView.onRemove: removeAnimation.start()

    SequentialAnimation {
        id: removeAnimation

        PropertyAction { target: cell; property: "ListView.delayRemove"; value: true }
        NumberAnimation { target: cell; property: "opacity"; to: 0; duration: 200 }
        PropertyAction { target: cell; property: "ListView.delayRemove"; value: false }
    }
}
