import QtQuick
import UnitCircle.Style
import UnitCircle.Calculate

// One input field. Its text belongs to the controller: the field never takes typing itself
// (so touch screens never raise the system keyboard) but passes keys on, and reports its
// caret and selection so that keypad edits land where the learner expects.
FocusScope {
    id: textField

    property CalculateViewControllerLogic controller
    property int field
    property var fieldState
    // The field's name, shown inside while it is empty and above its border once it is not.
    property string placeholderText
    // The unit after the text.
    property string unit
    property bool large
    property alias text: input.text
    property alias cursorPosition: input.cursorPosition
    readonly property alias selectionStart: input.selectionStart
    readonly property alias selectionEnd: input.selectionEnd

    function reportSelection() {
        if (controller)
            controller.setSelection(field, input.selectionStart, input.selectionEnd)
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

    enabled: fieldState ? fieldState.enabled : true
    height: large ? 64 : 56
    implicitHeight: height
    activeFocusOnTab: false

    Accessible.role: Accessible.EditableText
    Accessible.name: placeholderText

    onActiveFocusChanged: {
        if (activeFocus && controller)
            controller.textFieldShouldBeginEditing(field)
    }

    Rectangle {
        id: background

        anchors.fill: parent
        radius: 8
        color: textField.fieldState && textField.fieldState.greyed ? ColorManager.systemFillColor
                                                                  : ColorManager.systemBackgroundColor
        border.width: textField.activeFocus || (textField.fieldState && textField.fieldState.border !== 0) ? 2 : 1
        border.color: textField.fieldState && textField.fieldState.border !== 0
                      ? ColorManager.fieldBorderColor(textField.fieldState.border)
                      : textField.activeFocus ? ColorManager.primaryDarkColor
                                              : ColorManager.fieldBorderColor(0)
    }

    TextInput {
        id: input

        anchors.fill: parent
        anchors.leftMargin: 16
        anchors.rightMargin: unitLabel.implicitWidth + 20
        focus: true
        clip: true
        text: textField.fieldState ? textField.fieldState.text : ""
        readOnly: true
        selectByMouse: true
        inputMethodHints: Qt.ImhNoPredictiveText | Qt.ImhNoAutoUppercase | Qt.ImhSensitiveData
        font.pixelSize: (textField.large ? 28 : 22) * TextScale.factor
        color: textField.enabled ? ColorManager.labelColor : ColorManager.systemGrayColor
        selectionColor: ColorManager.accentColor
        selectedTextColor: ColorManager.darkTextColor
        verticalAlignment: TextInput.AlignVCenter
        // Our own caret below: a read-only field hides the built-in one.
        cursorDelegate: Item {}

        Keys.onPressed: event => textField.handleKey(event)
        onCursorPositionChanged: textField.reportSelection()
        onSelectionStartChanged: textField.reportSelection()
        onSelectionEndChanged: textField.reportSelection()

        Rectangle {
            id: caret

            property bool blinkOn: true

            objectName: "caret"
            x: input.cursorRectangle.x
            y: input.cursorRectangle.y
            width: 2
            height: input.cursorRectangle.height
            color: ColorManager.primaryDarkColor
            visible: input.activeFocus && input.selectionStart === input.selectionEnd
            opacity: blinkOn ? 1 : 0

            Timer {
                id: blink

                interval: 530
                repeat: true
                running: input.activeFocus
                onRunningChanged: caret.blinkOn = true
                onTriggered: caret.blinkOn = !caret.blinkOn
            }

            // Steady while typing, blinking again when idle.
            Connections {
                target: input
                function onCursorPositionChanged() {
                    caret.blinkOn = true
                    blink.restart()
                }
            }
        }
    }

    Text {
        anchors.fill: input
        visible: input.text === ""
        text: textField.placeholderText
        font: input.font
        color: ColorManager.systemGrayColor
        verticalAlignment: Text.AlignVCenter
    }

    Text {
        id: unitLabel

        anchors.right: parent.right
        anchors.rightMargin: 12
        anchors.verticalCenter: parent.verticalCenter
        text: textField.unit
        font.pixelSize: input.font.pixelSize * 0.8
        color: ColorManager.systemGrayColor
    }

    // The field's name above its border once it holds text, as the placeholder gives way.
    Rectangle {
        x: 12
        y: -height / 2
        width: smallLabel.implicitWidth + 8
        height: smallLabel.implicitHeight
        visible: input.text !== ""
        color: ColorManager.systemBackgroundColor

        Text {
            id: smallLabel

            anchors.centerIn: parent
            text: textField.placeholderText
            font.pixelSize: 10 * TextScale.factor
            color: ColorManager.primaryDarkColor
        }
    }
}
