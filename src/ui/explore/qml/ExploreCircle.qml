import QtQuick
import QtQuick.Controls
import QtQuick.Shapes
import UnitCircle.Style
import UnitCircle.Shell
import UnitCircle.Math

// The large unit circle of the Explore screen: the axes, the circle, the point on its radius,
// cos α along the x axis, sin α up to the point, tan α on the tangent at x = 1, the reference
// angle's arc and the quadrant. A finger or the mouse moves the point, the arrow keys step it;
// the controller decides where it goes.
Item {
    id: circle

    required property var controller
    property bool showShared
    property bool large

    readonly property real cx: width / 2
    readonly property real cy: height / 2
    // Leaves room beyond x = 1 for the tangent and its value.
    readonly property real radius: Math.min(width, height) * 0.36
    readonly property real unit: Math.max(1, Math.sqrt(Math.min(width, height) / 160))
    readonly property real labelSize: Math.max(11, Math.min(radius * 0.16, (large ? 18 : 14) * TextScale.factor))
    readonly property color axisColor: ColorManager.labelColor
    // As on the result's circle: cos blue, sin red; tan green.
    readonly property color cosColor: ColorManager.darkAppearance ? "#4f86ff" : "#1f5fff"
    readonly property color sinColor: ColorManager.redColor
    readonly property color tanColor: ColorManager.darkAppearance ? "#3ecf6e" : "#1e8c45"
    readonly property color referenceColor: ColorManager.orangeColor
    readonly property color inverseColor: ColorManager.darkAppearance ? "#c58cff" : "#8e3fd6"

    // The point's place on screen.
    readonly property real pointX: px(controller.pointX)
    readonly property real pointY: py(controller.pointY)
    // The tangent's end on the line x = 1, kept on screen; nothing drawn where it is undefined.
    readonly property real tanY: Math.max(-cy, Math.min(height + cy, py(controller.tanValue)))

    // The inverse question's line is dragged by its handle: beside the circle on the left for
    // sin's y = c, above it for cos's x = c, on the tangent at (1, c) for tan.
    readonly property string lineFunction: controller.inverseFunction
    readonly property point handleAt: lineFunction === "cos" ? Qt.point(px(controller.handleValue), py(1.22))
                                    : lineFunction === "sin" ? Qt.point(px(-1.22), py(controller.handleValue))
                                    : Qt.point(px(1), py(controller.handleValue))
    // Half a finger's width: the handle is grabbed within this of its centre.
    readonly property real handleReach: Math.max(22, 11 * unit)
    property bool draggingLine

    // The pointer's place as the line's value, in circle units: its height for sin and tan,
    // its x for cos.
    function lineValueAt(x, y) {
        return lineFunction === "cos" ? (x - cx) / radius : (cy - y) / radius
    }

    // A slider for screen readers: its value is α in degrees, said as the core writes it.
    readonly property int value: controller.degrees
    readonly property int from: -36000
    readonly property int to: 36000
    readonly property int stepSize: 1

    function px(x) { return cx + x * radius }
    function py(y) { return cy - y * radius }

    objectName: "exploreCircle"
    clip: true
    activeFocusOnTab: true
    Accessible.role: Accessible.Slider
    Accessible.name: qsTranslate("ExploreView", "exploreCircleName")
    Accessible.description: controller.valueText
    Accessible.onIncreaseAction: controller.step(1)
    Accessible.onDecreaseAction: controller.step(-1)
    Keys.onPressed: event => {
        switch (event.key) {
        case Qt.Key_Up:
        case Qt.Key_Right:
            controller.step(1)
            event.accepted = true
            break
        case Qt.Key_Down:
        case Qt.Key_Left:
            controller.step(-1)
            event.accepted = true
            break
        }
    }

    FocusFrame {
        focusItem: circle
    }

    // Axes and the tangent line at x = 1.
    Shape {
        anchors.fill: parent

        ShapePath {
            strokeColor: circle.axisColor
            strokeWidth: circle.unit
            fillColor: "transparent"
            startX: circle.px(-1.25); startY: circle.cy
            PathLine { x: circle.px(1.25); y: circle.cy }
            PathMove { x: circle.cx; y: circle.py(1.25) }
            PathLine { x: circle.cx; y: circle.py(-1.25) }
        }
        ShapePath {
            strokeColor: ColorManager.systemGrayColor
            strokeWidth: circle.unit
            fillColor: "transparent"
            strokeStyle: ShapePath.DashLine
            dashPattern: [4, 4]
            startX: circle.px(1); startY: 0
            PathLine { x: circle.px(1); y: circle.height }
        }
        ShapePath {
            strokeColor: ColorManager.adaptiveGrayColor
            strokeWidth: 2 * circle.unit
            fillColor: "transparent"
            PathAngleArc {
                centerX: circle.cx; centerY: circle.cy
                radiusX: circle.radius; radiusY: circle.radius
                startAngle: 0; sweepAngle: 360
            }
        }
    }

    // The angles that share the reference angle.
    Repeater {
        model: circle.showShared ? circle.controller.sharedAngles : []

        Item {
            id: shared

            required property var modelData

            objectName: "exploreShared_" + modelData.degrees
            anchors.fill: parent

            Shape {
                anchors.fill: parent
                visible: !shared.modelData.isPoint

                ShapePath {
                    strokeColor: ColorManager.systemGrayColor
                    strokeWidth: circle.unit
                    strokeStyle: ShapePath.DashLine
                    dashPattern: [3, 3]
                    fillColor: "transparent"
                    startX: circle.cx; startY: circle.cy
                    PathLine { x: circle.px(shared.modelData.x); y: circle.py(shared.modelData.y) }
                }
            }
            Rectangle {
                x: circle.px(shared.modelData.x) - width / 2
                y: circle.py(shared.modelData.y) - height / 2
                width: 10 * circle.unit
                height: width
                radius: width / 2
                color: ColorManager.systemGrayColor
            }
            MathLabel {
                // Outside the circle, away from the centre.
                x: circle.px(shared.modelData.x * 1.16) - (shared.modelData.x < 0 ? width : 0)
                y: circle.py(shared.modelData.y * 1.16) - (shared.modelData.y > 0 ? height : 0)
                latex: shared.modelData.latex
                fontSize: circle.labelSize
                color: ColorManager.systemGrayColor
            }
        }
    }

    // The inverse question: the line where f(α) = c, and the angles on it.
    Shape {
        id: inverseLine

        objectName: "exploreInverseLine"
        anchors.fill: parent
        visible: circle.controller.inverseValue !== undefined

        readonly property real c: visible ? circle.controller.inverseValue : 0
        readonly property string fn: circle.controller.inverseFunction

        ShapePath {
            strokeColor: circle.inverseColor
            strokeWidth: 2 * circle.unit
            fillColor: "transparent"
            strokeStyle: ShapePath.DashLine
            dashPattern: [5, 3]
            // sin: y = c; cos: x = c; tan: the line through the centre and (1, c).
            startX: inverseLine.fn === "cos" ? circle.px(inverseLine.c) : inverseLine.fn === "sin" ? 0 : circle.px(-1.6)
            startY: inverseLine.fn === "cos" ? 0 : inverseLine.fn === "sin" ? circle.py(inverseLine.c) : circle.py(-1.6 * inverseLine.c)
            PathLine {
                x: inverseLine.fn === "cos" ? circle.px(inverseLine.c) : inverseLine.fn === "sin" ? circle.width : circle.px(1.6)
                y: inverseLine.fn === "cos" ? circle.height : inverseLine.fn === "sin" ? circle.py(inverseLine.c) : circle.py(1.6 * inverseLine.c)
            }
        }
    }
    Repeater {
        model: circle.controller.inverseSolutions

        Rectangle {
            required property var modelData

            objectName: "exploreSolutionDot"
            // Only placed here: where the angle is, the controller has said.
            x: circle.px(modelData.x) - width / 2
            y: circle.py(modelData.y) - height / 2
            width: 12 * circle.unit
            height: width
            radius: width / 2
            color: circle.inverseColor
        }
    }

    // The reference angle between the radius and the nearer half of the x axis.
    Shape {
        id: referenceArc

        objectName: "exploreReferenceArc"
        anchors.fill: parent
        visible: circle.controller.referenceDegrees > 0 && circle.controller.quadrant > 0

        readonly property real arcRadius: circle.radius * 0.3
        readonly property real side: circle.controller.pointX < 0 ? -1 : 1

        ShapePath {
            strokeColor: circle.referenceColor
            strokeWidth: 3 * circle.unit
            fillColor: "transparent"
            capStyle: ShapePath.FlatCap
            startX: circle.cx + referenceArc.side * referenceArc.arcRadius
            startY: circle.cy
            PathArc {
                x: circle.cx + circle.controller.pointX * referenceArc.arcRadius
                y: circle.cy - circle.controller.pointY * referenceArc.arcRadius
                radiusX: referenceArc.arcRadius
                radiusY: referenceArc.arcRadius
                // Up from the axis in quadrants I and III, down in II and IV, as seen on screen.
                direction: circle.controller.quadrant % 2 === 1 ? PathArc.Counterclockwise : PathArc.Clockwise
            }
        }
    }

    // cos α along the axis, sin α up to the point, tan α on the tangent, and the radius.
    Shape {
        anchors.fill: parent

        ShapePath {
            strokeColor: circle.tanColor
            strokeWidth: circle.unit
            fillColor: "transparent"
            strokeStyle: ShapePath.DashLine
            dashPattern: [2, 3]
            startX: circle.cx; startY: circle.cy
            PathLine { x: circle.controller.tanDefined ? circle.px(1) : circle.cx; y: circle.controller.tanDefined ? circle.tanY : circle.cy }
        }
        ShapePath {
            objectName: "exploreTanSegment"
            strokeColor: circle.controller.tanDefined ? circle.tanColor : "transparent"
            strokeWidth: 4 * circle.unit
            fillColor: "transparent"
            capStyle: ShapePath.FlatCap
            startX: circle.px(1); startY: circle.cy
            PathLine { x: circle.px(1); y: circle.controller.tanDefined ? circle.tanY : circle.cy }
        }
        ShapePath {
            strokeColor: circle.axisColor
            strokeWidth: 2 * circle.unit
            fillColor: "transparent"
            startX: circle.cx; startY: circle.cy
            PathLine { x: circle.pointX; y: circle.pointY }
        }
        ShapePath {
            strokeColor: circle.cosColor
            strokeWidth: 4 * circle.unit
            fillColor: "transparent"
            capStyle: ShapePath.FlatCap
            startX: circle.cx; startY: circle.cy
            PathLine { x: circle.pointX; y: circle.cy }
        }
        ShapePath {
            strokeColor: circle.sinColor
            strokeWidth: 4 * circle.unit
            fillColor: "transparent"
            capStyle: ShapePath.FlatCap
            startX: circle.pointX; startY: circle.cy
            PathLine { x: circle.pointX; y: circle.pointY }
        }
    }

    MathLabel {
        objectName: "exploreTanLabel"
        visible: circle.controller.tanDefined
        x: Math.min(circle.width - width - 2, circle.px(1) + 10 * circle.unit)
        // Beyond the segment's end, clear of the point where tan α is near 0.
        y: Math.max(2, Math.min(circle.height - height - 2,
                                circle.controller.tanValue >= 0 ? circle.tanY - height - 4 * circle.unit
                                                                : circle.tanY + 4 * circle.unit))
        latex: "\\tan\\alpha"
        fontSize: circle.labelSize
        color: circle.tanColor
    }

    // The quadrant's numeral in its quadrant; on an axis, where the point lies.
    Label {
        objectName: "exploreQuadrantNumeral"
        visible: circle.controller.quadrant > 0
        readonly property int q: circle.controller.quadrant
        // In the quadrant's corner, outside the circle, where neither the point nor the
        // labels of the angles sharing its reference angle come.
        x: circle.px(q === 1 || q === 4 ? 1.15 : -1.15) - width / 2
        y: circle.py(q <= 2 ? 1.15 : -1.15) - height / 2
        text: circle.controller.quadrantNumeral
        font.pixelSize: circle.labelSize * 1.6
        font.family: "serif"
        font.bold: true
        color: circle.referenceColor
        opacity: 0.8
    }
    Label {
        objectName: "explorePlace"
        visible: circle.controller.quadrant < 0
        anchors.horizontalCenter: parent.horizontalCenter
        anchors.bottom: parent.bottom
        anchors.bottomMargin: 4
        width: Math.min(implicitWidth, parent.width - 8)
        elide: Text.ElideRight
        text: circle.controller.placeText
        font.pixelSize: circle.labelSize
        color: circle.referenceColor
    }
    Label {
        x: circle.px(1) + 4
        y: circle.cy + 2
        text: "1"
        font.pixelSize: circle.labelSize * 0.9
        color: circle.axisColor
    }

    Rectangle {
        objectName: "explorePoint"
        x: circle.pointX - width / 2
        y: circle.pointY - height / 2
        width: 18 * circle.unit
        height: width
        radius: width / 2
        color: ColorManager.primaryColor
        border.color: ColorManager.labelColor
        border.width: circle.unit
    }

    // The line's handle, faint until a question is asked.
    Rectangle {
        objectName: "exploreLineHandle"
        x: circle.handleAt.x - width / 2
        y: circle.handleAt.y - height / 2
        width: 2 * circle.handleReach
        height: width
        radius: width / 2
        color: Qt.rgba(circle.inverseColor.r, circle.inverseColor.g, circle.inverseColor.b,
                       circle.draggingLine ? 0.3 : 0.15)
        opacity: circle.controller.inverseAsked || circle.draggingLine ? 1 : 0.6

        Rectangle {
            anchors.centerIn: parent
            width: 16 * circle.unit
            height: width
            radius: width / 2
            color: circle.inverseColor
            border.color: ColorManager.systemBackgroundColor
            border.width: 2 * circle.unit
        }
        // Which way it moves.
        Label {
            anchors.centerIn: parent
            text: circle.lineFunction === "cos" ? "↔" : "↕"
            font.pixelSize: 12 * circle.unit
            color: "white"
        }
    }

    MouseArea {
        objectName: "exploreCircleArea"
        anchors.fill: parent
        // A drag turns the point, or moves the line when it began on the line's handle, not the
        // page.
        preventStealing: true
        onPressed: mouse => {
            circle.forceActiveFocus()
            const toHandle = Math.hypot(mouse.x - circle.handleAt.x, mouse.y - circle.handleAt.y)
            const toPoint = Math.hypot(mouse.x - circle.pointX, mouse.y - circle.pointY)
            circle.draggingLine = toHandle <= circle.handleReach && toHandle < toPoint
            if (circle.draggingLine)
                circle.controller.dragInverseLine(circle.lineValueAt(mouse.x, mouse.y))
            else
                circle.controller.pointerMoved(mouse.x - circle.cx, circle.cy - mouse.y)
        }
        onPositionChanged: mouse => {
            if (circle.draggingLine)
                circle.controller.dragInverseLine(circle.lineValueAt(mouse.x, mouse.y))
            else
                circle.controller.pointerMoved(mouse.x - circle.cx, circle.cy - mouse.y)
        }
        onReleased: circle.draggingLine = false
        onCanceled: circle.draggingLine = false
    }
}
