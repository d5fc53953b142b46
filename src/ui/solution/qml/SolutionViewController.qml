import QtQuick
import QtQuick.Controls
import QtQuick.Controls.Material
import UnitCircle.Style
import UnitCircle.Shell
import UnitCircle.Videos
import UnitCircle.Solution

// The result page: the solution as a list (steps, then charts, then videos) with the share
// button in a strip on its right.
Item {
    id: page

    property Item toolbarController
    readonly property alias controller: controller
    readonly property ListView tableView: tableLoader.item
    readonly property string toolbarTitle: qsTranslate("SolutionView", "Calculate Title",
                                                       "Toolbar title for calculate view")
    readonly property bool isTablet: ApplicationWindow.window ? ApplicationWindow.window.isTablet : false

    function viewWillAppear() {
        controller.viewWillAppear()
    }

    // Keys scroll the steps.
    function scrollBy(dy) {
        if (!tableView)
            return
        const bottom = Math.max(tableView.originY, tableView.contentHeight - tableView.height + tableView.originY)
        tableView.contentY = Math.max(tableView.originY, Math.min(bottom, tableView.contentY + dy))
    }

    // Tab and Shift+Tab go round the page in reading order: the share and help buttons at its
    // top, then the list from the hint above the steps to the videos.
    function moveFocus(forward) {
        const current = ApplicationWindow.window ? ApplicationWindow.window.activeFocusItem : null
        const fixed = [shareLoader.item, manualButton].filter(stop => stop && stop.visible)
        const focusFixed = index => {
            fixed[index].forceActiveFocus(forward ? Qt.TabFocusReason : Qt.BacktabFocusReason)
            return true
        }
        if (tableView && tableView.isWithin(current, tableView)) {
            if (tableView.moveFocus(current, forward))
                return
            if (fixed.length > 0)
                focusFixed(forward ? 0 : fixed.length - 1)
            else
                forward ? tableView.focusFirst() : tableView.focusLast()
            return
        }
        const at = fixed.indexOf(current)
        const next = at < 0 ? (forward ? 0 : -1) : at + (forward ? 1 : -1)
        if (next >= 0 && next < fixed.length)
            focusFixed(next)
        else if (tableView)
            forward ? tableView.focusFirst() : tableView.focusLast()
    }

    Keys.onTabPressed: moveFocus(true)
    Keys.onBacktabPressed: moveFocus(false)

    Keys.onPressed: event => {
        if (!tableView)
            return
        const steps = {
            [Qt.Key_Down]: 60, [Qt.Key_Up]: -60,
            [Qt.Key_PageDown]: tableView.height * 0.9, [Qt.Key_PageUp]: -tableView.height * 0.9,
            [Qt.Key_Space]: tableView.height * 0.9
        }
        if (event.key in steps) {
            scrollBy(steps[event.key])
            event.accepted = true
        } else if (event.key === Qt.Key_Home) {
            tableView.positionViewAtBeginning()
            event.accepted = true
        } else if (event.key === Qt.Key_End) {
            tableView.positionViewAtEnd()
            event.accepted = true
        }
    }

    Rectangle {
        anchors.fill: parent
        color: ColorManager.systemBackgroundColor
    }

    SolutionViewControllerLogic {
        id: controller

        onScrollToTopRequested: if (page.tableView) page.tableView.scrollToTop()
        onRowRevealRequested: row => {
            if (page.tableView)
                page.tableView.positionViewAtIndex(row, ListView.Contain)
        }
        onChartImagesRequested: (width, scale) => chartCapture.capture(width, scale)
    }

    // Draws the chart rows in their final state, off the page, for the shared image.
    SolutionChartCapture {
        id: chartCapture

        controller: controller
    }

    // The table is built once the window shows, or at once when a solution arrives first.
    Loader {
        id: tableLoader

        anchors.fill: parent
        // The strip on the right holds the buttons.
        anchors.rightMargin: 50
        active: controller.hasSteps || (ApplicationWindow.window && ApplicationWindow.window.firstFrameShown)
        asynchronous: !controller.hasSteps
        source: "SolutionTableView.qml"
        onLoaded: {
            item.controller = controller
            item.large = Qt.binding(() => page.isTablet)
        }
    }

    // Under the share button: the help image of this solution.
    ManualButton {
        id: manualButton

        anchors.top: parent.top
        anchors.right: parent.right
        anchors.topMargin: 56
        anchors.rightMargin: 1
        imageName: controller.manualImageName
    }

    // Only there while there is something to share.
    Loader {
        id: shareLoader

        anchors.top: parent.top
        anchors.right: parent.right
        anchors.topMargin: 4
        anchors.rightMargin: 1
        active: controller.shareButtonVisible
        sourceComponent: ToolButton {
            objectName: "shareButton"
            width: 48
            height: 48
            focusPolicy: Qt.NoFocus
            Keys.onReturnPressed: clicked()
            Keys.onEnterPressed: clicked()
            Accessible.name: qsTranslate("SolutionView", "Share")
            contentItem: Icon {
                name: "share"
                color: ColorManager.labelColor
            }
            onClicked: controller.tappedShareButton()
        }
    }
}
