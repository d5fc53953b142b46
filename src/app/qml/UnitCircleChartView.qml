import QtQuick
import UnitCircle.Charts as Charts

// Placeholder drawing of the unit circle (to be replaced).
Item {
    id: view

    property alias chartStep: controller.chartStep
    property alias captureMode: controller.captureMode
    property bool large
    readonly property alias controller: controller

    function startDrawing() { controller.startAnimation() }

    Charts.UnitCircleChartView { id: controller }

    Text { anchors.centerIn: parent; text: controller.alphaText + " " + controller.pXText + " " + controller.pYText }
}
