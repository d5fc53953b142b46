import QtQuick
import UnitCircle.Style

// The card a chart is drawn on, with the app's card shadow: rings of the shadow's colour that
// fade over its radius, offset as the shadow says (down in light appearance, all round in dark).
Item {
    id: card

    // The palette it is drawn in.
    property QtObject colors: ColorManager
    readonly property var shadow: colors.cardShadow()
    readonly property real cornerRadius: 10
    readonly property int rings: Math.max(1, Math.round(shadow.radius * 2))

    objectName: "chartCard"

    Repeater {
        model: card.rings

        Rectangle {
            required property int index
            readonly property real spread: (card.rings - index) * card.shadow.radius / card.rings

            x: card.shadow.offsetX - spread
            y: card.shadow.offsetY - spread
            width: card.width + 2 * spread
            height: card.height + 2 * spread
            radius: card.cornerRadius + spread
            color: card.shadow.color
            // Together as opaque as the shadow next to the card, fainter outwards.
            opacity: card.shadow.opacity / card.rings
        }
    }

    Rectangle {
        anchors.fill: parent
        radius: card.cornerRadius
        color: card.colors.systemBackgroundColor
    }
}
