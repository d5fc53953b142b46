import QtQuick
import QtQuick.Controls

// The navigation drawer: the side menu slides in from the left over the main screen.
Drawer {
    id: drawer

    edge: Qt.LeftEdge

    MenuToolbarController {
        anchors.fill: parent
    }
}
