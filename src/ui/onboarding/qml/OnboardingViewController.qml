import QtQuick
import QtQuick.Controls
import QtQuick.Controls.Material
import UnitCircle.Style
import UnitCircle.Shell
import UnitCircle.Onboarding

// The onboarding screen: the presented sequence's pages, swiped or advanced with the
// button under them, with a page indicator. Over the whole window, or as a card in front of
// it; the last page's button finishes the sequence.
Popup {
    id: screen

    readonly property bool formSheet: OnboardingManager.formSheet
    readonly property var pages: OnboardingManager.pages
    readonly property bool isTablet: parent ? Math.min(parent.width, parent.height) >= 600 : false
    readonly property int currentIndex: swipe.currentIndex

    objectName: "onboardingScreen"
    parent: Overlay.overlay
    // Below alerts, so the privacy notice lies above the first launch's pages.
    z: 50
    modal: true
    focus: true
    padding: 0
    width: formSheet ? Math.min(parent.width - 32, 560) : parent.width
    height: formSheet ? Math.min(parent.height - 64, 760) : parent.height
    x: (parent.width - width) / 2
    y: (parent.height - height) / 2
    closePolicy: formSheet ? Popup.CloseOnEscape | Popup.CloseOnPressOutside : Popup.NoAutoClose

    enter: Transition {
        enabled: OnboardingManager.animated
        NumberAnimation { property: "opacity"; from: 0; to: 1; duration: 200 }
    }
    exit: Transition {
        NumberAnimation { property: "opacity"; to: 0; duration: 150 }
    }

    background: Rectangle {
        color: ColorManager.systemBackgroundColor
        radius: screen.formSheet ? 12 : 0
    }

    function advance() {
        if (swipe.currentIndex + 1 < swipe.count)
            swipe.incrementCurrentIndex()
        else
            OnboardingManager.finish()
    }

    onClosed: OnboardingManager.dismiss()

    contentItem: Item {
        focus: true
        Keys.onRightPressed: screen.advance()
        Keys.onLeftPressed: swipe.decrementCurrentIndex()

        SwipeView {
            id: swipe

            objectName: "onboardingPages"
            anchors.fill: parent
            anchors.bottomMargin: footer.height
            clip: true

            Repeater {
                model: screen.pages

                // With large text the description would leave the picture no room: the picture
                // keeps at least 55 % of the page and the page scrolls.
                Flickable {
                    id: page

                    required property var modelData
                    required property int index

                    clip: true
                    contentWidth: width
                    contentHeight: Math.max(height, illustration.height + description.height + 72)
                    flickableDirection: Flickable.VerticalFlick
                    boundsBehavior: Flickable.StopAtBounds
                    interactive: contentHeight > height
                    ScrollIndicator.vertical: ScrollIndicator {
                        active: page.interactive
                    }

                    Image {
                        id: illustration

                        objectName: "onboardingImage"
                        y: 24
                        anchors.horizontalCenter: parent.horizontalCenter
                        width: page.width - 48
                        height: Math.max(page.height * 0.55, page.height - description.height - 72)
                        fillMode: Image.PreserveAspectFit
                        horizontalAlignment: Image.AlignHCenter
                        verticalAlignment: Image.AlignVCenter
                        // In points: the image is drawn at the screen's pixel ratio.
                        sourceSize.width: width
                        sourceSize.height: height
                        source: "qrc:/unitcircle/images/" + page.modelData.imageName + ".svg"
                        // Only the pages next to the one shown are drawn.
                        asynchronous: true
                        visible: Math.abs(page.index - swipe.currentIndex) <= 1
                    }

                    Label {
                        id: description

                        objectName: "onboardingDescription"
                        y: page.contentHeight - height - 16
                        anchors.horizontalCenter: parent.horizontalCenter
                        width: Math.min(page.width - 48, 640)
                        text: page.modelData.description
                        color: ColorManager.labelColor
                        font.pixelSize: (screen.isTablet ? 22 : 17) * TextScale.factor
                        horizontalAlignment: Text.AlignHCenter
                        wrapMode: Text.Wrap
                    }
                }
            }
        }

        // A card can always be sent away; the full-screen introduction is gone through.
        ToolButton {
            objectName: "onboardingCloseButton"
            anchors.top: parent.top
            anchors.right: parent.right
            anchors.margins: 4
            visible: screen.formSheet
            focusPolicy: Qt.NoFocus
            Accessible.name: qsTranslate("Onboarding", "close")
            contentItem: Icon {
                implicitWidth: 24
                implicitHeight: 24
                name: "close"
                color: ColorManager.labelColor
            }
            onClicked: screen.close()
        }

        Item {
            id: footer

            anchors.left: parent.left
            anchors.right: parent.right
            anchors.bottom: parent.bottom
            height: 112

            PageIndicator {
                objectName: "onboardingPageIndicator"
                anchors.top: parent.top
                anchors.horizontalCenter: parent.horizontalCenter
                count: swipe.count
                currentIndex: swipe.currentIndex
                interactive: true
                onCurrentIndexChanged: swipe.currentIndex = currentIndex
                Material.foreground: OnboardingManager.tintColor
            }

            Button {
                objectName: "onboardingAdvanceButton"
                anchors.bottom: parent.bottom
                anchors.bottomMargin: 24
                anchors.horizontalCenter: parent.horizontalCenter
                flat: true
                text: screen.pages.length > 0 ? screen.pages[Math.min(swipe.currentIndex, screen.pages.length - 1)].buttonTitle : ""
                font.pixelSize: 20 * TextScale.factor
                font.weight: Font.DemiBold
                font.capitalization: Font.MixedCase
                Material.foreground: OnboardingManager.tintColor
                onClicked: screen.advance()
            }
        }
    }

    Component.onCompleted: open()
}
