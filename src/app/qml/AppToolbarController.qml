import QtQuick
import QtQuick.Controls
import QtQuick.Controls.Material
import UnitCircle.Style
import UnitCircle.Shell
import UnitCircle.Services
import UnitCircle.Pages

// The main screen: the toolbar with the menu button and the title over the page tab bar.
Item {
    id: toolbarController

    // The title and the right-hand buttons come from the screen that shows. Each action has
    // `text` or `icon` (an Icon name), `accessibleName`, an optional `checked` and `trigger()`.
    property string toolbarTitle: historyShown && historyLoader.item
                                  ? historyLoader.item.toolbarTitle
                                  : practiceShown && practiceLoader.item
                                    ? practiceLoader.item.toolbarTitle
                                    : exploreShown && exploreLoader.item
                                      ? exploreLoader.item.toolbarTitle : pages.currentTitle
    property var rightActions: []
    readonly property alias pageTabBarController: pages
    readonly property bool isTablet: ApplicationWindow.window ? ApplicationWindow.window.isTablet : false
    // The history replaces the two pages under this toolbar; the menu button stays.
    readonly property bool historyShown: historyLoader.active
    readonly property Item historyView: historyLoader.item
    // So do the practice and Explore; only one of them shows.
    readonly property bool practiceShown: practiceLoader.active
    readonly property bool exploreShown: exploreLoader.active

    function showHistory() {
        practiceLoader.active = false
        exploreLoader.active = false
        if (historyLoader.active) {
            historyLoader.item.viewDidAppear()
            return
        }
        pages.calculatePage.viewWillDisappear()
        historyLoader.active = true
    }

    function showPractice() {
        historyLoader.active = false
        exploreLoader.active = false
        if (practiceLoader.active) {
            practiceLoader.item.viewDidAppear()
            return
        }
        pages.calculatePage.viewWillDisappear()
        practiceLoader.active = true
    }

    function showExplore() {
        historyLoader.active = false
        practiceLoader.active = false
        if (exploreLoader.active) {
            exploreLoader.item.viewDidAppear()
            return
        }
        pages.calculatePage.viewWillDisappear()
        exploreLoader.active = true
    }

    function handleMenuButton() {
        Analytics.log("tapped_menu_button", {})
        if (!AppState.isCalculating && ApplicationWindow.window)
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
            anchors.right: rightButtons.left
            anchors.rightMargin: 8
            height: parent.height
            text: toolbarController.toolbarTitle
            color: ColorManager.darkTextColor
            font.pixelSize: (toolbarController.isTablet ? 24 : 20) * TextScale.factor
            font.weight: Font.ExtraBold
            fontSizeMode: Text.HorizontalFit
            minimumPixelSize: 12
            horizontalAlignment: Text.AlignLeft
            verticalAlignment: Text.AlignVCenter
        }

        Row {
            id: rightButtons

            anchors.right: parent.right
            height: parent.height

            Repeater {
                model: toolbarController.rightActions

                ToolButton {
                    id: actionButton

                    required property var modelData

                    objectName: modelData.objectName || ""
                    height: rightButtons.height
                    width: Math.max(56, implicitWidth)
                    checkable: modelData.checked !== undefined
                    checked: !!modelData.checked
                    focusPolicy: Qt.NoFocus
                    font.pixelSize: (toolbarController.isTablet ? 17 : 14) * TextScale.factor
                    font.capitalization: Font.MixedCase
                    Material.foreground: ColorManager.darkTextColor
                    Accessible.name: modelData.accessibleName || modelData.text || ""
                    onClicked: modelData.trigger()
                    contentItem: Item {
                        implicitWidth: actionButton.modelData.icon ? 24 : actionLabel.implicitWidth
                        implicitHeight: 24

                        Icon {
                            anchors.centerIn: parent
                            width: 24
                            height: 24
                            visible: !!actionButton.modelData.icon
                            name: actionButton.modelData.icon || ""
                            color: ColorManager.darkTextColor
                        }
                        Label {
                            id: actionLabel

                            anchors.fill: parent
                            visible: !actionButton.modelData.icon
                            text: actionButton.modelData.text || ""
                            font: actionButton.font
                            color: ColorManager.darkTextColor
                            horizontalAlignment: Text.AlignHCenter
                            verticalAlignment: Text.AlignVCenter
                        }
                    }
                }
            }
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
        visible: !toolbarController.historyShown && !toolbarController.practiceShown
                 && !toolbarController.exploreShown
    }

    Loader {
        id: historyLoader

        objectName: "historyLoader"
        active: false
        anchors.top: toolbar.bottom
        anchors.left: parent.left
        anchors.right: parent.right
        anchors.bottom: parent.bottom
        // By address, so that neither screen is compiled before the first frame.
        source: "qrc:/qt/qml/UnitCircle/History/HistoryTableViewController.qml"
        onLoaded: {
            item.toolbarController = toolbarController
            item.viewDidAppear()
        }
    }

    Loader {
        id: practiceLoader

        objectName: "practiceLoader"
        active: false
        anchors.top: toolbar.bottom
        anchors.left: parent.left
        anchors.right: parent.right
        anchors.bottom: parent.bottom
        source: "qrc:/qt/qml/UnitCircle/Practice/PracticeViewController.qml"
        onLoaded: {
            item.toolbarController = toolbarController
            item.viewDidAppear()
        }
    }

    Loader {
        id: exploreLoader

        objectName: "exploreLoader"
        active: false
        anchors.top: toolbar.bottom
        anchors.left: parent.left
        anchors.right: parent.right
        anchors.bottom: parent.bottom
        source: "qrc:/qt/qml/UnitCircle/Explore/ExploreViewController.qml"
        onLoaded: {
            item.toolbarController = toolbarController
            item.viewDidAppear()
        }
    }
}
