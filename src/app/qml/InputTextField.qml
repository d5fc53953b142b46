import QtQuick
import QtQuick.Controls
import QtQuick.Controls.Material
import UnitCircle.Style
import UnitCircle.Screens as Screens

// One input field. Its text belongs to the controller: the field never takes typing itself
// (so touch screens never raise the system keyboard) but passes keys on, and reports its
// caret and selection so that keypad edits land where the learner expects.
TextField {
    id: textField

    property Screens.CalculateViewController controller
    property int field
    property var fieldState
    // The unit after the text.
    property string unit
    property bool large

    function reportSelection() {
        if (controller)
            controller.setSelection(field, selectionStart, selectionEnd)
    }

    function handleKey(event) {
        switch (event.key) {
        case Qt.Key_Backspace:
            controller.tappedDeleteButton()
            event.accepted = true
            return
        case Qt.Key_Delete:
            controller.deleteForward()
            event.accepted = true
            return
        case Qt.Key_Tab:
        case Qt.Key_Backtab:
            controller.focusNextField()
            event.accepted = true
            return
        case Qt.Key_Return:
        case Qt.Key_Enter:
            controller.tappedCalculateButton()
            event.accepted = true
            return
        }
        if (event.modifiers & (Qt.ControlModifier | Qt.AltModifier | Qt.MetaModifier))
            return
        let key = event.text
        if (key === "p" || key === "P")
            key = "π"
        else if (key === ",")
            key = "."
        if (/^[0-9.\/\-()eπ]$/.test(key)) {
            controller.tappedKeypadButtonWithValue(key)
            event.accepted = true
        }
    }

    text: fieldState ? fieldState.text : ""
    enabled: fieldState ? fieldState.enabled : true
    readOnly: true
    selectByMouse: true
    inputMethodHints: Qt.ImhNoPredictiveText | Qt.ImhNoAutoUppercase | Qt.ImhSensitiveData
    font.pixelSize: large ? 28 : 22
    color: ColorManager.labelColor
    placeholderTextColor: ColorManager.systemGrayColor
    implicitHeight: large ? 64 : 56
    leftPadding: 16
    rightPadding: unitLabel.implicitWidth + 20
    topPadding: 8
    bottomPadding: 8
    verticalAlignment: TextInput.AlignVCenter
    // Our own caret below: a read-only field hides the built-in one.
    cursorDelegate: Item {}

    Accessible.name: placeholderText

    Keys.onPressed: event => handleKey(event)
    onActiveFocusChanged: {
        if (activeFocus && controller)
            controller.textFieldShouldBeginEditing(field)
    }
    onCursorPositionChanged: reportSelection()
    onSelectionStartChanged: reportSelection()
    onSelectionEndChanged: reportSelection()

    background: Rectangle {
        radius: 8
        color: textField.fieldState && textField.fieldState.greyed ? ColorManager.systemFillColor
                                                                  : ColorManager.systemBackgroundColor
        border.width: textField.activeFocus || (textField.fieldState && textField.fieldState.border !== 0) ? 2 : 1
        border.color: textField.fieldState && textField.fieldState.border !== 0
                      ? ColorManager.fieldBorderColor(textField.fieldState.border)
                      : textField.activeFocus ? ColorManager.primaryDarkColor
                                              : ColorManager.fieldBorderColor(0)
    }

    Label {
        id: unitLabel

        anchors.right: parent.right
        anchors.rightMargin: 12
        anchors.verticalCenter: parent.verticalCenter
        text: textField.unit
        font.pixelSize: textField.font.pixelSize * 0.8
        color: ColorManager.systemGrayColor
    }

    // The field's name above its border once it holds text, as the placeholder gives way.
    Label {
        x: 12
        y: -8
        visible: textField.text !== ""
        text: " " + textField.placeholderText + " "
        font.pixelSize: 10
        color: ColorManager.primaryDarkColor
        background: Rectangle { color: ColorManager.systemBackgroundColor }
    }

    Rectangle {
        id: caret

        objectName: "caret"
        x: textField.cursorRectangle.x
        y: textField.cursorRectangle.y
        width: 2
        height: textField.cursorRectangle.height
        color: ColorManager.primaryDarkColor
        visible: textField.activeFocus && textField.selectionStart === textField.selectionEnd

        property bool blinkOn: true
        opacity: blinkOn ? 1 : 0

        Timer {
            id: blink

            interval: 530
            repeat: true
            running: textField.activeFocus
            onRunningChanged: caret.blinkOn = true
            onTriggered: caret.blinkOn = !caret.blinkOn
        }

        // Steady while typing, blinking again when idle.
        Connections {
            target: textField
            function onCursorPositionChanged() {
                caret.blinkOn = true
                blink.restart()
            }
        }
    }
}
