import QtQuick
import QtQuick.Controls
import UnitCircle.Style
import UnitCircle.Shell
import UnitCircle.Math
import UnitCircle.Charts
import UnitCircle.Presentation

// A solution shown to a class: dark, in large type, the steps revealed one at a time beside
// the unit circle (above it when the screen is taller than wide). The controller decides what
// shows and what each key does; this file only lays it out.
Item {
    id: view

    objectName: "presentationView"
    readonly property alias controller: controller
    readonly property QtObject colors: controller.colors
    readonly property color accent: colors.orangeColor
    // Near-black: a projector shows pure black as grey anyway, and the circle's black card
    // stands out from it a little.
    readonly property color background: "#0e0e11"
    readonly property bool wide: width > height
    // Large type for a room: formulas 2.5 times the page's, titles twice, with the text size.
    readonly property bool roomy: Math.min(width, height) >= 600
    readonly property real formulaSize: (roomy ? 26 : 20) * 2.5 * TextScale.factor
    readonly property real titleSize: (roomy ? 18 : 14) * 2 * TextScale.factor
    readonly property real margin: Math.round(Math.max(12, Math.min(width, height) * 0.03))

    Accessible.role: Accessible.Pane
    Accessible.name: qsTranslate("Presentation", "Presentation")

    Keys.onPressed: event => {
        event.accepted = controller.handleKey(event.key, event.modifiers)
    }
    Component.onCompleted: forceActiveFocus()

    PresentationViewControllerLogic {
        id: controller

        onNewestStepRevealed: row => Qt.callLater(steps.showNewest)
    }

    Rectangle {
        anchors.fill: parent
        color: view.background
    }

    // A tap anywhere reveals the next step, as a clicker does.
    TapHandler {
        onTapped: controller.tapped()
    }

    Label {
        id: countLabel

        objectName: "presentationCount"
        x: view.margin
        y: view.margin
        text: controller.countText
        color: view.colors.labelColor
        font.pixelSize: 24 * TextScale.factor
        font.weight: Font.DemiBold
        Accessible.role: Accessible.StaticText
        Accessible.name: text
    }

    RoundButton {
        id: closeButton

        objectName: "presentationCloseButton"
        anchors.right: parent.right
        anchors.top: parent.top
        anchors.margins: view.margin * 0.5
        width: Math.max(48, 40 * TextScale.factor)
        height: width
        padding: 0
        flat: true
        activeFocusOnTab: true
        Accessible.name: qsTranslate("Presentation", "Close presentation")
        ToolTip.visible: hovered
        ToolTip.text: Accessible.name
        contentItem: Icon {
            name: "close"
            color: view.colors.labelColor
        }
        onClicked: controller.leave()
    }

    // Where the steps and the circle begin, under the count and the close button.
    readonly property real roomTop: Math.max(countLabel.y + countLabel.height,
                                             closeButton.y + closeButton.height) + margin * 0.5
    readonly property real roomHeight: height - roomTop - margin

    // The circle's room: the right part of a wide screen, the upper part of a tall one; the
    // drawing keeps the shape the solution page gives it.
    readonly property rect circleRoom: wide ? Qt.rect(width * 0.5, roomTop, width * 0.5 - margin, roomHeight)
                                            : Qt.rect(margin, roomTop, width - 2 * margin, roomHeight * 0.42)

    Item {
        id: circleBox

        objectName: "presentationCircleBox"
        readonly property real ratio: controller.circleFrameRatio > 0 ? controller.circleFrameRatio : 1

        visible: controller.circleStep !== undefined
        width: Math.min(view.circleRoom.width, view.circleRoom.height * ratio)
        // With large text the drawing's labels go under it.
        height: circle.height + circle.extraHeight
        x: view.circleRoom.x + (view.circleRoom.width - width) / 2
        y: view.circleRoom.y + (view.wide ? Math.max(0, (view.circleRoom.height - height) / 2) : 0)

        UnitCircleChartView {
            id: circle

            objectName: "presentationCircle"
            width: parent.width
            height: width / circleBox.ratio
            chartStep: controller.circleStep
            colors: view.colors
            interactive: false
            large: true
            fadedOpacity: 0.5
            highlight: controller.chartHighlight
        }

        // The solution's end at once, not the turn: the class has seen that on the page.
        Connections {
            target: circle.controller

            function onChartStepChanged() {
                circle.controller.showSolution()
            }
        }
        Component.onCompleted: circle.controller.showSolution()
    }

    ListView {
        id: steps

        objectName: "presentationSteps"
        x: view.margin
        // Right under the circle when it is above: its room may be taller than the drawing.
        y: view.wide ? view.roomTop
                     : (circleBox.visible ? circleBox.y + circleBox.height : view.roomTop) + view.margin
        width: view.wide ? view.width * 0.5 - 2 * view.margin : view.width - 2 * view.margin
        height: view.height - y - view.margin
        clip: true
        model: controller
        spacing: view.margin * 0.5
        // Moved by the keys only, like slides, so that a tap on it counts as one tap.
        interactive: false
        ScrollIndicator.vertical: ScrollIndicator {}

        // The newest step whole in sight, and below it what room there is.
        function showNewest() {
            if (count > 0)
                positionViewAtIndex(count - 1, ListView.Contain)
        }
        onHeightChanged: Qt.callLater(showNewest)

        add: Transition {
            NumberAnimation { property: "opacity"; from: 0; to: 1; duration: 250 }
        }

        delegate: Item {
            id: row

            required property string title
            required property bool boldTitle
            required property string latex
            required property string message
            required property bool newest

            objectName: newest ? "presentationNewestStep" : "presentationStep"
            width: ListView.view.width
            height: body.implicitHeight + 2 * view.margin * 0.5
            Accessible.role: Accessible.ListItem
            Accessible.name: title + ": " + (message !== "" ? message : formula.spokenText)

            // The newest step: tinted, with a bar in the accent on its left.
            Rectangle {
                objectName: "presentationStepMark"
                anchors.fill: parent
                visible: row.newest
                radius: 6
                color: Qt.rgba(view.accent.r, view.accent.g, view.accent.b, 0.14)

                Rectangle {
                    width: 8
                    height: parent.height
                    radius: 3
                    color: view.accent
                }
            }

            Column {
                id: body

                x: 28
                y: view.margin * 0.5
                width: row.width - x - 12
                spacing: view.margin * 0.3

                Label {
                    width: parent.width
                    text: row.title
                    visible: text !== ""
                    color: row.newest ? view.accent : view.colors.labelColor
                    font.pixelSize: view.titleSize
                    font.weight: row.boldTitle ? Font.ExtraBold : Font.DemiBold
                    wrapMode: Text.Wrap
                }

                // Wider formulas shrink to the row rather than run off the screen.
                Item {
                    readonly property real fit: Math.min(1, width / Math.max(1, formula.implicitWidth))

                    width: parent.width
                    height: formula.implicitHeight * fit
                    visible: row.message === ""

                    MathLabel {
                        id: formula

                        latex: row.message === "" ? row.latex : ""
                        fontSize: view.formulaSize
                        color: view.colors.labelColor
                        transformOrigin: Item.TopLeft
                        scale: parent.fit
                    }
                }

                Label {
                    width: parent.width
                    visible: row.message !== ""
                    text: row.message
                    color: view.colors.labelColor
                    font.pixelSize: view.titleSize
                    wrapMode: Text.Wrap
                }
            }
        }

        // Room under the last step.
        footer: Item {
            width: steps.width
            height: steps.height / 3
        }
    }

    // Steps scrolled off at the top fade out rather than being cut.
    Rectangle {
        x: steps.x
        y: steps.y
        width: steps.width
        height: view.margin * 2
        visible: !steps.atYBeginning
        gradient: Gradient {
            GradientStop { position: 0; color: view.background }
            GradientStop { position: 1; color: Qt.rgba(view.background.r, view.background.g, view.background.b, 0) }
        }
    }
}
