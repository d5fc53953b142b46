import QtQuick
import QtQuick.Controls
import QtQuick.Controls.Material
import UnitCircle.Style

// A dialog whose title, message and buttons follow the text size. Its title wraps instead of
// being cut off when it no longer fits on one line.
Dialog {
    id: dialog

    font.pixelSize: 14 * TextScale.factor
    // The buttons say their titles as written ("Accept", "Cancel"), not in the style's capitals.
    font.capitalization: Font.MixedCase

    // The height between the title and the buttons. The dialog's availableHeight counts
    // them in, so content sized to it runs out under the buttons.
    readonly property real contentAreaHeight: availableHeight
        - (header && header.visible ? header.height + spacing : 0)
        - (footer && footer.visible ? footer.height + spacing : 0)

    header: Label {
        objectName: "dialogTitle"
        text: dialog.title
        visible: dialog.title !== ""
        // Wrapped only while shown: a dialog built hidden is laid out before it has its width.
        wrapMode: dialog.visible ? Text.Wrap : Text.NoWrap
        padding: 24
        bottomPadding: 0
        font.bold: true
        font.pixelSize: 16 * TextScale.factor
        background: Rectangle {
            radius: 2
            color: dialog.Material.dialogColor
        }
    }
}
