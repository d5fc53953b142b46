import QtQuick
import QtQuick.Controls
import QtQuick.Controls.Material
import UnitCircle.Style
import UnitCircle.Shell
import UnitCircle.Math
import UnitCircle.Explore

// Explore: the point on a large unit circle with its values beside it, the graph of one
// function with the part swept, and which α give a value. Side by side on a wide window,
// one under the other on a phone.
Item {
    id: page

    property Item toolbarController
    readonly property alias controller: controller
    readonly property string toolbarTitle: controller.title
    readonly property bool isTablet: ApplicationWindow.window ? ApplicationWindow.window.isTablet : false
    readonly property bool wide: width >= 900
    readonly property real textSize: (isTablet ? 17 : 14) * TextScale.factor
    readonly property real mathSize: (isTablet ? 24 : 19) * TextScale.factor

    function viewDidAppear() {
        if (toolbarController)
            toolbarController.rightActions = []
        circle.forceActiveFocus()
    }

    // Scrolls so that the item's bottom is in sight, its top too if both fit.
    function reveal(item) {
        const top = item.mapToItem(scroll.contentItem, 0, 0).y
        const most = Math.max(0, scroll.contentHeight - scroll.height)
        const wanted = Math.max(scroll.contentY, top + item.height - scroll.height)
        scroll.contentY = Math.max(0, Math.min(most, Math.min(wanted, top)))
    }

    ExploreViewControllerLogic {
        id: controller
    }

    Rectangle {
        anchors.fill: parent
        color: ColorManager.systemBackgroundColor
    }

    Flickable {
        id: scroll

        objectName: "exploreScroll"
        anchors.fill: parent
        anchors.margins: 16
        clip: true
        contentHeight: grid.height
        boundsBehavior: Flickable.StopAtBounds
        // The keypad just opened grows the page: then it comes into sight.
        onContentHeightChanged: if (inverse.typing) page.reveal(inverse.keypadItem)

        Grid {
            id: grid

            readonly property real cellWidth: page.wide ? (scroll.width - columnSpacing) / 2 : scroll.width

            columns: page.wide ? 2 : 1
            columnSpacing: 24
            rowSpacing: 16

            Column {
                width: grid.cellWidth
                spacing: 8

                ExploreCircle {
                    id: circle

                    controller: controller
                    showShared: sharedSwitch.checked
                    large: page.isTablet
                    width: parent.width
                    // The whole circle in sight on a wide window; square on a phone.
                    height: page.wide ? Math.min(width, Math.max(320, scroll.height - 120)) : width
                }

                Switch {
                    id: snapSwitch

                    objectName: "exploreSnapSwitch"
                    width: parent.width
                    text: qsTranslate("ExploreView", "exploreSnap")
                    checked: controller.snap
                    font.pixelSize: page.textSize
                    onToggled: controller.snap = checked
                    contentItem: Label {
                        leftPadding: snapSwitch.indicator.width + snapSwitch.spacing
                        verticalAlignment: Text.AlignVCenter
                        wrapMode: Text.Wrap
                        text: snapSwitch.text
                        font: snapSwitch.font
                        color: ColorManager.labelColor
                    }
                }

                Switch {
                    id: sharedSwitch

                    objectName: "exploreSharedSwitch"
                    width: parent.width
                    text: qsTranslate("ExploreView", "exploreSharedAngles")
                    font.pixelSize: page.textSize
                    contentItem: Label {
                        leftPadding: sharedSwitch.indicator.width + sharedSwitch.spacing
                        verticalAlignment: Text.AlignVCenter
                        wrapMode: Text.Wrap
                        text: sharedSwitch.text
                        font: sharedSwitch.font
                        color: ColorManager.labelColor
                    }
                }

                // The signs of sin, cos and tan at each angle of the same reference angle.
                Column {
                    objectName: "exploreSignTable"
                    visible: sharedSwitch.checked
                    spacing: 4

                    Label {
                        text: qsTranslate("ExploreView", "exploreSigns")
                        font.pixelSize: page.textSize
                        font.weight: Font.Medium
                        color: ColorManager.labelColor
                    }
                    Grid {
                        columns: 4
                        columnSpacing: 20 * TextScale.factor
                        rowSpacing: 4

                        Repeater {
                            model: ["α", "sin", "cos", "tan"]

                            Label {
                                required property string modelData

                                text: modelData
                                font.pixelSize: page.textSize
                                font.italic: modelData === "α"
                                color: ColorManager.systemGrayColor
                            }
                        }
                        Repeater {
                            // Four cells a row: the angle, then its three signs; nothing while
                            // hidden.
                            model: {
                                if (!sharedSwitch.checked)
                                    return []
                                const cells = []
                                for (const angle of controller.sharedAngles) {
                                    cells.push({text: angle.degrees + "°", own: angle.isPoint})
                                    for (const fn of ["sin", "cos", "tan"])
                                        cells.push({text: angle[fn] === "" ? "—" : angle[fn], own: angle.isPoint,
                                                    undefinedValue: angle[fn] === ""})
                                }
                                return cells
                            }

                            Label {
                                required property var modelData

                                text: modelData.text
                                font.pixelSize: page.textSize
                                font.bold: modelData.own
                                color: ColorManager.labelColor
                                Accessible.name: modelData.undefinedValue ? qsTranslate("Core", "undefined") : text
                            }
                        }
                    }
                }
            }

            Column {
                width: grid.cellWidth
                spacing: 12

                // The values, one formula a line; sin, cos and tan marked in the circle's colours.
                Rectangle {
                    objectName: "exploreValues"
                    width: parent.width
                    height: valueColumn.height + 20
                    radius: 12
                    color: ColorManager.tertiaryGroupedBackgroundColor
                    border.color: ColorManager.primaryColor
                    border.width: 2
                    Accessible.role: Accessible.StaticText
                    Accessible.name: controller.valueText

                    Column {
                        id: valueColumn

                        x: 14
                        y: 10
                        width: parent.width - 28
                        spacing: page.isTablet ? 8 : 5

                        // Seven rows that stay: a move typesets again only the formulas
                        // it changed.
                        Repeater {
                            model: 7

                            Row {
                                id: lineRow

                                required property int index
                                readonly property string latex: controller.valueLines[index] || ""

                                spacing: 8
                                Rectangle {
                                    anchors.verticalCenter: parent.verticalCenter
                                    width: 4
                                    height: valueLine.height * 0.8
                                    radius: 2
                                    color: parent.index === 2 ? circle.sinColor
                                         : parent.index === 3 ? circle.cosColor
                                         : parent.index === 4 ? circle.tanColor
                                         : parent.index === 5 ? circle.referenceColor : "transparent"
                                }
                                Flickable {
                                    width: valueColumn.width - 12
                                    height: valueLine.implicitHeight
                                    contentWidth: valueLine.implicitWidth
                                    flickableDirection: Flickable.HorizontalFlick
                                    boundsBehavior: Flickable.StopAtBounds
                                    interactive: contentWidth > width
                                    clip: true

                                    MathLabel {
                                        id: valueLine

                                        objectName: "exploreValueLine"
                                        latex: lineRow.latex
                                        fontSize: page.mathSize
                                        color: ColorManager.labelColor
                                    }
                                }
                            }
                        }
                    }
                }

                Flow {
                    width: parent.width
                    spacing: 8

                    Label {
                        height: graphBox.height
                        verticalAlignment: Text.AlignVCenter
                        text: qsTranslate("ExploreView", "exploreGraph")
                        font.pixelSize: page.textSize * 1.15
                        font.weight: Font.Medium
                        color: ColorManager.labelColor
                    }
                    ComboBox {
                        id: graphBox

                        objectName: "exploreGraphFunction"
                        model: ["sin", "cos", "tan"]
                        currentIndex: model.indexOf(controller.graphFunction)
                        width: Math.max(96 * TextScale.factor, implicitWidth)
                        font.pixelSize: page.textSize
                        Accessible.name: qsTranslate("ExploreView", "exploreGraph")
                        onActivated: index => controller.graphFunction = model[index]
                    }
                    Button {
                        objectName: "exploreClearTrailButton"
                        text: qsTranslate("ExploreView", "exploreClearTrail")
                        flat: true
                        font.pixelSize: page.textSize
                        font.capitalization: Font.MixedCase
                        onClicked: controller.clearTrail()
                    }
                }

                ExploreGraph {
                    width: parent.width
                    height: page.wide ? Math.max(220, Math.min(320, scroll.height * 0.35)) : Math.max(200, width * 0.6)
                    plotWindow: controller.graphWindow
                    trailFrom: controller.trailFrom
                    trailTo: controller.trailTo
                    tracer: controller.tracer
                    line: controller.graphLine
                    crossings: controller.crossings
                    large: page.isTablet
                    onLineDragged: value => controller.dragInverseLine(value)
                }

                ExploreInverse {
                    id: inverse

                    width: parent.width
                    controller: controller
                    large: page.isTablet
                    onTypingChanged: if (typing) Qt.callLater(page.reveal, inverse.keypadItem)
                }
            }
        }
    }
}
