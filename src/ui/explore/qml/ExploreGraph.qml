import QtQuick
import QtQuick.Controls
import QtQuick.Shapes
import UnitCircle.Style
import UnitCircle.Shell
import UnitCircle.Math

// One turn of the chosen function: the curve faint, the part the point has swept strong, the
// tracer at the point and, for an inverse question, the line y = c with its crossings. The
// controller lays everything out on the unit square; this only scales it to the plot.
Item {
    id: view

    property var graph: ({})
    property bool large

    readonly property real labelSize: (large ? 15 : 12) * TextScale.factor
    readonly property color color: graph.color || ColorManager.labelColor
    readonly property color inverseColor: ColorManager.darkAppearance ? "#c58cff" : "#8e3fd6"

    // Unit-square pieces as the plot's points.
    function scaled(pieces) {
        const w = plot.width
        const h = plot.height
        return (pieces || []).map(piece => piece.map(p => Qt.point(p.x * w, p.y * h)))
    }

    objectName: "exploreGraph"
    implicitHeight: 220

    Item {
        id: plot

        x: yLabels.width + 6
        y: 8
        // Room for half the last x label.
        width: Math.max(0, view.width - x - 2 * view.labelSize)
        height: Math.max(0, view.height - y - view.labelSize * 1.6)

        Repeater {
            model: view.graph.xTicks || []

            Item {
                required property var modelData

                x: modelData.position * plot.width
                height: plot.height

                Rectangle {
                    width: 1
                    height: parent.height
                    color: ColorManager.systemGray4Color
                }
                Label {
                    x: -width / 2
                    y: parent.height + 2
                    text: parent.modelData.label
                    font.pixelSize: view.labelSize
                    color: ColorManager.systemGrayColor
                }
            }
        }
        Repeater {
            model: view.graph.yTicks || []

            Rectangle {
                required property var modelData

                y: modelData.position * plot.height
                width: plot.width
                height: 1
                color: ColorManager.systemGray4Color
            }
        }
        Rectangle {
            y: (view.graph.zero || 0) * plot.height
            width: plot.width
            height: 1.5
            color: ColorManager.labelColor
        }

        Shape {
            anchors.fill: parent

            ShapePath {
                strokeColor: Qt.rgba(view.color.r, view.color.g, view.color.b, 0.35)
                strokeWidth: 2
                fillColor: "transparent"
                PathMultiline { paths: view.scaled(view.graph.curve) }
            }
            ShapePath {
                objectName: "exploreTrail"
                strokeColor: view.color
                strokeWidth: 4
                fillColor: "transparent"
                capStyle: ShapePath.RoundCap
                joinStyle: ShapePath.RoundJoin
                PathMultiline { paths: view.scaled(view.graph.trail) }
            }
        }

        Rectangle {
            objectName: "exploreInverseGraphLine"
            // A value the function never takes may lie beyond the plot.
            visible: view.graph.line !== undefined && view.graph.line >= 0 && view.graph.line <= 1
            y: (visible ? view.graph.line : 0) * plot.height - height / 2
            width: plot.width
            height: 2
            color: view.inverseColor
        }
        Repeater {
            model: view.graph.line !== undefined ? view.graph.crossings : []

            Rectangle {
                required property var modelData

                objectName: "exploreCrossing"
                x: modelData.position * plot.width - width / 2
                y: view.graph.line * plot.height - height / 2
                width: 10
                height: 10
                radius: 5
                color: view.inverseColor
            }
        }

        Rectangle {
            objectName: "exploreTracer"
            visible: view.graph.tracer !== undefined
            x: (visible ? view.graph.tracer.x : 0) * plot.width - width / 2
            y: (visible ? view.graph.tracer.y : 0) * plot.height - height / 2
            width: 14
            height: 14
            radius: 7
            color: view.color
            border.color: ColorManager.labelColor
            border.width: 1.5
        }
    }

    // The y labels, right-aligned left of the plot.
    Item {
        id: yLabels

        width: {
            let widest = 0
            for (let i = 0; i < yLabelRepeater.count; ++i) {
                const label = yLabelRepeater.itemAt(i)
                if (label)
                    widest = Math.max(widest, label.implicitWidth)
            }
            return widest
        }
        height: plot.height
        y: plot.y

        Repeater {
            id: yLabelRepeater

            model: view.graph.yTicks || []

            Label {
                required property var modelData

                x: yLabels.width - implicitWidth
                y: modelData.position * yLabels.height - height / 2
                text: modelData.label
                font.pixelSize: view.labelSize
                color: ColorManager.systemGrayColor
            }
        }
    }
}
