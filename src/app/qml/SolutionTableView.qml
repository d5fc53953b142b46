import QtQuick
import QtQuick.Controls
import QtQuick.Controls.Material
import UnitCircle.Style
import UnitCircle.Screens as Screens

// The table of the result page: one row per step, chart and video row of the controller.
ListView {
    id: tableView

    property Screens.SolutionViewController controller
    property bool large

    objectName: "solutionTable"
    clip: true
    model: controller
    // Set once a chart row has been built: from then on rows near the screen are kept, so
    // that a chart scrolled out and back in is not built again in the middle of a flick.
    property bool chartsBuilt

    // Rows are built as they scroll in: rows built ahead in the background would be
    // cancelled, with a warning, whenever a new solution replaces the list; so nothing is
    // kept ahead until the charts have been reached, and not after the list is replaced.
    cacheBuffer: chartsBuilt ? 2 * height : 0
    boundsBehavior: Flickable.StopAtBounds
    ScrollBar.vertical: ScrollBar {}

    delegate: Loader {
        required property int kind
        required property var model

        width: ListView.view.width
        sourceComponent: kind === Screens.SolutionViewController.StepRow ? stepCell
                       : kind === Screens.SolutionViewController.ChartRow ? chartCell : videoCell
    }

    // Above the steps: the hint when b looks like a fraction of π typed as a decimal, then
    // the exact values.
    header: Column {
        width: tableView.width

        Button {
            objectName: "piHintButton"
            x: 12
            width: parent.width - 24
            visible: text !== ""
            text: tableView.controller ? tableView.controller.piHintText : ""
            font.pixelSize: (tableView.large ? 18 : 15) * TextScale.factor
            font.capitalization: Font.MixedCase
            Material.background: ColorManager.accentColor
            Material.foreground: ColorManager.darkTextColor
            onClicked: tableView.controller.tappedPiHint()
        }

        ExactValuesCard {
            width: parent.width
            title: tableView.controller ? tableView.controller.exactValuesTitle : ""
            lines: tableView.controller ? tableView.controller.exactValuesLines : []
            large: tableView.large
        }
    }

    // Room below the last row, a quarter of the list's height.
    footer: Item {
        width: tableView.width
        height: tableView.controller && tableView.controller.hasSteps ? tableView.height / 4 : 0
    }

    // Back to the top, header included, and kept there while the header's formulas are
    // still growing to their size, until the list is moved by hand.
    property bool pinnedToTop: true

    function scrollToTop() {
        pinnedToTop = true
        positionViewAtBeginning()
    }

    onMovementStarted: pinnedToTop = false

    Connections {
        target: tableView.headerItem

        function onHeightChanged() {
            if (tableView.pinnedToTop)
                tableView.positionViewAtBeginning()
        }
    }

    Connections {
        target: tableView.controller

        function onModelAboutToBeReset() {
            tableView.chartsBuilt = false
        }
    }

    Component {
        id: chartCell

        ChartTableViewCell {
            id: cell

            chartStep: model.chartStep
            frameRatio: model.frameRatio
            highlight: tableView.controller ? tableView.controller.chartHighlight : 0
            large: tableView.large
            Component.onCompleted: tableView.chartsBuilt = true

            // Half a second after the row appears its drawing starts.
            Timer {
                interval: 500
                running: true
                onTriggered: cell.startDrawing()
            }
        }
    }

    Component {
        id: videoCell

        VideoCollectionTableViewCell {
            videoUrls: model.videoUrls
            large: tableView.large
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
            large: tableView.large
            onTapped: tableView.controller.tappedStep(model.index)
        }
    }
}
