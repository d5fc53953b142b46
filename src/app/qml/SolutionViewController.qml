import QtQuick
import QtQuick.Controls
import QtQuick.Controls.Material
import UnitCircle.Style
import UnitCircle.Shell
import UnitCircle.Screens as Screens

// The result page: the solution as a list (steps, then charts, then videos) with the share
// button in a strip on its right.
Page {
    id: page

    property Item toolbarController
    readonly property alias controller: controller
    readonly property alias tableView: tableView
    readonly property string toolbarTitle: qsTranslate("SolutionView", "Calculate Title",
                                                       "Toolbar title for calculate view")
    readonly property bool isTablet: ApplicationWindow.window ? ApplicationWindow.window.isTablet : false

    function viewWillAppear() {}

    // Keys scroll the steps.
    function scrollBy(dy) {
        const bottom = Math.max(tableView.originY, tableView.contentHeight - tableView.height + tableView.originY)
        tableView.contentY = Math.max(tableView.originY, Math.min(bottom, tableView.contentY + dy))
    }

    Keys.onPressed: event => {
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

    background: Rectangle { color: ColorManager.systemBackgroundColor }

    Screens.SolutionViewController {
        id: controller

        onScrollToTopRequested: tableView.positionViewAtBeginning()
    }

    ListView {
        id: tableView

        objectName: "solutionTable"
        anchors.fill: parent
        // The strip on the right holds the buttons.
        anchors.rightMargin: 50
        clip: true
        model: controller
        // Rows are built as they scroll in: rows built ahead in the background would be
        // cancelled, with a warning, whenever a new solution replaces the list.
        cacheBuffer: 0
        boundsBehavior: Flickable.StopAtBounds
        ScrollBar.vertical: ScrollBar {}

        delegate: Loader {
            required property int kind
            required property var model

            width: ListView.view.width
            sourceComponent: kind === Screens.SolutionViewController.StepRow ? stepCell : null
            // Chart rows and the video row get their cells with the chart and video views.
        }

        // Room below the last row, a quarter of the list's height.
        footer: Item {
            width: tableView.width
            height: controller.hasSteps ? tableView.height / 4 : 0
        }
    }

    Component {
        id: stepCell

        SolutionStepTableViewCell {
            title: model.title
            boldTitle: model.boldTitle
            latex: model.latex
            message: model.message
            rowHeight: model.rowHeight
            large: page.isTablet
        }
    }

    ToolButton {
        id: shareButton

        objectName: "shareButton"
        anchors.top: parent.top
        anchors.right: parent.right
        anchors.topMargin: 4
        anchors.rightMargin: 1
        width: 48
        height: 48
        visible: controller.shareButtonVisible
        focusPolicy: Qt.NoFocus
        Accessible.name: qsTranslate("SolutionView", "Share")
        contentItem: Icon {
            name: "share"
            color: ColorManager.labelColor
        }
        onClicked: controller.tappedShareButton()
    }
}
