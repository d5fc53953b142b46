import QtQuick
import QtQuick.Controls
import UnitCircle.Style
import UnitCircle.Shell
import UnitCircle.Videos

// The help screen as a sheet from the bottom: the title, the close button and the help
// image, which fits the width and zooms with a pinch, the wheel or a double tap, and pans
// by dragging.
Popup {
    id: manual

    property alias imageName: controller.imageName
    readonly property alias controller: controller
    readonly property bool isTablet: parent ? Math.min(parent.width, parent.height) >= 600 : false

    parent: Overlay.overlay
    z: 40
    modal: true
    focus: true
    padding: 0
    width: Math.min(parent.width, 760)
    height: parent.height - (isTablet ? 48 : 16)
    x: (parent.width - width) / 2
    y: parent.height - height
    closePolicy: Popup.CloseOnEscape

    enter: Transition {
        NumberAnimation { property: "y"; from: manual.parent.height; to: manual.parent.height - manual.height; duration: 220; easing.type: Easing.OutCubic }
    }
    exit: Transition {
        NumberAnimation { property: "y"; to: manual.parent.height; duration: 180; easing.type: Easing.InCubic }
    }

    background: Rectangle {
        color: ColorManager.systemBackgroundColor
        radius: 12
    }

    ManualViewControllerLogic {
        id: controller

        onCloseRequested: manual.close()
    }

    contentItem: Item {
        Label {
            id: label

            objectName: "manualLabel"
            anchors.left: parent.left
            anchors.leftMargin: 20
            anchors.verticalCenter: closeButton.verticalCenter
            text: controller.labelText
            color: ColorManager.labelColor
            font.pixelSize: (manual.isTablet ? 24 : 20) * TextScale.factor
            font.weight: Font.Bold
        }

        ToolButton {
            id: closeButton

            objectName: "closeManualButton"
            anchors.top: parent.top
            anchors.right: parent.right
            anchors.margins: 4
            width: 48
            height: 48
            focusPolicy: Qt.NoFocus
            Accessible.name: controller.closeButtonName
            contentItem: Icon {
                implicitWidth: 24
                implicitHeight: 24
                name: "close"
                color: ColorManager.labelColor
            }
            onClicked: controller.closeButtonPressed()
        }

        Flickable {
            id: scrollView

            property real zoom: 1

            function zoomAt(target, point) {
                const next = controller.clampedZoom(target)
                const position = controller.contentPositionForZoom(Qt.point(contentX, contentY),
                                                                    point, zoom, next)
                zoom = next
                contentX = Math.max(0, Math.min(position.x, contentWidth - width))
                contentY = Math.max(0, Math.min(position.y, contentHeight - height))
            }

            objectName: "manualScrollView"
            anchors.top: closeButton.bottom
            anchors.left: parent.left
            anchors.right: parent.right
            anchors.bottom: parent.bottom
            clip: true
            contentWidth: imageView.width
            contentHeight: imageView.height
            boundsBehavior: Flickable.StopAtBounds
            ScrollBar.vertical: ScrollBar {}
            ScrollBar.horizontal: ScrollBar {}

            Image {
                id: imageView

                objectName: "manualImage"
                width: scrollView.width * scrollView.zoom
                height: implicitWidth > 0 ? width * implicitHeight / implicitWidth : width
                source: controller.imageSource
                asynchronous: true
                smooth: true
                mipmap: true
                // Drawn once, sharp enough for zooming in, and scaled from there. The image
                // is drawn at this size times the screen's pixel ratio; 2400 device pixels
                // wide (30 MB) at the most.
                sourceSize.width: Math.min(2400 / Screen.devicePixelRatio, scrollView.width * 2.5)
            }

            PinchHandler {
                property real startZoom: 1

                target: null
                onActiveChanged: if (active) startZoom = scrollView.zoom
                onActiveScaleChanged: scrollView.zoomAt(startZoom * activeScale,
                                                        Qt.point(centroid.position.x - scrollView.contentX,
                                                                 centroid.position.y - scrollView.contentY))
            }

            WheelHandler {
                target: null
                onWheel: event => scrollView.zoomAt(scrollView.zoom * Math.pow(1.25, event.angleDelta.y / 120),
                                                    Qt.point(point.position.x - scrollView.contentX,
                                                             point.position.y - scrollView.contentY))
            }

            TapHandler {
                onDoubleTapped: eventPoint => scrollView.zoomAt(scrollView.zoom > 1 ? 1 : 2.5,
                                                                Qt.point(eventPoint.position.x - scrollView.contentX,
                                                                         eventPoint.position.y - scrollView.contentY))
            }
        }

        Label {
            anchors.centerIn: scrollView
            visible: imageView.status === Image.Error || controller.imageSource.toString() === ""
            text: qsTranslate("ManualView", "noHelpImage")
            color: ColorManager.systemGrayColor
        }
    }

    onClosed: destroy()
    Component.onCompleted: open()
}
