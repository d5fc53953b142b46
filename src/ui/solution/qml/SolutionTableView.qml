import QtQuick
import QtQuick.Controls
import QtQuick.Controls.Material
import UnitCircle.Style
import UnitCircle.Charts
import UnitCircle.Videos
import UnitCircle.Solution

// The table of the result page: one row per step, chart and video row of the controller.
ListView {
    id: tableView

    property SolutionViewControllerLogic controller
    property bool large
    // What this list holds of the solution: "all" of it, or one of the two panes of a wide
    // window, the "steps" or the "charts" with the exact values card above them.
    property string pane: "all"
    readonly property bool showsSteps: pane !== "charts"
    readonly property bool showsCharts: pane !== "steps"

    objectName: "solutionTable"
    clip: true
    model: pane === "all" ? controller : paneModel

    SolutionPaneModel {
        id: paneModel

        solution: tableView.controller
        steps: tableView.pane === "steps"
    }
    // Set once a chart row has been built: from then on rows near the screen are kept, so
    // that a chart scrolled out and back in is not built again in the middle of a flick.
    property bool chartsBuilt

    function markChartsBuilt() {
        chartsBuilt = true
    }

    // Rows are built as they scroll in: rows built ahead in the background would be
    // cancelled, with a warning, whenever a new solution replaces the list; so nothing is
    // kept ahead until the charts have been reached, and not after the list is replaced.
    cacheBuffer: chartsBuilt ? 2 * height : 0
    boundsBehavior: Flickable.StopAtBounds
    ScrollBar.vertical: ScrollBar {}

    delegate: Loader {
        required property int kind
        required property var model
        required property int index
        readonly property int rowIndex: index

        width: ListView.view.width
        sourceComponent: kind === SolutionViewControllerLogic.StepRow ? stepCell
                       : kind === SolutionViewControllerLogic.ChartRow ? chartCell : videoCell
    }

    // Above the steps: the hint when b looks like a fraction of π typed as a decimal, then
    // the exact values.
    header: Column {
        width: tableView.width
        visible: tableView.showsCharts
        height: visible ? implicitHeight : 0

        function focusStops() {
            return visible ? [hintButton].filter(stop => stop.visible).concat(card.focusStops()) : []
        }

        Button {
            id: hintButton

            objectName: "piHintButton"
            x: 12
            width: parent.width - 24
            visible: text !== ""
            text: tableView.controller ? tableView.controller.piHintText : ""
            font.pixelSize: (tableView.large ? 18 : 15) * TextScale.factor
            font.capitalization: Font.MixedCase
            Material.background: ColorManager.accentColor
            Material.foreground: ColorManager.darkTextColor
            focusPolicy: Qt.NoFocus
            Keys.onReturnPressed: clicked()
            Keys.onEnterPressed: clicked()
            onClicked: tableView.controller.tappedPiHint()
        }

        ExactValuesCard {
            id: card

            width: parent.width
            title: tableView.controller ? tableView.controller.exactValuesTitle : ""
            lines: tableView.controller ? tableView.controller.exactValuesLines : []
            large: tableView.large
        }
    }

    // The keyboard's way through the list, in reading order: the hint and the card above the
    // steps, then each row; a row with several stops (the circle and its buttons, the video
    // strip) is gone through before the next, rows without any (the graphs) are passed over.
    // Each stop is scrolled into view as it takes the focus.
    function focusStop(stop) {
        focusedRow = rowOf(stop)
        stop.forceActiveFocus(Qt.TabFocusReason)
    }

    // The row of the last stop Tab reached. Its row may be scrolled away and rebuilt since (a
    // step's highlight scrolls to the circle), which leaves the focus on the list itself: Tab
    // goes on from there.
    property int focusedRow: -1

    function headerStops() {
        return headerItem ? headerItem.focusStops() : []
    }

    function rowStops(index) {
        positionViewAtIndex(index, ListView.Contain)
        const row = itemAtIndex(index)
        return row && row.item && row.item.focusStops ? row.item.focusStops() : []
    }

    // The first row from index on (forward) or back that has a stop: its first or last one.
    function focusRowFrom(index, forward) {
        for (let i = index; i >= 0 && i < count; i += forward ? 1 : -1) {
            const stops = rowStops(i)
            if (stops.length > 0) {
                focusStop(forward ? stops[0] : stops[stops.length - 1])
                return true
            }
        }
        return false
    }

    function focusHeader(index) {
        const stops = headerStops()
        if (index < 0 || index >= stops.length)
            return false
        positionViewAtBeginning()
        focusStop(stops[index])
        return true
    }

    function focusFirst() {
        return focusHeader(0) || focusRowFrom(0, true)
    }

    function focusLast() {
        return focusRowFrom(count - 1, false) || focusHeader(headerStops().length - 1)
    }

    function isWithin(item, ancestor) {
        for (let p = item; p; p = p.parent) {
            if (p === ancestor)
                return true
        }
        return false
    }

    // The row that holds item, or -1.
    function rowOf(item) {
        for (let p = item; p; p = p.parent) {
            if (p.parent === contentItem && p.rowIndex !== undefined)
                return p.rowIndex
        }
        return -1
    }

    // From item, which has the focus, to the next stop; false past either end of the list.
    function moveFocus(item, forward) {
        const step = forward ? 1 : -1
        const header = headerStops()
        const atHeader = header.indexOf(item)
        if (atHeader >= 0)
            return focusHeader(atHeader + step) || (forward && focusRowFrom(0, true))
        const row = item === tableView ? focusedRow : rowOf(item)
        if (row < 0)
            return false
        const stops = rowStops(row)
        // The innermost stop that holds item: the circle holds its own buttons.
        let at = stops.length - 1
        while (at >= 0 && !isWithin(item, stops[at]))
            --at
        if (at >= 0 && at + step >= 0 && at + step < stops.length) {
            focusStop(stops[at + step])
            return true
        }
        return focusRowFrom(row + step, forward) || (!forward && focusHeader(header.length - 1))
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
            tableView.focusedRow = -1
        }

        function onChartHighlightChanged() {
            Qt.callLater(tableView.lookAtMarkedRow)
        }
    }

    // Whether any of the marked step's row is within the list's view; looked at once the
    // list has built the rows of where it moved to.
    property bool markedRowInSight: true

    function lookAtMarkedRow() {
        const row = controller ? controller.markedRow : -1
        const item = row >= 0 ? itemAtIndex(row) : null
        markedRowInSight = row < 0 || (item !== null && item.height > 0
                                       && item.y + item.height > contentY && item.y < contentY + height)
    }

    onContentYChanged: Qt.callLater(lookAtMarkedRow)
    onHeightChanged: Qt.callLater(lookAtMarkedRow)

    // Scrolls just enough for the item to be wholly on screen.
    function reveal(item) {
        const box = item.mapToItem(contentItem, 0, 0, item.width, item.height)
        if (box.y + box.height > contentY + height)
            contentY = box.y + box.height - height
        else if (box.y < contentY)
            contentY = box.y
    }

    Component {
        id: chartCell

        ChartTableViewCell {
            chartStep: model.chartStep
            frameRatio: model.frameRatio
            highlight: tableView.controller ? tableView.controller.chartHighlight : 0
            large: tableView.large
            // Rows kept beside the screen are not on it: their drawing waits until they are.
            shown: parent !== null && parent.y + parent.height > tableView.contentY
                   && parent.y < tableView.contentY + tableView.height
            // Not while the list is building this row: changing the cache then makes the list
            // count the row twice, and the row jumps by its height whenever it grows.
            Component.onCompleted: Qt.callLater(tableView.markChartsBuilt)
            onRevealRequested: item => tableView.reveal(item)
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
            marked: tableView.controller !== null && tableView.controller.markedRow === model.index
            onTapped: tableView.controller.tappedStep(model.index)
        }
    }
}
