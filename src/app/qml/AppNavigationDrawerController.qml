import QtQuick
import QtQuick.Controls
import UnitCircle.Menu

// The navigation drawer: the side menu slides in from the left over the main screen.
Drawer {
    id: drawer

    edge: Qt.LeftEdge

    MenuToolbarController {
        anchors.fill: parent
    }
}
