import QtQuick
import QtQuick.Controls
import QtQuick.Controls.Material
import UnitCircle.Style
import UnitCircle.Menu

// The side menu's rows; the controller decides what they are and what a tap does. Shown and
// hidden with the drawer, which is when menu updates start and stop refilling it.
Rectangle {
    id: view

    readonly property alias controller: controller

    color: ColorManager.primaryColor

    // The menu opens at its top, wherever it was left.
    function viewWillAppear() {
        controller.viewWillAppear()
        list.positionViewAtBeginning()
    }

    function viewWillDisappear() {
        controller.viewWillDisappear()
    }

    // The drawer's popup item is shown while it opens and hidden once it has closed.
    onVisibleChanged: visible ? viewWillAppear() : viewWillDisappear()
    Component.onCompleted: if (visible) viewWillAppear()

    LeftViewControllerLogic {
        id: controller
    }

    ListView {
        id: list

        objectName: "leftMenuList"
        anchors.fill: parent
        clip: true
        boundsBehavior: Flickable.StopAtBounds
        model: controller

        delegate: Item {
            id: entry

            required property string kind
            required property int sectionIndex
            required property int rowIndex
            required property string title
            readonly property bool isHeader: kind === "header"

            width: ListView.view.width
            // Rows and headers grow with the text size (a header of height 0 stays hidden).
            height: (isHeader ? controller.headerHeight : controller.rowHeight) * TextScale.factor

            Rectangle {
                anchors.fill: parent
                visible: entry.isHeader
                color: ColorManager.secondaryColor

                Label {
                    x: 3
                    width: parent.width - 3
                    height: parent.height
                    text: entry.title
                    color: ColorManager.darkTextColor
                    font.pixelSize: 16 * TextScale.factor
                    font.weight: Font.Medium
                    verticalAlignment: Text.AlignVCenter
                    elide: Text.ElideRight
                }
            }

            ItemDelegate {
                objectName: "leftMenuRow"
                anchors.fill: parent
                visible: !entry.isHeader
                text: entry.title
                onClicked: controller.didSelectRow(entry.sectionIndex, entry.rowIndex)

                background: Rectangle {
                    color: parent.down ? Qt.darker(ColorManager.primaryColor, 1.08)
                                       : ColorManager.primaryColor
                }
                contentItem: Label {
                    text: parent.text
                    color: ColorManager.darkTextColor
                    font.pixelSize: 17 * TextScale.factor
                    font.weight: Font.Medium
                    fontSizeMode: Text.HorizontalFit
                    minimumPixelSize: 10
                    verticalAlignment: Text.AlignVCenter
                    elide: Text.ElideRight
                }
            }
        }
    }
}
