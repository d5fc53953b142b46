import QtQuick
import UnitCircle.Style
import UnitCircle.Shell
import UnitCircle.Calculate

// The keys an exact answer needs: digits, ".", "+", "-", "/", brackets for radicals such as
// (√6−√2)/4 and √(10+2√5)/4, √, π, °, ";" between several angles, delete and Check; 5 × 5 keys
// at the bottom of the area.
Item {
    id: keypad

    property bool large
    // Where another screen reuses the keypad: its keys' names, and what Check does there.
    property string keyPrefix: "practiceKey_"
    property string checkName: qsTranslate("PracticeView", "Check", "Button that judges the answer")

    signal keyTapped(string title)
    signal deleteTapped
    signal checkTapped

    readonly property int columns: 5
    readonly property int rows: 5
    readonly property real spacing: large ? 12 : 8
    readonly property real keyWidth: (width - (columns - 1) * spacing) / columns
    readonly property real keyHeight: Math.max(44, Math.min(large ? 80 : 60, (height - (rows - 1) * spacing) / rows))

    implicitHeight: rows * 52 + (rows - 1) * spacing

    // [title, row, column, column span]; "delete" and "calculate" (Check) draw their icons.
    readonly property var keys: [
        ["7", 0, 0, 1], ["8", 0, 1, 1], ["9", 0, 2, 1], ["(", 0, 3, 1], [")", 0, 4, 1],
        ["4", 1, 0, 1], ["5", 1, 1, 1], ["6", 1, 2, 1], ["√", 1, 3, 1], ["π", 1, 4, 1],
        ["1", 2, 0, 1], ["2", 2, 1, 1], ["3", 2, 2, 1], ["+", 2, 3, 1], ["-", 2, 4, 1],
        ["0", 3, 0, 1], [".", 3, 1, 1], ["/", 3, 2, 1], ["°", 3, 3, 1], [";", 3, 4, 1],
        ["delete", 4, 0, 2], ["calculate", 4, 2, 3]
    ]

    Repeater {
        model: keypad.keys

        KeypadButton {
            id: key

            required property var modelData

            objectName: keypad.keyPrefix + (modelData[0] === "calculate" ? "check" : modelData[0])
            title: modelData[0]
            large: keypad.large
            baseColor: title === "delete" ? ColorManager.secondaryColor
                     : title === "calculate" ? ColorManager.primaryDarkColor
                     : ColorManager.tertiaryGroupedBackgroundColor
            Accessible.name: title === "delete" ? qsTranslate("CalculateView", "Delete")
                           : title === "calculate" ? keypad.checkName
                           : title === "√" ? qsTranslate("PracticeView", "square root of", "Spoken part of a typed answer")
                           : title === "π" ? qsTranslate("PracticeView", "pi", "Spoken part of a typed answer")
                           : title === "°" ? qsTranslate("PracticeView", "degrees", "Spoken part of a typed answer")
                           : title === "/" ? qsTranslate("PracticeView", "over", "Spoken part of a typed answer")
                           : title === "-" ? qsTranslate("PracticeView", "minus", "Spoken part of a typed answer")
                           : title === "+" ? qsTranslate("PracticeView", "plus", "Spoken part of a typed answer")
                           : title === "(" ? qsTranslate("PracticeView", "open bracket", "Spoken part of a typed answer")
                           : title === ")" ? qsTranslate("PracticeView", "close bracket", "Spoken part of a typed answer")
                           : title
            x: modelData[2] * (keypad.keyWidth + keypad.spacing)
            y: keypad.height - (keypad.rows * keypad.keyHeight + (keypad.rows - 1) * keypad.spacing)
               + modelData[1] * (keypad.keyHeight + keypad.spacing)
            width: modelData[3] * keypad.keyWidth + (modelData[3] - 1) * keypad.spacing
            height: keypad.keyHeight
            onClicked: {
                if (title === "delete")
                    keypad.deleteTapped()
                else if (title === "calculate")
                    keypad.checkTapped()
                else
                    keypad.keyTapped(title)
            }

            Icon {
                anchors.centerIn: parent
                visible: key.title === "delete" || key.title === "calculate"
                width: keypad.large ? 36 : 28
                height: width
                name: key.title === "delete" ? "backspace" : "check"
                color: ColorManager.darkTextColor
            }
        }
    }
}
