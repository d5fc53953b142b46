import QtQuick
import QtQuick.Controls
import UnitCircle.Style
import UnitCircle.Math

// The exact values above the steps: a title, then one formula a line (α and b, sin, cos,
// tan, the reference angle and the quadrant). Lines wider than the card scroll sideways.
Item {
    id: card

    property string title
    property var lines: []
    property bool large

    objectName: "exactValuesCard"
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
                font.pixelSize: card.large ? 18 : 14
                font.weight: Font.ExtraBold
            }

            Repeater {
                model: card.lines

                Flickable {
                    required property string modelData

                    width: column.width
                    height: line.height
                    contentWidth: line.width
                    contentHeight: height
                    clip: true
                    flickableDirection: Flickable.HorizontalFlick
                    boundsBehavior: Flickable.StopAtBounds
                    interactive: contentWidth > width

                    MathLabel {
                        id: line

                        objectName: "exactValuesLine"
                        latex: modelData
                        fontSize: card.large ? 24 : 18
                        color: ColorManager.labelColor
                    }
                }
            }
        }
    }
}
