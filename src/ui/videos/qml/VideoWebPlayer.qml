import QtQuick
import QtWebView

// The app's own player: the embed page, loaded only when a video plays. A page that does
// not load reports it, and the item shows its no-connection state.
WebView {
    id: player

    property string html
    signal failed

    objectName: "videoWebPlayer"
    onHtmlChanged: if (html !== "") loadHtml(html, "https://unitcircle.app/")
    onLoadingChanged: request => {
        if (request.status === WebView.LoadFailedStatus)
            player.failed()
    }
}
