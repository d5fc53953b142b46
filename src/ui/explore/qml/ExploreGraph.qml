import QtQuick
import QtQuick.Controls
import QtQuick.Shapes
import UnitCircle.Style
import UnitCircle.Shell
import UnitCircle.Math

// One turn of the chosen function: the curve faint, the part the point has swept strong, the
// tracer at the point and, for an inverse question, the line y = c with its crossings and a
// handle that drags it. The controller lays everything out on the unit square; this only
// scales it to the plot. What a move changes (the trail's span, the tracer) only moves items:
// the curve is drawn again only with a new turn or function.
Item {
    id: view

    // The turn: {color, xMin, xMax, yMin, yMax, curve, xTicks, yTicks, zero}.
    property var plotWindow: ({})
    // The swept part of the plot's width, the tracer (a point or undefined), the line's y or
    // undefined and its crossings.
    property real trailFrom
    property real trailTo
    property var tracer
    property var line
    property var crossings: []
    property bool large

    // The line's handle dragged to this value of the function.
    signal lineDragged(real value)

    readonly property real labelSize: (large ? 15 : 12) * TextScale.factor
    readonly property color color: plotWindow.color || ColorManager.labelColor
    readonly property color inverseColor: ColorManager.darkAppearance ? "#c58cff" : "#8e3fd6"
    readonly property var curvePaths: scaled(plotWindow.curve)
    readonly property bool lineShown: line !== undefined && line >= 0 && line <= 1

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
            model: view.plotWindow.xTicks || []

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
            model: view.plotWindow.yTicks || []

            Rectangle {
                required property var modelData

                y: modelData.position * plot.height
                width: plot.width
                height: 1
                color: ColorManager.systemGray4Color
            }
        }
        Rectangle {
            y: (view.plotWindow.zero || 0) * plot.height
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
                PathMultiline { paths: view.curvePaths }
            }
        }
        // The swept part: the same curve, strong, seen through a window as wide as the sweep.
        Item {
            objectName: "exploreTrail"
            visible: width > 0
            x: view.trailFrom * plot.width
            y: -8
            width: Math.max(0, view.trailTo - view.trailFrom) * plot.width
            height: plot.height + 16
            clip: true

            Shape {
                x: -parent.x
                y: 8
                width: plot.width
                height: plot.height

                ShapePath {
                    strokeColor: view.color
                    strokeWidth: 4
                    fillColor: "transparent"
                    capStyle: ShapePath.RoundCap
                    joinStyle: ShapePath.RoundJoin
                    PathMultiline { paths: view.curvePaths }
                }
            }
        }

        Rectangle {
            objectName: "exploreInverseGraphLine"
            // A value the function never takes may lie beyond the plot.
            visible: view.lineShown
            y: (visible ? view.line : 0) * plot.height - height / 2
            width: plot.width
            height: 2
            color: view.inverseColor
        }
        Repeater {
            model: view.line !== undefined ? view.crossings : []

            Rectangle {
                required property var modelData

                objectName: "exploreCrossing"
                x: modelData.position * plot.width - width / 2
                y: view.line * plot.height - height / 2
                width: 10
                height: 10
                radius: 5
                color: view.inverseColor
            }
        }

        Rectangle {
            objectName: "exploreTracer"
            visible: view.tracer !== undefined
            x: (visible ? view.tracer.x : 0) * plot.width - width / 2
            y: (visible ? view.tracer.y : 0) * plot.height - height / 2
            width: 14
            height: 14
            radius: 7
            color: view.color
            border.color: ColorManager.labelColor
            border.width: 1.5
        }

        // The line's handle at its right end; a finger's width to grab.
        Item {
            objectName: "exploreGraphLineHandle"
            visible: view.lineShown
            x: plot.width - width / 2
            y: (visible ? view.line : 0) * plot.height - height / 2
            width: 44
            height: 44
            Accessible.ignored: true

            Rectangle {
                anchors.fill: parent
                radius: width / 2
                color: Qt.rgba(view.inverseColor.r, view.inverseColor.g, view.inverseColor.b, 0.15)
            }
            Rectangle {
                anchors.centerIn: parent
                width: 18
                height: 18
                radius: 9
                color: view.inverseColor
                border.color: ColorManager.systemBackgroundColor
                border.width: 2

                Label {
                    anchors.centerIn: parent
                    text: "\u2195"
                    font.pixelSize: 12
                    color: "white"
                }
            }
            MouseArea {
                anchors.fill: parent
                preventStealing: true
                // The pointer's height in the plot as a value of the function.
                function dragTo(mouse) {
                    const w = view.plotWindow
                    const v = mapToItem(plot, mouse.x, mouse.y).y / Math.max(1, plot.height)
                    view.lineDragged(w.yMax - v * (w.yMax - w.yMin))
                }
                onPressed: mouse => dragTo(mouse)
                onPositionChanged: mouse => dragTo(mouse)
            }
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

            model: view.plotWindow.yTicks || []

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
