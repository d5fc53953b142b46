import QtQuick
import QtQuick.Controls
import QtQuick.Controls.Material
import QtQuick.Layouts
import UnitCircle.Style
import UnitCircle.Services
import UnitCircle.Screens as Screens

// The main screen: the toolbar with the menu button and the title over the page tab bar.
Page {
    id: toolbarController

    property Drawer drawer
    // The title and the right-hand button come from the page that shows.
    property string toolbarTitle: pages.currentTitle
    property Action rightAction: null
    readonly property alias pageTabBarController: pages
    readonly property bool isTablet: ApplicationWindow.window ? ApplicationWindow.window.isTablet : false

    function handleMenuButton() {
        Analytics.log("tapped_menu_button", {})
        if (!Screens.AppState.isCalculating && drawer)
            drawer.open()
    }

    header: ToolBar {
        objectName: "appToolbar"
        Material.elevation: 0
        Material.background: ColorManager.primaryColor
        Material.foreground: ColorManager.darkTextColor

        RowLayout {
            anchors.fill: parent
            spacing: 0

            ToolButton {
                id: menuButton

                objectName: "menuButton"
                Layout.preferredWidth: 56
                Layout.fillHeight: true
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
                Layout.fillWidth: true
                Layout.fillHeight: true
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
                objectName: "toolbarRemoveButton"
                Layout.fillHeight: true
                Layout.minimumWidth: 56
                visible: toolbarController.rightAction !== null
                action: toolbarController.rightAction
                focusPolicy: Qt.NoFocus
                font.pixelSize: toolbarController.isTablet ? 17 : 14
                font.capitalization: Font.MixedCase
                Material.foreground: ColorManager.darkTextColor
            }
        }
    }

    AppPageTabBarController {
        id: pages

        objectName: "pageTabBarController"
        anchors.fill: parent
        toolbarController: toolbarController
    }
}
