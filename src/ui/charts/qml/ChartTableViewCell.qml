import QtQuick
import QtQuick.Controls
import UnitCircle.Style
import UnitCircle.Charts

// One chart row: the view its data asks for, 5 % in from every edge. Built only when the row
// scrolls into view; the graph views bring the chart component with them.
Item {
    id: cell

    property var chartStep
    property real frameRatio: 1
    property bool large
    // Draw the final state at once (the shared image).
    property bool captureMode
    // What a tapped step works out, for the unit circle to stress.
    property int highlight
    readonly property int kind: ChartManager.kindOf(chartStep)
    readonly property rect frame: ChartManager.frame(width, frameRatio)
    readonly property Item chartView: loader.item
    // Whether the row is on screen, as its list sees it: each time it comes into view, its
    // drawing starts again half a second later (the circle replays; a running turn goes on).
    // Without a list (the shared image) the drawing is started by hand.
    property bool shown
    // True once the view exists and can be drawn or grabbed.
    readonly property bool ready: kind === ChartManager.NoChart || loader.status === Loader.Ready

    // The row's stops in the page's keyboard order: the unit circle's, none for a graph.
    function focusStops() {
        return loader.item && loader.item.focusStops ? loader.item.focusStops() : []
    }

    // The view asks for one of its items to be brought fully into sight.
    signal revealRequested(Item item)

    // Starts the unit circle's animation; graphs are drawn as they are built.
    function startDrawing() {
        if (loader.item && loader.item.startDrawing)
            loader.item.startDrawing()
    }

    objectName: "chartCell"
    implicitHeight: (frameRatio > 0 ? width / frameRatio : 0)
                    + (loader.item && loader.item.extraHeight ? loader.item.extraHeight : 0)
    onShownChanged: shown ? drawLater.restart() : drawLater.stop()
    Component.onCompleted: if (shown) drawLater.start()

    Timer {
        id: drawLater

        interval: 500
        onTriggered: cell.startDrawing()
    }

    Loader {
        id: loader

        x: cell.frame.x
        y: cell.frame.y
        width: cell.frame.width
        height: cell.frame.height
        // A graph's first build loads the chart component: off the frame that scrolls it in.
        asynchronous: !cell.captureMode && cell.kind === ChartManager.SplineChart
        source: cell.kind === ChartManager.UnitCircleChart ? "UnitCircleChartView.qml"
              : cell.kind === ChartManager.SplineChart ? "SplineChartView.qml" : ""
        onLoaded: {
            item.chartStep = Qt.binding(() => cell.chartStep)
            item.large = Qt.binding(() => cell.large)
            item.captureMode = cell.captureMode
            if (item.hasOwnProperty("highlight"))
                item.highlight = Qt.binding(() => cell.highlight)
            if (item.revealRequested)
                item.revealRequested.connect(cell.revealRequested)
        }
    }

    // A graph over thousands of periods would be a solid band: say so instead of drawing it.
    Label {
        objectName: "graphTooLongLabel"
        anchors.centerIn: loader
        width: loader.width * 0.8
        visible: cell.kind === ChartManager.SplineChart && loader.item !== null
                 && loader.item.controller !== undefined && !loader.item.controller.valid
        horizontalAlignment: Text.AlignHCenter
        wrapMode: Text.WordWrap
        color: ColorManager.systemGrayColor
        font.pixelSize: (cell.large ? 20 : 15) * TextScale.factor
        text: qsTranslate("ChartTableViewCell",
                          "This graph is too long to draw: it repeats every 2π.")
    }
}
