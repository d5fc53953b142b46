import QtQuick
import QtQuick.Controls
import QtQuick.Controls.Material
import UnitCircle.Style
import UnitCircle.Shell

// A practice button whose title wraps onto more lines rather than losing a word when it is
// wider than the screen ("Fortschritt zurücksetzen" at twice the text size on a phone). Enter
// presses it as Space does, and the focus frame shows where the keyboard is.
Button {
    id: button

    property bool large
    // No wider than this, so that a Flow stacks the buttons and the title wraps.
    property real maximumWidth: implicitWidth

    width: Math.min(implicitWidth, maximumWidth)
    font.pixelSize: (large ? 18 : 15) * TextScale.factor
    font.capitalization: Font.MixedCase

    contentItem: Label {
        text: button.text
        font: button.font
        wrapMode: Text.Wrap
        horizontalAlignment: Text.AlignHCenter
        verticalAlignment: Text.AlignVCenter
        color: !button.enabled ? button.Material.hintTextColor
             : button.flat && button.highlighted ? button.Material.accentColor
             : button.highlighted ? button.Material.primaryHighlightedTextColor
             : button.Material.foreground
    }

    Keys.onReturnPressed: button.clicked()
    Keys.onEnterPressed: button.clicked()

    FocusFrame {
        visible: button.visualFocus
    }
}
