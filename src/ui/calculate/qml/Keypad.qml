import QtQuick
import UnitCircle.Style
import UnitCircle.Shell

// The keys the parser understands, delete and calculate. A grid of 4 × 5 keys, or 7 × 3 when
// wide; the keys sit at the bottom of the area, never lower than 48 and at most maxKeyHeight.
// Written out key by key: the keypad is most of the first screen, and plain declarations
// build quickest.
Item {
    id: keypad

    property bool wide
    property bool large

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
    readonly property real minimumHeight: rows * 48 + (rows - 1) * spacing
    readonly property real maximumHeight: rows * maxKeyHeight + (rows - 1) * spacing

    implicitHeight: rows * 56 + (rows - 1) * spacing

    // A key in its cell: [row, column, rows, columns] in the tall grid, then in the wide one.
    component Key: KeypadButton {
        property list<int> cell
        readonly property int row: keypad.wide ? cell[4] : cell[0]
        readonly property int column: keypad.wide ? cell[5] : cell[1]
        readonly property int rowSpan: keypad.wide ? cell[6] : cell[2]
        readonly property int columnSpan: keypad.wide ? cell[7] : cell[3]

        large: keypad.large
        x: column * (keypad.keyWidth + keypad.spacing)
        y: keypad.height - keypad.gridHeight + row * (keypad.keyHeight + keypad.spacing)
        width: columnSpan * keypad.keyWidth + (columnSpan - 1) * keypad.spacing
        height: rowSpan * keypad.keyHeight + (rowSpan - 1) * keypad.spacing
    }

    component KeyIcon: Icon {
        anchors.centerIn: parent
        width: keypad.large ? 36 : 28
        height: width
        color: ColorManager.darkTextColor
    }

    Key {
        objectName: "key_7"
        title: "7"
        cell: [0, 0, 1, 1, 0, 0, 1, 1]
        onClicked: keypad.keyTapped(title)
    }

    Key {
        objectName: "key_8"
        title: "8"
        cell: [0, 1, 1, 1, 0, 1, 1, 1]
        onClicked: keypad.keyTapped(title)
    }

    Key {
        objectName: "key_9"
        title: "9"
        cell: [0, 2, 1, 1, 0, 2, 1, 1]
        onClicked: keypad.keyTapped(title)
    }

    Key {
        objectName: "deleteButton"
        title: "delete"
        Accessible.name: qsTranslate("CalculateView", "Delete")
        baseColor: ColorManager.secondaryColor
        cell: [0, 3, 1, 1, 0, 6, 1, 1]
        onClicked: keypad.deleteTapped()

        KeyIcon { name: "backspace" }
    }

    Key {
        objectName: "key_4"
        title: "4"
        cell: [1, 0, 1, 1, 1, 0, 1, 1]
        onClicked: keypad.keyTapped(title)
    }

    Key {
        objectName: "key_5"
        title: "5"
        cell: [1, 1, 1, 1, 1, 1, 1, 1]
        onClicked: keypad.keyTapped(title)
    }

    Key {
        objectName: "key_6"
        title: "6"
        cell: [1, 2, 1, 1, 1, 2, 1, 1]
        onClicked: keypad.keyTapped(title)
    }

    Key {
        objectName: "key_slash"
        title: "/"
        baseColor: ColorManager.accentColor
        textColor: ColorManager.darkTextColor
        cell: [1, 3, 1, 1, 1, 3, 1, 1]
        onClicked: keypad.keyTapped(title)
    }

    Key {
        objectName: "key_1"
        title: "1"
        cell: [2, 0, 1, 1, 2, 0, 1, 1]
        onClicked: keypad.keyTapped(title)
    }

    Key {
        objectName: "key_2"
        title: "2"
        cell: [2, 1, 1, 1, 2, 1, 1, 1]
        onClicked: keypad.keyTapped(title)
    }

    Key {
        objectName: "key_3"
        title: "3"
        cell: [2, 2, 1, 1, 2, 2, 1, 1]
        onClicked: keypad.keyTapped(title)
    }

    Key {
        objectName: "key_minus"
        title: "-"
        baseColor: ColorManager.accentColor
        textColor: ColorManager.darkTextColor
        cell: [2, 3, 1, 1, 1, 4, 1, 1]
        onClicked: keypad.keyTapped(title)
    }

    Key {
        objectName: "key_0"
        title: "0"
        cell: [3, 0, 1, 1, 2, 3, 1, 2]
        onClicked: keypad.keyTapped(title)
    }

    Key {
        objectName: "key_point"
        title: "."
        baseColor: ColorManager.accentColor
        textColor: ColorManager.darkTextColor
        cell: [3, 1, 1, 1, 2, 5, 1, 1]
        onClicked: keypad.keyTapped(title)
    }

    Key {
        objectName: "key_open"
        title: "("
        baseColor: ColorManager.accentColor
        textColor: ColorManager.darkTextColor
        cell: [3, 2, 1, 1, 0, 3, 1, 1]
        onClicked: keypad.keyTapped(title)
    }

    Key {
        objectName: "key_close"
        title: ")"
        baseColor: ColorManager.accentColor
        textColor: ColorManager.darkTextColor
        cell: [3, 3, 1, 1, 0, 4, 1, 1]
        onClicked: keypad.keyTapped(title)
    }

    Key {
        objectName: "key_pi"
        title: "π"
        baseColor: ColorManager.accentColor
        textColor: ColorManager.darkTextColor
        italic: true
        cell: [4, 0, 1, 1, 0, 5, 1, 1]
        onClicked: keypad.keyTapped(title)
    }

    Key {
        objectName: "key_e"
        title: "e"
        baseColor: ColorManager.accentColor
        textColor: ColorManager.darkTextColor
        italic: true
        cell: [4, 1, 1, 1, 1, 5, 1, 1]
        onClicked: keypad.keyTapped(title)
    }

    Key {
        objectName: "calculateButton"
        title: "calculate"
        Accessible.name: qsTranslate("CalculateView", "Calculate")
        baseColor: ColorManager.primaryDarkColor
        cell: [4, 2, 1, 2, 1, 6, 2, 1]
        onClicked: keypad.calculateTapped()

        KeyIcon { name: "check" }
    }
}
