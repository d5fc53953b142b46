import QtQuick
import QtQuick.Shapes
import QtCharts
import UnitCircle.Style
import UnitCircle.Charts

// A function graph of a chart row: titled, one series in the function's colour, x ticks at
// the multiples of π/2, and a crosshair with the nearest point's values under a finger.
Item {
    id: view

    property alias chartStep: controller.chartStep
    property bool captureMode
    property bool large
    readonly property alias controller: controller
    readonly property color gridColor: ColorManager.systemGrayColor
    // Axis text grows less than the rest: past 1.4 times the labels no longer fit the axes.
    readonly property real textSize: (large ? 18 : 12) * Math.min(TextScale.factor, 1.4)

    SplineChartViewLogic {
        id: controller

        // Which ticks keep a label depends on the room the plot has for them.
        axisWidth: chart.plotArea.width
        labelFont: xAxis.labelsFont
    }

    ChartCard {
        anchors.fill: parent
    }

    ChartView {
        id: chart

        objectName: "chartView"
        anchors.fill: parent
        anchors.margins: 1
        visible: controller.valid
        antialiasing: true
        animationOptions: ChartView.NoAnimation
        backgroundColor: "transparent"
        backgroundRoundness: 0
        dropShadowEnabled: false
        margins.top: 4
        margins.bottom: 4
        margins.left: 4
        margins.right: 8
        title: controller.chartTitle
        titleColor: ColorManager.systemGrayColor
        titleFont.pixelSize: view.textSize + 3
        // Tapping the legend leaves the series as it is.
        legend.alignment: Qt.AlignBottom
        legend.labelColor: "red"
        legend.font.pixelSize: 20 * Math.min(TextScale.factor, 1.4)

        CategoryAxis {
            id: xAxis

            min: controller.xMin
            max: controller.xMax
            labelsPosition: CategoryAxis.AxisLabelsPositionOnValue
            titleText: "x"
            titleFont.pixelSize: view.textSize
            titleBrush: view.gridColor
            labelsColor: view.gridColor
            labelsFont.pixelSize: view.textSize
            minorGridVisible: false
            Component.onCompleted: controller.styleAxisLines(xAxis, view.gridColor)
        }

        ValueAxis {
            id: yAxis

            min: controller.yMin
            max: controller.yMax
            tickType: ValueAxis.TicksDynamic
            tickAnchor: 0
            tickInterval: controller.yTickInterval
            minorTickCount: 4
            labelFormat: "%g"
            titleText: controller.seriesName
            titleFont.pixelSize: view.textSize
            titleBrush: view.gridColor
            minorGridLineColor: Qt.rgba(view.gridColor.r, view.gridColor.g, view.gridColor.b, 0.08)
            labelsColor: view.gridColor
            labelsFont.pixelSize: view.textSize
            Component.onCompleted: controller.styleAxisLines(yAxis, view.gridColor)
        }

        Connections {
            target: controller

            function onGraphChanged() {
                view.fillGraph()
            }
            function onTicksChanged() {
                view.fillTicks()
            }
        }
    }

    property var series: null

    // The π labels arrive as a list; a category axis takes them one by one.
    function fillTicks() {
        for (const label of Array.from(xAxis.categoriesLabels))
            xAxis.remove(label)
        for (const tick of controller.xTicks)
            xAxis.append(tick.label, tick.value)
    }

    // The series is made once its kind is known: a smooth line, or points for the tangent.
    function fillGraph() {
        fillTicks()
        if (series) {
            chart.removeSeries(series)
            series = null
        }
        if (!controller.valid)
            return
        series = chart.createSeries(controller.scatter ? ChartView.SeriesTypeScatter
                                                       : ChartView.SeriesTypeSpline,
                                    controller.seriesName, xAxis, yAxis)
        series.objectName = "graphSeries"
        series.color = controller.seriesColor
        if (controller.scatter) {
            series.markerSize = Math.max(2, 2 * controller.markerRadius + 1)
            series.borderColor = controller.seriesColor
        } else {
            series.width = 2.5
        }
        mapper.series = series
    }

    VXYModelMapper {
        id: mapper

        model: controller.points
        xColumn: 0
        yColumn: 1
    }

    Component.onCompleted: fillGraph()

    // Crosshair and tooltip: a press or a drag shows the nearest sample point.
    Item {
        id: crosshair

        property var point: null
        readonly property point at: point && view.series
                                    ? chart.mapToPosition(Qt.point(point.x, point.y), view.series)
                                    : Qt.point(0, 0)

        objectName: "crosshair"
        anchors.fill: chart
        visible: point !== null

        Shape {
            anchors.fill: parent

            ShapePath {
                strokeColor: ColorManager.labelColor
                strokeWidth: 1.5
                strokeStyle: ShapePath.DashLine
                // Long dash, dot, dot.
                dashPattern: [6, 2, 1, 2, 1, 2]
                fillColor: "transparent"

                startX: crosshair.at.x; startY: chart.plotArea.top
                PathLine { x: crosshair.at.x; y: chart.plotArea.bottom }
                PathMove { x: chart.plotArea.left; y: crosshair.at.y }
                PathLine { x: chart.plotArea.right; y: crosshair.at.y }
            }
        }

        Rectangle {
            x: crosshair.at.x - width / 2
            y: crosshair.at.y - height / 2
            width: 8
            height: 8
            radius: 4
            color: controller.seriesColor
            border.color: ColorManager.systemBackgroundColor
            border.width: 1.5
        }

        Rectangle {
            objectName: "tooltip"
            // Beside the point, kept inside the plot.
            x: Math.min(chart.plotArea.right - width,
                        Math.max(chart.plotArea.left, crosshair.at.x + 10))
            y: Math.max(chart.plotArea.top, crosshair.at.y - height - 10)
            width: tooltipText.implicitWidth + 14
            height: tooltipText.implicitHeight + 10
            radius: 4
            color: ColorManager.systemBackgroundColor
            border.color: ColorManager.labelColor
            border.width: 0.5

            Text {
                id: tooltipText

                anchors.centerIn: parent
                color: ColorManager.labelColor
                font.pixelSize: view.textSize
                text: crosshair.point ? crosshair.point.header + "\n" + crosshair.point.body : ""
            }
        }

        Timer {
            id: hideLater

            interval: 2500
            onTriggered: crosshair.point = null
        }
    }

    MouseArea {
        x: chart.x + chart.plotArea.x
        y: chart.y + chart.plotArea.y
        width: chart.plotArea.width
        height: chart.plotArea.height
        enabled: controller.valid && !view.captureMode
        // Vertical moves stay with the list; sideways drags follow the graph.
        preventStealing: false
        hoverEnabled: false

        function show(mouse) {
            if (!view.series)
                return
            const value = chart.mapToValue(mapToItem(chart, mouse.x, mouse.y), view.series)
            const point = controller.pointNear(value.x)
            crosshair.point = point.x === undefined ? null : point
            hideLater.restart()
        }

        onPressed: mouse => show(mouse)
        onPositionChanged: mouse => show(mouse)
    }
}
