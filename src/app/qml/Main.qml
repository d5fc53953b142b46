import QtQuick
import QtQuick.Controls
import QtQuick.Controls.Material
import UnitCircle.Style
import UnitCircle.Shell
import UnitCircle.Screens as Screens

// The one window: the drawer with the side menu, and as its root the toolbar over the two
// pages "Input" and "Result".
ApplicationWindow {
    id: window

    objectName: "mainWindow"
    width: 400
    height: 720
    visible: true
    title: Qt.application.displayName

    // Larger type and keys from the short side of a small tablet up.
    readonly property bool isTablet: Math.min(width, height) >= 600
    // Phones draw the window under their status bar; desktops have none.
    readonly property int statusBarHeight: Qt.platform.os === "android" || Qt.platform.os === "ios" ? 24 : 0
    readonly property alias drawer: drawer
    readonly property alias rootContent: rootContent

    Material.theme: ColorManager.darkAppearance ? Material.Dark : Material.Light
    Material.primary: ColorManager.primaryColor
    Material.accent: ColorManager.primaryDarkColor
    color: ColorManager.systemBackgroundColor

    Component.onCompleted: ViewManager.window = window

    Rectangle {
        objectName: "statusBar"
        width: parent.width
        height: window.statusBarHeight
        color: ColorManager.primaryDarkColor
    }

    // The drawer's root content; the menu's navigation replaces what it shows.
    StackView {
        id: rootContent

        anchors.fill: parent
        anchors.topMargin: window.statusBarHeight
        initialItem: AppToolbarController {
            drawer: drawer
        }
    }

    AppNavigationDrawerController {
        id: drawer

        y: window.statusBarHeight
        width: Math.min(window.width * 0.8, 320)
        height: window.height - window.statusBarHeight
        interactive: !Screens.AppState.isCalculating
    }

    LoadingOverlay {}

    AlertDialog {}

    // Bottom messages lie above everything else, including open popups.
    Item {
        parent: Overlay.overlay
        anchors.fill: parent
        z: 1000

        Repeater {
            model: ViewManager.toasts
            delegate: Toast {
                required property var model

                text: model.text
                fading: model.fading
            }
        }
    }
}
