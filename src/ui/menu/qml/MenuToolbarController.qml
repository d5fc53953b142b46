import QtQuick
import QtQuick.Controls
import QtQuick.Controls.Material
import UnitCircle.Style

// The side menu under its own toolbar, which carries the app's name.
Page {
    id: menu

    readonly property string appName: qsTranslate("Main", qsTranslate("Main", "appName"),
                                                  "The main app name")

    background: Rectangle { color: ColorManager.primaryColor }

    header: ToolBar {
        height: 90
        Material.elevation: 0
        background: Rectangle { color: ColorManager.primaryDarkColor }

        Label {
            objectName: "menuTitle"
            anchors.fill: parent
            anchors.topMargin: 57
            text: "  " + menu.appName + "  "
            color: ColorManager.darkTextColor
            font.pixelSize: 20 * TextScale.factor
            font.weight: Font.ExtraBold
            fontSizeMode: Text.HorizontalFit
            minimumPixelSize: 10
            verticalAlignment: Text.AlignVCenter
        }
    }

    // Calculation, history, introduction, privacy, contact and the maker's other apps.
    LeftViewController {
        id: leftView

        objectName: "leftViewController"
        anchors.fill: parent
    }
    readonly property alias leftViewController: leftView
}
