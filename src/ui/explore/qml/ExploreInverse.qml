import QtQuick
import QtQuick.Controls
import QtQuick.Controls.Material
import UnitCircle.Style
import UnitCircle.Shell
import UnitCircle.Math
import UnitCircle.Practice

// "For which α is f(α) = c?": the function, the value typed on the practice keypad or a
// keyboard (or set by dragging the line on the circle), then every α in one turn with its
// general form, or why there is none. What a key does to the value is the core's rule.
Column {
    id: panel

    required property var controller
    property bool large
    // The keypad shows while the value is being typed.
    property bool typing
    readonly property Item keypadItem: keypad

    readonly property real textSize: (large ? 17 : 14) * TextScale.factor
    readonly property real mathSize: (large ? 22 : 18) * TextScale.factor

    function ask() {
        controller.askInverse(functionBox.currentText)
        typing = false
    }

    spacing: 8

    Label {
        width: panel.width
        wrapMode: Text.Wrap
        text: qsTranslate("ExploreView", "exploreInverseTitle")
        font.pixelSize: panel.textSize * 1.15
        font.weight: Font.Medium
        color: ColorManager.labelColor
    }

    Flow {
        width: panel.width
        spacing: 8

        ComboBox {
            id: functionBox

            objectName: "exploreInverseFunction"
            model: ["sin", "cos", "tan"]
            currentIndex: model.indexOf(panel.controller.inverseFunction)
            width: Math.max(96 * TextScale.factor, implicitWidth)
            font.pixelSize: panel.textSize
            Accessible.name: qsTranslate("ExploreView", "exploreGraph")
            onActivated: index => panel.controller.inverseFunction = model[index]
        }
        // Shows the value; the keys go to the controller, so that a keyboard types by the
        // keypad's rules ("sqrt" gives √) and no system keyboard covers the keypad.
        TextField {
            id: valueField

            objectName: "exploreInverseValue"
            width: Math.min(panel.width, 180 * TextScale.factor)
            readOnly: true
            text: panel.controller.inverseDraft
            cursorVisible: activeFocus
            cursorPosition: length
            placeholderText: qsTranslate("ExploreView", "exploreInverseValue")
            font.pixelSize: panel.textSize
            Accessible.role: Accessible.EditableText
            Accessible.name: qsTranslate("ExploreView", "exploreInverseValue")
            onActiveFocusChanged: if (activeFocus) panel.typing = true
            onPressed: panel.typing = true
            Keys.onPressed: event => {
                switch (event.key) {
                case Qt.Key_Backspace:
                case Qt.Key_Delete:
                    panel.controller.deleteBackward()
                    event.accepted = true
                    return
                case Qt.Key_Return:
                case Qt.Key_Enter:
                    panel.ask()
                    event.accepted = true
                    return
                case Qt.Key_Escape:
                    panel.typing = false
                    event.accepted = true
                    return
                }
                if (event.text.length === 1 && event.text >= " "
                        && !(event.modifiers & (Qt.ControlModifier | Qt.AltModifier))) {
                    panel.controller.typeOnKeyboard(event.text)
                    event.accepted = true
                }
            }
        }
        Button {
            objectName: "exploreInverseButton"
            text: qsTranslate("ExploreView", "exploreShowSolutions")
            font.pixelSize: panel.textSize
            font.capitalization: Font.MixedCase
            highlighted: true
            Material.accent: ColorManager.primaryDarkColor
            enabled: panel.controller.inverseDraft.trim().length > 0
            onClicked: panel.ask()
        }
        Button {
            objectName: "exploreClearInverseButton"
            visible: panel.controller.inverseAsked || panel.controller.inverseDraft.length > 0
            text: qsTranslate("ExploreView", "exploreClearInverse")
            font.pixelSize: panel.textSize
            font.capitalization: Font.MixedCase
            flat: true
            onClicked: {
                panel.typing = false
                panel.controller.clearInverse()
            }
        }
    }

    PracticeKeypad {
        id: keypad

        objectName: "exploreKeypad"
        keyPrefix: "exploreKey_"
        checkName: qsTranslate("ExploreView", "exploreShowSolutions")
        visible: panel.typing
        width: Math.min(panel.width, panel.large ? 640 : 520)
        height: visible ? implicitHeight : 0
        large: panel.large
        onKeyTapped: title => panel.controller.typeKey(title)
        onDeleteTapped: panel.controller.deleteBackward()
        onCheckTapped: panel.ask()
    }

    Label {
        objectName: "exploreInverseMessage"
        width: panel.width
        visible: text.length > 0
        wrapMode: Text.Wrap
        text: panel.controller.inverseMessage
        font.pixelSize: panel.textSize
        color: panel.controller.inverseUnreadable ? ColorManager.redColor : ColorManager.labelColor
        Accessible.role: Accessible.AlertMessage
        Accessible.name: text
    }

    Label {
        width: panel.width
        visible: panel.controller.inverseSolutions.length > 0
        wrapMode: Text.Wrap
        text: qsTranslate("ExploreView", "exploreSolutionsHeading")
        font.pixelSize: panel.textSize
        color: ColorManager.systemGrayColor
    }

    Repeater {
        model: panel.controller.inverseSolutions

        // One α and every α it stands for; wider than the panel, it scrolls sideways.
        Flickable {
            id: row

            required property var modelData

            objectName: "exploreSolution"
            width: panel.width
            height: formula.implicitHeight + 4
            contentWidth: formula.implicitWidth
            flickableDirection: Flickable.HorizontalFlick
            boundsBehavior: Flickable.StopAtBounds
            interactive: contentWidth > width
            clip: true
            Accessible.role: Accessible.StaticText
            Accessible.name: formula.spokenText

            MathLabel {
                id: formula

                latex: "\\alpha = " + row.modelData.latex + " \\quad \\alpha = " + row.modelData.generalLatex
                fontSize: panel.mathSize
                color: ColorManager.labelColor
            }
        }
    }
}
