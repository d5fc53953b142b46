import QtQuick
import QtQuick.Controls
import QtQuick.Controls.Material
import QtQuick.Layouts
import UnitCircle.Style
import UnitCircle.Screens as Screens

// The input page: the prompt, the fields α and b, and the keypad. Side by side in landscape.
Page {
    id: page

    property Item toolbarController
    readonly property alias controller: controller
    readonly property string toolbarTitle: qsTranslate("CalculateView", "Calculate Title",
                                                       "Toolbar title for calculate view")
    readonly property bool isTablet: ApplicationWindow.window ? ApplicationWindow.window.isTablet : false
    readonly property bool landscape: width > height * 1.2

    function fieldFor(field) {
        return field === Screens.CalculateViewController.BField ? bTextField : alphaTextField
    }

    function focusCurrentField() {
        if (controller.currentField !== Screens.CalculateViewController.NoField)
            fieldFor(controller.currentField).forceActiveFocus()
    }

    function viewWillAppear() {
        if (toolbarController)
            toolbarController.rightAction = clearAction
        controller.viewWillAppear()
        focusCurrentField()
    }

    function viewWillDisappear() {
        controller.viewWillDisappear()
    }

    background: Rectangle { color: ColorManager.systemBackgroundColor }

    Screens.CalculateViewController {
        id: controller

        onCaretMoved: (field, caret) => page.fieldFor(field).cursorPosition = caret
        onCurrentFieldChanged: page.focusCurrentField()
    }

    Action {
        id: clearAction

        text: qsTranslate("CalculateView", "Clear")
        onTriggered: controller.handleClearAllButton()
    }

    GridLayout {
        anchors.fill: parent
        anchors.margins: 16
        columns: page.landscape ? 2 : 1
        columnSpacing: 24
        rowSpacing: 16

        ColumnLayout {
            Layout.fillWidth: true
            Layout.preferredWidth: page.landscape ? 2 : 1
            Layout.alignment: Qt.AlignTop
            Layout.maximumWidth: page.isTablet && !page.landscape ? 640 : -1
            Layout.fillHeight: page.landscape
            spacing: 12

            Label {
                id: fillInLabel

                objectName: "fillInLabel"
                Layout.fillWidth: true
                text: qsTranslate("CalculateView", "Fill in your given numbers:")
                color: ColorManager.labelColor
                font.pixelSize: page.isTablet ? 22 : 17
                wrapMode: Text.Wrap
            }

            InputTextField {
                id: alphaTextField

                objectName: "alphaTextField"
                Layout.fillWidth: true
                controller: controller
                field: Screens.CalculateViewController.AlphaField
                fieldState: controller.alphaField
                placeholderText: "α"
                unit: "°"
                large: page.isTablet
            }

            InputTextField {
                id: bTextField

                objectName: "bTextField"
                Layout.fillWidth: true
                controller: controller
                field: Screens.CalculateViewController.BField
                fieldState: controller.bField
                placeholderText: "b"
                unit: "rad"
                large: page.isTablet
            }

            Item {
                Layout.fillHeight: page.landscape
            }
        }

        Keypad {
            id: keypadStackView

            objectName: "keypad"
            Layout.fillWidth: true
            Layout.fillHeight: true
            Layout.minimumHeight: minimumHeight
            Layout.preferredWidth: page.landscape ? 3 : 1
            Layout.maximumWidth: page.isTablet ? 720 : -1
            Layout.alignment: Qt.AlignHCenter | Qt.AlignBottom
            wide: page.landscape
            large: page.isTablet
            piEnabled: controller.piKeyEnabled
            onKeyTapped: title => controller.tappedKeypadButtonWithValue(title)
            onDeleteTapped: controller.tappedDeleteButton()
            onCalculateTapped: controller.tappedCalculateButton()
        }
    }

    Component.onCompleted: controller.viewDidLoad()
}
