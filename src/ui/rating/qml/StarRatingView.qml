import QtQuick
import QtQuick.Shapes
import UnitCircle.Style

// Five stars: a tap or a drag picks whole stars, Left and Right step through them.
Item {
    id: view

    // 0 until a star is chosen.
    property int rating: 0
    readonly property int maximum: 5
    property real starSize: 40
    property real spacing: 10

    implicitWidth: maximum * starSize + (maximum - 1) * spacing
    implicitHeight: starSize
    activeFocusOnTab: true

    Accessible.role: Accessible.Slider
    Accessible.name: qsTranslate("Rating", "%1 of %2 stars").arg(rating).arg(maximum)
    Accessible.focusable: true
    Accessible.onIncreaseAction: step(1)
    Accessible.onDecreaseAction: step(-1)

    function step(delta) {
        rating = Math.max(Math.min(rating, 1), Math.min(maximum, rating + delta))
    }

    // The star under x, from the first to the last, wherever the drag has gone.
    function ratingAt(x) {
        const index = Math.floor((x + spacing / 2) / (starSize + spacing)) + 1
        return Math.max(1, Math.min(maximum, index))
    }

    // A five-pointed star in a size × size square, point up.
    function starPoints(size) {
        const points = []
        const outer = size / 2
        const inner = outer * 0.4
        const cx = size / 2
        const cy = size / 2 + size * 0.05
        for (let i = 0; i <= 10; ++i) {
            const angle = -Math.PI / 2 + i * Math.PI / 5
            const r = i % 2 === 0 ? outer : inner
            points.push(Qt.point(cx + r * Math.cos(angle), cy + r * Math.sin(angle)))
        }
        return points
    }

    Keys.onLeftPressed: step(-1)
    Keys.onRightPressed: step(1)

    Row {
        spacing: view.spacing

        Repeater {
            model: view.maximum

            Shape {
                id: star

                required property int index
                readonly property bool filled: index < view.rating

                objectName: "ratingStar" + index
                width: view.starSize
                height: view.starSize
                // Smooth edges without a multisampled window.
                layer.enabled: true
                layer.samples: 4

                ShapePath {
                    strokeWidth: 2
                    strokeColor: star.filled ? ColorManager.primaryDarkColor : ColorManager.systemGrayColor
                    fillColor: star.filled ? ColorManager.primaryDarkColor : "transparent"
                    joinStyle: ShapePath.RoundJoin

                    PathPolyline {
                        path: view.starPoints(view.starSize)
                    }
                }
            }
        }
    }

    MouseArea {
        anchors.fill: parent
        preventStealing: true
        onPressed: mouse => {
            view.forceActiveFocus()
            view.rating = view.ratingAt(mouse.x)
        }
        onPositionChanged: mouse => view.rating = view.ratingAt(mouse.x)
    }
}
