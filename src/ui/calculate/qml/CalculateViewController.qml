import QtQuick
import QtQuick.Controls
import QtQuick.Controls.Material
import UnitCircle.Style
import UnitCircle.Shell
import UnitCircle.Videos
import UnitCircle.Calculate

// The input page: the prompt, the fields α and b, and the keypad. Side by side in landscape.
Item {
    id: page

    property Item toolbarController
    readonly property alias controller: controller
    readonly property string toolbarTitle: qsTranslate("CalculateView", "Calculate Title",
                                                       "Toolbar title for calculate view")
    readonly property bool isTablet: ApplicationWindow.window ? ApplicationWindow.window.isTablet : false
    readonly property bool landscape: width > height * 1.2

    function fieldFor(field) {
        return field === CalculateViewControllerLogic.BField ? bTextField : alphaTextField
    }

    function focusCurrentField() {
        if (controller.currentField !== CalculateViewControllerLogic.NoField)
            fieldFor(controller.currentField).forceActiveFocus()
    }

    function viewWillAppear() {
        if (toolbarController)
            toolbarController.rightActions = [clearAction]
        controller.viewWillAppear()
        controller.viewDidAppear()
        focusCurrentField()
    }

    function viewWillDisappear() {
        controller.viewWillDisappear()
    }

    Rectangle {
        anchors.fill: parent
        color: ColorManager.systemBackgroundColor
    }

    CalculateViewControllerLogic {
        id: controller

        onCaretMoved: (field, caret) => page.fieldFor(field).cursorPosition = caret
        onCurrentFieldChanged: page.focusCurrentField()
    }

    // The toolbar's "Clear" while this page shows.
    QtObject {
        id: clearAction

        objectName: "toolbarRemoveButton"
        readonly property string text: qsTranslate("CalculateView", "Clear")
        function trigger() {
            controller.handleClearAllButton()
        }
    }

    // Phones use the whole page, keys at the bottom within reach of the thumb; tablets keep
    // the block at a comfortable size in the middle. Landscape puts the keys beside the fields.
    // Where the fields and the smallest keys do not fit together (large text, a long prompt)
    // the page scrolls: keys never lie over the fields and never shrink below 48.
    Flickable {
        id: scroller

        objectName: "inputScroller"
        anchors.fill: parent
        contentWidth: width
        contentHeight: Math.max(height, block.height + 32)
        interactive: contentHeight > height
        boundsBehavior: Flickable.StopAtBounds
        clip: interactive
        ScrollBar.vertical: ScrollBar {
            policy: scroller.interactive ? ScrollBar.AsNeeded : ScrollBar.AlwaysOff
        }

        Item {
            id: block

            readonly property real gap: page.isTablet ? 32 : 16
            readonly property real naturalHeight: page.landscape
                ? Math.max(inputs.height, keypadStackView.maximumHeight)
                : inputs.height + gap + keypadStackView.maximumHeight
            readonly property real minimumHeight: page.landscape
                ? Math.max(inputs.height, keypadStackView.minimumHeight)
                : inputs.height + gap + keypadStackView.minimumHeight

            anchors.centerIn: parent
            width: page.isTablet ? Math.min(scroller.width - 32, page.landscape ? 1100 : 720)
                                 : scroller.width - 32
            height: Math.max(minimumHeight, page.isTablet
                                            ? Math.min(scroller.height - 32, naturalHeight)
                                            : scroller.height - 32)

            Column {
                id: inputs

                // In landscape the keys get two thirds, so that a phone's keys stay 48 wide.
                width: page.landscape ? block.width * 0.33 : block.width
                spacing: 16

                Label {
                    id: fillInLabel

                    objectName: "fillInLabel"
                    width: parent.width - manualButton.width
                    rightPadding: 4
                    text: qsTranslate("CalculateView", "Fill in your given numbers:")
                    color: ColorManager.labelColor
                    font.pixelSize: (page.isTablet ? 22 : 17) * TextScale.factor
                    wrapMode: Text.Wrap

                    ManualButton {
                        id: manualButton

                        anchors.left: parent.right
                        anchors.verticalCenter: parent.verticalCenter
                        imageName: controller.manualImageName
                    }
                }

                InputTextField {
                    id: alphaTextField

                    objectName: "alphaTextField"
                    width: parent.width
                    controller: controller
                    field: CalculateViewControllerLogic.AlphaField
                    fieldState: controller.alphaField
                    placeholderText: "α"
                    unit: "°"
                    large: page.isTablet
                }

                InputTextField {
                    id: bTextField

                    objectName: "bTextField"
                    width: parent.width
                    controller: controller
                    field: CalculateViewControllerLogic.BField
                    fieldState: controller.bField
                    placeholderText: "b"
                    unit: "rad"
                    large: page.isTablet
                }
            }

            Keypad {
                id: keypadStackView

                objectName: "keypad"
                x: page.landscape ? inputs.width + block.gap : 0
                y: page.landscape ? 0 : inputs.height + block.gap
                width: block.width - x
                height: block.height - y
                wide: page.landscape
                large: page.isTablet
                onKeyTapped: title => controller.tappedKeypadButtonWithValue(title)
                onDeleteTapped: controller.tappedDeleteButton()
                onCalculateTapped: controller.tappedCalculateButton()
                // Messages about the input stay off the keys that correct it.
                Component.onCompleted: ViewManager.toastKeepClear = keypadStackView
                Component.onDestruction: {
                    if (ViewManager.toastKeepClear === keypadStackView)
                        ViewManager.toastKeepClear = null
                }
            }
        }
    }

    Component.onCompleted: controller.viewDidLoad()
}
