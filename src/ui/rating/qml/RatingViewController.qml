import QtQuick
import QtQuick.Controls
import UnitCircle.Style
import UnitCircle.Rating

// The rating prompt over the whole window: the question, five stars, Cancel and Send. It
// follows the controller: built when the prompt is presented, faded out when it is dismissed.
Popup {
    id: prompt

    readonly property var controller: RatingViewControllerLogic

    objectName: "ratingPrompt"
    parent: Overlay.overlay
    z: 60
    modal: true
    focus: true
    // Only the two buttons answer the prompt.
    closePolicy: Popup.NoAutoClose
    anchors.centerIn: parent
    width: Math.min(parent ? parent.width - 48 : 320, 360)
    padding: 24
    clip: true

    enter: Transition {
        NumberAnimation { property: "opacity"; from: 0; to: 1; duration: 250 }
    }
    exit: Transition {
        NumberAnimation { property: "opacity"; from: 1; to: 0; duration: 250 }
    }

    // The popup writes the backdrop's opacity on opening and closing; the behaviour fades it
    // along with the card.
    Overlay.modal: Rectangle {
        objectName: "ratingBackgroundView"
        color: Qt.rgba(0, 0, 0, 0.5)

        Behavior on opacity {
            NumberAnimation { duration: 250 }
        }
    }

    background: Rectangle {
        objectName: "ratingCard"
        radius: 2
        color: ColorManager.primaryColor
        Style.tag: 102
    }

    contentItem: Column {
        spacing: 20

        Label {
            objectName: "ratingPromptLabel"
            width: parent.width
            text: prompt.controller.promptText
            color: ColorManager.darkTextColor
            font.pixelSize: 18 * TextScale.factor
            horizontalAlignment: Text.AlignHCenter
            wrapMode: Text.Wrap
        }

        StarRatingView {
            id: stars

            objectName: "ratingStars"
            anchors.horizontalCenter: parent.horizontalCenter
            starSize: Math.min(40, (parent.width - 4 * spacing) / 5)
            focus: true
        }

        Row {
            id: buttons

            readonly property real buttonWidth: (width - spacing) / 2

            width: parent.width
            spacing: 12

            RatingButton {
                objectName: "cancelRatingButton"
                width: buttons.buttonWidth
                text: prompt.controller.cancelButtonTitle
                onClicked: prompt.controller.tappedCancelRatingButton()
            }

            RatingButton {
                objectName: "sendRatingButton"
                width: buttons.buttonWidth
                text: prompt.controller.sendButtonTitle
                font.bold: true
                // A rating needs at least one star.
                enabled: stars.rating > 0
                onClicked: prompt.controller.tappedSendRatingButton(stars.rating)
            }
        }
    }

    component RatingButton: Button {
        id: button

        flat: true
        focusPolicy: Qt.TabFocus
        font.pixelSize: 14 * TextScale.factor
        background: Rectangle {
            implicitHeight: 44
            radius: 2
            color: button.down ? Qt.darker(ColorManager.primaryColor, 1.25)
                               : Qt.darker(ColorManager.primaryColor, button.hovered ? 1.14 : 1.08)
        }
        contentItem: Text {
            text: button.text
            font: button.font
            color: ColorManager.darkTextColor
            horizontalAlignment: Text.AlignHCenter
            verticalAlignment: Text.AlignVCenter
            elide: Text.ElideRight
        }
    }

    Connections {
        target: prompt.controller
        function onPromptVisibleChanged() {
            if (!prompt.controller.promptVisible)
                prompt.close()
        }
    }

    Component.onCompleted: {
        open()
        controller.viewDidLoad()
    }
}
