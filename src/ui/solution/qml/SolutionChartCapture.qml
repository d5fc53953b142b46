import QtQuick
import UnitCircle.Charts

// The chart rows of the shared image: each is built anew in its final state, outside the
// visible page, grabbed once it has been drawn, and handed to the controller in order.
Item {
    id: stage

    property var controller
    property int rowWidth: 480
    property real scale: 2
    property int pending: 0
    property bool drawn

    function capture(width, scale) {
        rowWidth = width
        stage.scale = scale
        repeater.model = 0
        drawn = false
        repeater.model = controller.chartStepCount()
        if (repeater.count === 0) {
            controller.chartImagesCaptured()
            return
        }
        settle.restart()
    }

    function grabAll() {
        pending = repeater.count
        for (let i = 0; i < repeater.count; ++i) {
            const index = i
            const cell = repeater.itemAt(i)
            const size = Qt.size(cell.width * stage.scale, cell.height * stage.scale)
            const grabbed = cell.grabToImage(result => {
                stage.controller.chartImageCaptured(index, result.image)
                stage.grabDone()
            }, size)
            if (!grabbed)
                grabDone()
        }
    }

    function grabDone() {
        if (--pending > 0)
            return
        repeater.model = 0
        controller.chartImagesCaptured()
    }

    // Outside the page: drawn by the window's renderer, never seen.
    x: -rowWidth - 100
    width: rowWidth
    height: column.height
    visible: repeater.count > 0

    Column {
        id: column

        Repeater {
            id: repeater

            model: 0

            ChartTableViewCell {
                required property int index

                width: stage.rowWidth
                height: implicitHeight
                chartStep: stage.controller.chartStepAt(index)
                frameRatio: ChartManager.frameRatioOf(chartStep)
                captureMode: true
            }
        }
    }

    // Once every view is built it is drawn in its final state; a few frames later its
    // picture is complete and can be grabbed.
    Timer {
        id: settle

        interval: 100
        onTriggered: {
            for (let i = 0; i < repeater.count; ++i) {
                if (!repeater.itemAt(i).ready) {
                    settle.restart()
                    return
                }
            }
            if (!stage.drawn) {
                for (let j = 0; j < repeater.count; ++j)
                    repeater.itemAt(j).startDrawing()
                stage.drawn = true
                settle.restart()
                return
            }
            stage.grabAll()
        }
    }
}
