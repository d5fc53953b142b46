import QtQuick
import QtQuick.Controls
import QtQuick.Controls.Material
import UnitCircle.Style
import UnitCircle.Shell
import UnitCircle.Videos
import UnitCircle.Solution

// The result page: the solution as a list (steps, then charts, then videos) with the share
// button in a strip on its right. A wide window (a tablet, a phone held sideways) shows two
// panes that scroll on their own: the steps on the left, the exact values card, the charts
// and the videos on the right, so a tapped step and the circle it stresses are both in sight.
Item {
    id: page

    property Item toolbarController
    readonly property alias controller: controller
    // The steps, or the whole solution in one list.
    readonly property ListView tableView: tableLoader.item
    // Wide: a landscape window from 720 wide (a phone on its side has room for two columns
    // of steps and drawing), and any window from 900 wide.
    readonly property bool twoPanes: width >= 900 || (width >= 720 && width > height)
    // The list that holds the card and the charts: the right pane, or the one list.
    readonly property ListView chartsView: twoPanes && chartsLoader.item ? chartsLoader.item : tableView
    // The lists in the keyboard's reading order.
    readonly property var panes: [tableView, chartsView].filter((pane, i, all) => pane && all.indexOf(pane) === i)
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
    // top, then the list from the hint above the steps to the videos (with two panes, the
    // steps' pane, then the other).
    function moveFocus(forward) {
        const current = ApplicationWindow.window ? ApplicationWindow.window.activeFocusItem : null
        const fixed = [shareLoader.item, manualButton, presentLoader.item, pdfLoader.item]
            .filter(stop => stop && stop.visible)
        const focusFixed = index => {
            fixed[index].forceActiveFocus(forward ? Qt.TabFocusReason : Qt.BacktabFocusReason)
            return true
        }
        // The first pane from index on (forward) or back that has a stop.
        const focusPaneFrom = index => {
            for (let i = index; i >= 0 && i < panes.length; i += forward ? 1 : -1) {
                if (forward ? panes[i].focusFirst() : panes[i].focusLast())
                    return true
            }
            return false
        }
        const inPane = panes.findIndex(pane => pane.isWithin(current, pane))
        if (inPane >= 0) {
            if (panes[inPane].moveFocus(current, forward) || focusPaneFrom(inPane + (forward ? 1 : -1)))
                return
            if (fixed.length > 0)
                focusFixed(forward ? 0 : fixed.length - 1)
            else
                focusPaneFrom(forward ? 0 : panes.length - 1)
            return
        }
        const at = fixed.indexOf(current)
        const next = at < 0 ? (forward ? 0 : -1) : at + (forward ? 1 : -1)
        if (next >= 0 && next < fixed.length)
            focusFixed(next)
        else
            focusPaneFrom(forward ? 0 : panes.length - 1)
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
        } else if (event.key === Qt.Key_F5 && controller.hasSteps) {
            // As presentation programs start a show.
            page.present()
            event.accepted = true
        }
    }

    function present() {
        Navigation.presentSolution(controller)
    }

    // Back from the presentation, on the button that started it.
    Connections {
        target: Navigation

        function onPresentationEnded() {
            if (presentLoader.item)
                presentLoader.item.forceActiveFocus(Qt.TabFocusReason)
        }
    }

    Rectangle {
        anchors.fill: parent
        color: ColorManager.systemBackgroundColor
    }

    SolutionViewControllerLogic {
        id: controller

        onScrollToTopRequested: page.panes.forEach(pane => pane.scrollToTop())
        onRowRevealRequested: row => {
            // The charts' pane holds no steps: its rows come that many earlier.
            if (page.chartsView)
                page.chartsView.positionViewAtIndex(page.chartsView.pane === "charts" ? row - controller.stepCount : row,
                                                    ListView.Contain)
        }
        onChartImagesRequested: (width, scale) => {
            chartCapture.active = true
            chartCapture.item.capture(width, scale)
        }
    }

    // Draws the chart rows in their final state, off the page, for the shared image.
    // Built at the first share, not with the page: the first frame does not wait for it.
    Loader {
        id: chartCapture

        active: false
        source: "SolutionChartCapture.qml"
        onLoaded: item.controller = controller
    }

    // The table is built once the window shows, or at once when a solution arrives first.
    Loader {
        id: tableLoader

        anchors.left: parent.left
        anchors.top: parent.top
        anchors.bottom: parent.bottom
        anchors.bottomMargin: page.backToStepRoom
        // The strip on the right holds the buttons.
        width: page.twoPanes ? Math.round((page.width - 50) * 0.45) : page.width - 50
        active: controller.hasSteps || (ApplicationWindow.window && ApplicationWindow.window.firstFrameShown)
        asynchronous: !controller.hasSteps
        source: "SolutionTableView.qml"
        onLoaded: {
            item.controller = controller
            item.large = Qt.binding(() => page.isTablet)
            item.pane = Qt.binding(() => page.twoPanes ? "steps" : "all")
        }
    }

    // The card and the charts beside the steps, while the window is wide.
    Loader {
        id: chartsLoader

        anchors.left: tableLoader.right
        anchors.right: parent.right
        anchors.rightMargin: 50
        anchors.top: parent.top
        anchors.bottom: parent.bottom
        active: page.twoPanes && tableLoader.status === Loader.Ready
        onActiveChanged: {
            if (active)
                setSource("SolutionTableView.qml", {objectName: "solutionChartsTable", pane: "charts",
                                                    controller: controller})
        }
        onLoaded: item.large = Qt.binding(() => page.isTablet)
    }

    // A line between the two panes.
    Rectangle {
        visible: chartsLoader.active
        x: tableLoader.width
        width: 1
        height: parent.height
        color: ColorManager.systemGray4Color
    }

    // In one list, the way back to the marked step once the list has left it (the tap
    // scrolled to the circle, or the learner went on to the charts). It takes a strip of its
    // own under the list rather than lying over it, where it hid rows and the button under
    // the circle.
    readonly property real backToStepRoom: backToStepButton.wanted ? backToStepButton.height + 24 : 0

    Button {
        id: backToStepButton

        objectName: "backToStepButton"
        anchors.horizontalCenter: tableLoader.horizontalCenter
        anchors.bottom: parent.bottom
        anchors.bottomMargin: 12
        // Kept apart from visible, which also changes when the whole page is shown again.
        readonly property bool wanted: !page.twoPanes && page.tableView !== null && controller.markedRow >= 0
                                       && !page.tableView.markedRowInSight
        visible: wanted
        text: qsTranslate("SolutionView", "backToStep").arg(controller.markedStepNumber)
        font.pixelSize: (page.isTablet ? 18 : 15) * TextScale.factor
        font.capitalization: Font.MixedCase
        highlighted: true
        focusPolicy: Qt.NoFocus
        onClicked: page.tableView.positionViewAtIndex(controller.markedRow, ListView.Center)
        // The strip takes the list's lowest part. Unless a finger holds the list, what was
        // there moves up above it: the circle a tapped step scrolled to stays whole.
        onWantedChanged: {
            const list = page.tableView
            if (!wanted || !list || list.moving)
                return
            const listHeight = page.height - height - 24
            const bottom = Math.max(list.originY, list.contentHeight - listHeight + list.originY)
            list.contentY = Math.min(bottom, list.contentY + height + 24)
        }
    }

    // A line above the strip.
    Rectangle {
        visible: backToStepButton.visible
        y: tableLoader.height
        width: tableLoader.width
        height: 1
        color: ColorManager.systemGray4Color
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

    // Under the help button: the solution shown to a class, one step at a time.
    Loader {
        id: presentLoader

        anchors.top: manualButton.bottom
        anchors.right: parent.right
        anchors.topMargin: 4
        anchors.rightMargin: 1
        active: controller.hasSteps
        sourceComponent: ToolButton {
            objectName: "presentButton"
            width: 48
            height: 48
            focusPolicy: Qt.NoFocus
            Keys.onReturnPressed: clicked()
            Keys.onEnterPressed: clicked()
            Accessible.name: qsTranslate("Presentation", "Present")
            ToolTip.visible: hovered
            ToolTip.text: Accessible.name + " (F5)"
            contentItem: Icon {
                name: "present"
                color: ColorManager.labelColor
            }
            onClicked: page.present()
        }
    }

    // Under the presentation button: the worked solution as a PDF to print, in the documents
    // folder.
    Loader {
        id: pdfLoader

        anchors.top: presentLoader.bottom
        anchors.right: parent.right
        anchors.topMargin: 4
        anchors.rightMargin: 1
        active: controller.shareButtonVisible
        sourceComponent: ToolButton {
            objectName: "savePdfButton"
            width: 48
            height: 48
            focusPolicy: Qt.NoFocus
            Keys.onReturnPressed: clicked()
            Keys.onEnterPressed: clicked()
            Accessible.name: qsTranslate("SolutionPdf", "Save as PDF")
            ToolTip.visible: hovered
            ToolTip.text: Accessible.name
            contentItem: Icon {
                name: "pdf"
                color: ColorManager.labelColor
            }
            onClicked: controller.tappedSavePdfButton()
        }
    }
}
