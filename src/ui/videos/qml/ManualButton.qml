import QtQuick
import QtQuick.Controls
import UnitCircle.Style
import UnitCircle.Shell

// The question mark that opens the help screen with the page's help image; absent without one.
ToolButton {
    id: button

    property string imageName

    objectName: "manualButton"
    width: 48
    height: 48
    visible: imageName !== ""
    focusPolicy: Qt.NoFocus
    Keys.onReturnPressed: clicked()
    Keys.onEnterPressed: clicked()
    Accessible.name: qsTranslate("ManualView", "Assistance")
    ToolTip.text: Accessible.name
    ToolTip.visible: hovered || pressed
    ToolTip.delay: pressed ? 0 : 600
    contentItem: Icon {
        implicitWidth: 24
        implicitHeight: 24
        name: "help"
        color: ColorManager.labelColor
    }
    onClicked: manualComponent.createObject(ApplicationWindow.window ? ApplicationWindow.window.contentItem : button,
                                            {imageName: button.imageName})

    Component {
        id: manualComponent

        ManualViewController {}
    }
}
