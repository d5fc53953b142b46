import QtQuick
import QtCharts
import UnitCircle.Charts as Charts

// Placeholder graph (to be replaced).
Item {
    id: view

    property alias chartStep: controller.chartStep
    property bool captureMode
    property bool large
    readonly property alias controller: controller

    Charts.SplineChartView { id: controller }

    ChartView {
        objectName: "chartView"
        anchors.fill: parent
        title: controller.chartTitle
        SplineSeries {
            name: controller.seriesName
            color: controller.seriesColor
            axisX: ValueAxis { min: controller.xMin; max: controller.xMax }
            axisY: ValueAxis { min: controller.yMin; max: controller.yMax }
            VXYModelMapper { model: controller.points; xColumn: 0; yColumn: 1 }
        }
    }
}
