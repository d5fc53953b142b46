import QtQuick
import QtQuick.Controls
import QtQuick.Controls.Material
import UnitCircle.Style
import UnitCircle.Shell
import UnitCircle.Services
import UnitCircle.Screens as Screens

// The main screen: the toolbar with the menu button and the title over the page tab bar.
Item {
    id: toolbarController

    // The title and the right-hand button ({text, trigger()}) come from the page that shows.
    property string toolbarTitle: pages.currentTitle
    property var rightAction: null
    readonly property alias pageTabBarController: pages
    readonly property bool isTablet: ApplicationWindow.window ? ApplicationWindow.window.isTablet : false

    function handleMenuButton() {
        Analytics.log("tapped_menu_button", {})
        if (!Screens.AppState.isCalculating && ApplicationWindow.window)
            ApplicationWindow.window.openDrawer()
    }

    ToolBar {
        id: toolbar

        objectName: "appToolbar"
        width: parent.width
        Material.elevation: 0
        Material.background: ColorManager.primaryColor
        Material.foreground: ColorManager.darkTextColor

        ToolButton {
            id: menuButton

            objectName: "menuButton"
            anchors.left: parent.left
            width: 56
            height: parent.height
            focusPolicy: Qt.NoFocus
            Accessible.name: qsTranslate("Main", "Menu")
            contentItem: Icon {
                name: "menu"
                color: ColorManager.darkTextColor
            }
            onClicked: toolbarController.handleMenuButton()
        }

        Label {
            objectName: "toolbarTitle"
            anchors.left: menuButton.right
            anchors.right: rightButton.visible ? rightButton.left : parent.right
            anchors.rightMargin: 8
            height: parent.height
            text: toolbarController.toolbarTitle
            color: ColorManager.darkTextColor
            font.pixelSize: toolbarController.isTablet ? 24 : 20
            font.weight: Font.Black
            fontSizeMode: Text.HorizontalFit
            minimumPixelSize: 12
            horizontalAlignment: Text.AlignLeft
            verticalAlignment: Text.AlignVCenter
        }

        ToolButton {
            id: rightButton

            objectName: "toolbarRemoveButton"
            anchors.right: parent.right
            height: parent.height
            width: Math.max(56, implicitWidth)
            visible: toolbarController.rightAction !== null
            text: toolbarController.rightAction ? toolbarController.rightAction.text : ""
            onClicked: toolbarController.rightAction.trigger()
            focusPolicy: Qt.NoFocus
            font.pixelSize: toolbarController.isTablet ? 17 : 14
            font.capitalization: Font.MixedCase
            Material.foreground: ColorManager.darkTextColor
        }
    }

    AppPageTabBarController {
        id: pages

        objectName: "pageTabBarController"
        anchors.top: toolbar.bottom
        anchors.left: parent.left
        anchors.right: parent.right
        anchors.bottom: parent.bottom
        toolbarController: toolbarController
    }
}
