import QtQuick
import QtQuick.Controls
import QtQuick.Controls.Material
import UnitCircle.Style
import UnitCircle.Solution
import UnitCircle.Calculate
import UnitCircle.Pages

// The two pages under a tab bar, input (0) and result (1); they also swipe by touch. The
// result tab only takes a tap or a swipe while the result page holds steps.
Page {
    id: pageTabBar

    property Item toolbarController
    readonly property alias controller: tabController
    readonly property alias calculatePage: calculatePage
    readonly property alias solutionPage: solutionPage
    readonly property string currentTitle: swipe.currentItem ? swipe.currentItem.toolbarTitle : ""

    function select(index) {
        tabController.selectIndex(index)
        // A refused choice puts the tab bar and the pages back.
        tabBar.currentIndex = tabController.currentIndex
        swipe.currentIndex = tabController.currentIndex
    }

    // Material blue grey, lighten 5.
    background: Rectangle { color: "#eceff1" }

    AppPageTabBarControllerLogic {
        id: tabController

        calculateViewController: calculatePage.controller
        solutionViewController: solutionPage.controller

        property int previousIndex: 0
        onCurrentIndexChanged: {
            pageTabBar.select(currentIndex)
            if (previousIndex === 0)
                calculatePage.viewWillDisappear()
            if (currentIndex === 0) {
                calculatePage.viewWillAppear()
            } else {
                solutionPage.viewWillAppear()
                // Keys must not edit the fields of a page that is not shown.
                solutionPage.forceActiveFocus()
            }
            previousIndex = currentIndex
        }
    }

    // A Page's header: a plain TabBar loses its tabs when the window widens.
    header: TabBar {
        id: tabBar

        objectName: "pageTabBar"
        position: TabBar.Header
        Material.background: ColorManager.secondaryColor
        // The line under the chosen tab.
        Material.accent: ColorManager.accentColor

        PageTabButton {
            objectName: "inputTab"
            text: qsTranslate("CalculateView", "Input", "Pagebar title for main calculate view")
        }
        PageTabButton {
            objectName: "resultTab"
            text: qsTranslate("SolutionView", "Result", "Pagebar title for result view")
            enabled: tabController.resultEnabled
        }

        onCurrentIndexChanged: pageTabBar.select(currentIndex)
    }

    component PageTabButton: TabButton {
        id: tab

        focusPolicy: Qt.NoFocus
        font.pixelSize: (ApplicationWindow.window && ApplicationWindow.window.isTablet ? 17 : 14) * TextScale.factor
        font.weight: Font.Medium
        font.capitalization: Font.MixedCase
        contentItem: Label {
            text: tab.text
            font: tab.font
            color: tab.enabled ? ColorManager.darkTextColor : ColorManager.systemGrayColor
            horizontalAlignment: Text.AlignHCenter
            verticalAlignment: Text.AlignVCenter
            elide: Text.ElideRight
        }
    }

    SwipeView {
        id: swipe

        objectName: "pageSwipeView"
        anchors.fill: parent
        clip: true
        interactive: tabController.resultEnabled
        onCurrentIndexChanged: pageTabBar.select(currentIndex)

        CalculateViewController {
            id: calculatePage

            toolbarController: pageTabBar.toolbarController
        }

        SolutionViewController {
            id: solutionPage

            toolbarController: pageTabBar.toolbarController
        }
    }

    Component.onCompleted: calculatePage.viewWillAppear()
}
