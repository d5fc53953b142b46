import QtQuick
import QtQuick.Controls
import QtQuick.Controls.Material
import UnitCircle.Style
import UnitCircle.Shell
import UnitCircle.Videos

// One video of the strip: its still image under a cover until the image is there, a play
// button, and the player in place of the image while a video plays in the app. Every state
// that is not a picture says what is going on.
Item {
    id: cell

    property alias address: controller.address
    property alias loadAllowed: controller.loadAllowed
    property bool large
    readonly property alias controller: controller
    readonly property bool playing: controller.state === VideoCollectionViewCellLogic.Playing

    objectName: "videoCollectionViewCell"
    Accessible.role: Accessible.Button
    Accessible.name: controller.statusText !== "" ? controller.statusText
                                                  : qsTranslate("VideoStrip", "playVideo")

    // Enter or Space with the keyboard's focus: play, or try again after no connection.
    function activate() {
        if (controller.state === VideoCollectionViewCellLogic.Ready)
            controller.play()
        else if (controller.state === VideoCollectionViewCellLogic.Offline)
            controller.retry()
    }
    Keys.onReturnPressed: activate()
    Keys.onEnterPressed: activate()
    Keys.onSpacePressed: activate()
    FocusFrame {}

    VideoCollectionViewCellLogic {
        id: controller
    }

    // The card's shadow: offset down in light appearance, all round in dark.
    Rectangle {
        anchors.fill: card
        anchors.topMargin: ColorManager.darkAppearance ? -1 : 1.5
        anchors.bottomMargin: ColorManager.darkAppearance ? -1 : -1.5
        anchors.leftMargin: -1
        anchors.rightMargin: -1
        radius: card.radius + 1
        color: ColorManager.labelColor
        opacity: 0.25
    }

    Rectangle {
        id: card

        anchors.fill: parent
        radius: 8
        color: "black"

        Image {
            id: thumbnail

            objectName: "videoThumbnail"
            anchors.fill: parent
            anchors.margins: 1
            fillMode: Image.PreserveAspectCrop
            asynchronous: true
            // Only once there may be something to load, and again after a retry.
            source: controller.state === VideoCollectionViewCellLogic.Loading
                    || controller.state === VideoCollectionViewCellLogic.Ready
                    || cell.playing ? controller.thumbnailUrl : ""
            onStatusChanged: {
                if (status === Image.Ready)
                    controller.playerReady()
                else if (status === Image.Error)
                    controller.loadFailed()
            }
        }

        Rectangle {
            objectName: "playButton"
            anchors.centerIn: parent
            width: cell.large ? 88 : 64
            height: width
            radius: width / 2
            color: "#cc000000"
            visible: controller.state === VideoCollectionViewCellLogic.Ready

            Icon {
                anchors.centerIn: parent
                width: parent.width * 0.6
                height: width
                name: "play"
                color: "white"
                visible: !controller.connecting
            }

            BusyIndicator {
                anchors.centerIn: parent
                width: parent.width * 0.75
                height: width
                running: controller.connecting
                visible: running
                Material.accent: "white"
            }
        }

        TapHandler {
            enabled: controller.state === VideoCollectionViewCellLogic.Ready
            onTapped: controller.play()
        }

        // The app's own player, built only when a video plays.
        Loader {
            id: player

            anchors.fill: parent
            active: cell.playing && controller.inAppPlayback
            source: "VideoWebPlayer.qml"
            onLoaded: {
                item.html = controller.embedHtml
                item.failed.connect(controller.loadFailed)
            }
        }

        ToolButton {
            objectName: "stopVideoButton"
            anchors.top: parent.top
            anchors.right: parent.right
            visible: cell.playing
            focusPolicy: Qt.NoFocus
            Accessible.name: qsTranslate("VideoStrip", "closeVideo")
            contentItem: Icon {
                name: "close"
                color: "white"
            }
            onClicked: controller.stop()
        }

        // The cover: until the picture is there, and for good when the address is no video.
        Rectangle {
            id: coveringView

            objectName: "coveringView"
            anchors.fill: parent
            radius: card.radius
            visible: controller.coveringVisible
            color: ColorManager.tertiaryGroupedBackgroundColor
            border.color: ColorManager.systemGray4Color

            Column {
                anchors.centerIn: parent
                width: parent.width - 32
                spacing: 12

                BusyIndicator {
                    anchors.horizontalCenter: parent.horizontalCenter
                    visible: running
                    running: controller.state === VideoCollectionViewCellLogic.Loading
                }

                Icon {
                    anchors.horizontalCenter: parent.horizontalCenter
                    width: 40
                    height: 40
                    visible: name !== ""
                    name: controller.state === VideoCollectionViewCellLogic.Unavailable ? "videoOff"
                        : controller.state === VideoCollectionViewCellLogic.Offline ? "cloudOff"
                        : controller.state === VideoCollectionViewCellLogic.Waiting ? "play" : ""
                    color: ColorManager.systemGrayColor
                }

                Label {
                    objectName: "videoStatusLabel"
                    width: parent.width
                    visible: text !== ""
                    text: controller.statusText
                    color: ColorManager.labelColor
                    font.pixelSize: (cell.large ? 18 : 14) * TextScale.factor
                    horizontalAlignment: Text.AlignHCenter
                    wrapMode: Text.Wrap
                }

                Button {
                    objectName: "retryVideoButton"
                    anchors.horizontalCenter: parent.horizontalCenter
                    visible: controller.state === VideoCollectionViewCellLogic.Offline
                    flat: true
                    text: qsTranslate("VideoStrip", "tryAgain")
                    font.pixelSize: 14 * TextScale.factor
                    font.capitalization: Font.MixedCase
                    onClicked: controller.retry()
                }
            }
        }
    }
}
