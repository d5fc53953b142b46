import QtQuick
import QtQuick.Controls
import UnitCircle.Style
import UnitCircle.Math
import UnitCircle.Shell

// One solution step: its title, then its formula, which scrolls sideways when it is wider
// than the row; or a plain message instead of the formula.
Item {
    id: cell

    property string title
    property bool boldTitle
    property string latex
    property string message
    property real rowHeight: 100
    property bool large
    // The step last tapped, whose part the unit circle stresses: tinted, with a bar on its left.
    property bool marked

    readonly property alias stepTitleLabel: stepTitleLabel
    readonly property alias mathLabel: mathLabel
    readonly property alias scrollView: scrollView

    // A tap on the row: the unit circle shows what this step works out.
    signal tapped

    // Read out as one item: the title, then the formula as words (or the message).
    objectName: "solutionStepCell"
    Accessible.role: Accessible.ListItem
    Accessible.name: {
        const body = cell.message !== "" ? cell.message : mathLabel.spokenText
        return cell.title !== "" ? cell.title + ": " + body : body
    }
    Accessible.onPressAction: cell.tapped()

    // One stop of the page's keyboard order; Enter or Space does what a tap does.
    function focusStops() { return [cell] }
    Keys.onReturnPressed: cell.tapped()
    Keys.onEnterPressed: cell.tapped()
    Keys.onSpacePressed: cell.tapped()
    FocusFrame {}

    TapHandler {
        onTapped: cell.tapped()
    }

    Rectangle {
        objectName: "stepMark"
        anchors.fill: parent
        visible: cell.marked
        color: Qt.rgba(ColorManager.tintColor.r, ColorManager.tintColor.g, ColorManager.tintColor.b, 0.12)

        Rectangle {
            width: 4
            height: parent.height
            color: ColorManager.tintColor
        }
    }

    implicitHeight: Math.max(rowHeight,
                             stepTitleLabel.y + stepTitleLabel.height + 8
                             + (message !== "" ? messageLabel.implicitHeight : mathLabel.height) + 12)

    Label {
        id: stepTitleLabel

        objectName: "stepTitleLabel"
        x: 16
        y: 10
        width: cell.width - 2 * x
        text: cell.title
        color: ColorManager.labelColor
        font.pixelSize: (cell.large ? 18 : 14) * TextScale.factor
        font.weight: cell.boldTitle ? Font.ExtraBold : Font.Normal
        // Long titles (large text, German) go on to a second line rather than being cut.
        wrapMode: Text.Wrap
    }

    Flickable {
        id: scrollView

        objectName: "formulaScrollView"
        anchors.top: stepTitleLabel.bottom
        anchors.topMargin: 8
        anchors.left: parent.left
        anchors.right: parent.right
        anchors.bottom: parent.bottom
        visible: cell.message === ""
        clip: true
        contentWidth: mathLabel.x + mathLabel.width + 48 + stepTitleLabel.x
        contentHeight: height
        flickableDirection: Flickable.HorizontalFlick
        boundsBehavior: Flickable.StopAtBounds
        interactive: contentWidth > width
        // A thin line under formulas that go on sideways.
        ScrollIndicator.horizontal: ScrollIndicator {
            active: scrollView.interactive
        }

        MathLabel {
            id: mathLabel

            objectName: "mathLabel"
            x: stepTitleLabel.x + 4
            anchors.verticalCenter: parent.verticalCenter
            latex: cell.message === "" ? cell.latex : ""
            fontSize: (cell.large ? 26 : 20) * TextScale.factor
            color: ColorManager.labelColor
        }
    }

    Label {
        id: messageLabel

        objectName: "messageLabel"
        x: 28
        anchors.top: stepTitleLabel.bottom
        anchors.topMargin: 8
        width: cell.width - x - 16
        visible: cell.message !== ""
        text: cell.message
        color: ColorManager.labelColor
        font.pixelSize: 16 * TextScale.factor
        wrapMode: Text.Wrap
    }

    Rectangle {
        anchors.bottom: parent.bottom
        anchors.left: parent.left
        anchors.leftMargin: 16
        anchors.right: parent.right
        height: 1
        color: ColorManager.systemGray4Color
    }
}
