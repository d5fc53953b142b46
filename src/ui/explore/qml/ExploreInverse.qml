import QtQuick
import QtQuick.Controls
import QtQuick.Controls.Material
import UnitCircle.Style
import UnitCircle.Shell
import UnitCircle.Math

// "For which α is f(α) = c?": the function, the value as typed, then every α in one turn with
// its general form, or why there is none.
Column {
    id: panel

    required property var controller
    property bool large

    readonly property real textSize: (large ? 17 : 14) * TextScale.factor
    readonly property real mathSize: (large ? 22 : 18) * TextScale.factor

    function ask() {
        controller.setInverse(functionBox.currentText, valueField.text)
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
            width: Math.max(96 * TextScale.factor, implicitWidth)
            font.pixelSize: panel.textSize
            Accessible.name: qsTranslate("ExploreView", "exploreGraph")
        }
        TextField {
            id: valueField

            objectName: "exploreInverseValue"
            width: Math.min(panel.width, 180 * TextScale.factor)
            placeholderText: qsTranslate("ExploreView", "exploreInverseValue")
            font.pixelSize: panel.textSize
            inputMethodHints: Qt.ImhNoPredictiveText
            Accessible.name: qsTranslate("ExploreView", "exploreInverseValue")
            onAccepted: panel.ask()
        }
        Button {
            objectName: "exploreInverseButton"
            text: qsTranslate("ExploreView", "exploreShowSolutions")
            font.pixelSize: panel.textSize
            font.capitalization: Font.MixedCase
            highlighted: true
            Material.accent: ColorManager.primaryDarkColor
            enabled: valueField.text.trim().length > 0
            onClicked: panel.ask()
        }
        Button {
            objectName: "exploreClearInverseButton"
            visible: panel.controller.inverseAsked
            text: qsTranslate("ExploreView", "exploreClearInverse")
            font.pixelSize: panel.textSize
            font.capitalization: Font.MixedCase
            flat: true
            onClicked: {
                valueField.text = ""
                panel.controller.clearInverse()
            }
        }
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
