import QtQuick
import QtQuick.Controls
import UnitCircle.Style
import UnitCircle.Shell
import UnitCircle.Videos

// The row of recommended videos below the charts: the heading with the consent's lock and
// the video instructions, the videos side by side, and the cover until the user agrees to
// the videos being embedded.
Item {
    id: strip

    property var videoUrls: []
    property bool large
    readonly property alias controller: stripController

    objectName: "videoCollectionTableViewCell"

    // Its stops in the page's keyboard order: the lock and the instructions, then the cover's
    // button or each video.
    function focusStops() {
        const stops = [privacyButton, manualButton]
        if (stripController.lockingViewVisible)
            return stops.concat([unlockButton])
        for (let i = 0; i < videoCollectionView.count; ++i) {
            videoCollectionView.positionViewAtIndex(i, ListView.Contain)
            const tile = videoCollectionView.itemAtIndex(i)
            if (tile)
                stops.push(tile)
        }
        return stops
    }
    implicitHeight: stripController.rowHeight(ApplicationWindow.window ? ApplicationWindow.window.width : width)

    VideoCollectionTableViewCellLogic {
        id: stripController

        videoUrlStringArray: strip.videoUrls
    }

    Item {
        id: header

        width: parent.width
        height: Math.max(strip.large ? 64 : 48, titleLabel.implicitHeight + 12)

        Label {
            id: titleLabel

            objectName: "videoStripTitle"
            anchors.left: parent.left
            anchors.leftMargin: 16
            anchors.right: privacyButton.left
            anchors.verticalCenter: parent.verticalCenter
            text: stripController.titleText
            color: ColorManager.labelColor
            font.pixelSize: (strip.large ? 22 : 17) * TextScale.factor
            font.weight: Font.DemiBold
            wrapMode: Text.Wrap
            maximumLineCount: 2
            elide: Text.ElideRight
        }

        ToolButton {
            id: privacyButton

            objectName: "privacyButton"
            anchors.right: manualButton.left
            height: 48
            width: 48
            anchors.verticalCenter: parent.verticalCenter
            focusPolicy: Qt.NoFocus
            Keys.onReturnPressed: clicked()
            Keys.onEnterPressed: clicked()
            Accessible.name: qsTranslate("VideoStrip", "videoConsent")
            contentItem: Icon {
                objectName: "privacyIcon"
                implicitWidth: 24
                implicitHeight: 24
                name: stripController.privacyIconName
                color: ColorManager.darkAppearance ? ColorManager.labelColor : ColorManager.darkTextColor
            }
            onClicked: stripController.tappedPrivacyButton()
        }

        ToolButton {
            id: manualButton

            objectName: "videoManualButton"
            anchors.right: parent.right
            anchors.rightMargin: 4
            height: 48
            width: 48
            anchors.verticalCenter: parent.verticalCenter
            focusPolicy: Qt.NoFocus
            Keys.onReturnPressed: clicked()
            Keys.onEnterPressed: clicked()
            Accessible.name: qsTranslate("VideoStrip", "videoInstructions")
            ToolTip.text: Accessible.name
            ToolTip.visible: hovered || pressed
            ToolTip.delay: pressed ? 0 : 600
            contentItem: Icon {
                objectName: "videoManualIcon"
                implicitWidth: 24
                implicitHeight: 24
                name: "videoHelp"
                color: ColorManager.darkAppearance ? ColorManager.labelColor : ColorManager.darkTextColor
            }
            onClicked: stripController.tappedManualButton()
        }
    }

    ListView {
        id: videoCollectionView

        objectName: "videoCollectionView"
        anchors.top: header.bottom
        anchors.bottom: parent.bottom
        anchors.bottomMargin: 8
        width: parent.width
        orientation: ListView.Horizontal
        spacing: 16
        leftMargin: 16
        rightMargin: 16
        clip: true
        boundsBehavior: Flickable.StopAtBounds
        interactive: !stripController.lockingViewVisible
        model: stripController.videoUrlStringArray

        delegate: VideoCollectionViewCell {
            required property string modelData

            anchors.verticalCenter: parent ? parent.verticalCenter : undefined
            width: height
            height: stripController.itemSide(videoCollectionView.height)
            address: modelData
            large: strip.large
            loadAllowed: !stripController.lockingViewVisible
        }
    }

    // The cover over the videos until the consent is given.
    Rectangle {
        id: lockingView

        objectName: "lockingView"
        anchors.fill: videoCollectionView
        // In line with the tiles it covers.
        anchors.leftMargin: videoCollectionView.leftMargin
        anchors.rightMargin: videoCollectionView.rightMargin
        radius: 8
        visible: stripController.lockingViewVisible
        color: ColorManager.tertiaryGroupedBackgroundColor
        border.color: ColorManager.systemGray4Color

        // Taps on the cover go nowhere else.
        MouseArea {
            anchors.fill: parent
        }

        Column {
            anchors.centerIn: parent
            width: parent.width - 48
            spacing: 16

            Icon {
                anchors.horizontalCenter: parent.horizontalCenter
                width: strip.large ? 64 : 48
                height: width
                name: "lock.fill"
                color: ColorManager.systemGrayColor
            }

            Button {
                id: unlockButton

                objectName: "unlockButton"
                anchors.horizontalCenter: parent.horizontalCenter
                text: stripController.unlockTitle
                font.pixelSize: (strip.large ? 20 : 16) * TextScale.factor
                font.capitalization: Font.MixedCase
                highlighted: true
                focusPolicy: Qt.NoFocus
                Keys.onReturnPressed: clicked()
                Keys.onEnterPressed: clicked()
                onClicked: stripController.tappedLockingViewButton()
            }
        }
    }
}
