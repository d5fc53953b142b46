import QtQuick
import QtQuick.Controls
import QtQuick.Shapes
import UnitCircle.Style
import UnitCircle.Shell
import UnitCircle.Charts

// The unit circle of a chart row, drawn as in a textbook: axes with arrow heads and ticks at
// ±1, the circle, the quadrant numerals in their quadrants, the arc of each turn, the turning
// arrow and, at the end, the point's projections onto the axes. The controller says what to
// show and when; this file only draws it.
Item {
    id: view

    objectName: "unitCircleView"
    property alias chartStep: controller.chartStep
    property alias captureMode: controller.captureMode
    property bool large
    // The palette it is drawn in: the app's, or another's (the presentation's dark one).
    property QtObject colors: ColorManager
    // Off, the point cannot be dragged and there is no replay button (the presentation).
    property bool interactive: true
    readonly property alias controller: controller
    // What the row adds below the circle: the counting labels when they are stacked there,
    // and, while an angle is set by hand, the room of the button that calculates it. The
    // room grows below the circle, so the list keeps the circle where the finger holds it.
    readonly property real labelsBelowHeight: stacked ? angleColumn.height + 12 : 0
    readonly property bool settingByHand: angleDrag.active && !captureMode
    readonly property real extraHeight: labelsBelowHeight
                                        + (settingByHand ? calculateAngleButton.height + 12 : 0)

    // Geometry: the circle's picture is the square of the view's height in the middle.
    readonly property real cx: width / 2
    readonly property real cy: height / 2
    readonly property real radius: 0.375 * height
    readonly property real axisReach: 0.45 * height
    // The counting labels' size, grown with the text like every other text.
    readonly property real textSize: Math.max(11, (large ? 32 : 15) * TextScale.factor)
    // Labels in the picture follow it as far as the picture has room for them.
    readonly property real labelSize: Math.max(11, Math.min(height * 0.1, textSize))
    // When the sides of the circle are too small for the counting labels at a larger text
    // size, they go under the circle in their full size. At the normal size they shrink
    // beside it as far as the picture needs, which keeps a phone's circle large.
    readonly property bool stacked: TextScale.factor > 1 && textSize > height * 0.1 + 0.5
    // Line widths and marks grow a little with the picture, so a tablet's figure isn't spidery.
    readonly property real unit: Math.max(1, Math.sqrt(height / 140))
    readonly property real tick: 4 * unit
    readonly property color axisColor: colors.labelColor
    // cos in blue and sin in red, as in the graphs below; a lighter blue on black.
    readonly property color xColor: colors.darkAppearance ? "#4f86ff" : "#1f5fff"
    readonly property color yColor: colors.redColor
    // Where the arrow points now, counter-clockwise from the positive x axis, in degrees.
    property real arrowAngle: 0
    // What a tapped step works out (a StepHighlight): stressed, the rest faded.
    property int highlight: 0

    // 1 stressed, 0 as usual, -1 faded, for a part of the drawing: "arc" (with its index),
    // "x", "y", "alpha", "gamma", "n" or "quadrant"; the core decides.
    function stress(part, index) {
        // Read here, so that the bindings that call this follow them.
        if (captureMode || highlight === StepHighlight.None || controller.arcs.length < 0)
            return 0
        return controller.stress(highlight, part, index === undefined ? 0 : index)
    }
    // How much of a part that the marked step does not stress still shows; a projected dark
    // screen asks for more than the page.
    property real fadedOpacity: 0.25
    function stressOpacity(part, index) { return stress(part, index) < 0 ? fadedOpacity : 1 }
    function stressWidth(part, index) { return stress(part, index) > 0 ? 9 : 5 }

    // Not while an angle is set by hand: a replay would throw it away.
    function startDrawing() {
        if (!angleDrag.active)
            controller.startAnimation()
    }

    // A slider for α as well: the point can be dragged, the arrow keys turn it (Shift for
    // single degrees), Enter calculates the angle set.
    Accessible.role: Accessible.Slider
    Accessible.name: angleDrag.active ? angleDrag.valueText
                                      : "α = " + controller.alphaText + ", γ = " + controller.gammaText
                                        + ", P(" + controller.pXText + " | " + controller.pYText + ")"
    Accessible.onIncreaseAction: view.turnBy(1, false)
    Accessible.onDecreaseAction: view.turnBy(-1, false)
    // Its stops in the page's keyboard order (the page leads Tab through them): the circle,
    // then the buttons under it that are there.
    function focusStops() {
        if (captureMode)
            return []
        const stops = [view]
        if (calculateAngleButton.visible)
            stops.push(calculateAngleButton)
        if (animateAgainButton.visible && animateAgainButton.enabled)
            stops.push(animateAgainButton)
        return stops
    }

    FocusFrame {}

    // Asks whoever scrolls the row to bring this item fully into sight.
    signal revealRequested(Item item)

    function turnBy(direction, fine) {
        if (!angleDrag.active)
            angleDrag.begin(view.arrowAngle)
        angleDrag.step(direction, fine)
        revealCalculateButton()
    }

    // Once laid out, so that the row has already grown by the button.
    function revealCalculateButton() {
        Qt.callLater(() => {
            if (calculateAngleButton.visible)
                view.revealRequested(calculateAngleButton)
        })
    }

    function calculateSetAngle() {
        if (!angleDrag.active)
            return
        const alpha = angleDrag.alphaInput
        angleDrag.end()
        Navigation.calculateAngle(alpha)
    }

    Keys.onPressed: event => {
        const fine = (event.modifiers & Qt.ShiftModifier) !== 0
        if (event.key === Qt.Key_Right || event.key === Qt.Key_Up) {
            view.turnBy(1, fine)
        } else if (event.key === Qt.Key_Left || event.key === Qt.Key_Down) {
            view.turnBy(-1, fine)
        } else if ((event.key === Qt.Key_Return || event.key === Qt.Key_Enter) && angleDrag.active) {
            view.calculateSetAngle()
        } else if (event.key === Qt.Key_Escape && angleDrag.active) {
            angleDrag.end()
        } else {
            return
        }
        event.accepted = true
    }

    AngleDrag {
        id: angleDrag

        objectName: "angleDrag"
    }

    // While α is set by hand the whole drawing follows it; dropped, it shows the solution again.
    Connections {
        target: angleDrag

        function onChanged() {
            if (angleDrag.active)
                controller.showSetAngle(angleDrag.degrees)
            else
                controller.showSolution()
        }
    }

    UnitCircleChartViewLogic {
        id: controller

        onArrowRunChanged: {
            arrowTurn.stop()
            // A new turn starts from 0 even when it ends where the last one did.
            if (controller.arrowAnimated) {
                arrowTurn.to = controller.arrowDegrees
                arrowTurn.start()
            } else {
                view.arrowAngle = controller.arrowDegrees
            }
        }
    }

    NumberAnimation {
        id: arrowTurn

        target: view
        property: "arrowAngle"
        from: 0
        duration: controller.turnDuration
    }

    ChartCard {
        colors: view.colors
        width: parent.width
        height: parent.height + view.labelsBelowHeight
    }

    // Everything drawn with lines shares one multisampled layer, so curves stay smooth; the
    // layer covers only the circle's square, where all of it lies.
    Item {
        id: drawing

        x: (view.width - view.height) / 2
        width: view.height
        height: view.height
        layer.enabled: true
        layer.samples: 4
        layer.smooth: true

        // In the view's coordinates, like everything outside the layer.
        Item {
            x: -drawing.x
            width: view.width
            height: view.height

            // Axes with arrow heads and ticks at ±1 and ±0.5.
            Shape {
                objectName: "axes"
                anchors.fill: parent

                ShapePath {
                    strokeColor: view.axisColor
                    strokeWidth: 1.2 * view.unit
                    fillColor: "transparent"
                    capStyle: ShapePath.FlatCap

                    startX: view.cx - view.axisReach; startY: view.cy
                    PathLine { x: view.cx + view.axisReach; y: view.cy }
                    PathMove { x: view.cx; y: view.cy + view.axisReach }
                    PathLine { x: view.cx; y: view.cy - view.axisReach }
                    // Ticks at ±1, shorter ones at ±0.5.
                    PathMove { x: view.cx + view.radius; y: view.cy - view.tick }
                    PathLine { x: view.cx + view.radius; y: view.cy + view.tick }
                    PathMove { x: view.cx - view.radius; y: view.cy - view.tick }
                    PathLine { x: view.cx - view.radius; y: view.cy + view.tick }
                    PathMove { x: view.cx - view.tick; y: view.cy - view.radius }
                    PathLine { x: view.cx + view.tick; y: view.cy - view.radius }
                    PathMove { x: view.cx - view.tick; y: view.cy + view.radius }
                    PathLine { x: view.cx + view.tick; y: view.cy + view.radius }
                    PathMove { x: view.cx + view.radius / 2; y: view.cy - view.tick / 2 }
                    PathLine { x: view.cx + view.radius / 2; y: view.cy + view.tick / 2 }
                    PathMove { x: view.cx - view.radius / 2; y: view.cy - view.tick / 2 }
                    PathLine { x: view.cx - view.radius / 2; y: view.cy + view.tick / 2 }
                    PathMove { x: view.cx - view.tick / 2; y: view.cy - view.radius / 2 }
                    PathLine { x: view.cx + view.tick / 2; y: view.cy - view.radius / 2 }
                    PathMove { x: view.cx - view.tick / 2; y: view.cy + view.radius / 2 }
                    PathLine { x: view.cx + view.tick / 2; y: view.cy + view.radius / 2 }
                }
                // The arrow heads, at the ends of the positive axes.
                ShapePath {
                    id: heads

                    readonly property real tipX: view.cx + view.axisReach
                    readonly property real tipY: view.cy - view.axisReach
                    readonly property real u: view.unit

                    strokeColor: "transparent"
                    fillColor: view.axisColor

                    startX: tipX + 2 * u; startY: view.cy
                    PathLine { x: heads.tipX - 6 * heads.u; y: view.cy - 3.5 * heads.u }
                    PathLine { x: heads.tipX - 6 * heads.u; y: view.cy + 3.5 * heads.u }
                    PathLine { x: heads.tipX + 2 * heads.u; y: view.cy }
                    PathMove { x: view.cx; y: heads.tipY - 2 * heads.u }
                    PathLine { x: view.cx - 3.5 * heads.u; y: heads.tipY + 6 * heads.u }
                    PathLine { x: view.cx + 3.5 * heads.u; y: heads.tipY + 6 * heads.u }
                    PathLine { x: view.cx; y: heads.tipY - 2 * heads.u }
                }
            }

            // The unit circle.
            Shape {
                objectName: "unitCircleShape"
                anchors.fill: parent

                ShapePath {
                    strokeColor: view.colors.systemGrayColor
                    strokeWidth: 1.5 * view.unit
                    fillColor: "transparent"

                    PathAngleArc {
                        centerX: view.cx; centerY: view.cy
                        radiusX: view.radius; radiusY: view.radius
                        startAngle: 0
                        sweepAngle: 360
                    }
                }
            }

            // One arc per turn, from the positive x axis; the newest on top.
            Repeater {
                model: controller.arcs

                Shape {
                    id: arc

                    required property var modelData
                    required property int index
                    // Only the newest arc grows; the list is rebuilt on every turn, and the full
                    // circles before it are already drawn.
                    readonly property bool growing: modelData.animated
                                                    && index === controller.arcs.length - 1
                    property real progress: growing ? 0 : 1

                    objectName: "arc"
                    anchors.fill: parent
                    opacity: view.stressOpacity("arc", index)

                    ShapePath {
                        strokeColor: Qt.hsva(arc.modelData.hue, arc.modelData.saturation,
                                             arc.modelData.brightness, 1)
                        strokeWidth: view.stressWidth("arc", arc.index)
                        fillColor: "transparent"
                        capStyle: ShapePath.FlatCap

                        PathAngleArc {
                            centerX: view.cx; centerY: view.cy
                            radiusX: view.radius; radiusY: view.radius
                            startAngle: 0
                            // Screen angles run clockwise: a positive angle is drawn negated.
                            sweepAngle: -arc.modelData.sweep * arc.progress
                            moveToStart: true
                        }
                    }

                    NumberAnimation on progress {
                        running: arc.growing
                        from: 0
                        to: 1
                        duration: controller.turnDuration
                    }
                }
            }

            // The projections: onto the x axis in blue, from there up or down to the point in
            // red; growing together.
            Item {
                id: projections

                readonly property real px: view.cx + controller.pointX * view.radius
                readonly property real py: view.cy - controller.pointY * view.radius
                property real progress: 0

                anchors.fill: parent
                visible: controller.projectionsVisible

                Shape {
                    objectName: "projectionX"
                    anchors.fill: parent
                    opacity: view.stressOpacity("x")

                    ShapePath {
                        strokeColor: view.xColor
                        strokeWidth: view.stressWidth("x")
                        fillColor: "transparent"
                        joinStyle: ShapePath.BevelJoin
                        capStyle: ShapePath.FlatCap

                        startX: view.cx; startY: view.cy
                        PathLine {
                            x: view.cx + (projections.px - view.cx) * projections.progress
                            y: view.cy
                        }
                    }
                }
                Shape {
                    objectName: "projectionY"
                    anchors.fill: parent
                    opacity: view.stressOpacity("y")

                    ShapePath {
                        strokeColor: view.yColor
                        strokeWidth: view.stressWidth("y")
                        fillColor: "transparent"
                        joinStyle: ShapePath.BevelJoin
                        capStyle: ShapePath.FlatCap

                        startX: projections.px; startY: view.cy
                        PathLine {
                            x: projections.px
                            y: view.cy + (projections.py - view.cy) * projections.progress
                        }
                    }
                }

                Connections {
                    target: controller

                    function onProjectionsChanged() {
                        projectionGrowth.stop()
                        if (controller.projectionsVisible && controller.projectionsAnimated) {
                            projectionGrowth.start()
                        } else {
                            projections.progress = controller.projectionsVisible ? 1 : 0
                        }
                    }
                }

                NumberAnimation {
                    id: projectionGrowth

                    target: projections
                    property: "progress"
                    from: 0
                    to: 1
                    duration: 1000
                }
            }

            // The arrow from the centre to the circle, turning with the angle.
            Item {
                objectName: "arrow"
                x: view.cx
                y: view.cy
                width: view.radius
                height: 0
                transformOrigin: Item.Left
                rotation: -view.arrowAngle

                Shape {
                    ShapePath {
                        strokeColor: view.axisColor
                        strokeWidth: 2 * view.unit
                        fillColor: "transparent"
                        capStyle: ShapePath.RoundCap

                        startX: 0; startY: 0
                        PathLine { x: view.radius - 7 * view.unit; y: 0 }
                    }
                    ShapePath {
                        strokeColor: "transparent"
                        fillColor: view.axisColor

                        startX: view.radius; startY: 0
                        PathLine { x: view.radius - 10 * view.unit; y: -4.5 * view.unit }
                        PathLine { x: view.radius - 10 * view.unit; y: 4.5 * view.unit }
                        PathLine { x: view.radius; y: 0 }
                    }
                }
            }

            // The point on the circle once the run has ended, and the centre.
            Rectangle {
                visible: controller.projectionsVisible
                x: projections.px - width / 2
                y: projections.py - height / 2
                width: 8 * view.unit
                height: width
                radius: width / 2
                color: view.axisColor
            }
            Rectangle {
                x: view.cx - width / 2
                y: view.cy - height / 2
                width: 5 * view.unit
                height: width
                radius: width / 2
                color: view.axisColor
            }
        }
    }

    // Axis names and the numbers at the ticks.
    component AxisText: Text {
        color: view.axisColor
        font.pixelSize: view.labelSize * 0.8
        font.italic: true
    }
    AxisText {
        id: xName

        text: "x"
        x: view.cx + view.axisReach - width / 2
        y: view.cy - height - 2
    }
    AxisText { text: "y"; x: view.cx + 6; y: view.cy - view.axisReach - height / 2 + 2 }
    AxisText { text: "1"; font.italic: false; x: view.cx + view.radius + 4; y: view.cy + 2 }
    AxisText {
        text: "−1"
        font.italic: false
        x: view.cx - view.radius - width - 4
        y: view.cy + 2
    }

    // The quadrant numerals, each in its quadrant.
    component QuadrantLabel: Text {
        required property int quadrant
        readonly property real direction: (quadrant - 0.5) * Math.PI / 2

        objectName: "q" + quadrant + "Label"
        // In the corner of the quadrant outside the circle, clear of the arrow, the arcs and
        // the point.
        x: view.cx + Math.SQRT2 * Math.cos(direction) * view.radius * 0.97 - width / 2
        y: view.cy - Math.SQRT2 * Math.sin(direction) * view.radius * 0.97 - height / 2
        color: view.colors.systemGrayColor
        font.pixelSize: view.labelSize
        font.bold: true
        font.family: "serif"
        opacity: controller.shownQuadrant === 0 || controller.shownQuadrant === quadrant ? view.stressOpacity("quadrant") : 0
        scale: view.stress("quadrant") > 0 ? 1.4 : 1

        Behavior on opacity {
            NumberAnimation { duration: controller.quadrantFadeDuration }
        }
    }
    QuadrantLabel { quadrant: 1; text: "I" }
    QuadrantLabel { quadrant: 2; text: "II" }
    QuadrantLabel { quadrant: 3; text: "III" }
    QuadrantLabel { quadrant: 4; text: "IV" }

    // The counting labels: angles on the left, the point's coordinates on the right, each
    // column in one font size that fits its longest text, kept off the x axis.
    component CountLabel: Text {
        color: view.axisColor
        textFormat: Text.PlainText
    }
    component Measure: TextMetrics {
        font.pixelSize: view.textSize
    }
    readonly property real leftWidth: cx - axisReach - 16
    readonly property real rightX: cx + axisReach + xName.width / 2 + Math.max(6, labelSize * 0.5)
    readonly property real rightWidth: width - rightX - 8

    readonly property real stackedWidth: (width - 30) / 2

    // The size at which the widest text fills the room, at most the largest.
    function fittingSize(available, widths, largest) {
        const size = textSize * available / Math.max(1, Math.max(...widths))
        return Math.max(8, Math.min(largest, size))
    }

    Measure { id: alphaMeasure; text: alphaLabel.text }
    Measure { id: gammaMeasure; text: gammaLabel.text }
    Measure { id: fullCirclesMeasure; text: fullCirclesLabel.text }
    Measure { id: pXMeasure; text: pXLabel.text }
    Measure { id: pYMeasure; text: pYLabel.text }

    Column {
        id: angleColumn

        readonly property real size: view.fittingSize(
            view.stacked ? view.stackedWidth : view.leftWidth,
            [alphaMeasure.advanceWidth, gammaMeasure.advanceWidth, fullCirclesMeasure.advanceWidth],
            view.stacked ? view.textSize : view.labelSize)

        x: 10
        // α and γ above the axis, n below it; or all under the circle's left half.
        y: view.stacked ? view.height
                        : view.cy - alphaLabel.height - gammaLabel.height - spacing * 1.5
        spacing: size * 0.35

        CountLabel {
            id: alphaLabel

            objectName: "alphaLabel"
            font.bold: view.stress("alpha") > 0
            opacity: view.stressOpacity("alpha")
            font.pixelSize: angleColumn.size
            // The live value while α is set by hand.
            text: angleDrag.active ? angleDrag.valueText : "α = " + controller.alphaText
        }
        CountLabel {
            id: gammaLabel

            objectName: "gammaLabel"
            font.bold: view.stress("gamma") > 0
            opacity: view.stressOpacity("gamma")
            font.pixelSize: angleColumn.size
            text: "γ = " + controller.gammaText
        }
        CountLabel {
            id: fullCirclesLabel

            objectName: "fullCirclesLabel"
            font.bold: view.stress("n") > 0
            opacity: view.stressOpacity("n")
            font.pixelSize: angleColumn.size
            text: "n = " + controller.fullCirclesText
            color: view.colors.systemGrayColor
        }
    }
    Column {
        id: pointColumn

        readonly property real size: view.fittingSize(
            view.stacked ? view.stackedWidth : view.rightWidth,
            [pXMeasure.advanceWidth, pYMeasure.advanceWidth],
            view.stacked ? view.textSize : view.labelSize)

        // x above the axis, y below it; or both under the circle's right half.
        x: view.stacked ? view.width / 2 + 5 : view.rightX
        y: view.stacked ? view.height : view.cy - pXLabel.height - spacing / 2
        spacing: size * 0.35

        CountLabel {
            id: pXLabel

            objectName: "pXLabel"
            font.bold: view.stress("x") > 0
            opacity: view.stressOpacity("x")
            font.pixelSize: pointColumn.size
            text: "x = " + controller.pXText
            color: view.xColor
        }
        CountLabel {
            id: pYLabel

            objectName: "pYLabel"
            font.bold: view.stress("y") > 0
            opacity: view.stressOpacity("y")
            font.pixelSize: pointColumn.size
            text: "y = " + controller.pYText
            color: view.yColor
        }
    }

    // Pressed near the point, the circle takes the drag from the list; anywhere else the list
    // scrolls as usual. A long press or Shift turns in single degrees.
    MouseArea {
        id: angleGrip

        property bool grabbed: false
        property bool fine: false

        objectName: "angleGrip"
        anchors.fill: parent
        enabled: !view.captureMode && view.interactive
        preventStealing: grabbed
        pressAndHoldInterval: 500
        onPressed: mouse => {
            const a = view.arrowAngle * Math.PI / 180
            const tipX = view.cx + Math.cos(a) * view.radius
            const tipY = view.cy - Math.sin(a) * view.radius
            grabbed = Math.hypot(mouse.x - tipX, mouse.y - tipY) <= Math.max(24, view.radius * 0.3)
            mouse.accepted = grabbed
            if (!grabbed)
                return
            fine = (mouse.modifiers & Qt.ShiftModifier) !== 0
            view.forceActiveFocus()
            angleDrag.begin(view.arrowAngle)
        }
        onPressAndHold: fine = true
        onPositionChanged: mouse => {
            if (grabbed)
                angleDrag.dragTo(mouse.x - view.cx, view.cy - mouse.y,
                                 fine || (mouse.modifiers & Qt.ShiftModifier) !== 0)
        }
        // The row is not scrolled under the finger, only once it has let go.
        onReleased: {
            if (grabbed)
                view.revealCalculateButton()
            grabbed = false
        }
        onCanceled: grabbed = false
    }

    Button {
        id: calculateAngleButton

        objectName: "calculateAngleButton"
        anchors.horizontalCenter: parent.horizontalCenter
        // Under the card, in the room the row makes for it.
        y: view.height + view.labelsBelowHeight + 6
        visible: view.settingByHand
        text: qsTranslate("UnitCircleChartView", "calculateAngle").arg(angleDrag.valueText)
        font.pixelSize: Math.max(13, view.labelSize)
        font.capitalization: Font.MixedCase
        highlighted: true
        focusPolicy: Qt.NoFocus
        Keys.onReturnPressed: clicked()
        Keys.onEnterPressed: clicked()
        onClicked: view.calculateSetAngle()
    }

    RoundButton {
        id: animateAgainButton

        objectName: "animateAgainButton"
        anchors.right: parent.right
        anchors.bottom: parent.bottom
        anchors.margins: 6
        width: Math.max(32, view.labelSize * 2.2)
        height: width
        padding: 0
        // Nothing to replay in a shared image.
        visible: !view.captureMode && view.interactive
        enabled: controller.animateAgainEnabled
        opacity: controller.animateAgainOpacity
        focusPolicy: Qt.NoFocus
        Keys.onReturnPressed: clicked()
        Keys.onEnterPressed: clicked()
        Accessible.name: qsTranslate("UnitCircleChartView", "Animate again")
        background: Item {
            // A soft shadow: two wider, faint discs a little below the button.
            Repeater {
                model: 2

                Rectangle {
                    required property int index
                    readonly property real spread: 1 + index * 1.5

                    x: -spread
                    y: -spread + 1.5
                    width: parent.width + 2 * spread
                    height: width
                    radius: width / 2
                    color: "black"
                    opacity: (view.colors.darkAppearance ? 0.35 : 0.16) / (index + 1)
                }
            }
            Rectangle {
                anchors.fill: parent
                radius: width / 2
                color: animateAgainButton.down ? Qt.darker(Qt.rgba(0.7, 0.87, 0.86, 1), 1.15)
                                               : Qt.rgba(0.7, 0.87, 0.86, 1)
            }
        }
        contentItem: Text {
            text: "↻"
            color: "#1c1c1e"
            font.pixelSize: animateAgainButton.height * 0.6
            horizontalAlignment: Text.AlignHCenter
            verticalAlignment: Text.AlignVCenter
        }
        onClicked: controller.tappedAnimateAgain()
    }
}
