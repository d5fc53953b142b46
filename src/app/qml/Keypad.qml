import QtQuick
import UnitCircle.Style

// The keys the parser understands, delete and calculate. A grid of 4 × 5 keys, or 7 × 3 when
// wide; the keys sit at the bottom of the area, never lower than 48 and at most maxKeyHeight.
Item {
    id: keypad

    property bool wide
    property bool large
    property bool piEnabled: true

    signal keyTapped(string title)
    signal deleteTapped
    signal calculateTapped

    readonly property int columns: wide ? 7 : 4
    readonly property int rows: wide ? 3 : 5
    readonly property real spacing: large ? 12 : 8
    readonly property real maxKeyHeight: large ? 96 : 72
    readonly property real keyWidth: (width - (columns - 1) * spacing) / columns
    readonly property real keyHeight: Math.max(48, Math.min(maxKeyHeight, (height - (rows - 1) * spacing) / rows))
    readonly property real gridHeight: rows * keyHeight + (rows - 1) * spacing

    // Per key: the title it types (or "delete", "calculate"), its name for tests, and its cell
    // [row, column, rows, columns] in the tall and in the wide grid.
    readonly property var keys: [
        { title: "7", name: "key_7", tall: [0, 0, 1, 1], wide: [0, 0, 1, 1] },
        { title: "8", name: "key_8", tall: [0, 1, 1, 1], wide: [0, 1, 1, 1] },
        { title: "9", name: "key_9", tall: [0, 2, 1, 1], wide: [0, 2, 1, 1] },
        { title: "delete", name: "deleteButton", tall: [0, 3, 1, 1], wide: [0, 6, 1, 1] },
        { title: "4", name: "key_4", tall: [1, 0, 1, 1], wide: [1, 0, 1, 1] },
        { title: "5", name: "key_5", tall: [1, 1, 1, 1], wide: [1, 1, 1, 1] },
        { title: "6", name: "key_6", tall: [1, 2, 1, 1], wide: [1, 2, 1, 1] },
        { title: "/", name: "key_slash", tall: [1, 3, 1, 1], wide: [1, 3, 1, 1] },
        { title: "1", name: "key_1", tall: [2, 0, 1, 1], wide: [2, 0, 1, 1] },
        { title: "2", name: "key_2", tall: [2, 1, 1, 1], wide: [2, 1, 1, 1] },
        { title: "3", name: "key_3", tall: [2, 2, 1, 1], wide: [2, 2, 1, 1] },
        { title: "-", name: "key_minus", tall: [2, 3, 1, 1], wide: [1, 4, 1, 1] },
        { title: "0", name: "key_0", tall: [3, 0, 1, 1], wide: [2, 3, 1, 2] },
        { title: ".", name: "key_point", tall: [3, 1, 1, 1], wide: [2, 5, 1, 1] },
        { title: "(", name: "key_open", tall: [3, 2, 1, 1], wide: [0, 3, 1, 1] },
        { title: ")", name: "key_close", tall: [3, 3, 1, 1], wide: [0, 4, 1, 1] },
        { title: "π", name: "key_pi", tall: [4, 0, 1, 1], wide: [0, 5, 1, 1] },
        { title: "e", name: "key_e", tall: [4, 1, 1, 1], wide: [1, 5, 1, 1] },
        { title: "calculate", name: "calculateButton", tall: [4, 2, 1, 2], wide: [1, 6, 2, 1] }
    ]

    implicitHeight: rows * 56 + (rows - 1) * spacing
    readonly property real minimumHeight: rows * 48 + (rows - 1) * spacing
    readonly property real maximumHeight: rows * maxKeyHeight + (rows - 1) * spacing

    Repeater {
        model: keypad.keys

        KeypadButton {
            required property var modelData
            // The cells as plain numbers, read once, so that a resize only does arithmetic.
            readonly property int tallRow: modelData.tall[0]
            readonly property int tallColumn: modelData.tall[1]
            readonly property int tallRows: modelData.tall[2]
            readonly property int tallColumns: modelData.tall[3]
            readonly property int wideRow: modelData.wide[0]
            readonly property int wideColumn: modelData.wide[1]
            readonly property int wideRows: modelData.wide[2]
            readonly property int wideColumns: modelData.wide[3]
            readonly property int row: keypad.wide ? wideRow : tallRow
            readonly property int column: keypad.wide ? wideColumn : tallColumn
            readonly property int rowSpan: keypad.wide ? wideRows : tallRows
            readonly property int columnSpan: keypad.wide ? wideColumns : tallColumns
            readonly property bool isDigit: title >= "0" && title <= "9" && title.length === 1

            objectName: modelData.name
            title: modelData.title
            large: keypad.large
            italic: title === "π" || title === "e"
            iconName: title === "delete" ? "backspace" : title === "calculate" ? "check" : ""
            // Digits sit on a neutral key that follows the appearance; the coloured keys keep
            // dark titles.
            baseColor: title === "calculate" ? ColorManager.primaryDarkColor
                     : title === "delete" ? ColorManager.secondaryColor
                     : isDigit ? ColorManager.tertiaryGroupedBackgroundColor
                     : ColorManager.accentColor
            textColor: isDigit ? ColorManager.labelColor : ColorManager.darkTextColor
            Accessible.name: title === "delete" ? qsTranslate("CalculateView", "Delete")
                           : title === "calculate" ? qsTranslate("CalculateView", "Calculate") : title
            x: column * (keypad.keyWidth + keypad.spacing)
            y: keypad.height - keypad.gridHeight + row * (keypad.keyHeight + keypad.spacing)
            width: columnSpan * keypad.keyWidth + (columnSpan - 1) * keypad.spacing
            height: rowSpan * keypad.keyHeight + (rowSpan - 1) * keypad.spacing
            // Constants do not enter an angle: π only works for b.
            enabled: title !== "π" || keypad.piEnabled
            opacity: enabled ? 1.0 : 0.5

            onClicked: {
                if (title === "delete")
                    keypad.deleteTapped()
                else if (title === "calculate")
                    keypad.calculateTapped()
                else
                    keypad.keyTapped(title)
            }
        }
    }
}
