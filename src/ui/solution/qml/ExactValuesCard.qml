import QtQuick
import QtQuick.Controls
import UnitCircle.Style
import UnitCircle.Math
import UnitCircle.Shell

// The exact values above the steps: a title, then one formula a line (α and b, sin, cos,
// tan, the reference angle and the quadrant). A line wider than the card breaks between its
// values; a value still too wide scrolls sideways.
Item {
    id: card

    property string title
    property var lines: []
    property bool large
    readonly property real mathSize: (large ? 24 : 18) * TextScale.factor

    // The rows of one line: its parts, joined as long as they fit in `width` (a row after the
    // first starts `indent` further in). Join widths are estimated: a quad is 1 em, the
    // others about 0.3 em.
    function packedRows(parts, joins, widths, width, indent) {
        // Until the parts are measured the line is one row.
        const unmeasured = widths.length !== parts.length
        const rows = []
        if (parts.length === 0)
            return rows
        let row = parts[0]
        let rowWidth = unmeasured ? 0 : widths[0]
        for (let i = 1; i < parts.length; ++i) {
            const join = joins[i - 1] || " "
            const joinWidth = (join.indexOf("quad") >= 0 ? 1.0 : 0.3) * mathSize
            const available = width - (rows.length > 0 ? indent : 0)
            if (unmeasured || rowWidth + joinWidth + widths[i] <= available) {
                row += join + parts[i]
                rowWidth += joinWidth + widths[i]
            } else {
                rows.push(row)
                row = parts[i]
                rowWidth = widths[i]
            }
        }
        rows.push(row)
        return rows
    }

    objectName: "exactValuesCard"
    // One stop of the page's keyboard order, read as the title and then each line in words.
    function focusStops() { return visible ? [card] : [] }
    Accessible.role: Accessible.StaticText
    Accessible.name: {
        const spoken = [card.title]
        for (let i = 0; i < lineRepeater.count; ++i) {
            const line = lineRepeater.itemAt(i)
            if (line)
                spoken.push(line.spokenText)
        }
        return spoken.join(". ")
    }
    implicitHeight: lines.length > 0 ? frame.height + 16 : 0
    visible: lines.length > 0

    Rectangle {
        id: frame

        x: 12
        y: 8
        width: card.width - 24
        height: column.height + 20
        radius: 12
        color: ColorManager.tertiaryGroupedBackgroundColor
        border.color: ColorManager.primaryColor
        border.width: 2

        FocusFrame {
            focusItem: card
        }

        Column {
            id: column

            x: 14
            y: 10
            width: frame.width - 28
            spacing: card.large ? 10 : 6

            Label {
                objectName: "exactValuesTitle"
                text: card.title
                color: ColorManager.labelColor
                font.pixelSize: (card.large ? 18 : 14) * TextScale.factor
                font.weight: Font.ExtraBold
            }

            Repeater {
                id: lineRepeater

                model: card.lines

                // One line of the card. Where it is wider than the card (large text) its parts
                // go on as many rows as they need, the later rows indented; a single part
                // that is still too wide scrolls sideways.
                Flickable {
                    id: lineView

                    required property var modelData
                    readonly property var parts: modelData.parts
                    readonly property var joins: modelData.joins
                    // Set once the line drawn whole was wider than the card: only then are its
                    // parts measured (they cost a typesetting each) and packed into rows.
                    property bool breakable: false
                    property var partWidths: []
                    readonly property var rows: card.packedRows(parts, joins,
                                                                breakable ? partWidths : [],
                                                                width, card.mathSize)
                    readonly property string spokenText: {
                        const words = []
                        for (let i = 0; i < rowRepeater.count; ++i) {
                            const row = rowRepeater.itemAt(i)
                            if (row)
                                words.push(row.spokenText)
                        }
                        return words.join(" ")
                    }

                    function measure() {
                        const widths = []
                        for (let i = 0; i < measures.count; ++i)
                            widths.push(measures.itemAt(i) ? measures.itemAt(i).width : 0)
                        partWidths = widths
                    }

                    function checkWidth() {
                        const whole = rowRepeater.count === 1 ? rowRepeater.itemAt(0) : null
                        if (!breakable && parts.length > 1 && whole && whole.width > width)
                            breakable = true
                    }

                    onWidthChanged: checkWidth()

                    width: column.width
                    height: rowColumn.height
                    // With the indent of the later rows.
                    contentWidth: rowColumn.childrenRect.width
                    contentHeight: height
                    clip: true
                    flickableDirection: Flickable.HorizontalFlick
                    boundsBehavior: Flickable.StopAtBounds
                    interactive: contentWidth > width
                    // A thin line under a line that goes on sideways, as under the steps.
                    ScrollIndicator.horizontal: ScrollIndicator {
                        active: lineView.interactive
                    }

                    // The parts alone, only to measure them.
                    Repeater {
                        id: measures

                        model: lineView.breakable ? lineView.parts : []

                        MathLabel {
                            required property string modelData

                            visible: false
                            latex: modelData
                            fontSize: card.mathSize
                            onWidthChanged: lineView.measure()
                        }
                        onCountChanged: lineView.measure()
                    }

                    Column {
                        id: rowColumn

                        Repeater {
                            id: rowRepeater

                            model: lineView.rows

                            MathLabel {
                                required property string modelData
                                required property int index

                                objectName: "exactValuesLine"
                                x: index > 0 ? card.mathSize : 0
                                latex: modelData
                                fontSize: card.mathSize
                                color: ColorManager.labelColor
                                onWidthChanged: lineView.checkWidth()
                            }
                        }
                    }
                }
            }
        }
    }
}
