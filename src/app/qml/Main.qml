import QtQuick
import QtQuick.Controls
import QtQuick.Controls.Material
import UnitCircle.Style
import UnitCircle.Shell
import UnitCircle.Onboarding
import UnitCircle.Rating

// The one window: the drawer with the side menu, and as its root the toolbar over the two
// pages "Input" and "Result".
ApplicationWindow {
    id: window

    objectName: "mainWindow"
    width: 400
    height: 720
    visible: true
    title: Qt.application.displayName

    // Larger type and keys from the short side of a small tablet up.
    readonly property bool isTablet: Math.min(width, height) >= 600
    // Phones draw the window under their status bar; desktops have none.
    readonly property int statusBarHeight: Qt.platform.os === "android" || Qt.platform.os === "ios" ? 24 : 0
    readonly property alias rootContent: rootContent

    Material.theme: ColorManager.darkAppearance ? Material.Dark : Material.Light
    Material.primary: ColorManager.primaryColor
    Material.accent: ColorManager.tintColor
    color: ColorManager.systemBackgroundColor

    // The input page comes first; what is not on screen at the start (the drawer, the overlay,
    // alerts and messages) is built right after the first frame, so the window shows sooner.
    property bool firstFrameShown: false
    readonly property Drawer drawer: drawerLoader.item

    Connections {
        target: window
        enabled: !window.firstFrameShown
        function onFrameSwapped() {
            window.firstFrameShown = true
        }
    }
    Component.onCompleted: ViewManager.window = window

    // Text size: Ctrl and + or - in steps of 25 % between 100 % and 200 %, Ctrl+0 back to
    // 100 %. The new size is said in a message, also when it is already at the end.
    function changeTextSize(change) {
        change()
        ViewManager.showToast(qsTranslate("TextScale", "textSize").arg(TextScale.percent))
    }
    Shortcut {
        sequences: [StandardKey.ZoomIn, "Ctrl+="]
        context: Qt.ApplicationShortcut
        onActivated: window.changeTextSize(() => TextScale.enlarge())
    }
    Shortcut {
        sequences: [StandardKey.ZoomOut]
        context: Qt.ApplicationShortcut
        onActivated: window.changeTextSize(() => TextScale.reduce())
    }
    Shortcut {
        sequence: "Ctrl+0"
        context: Qt.ApplicationShortcut
        onActivated: window.changeTextSize(() => TextScale.reset())
    }

    Rectangle {
        objectName: "statusBar"
        width: parent.width
        height: window.statusBarHeight
        color: ColorManager.primaryDarkColor
    }

    // The drawer's root content; the menu's navigation replaces what it shows.
    Item {
        id: rootContent

        anchors.fill: parent
        anchors.topMargin: window.statusBarHeight

        // Rebuilt whole when the menu goes to the calculation: fresh input and result pages.
        Loader {
            id: mainScreen

            anchors.fill: parent
            sourceComponent: AppToolbarController {}
        }
    }

    readonly property Item appToolbarController: mainScreen.item

    // The drawer navigation of the menu and the history.
    Connections {
        target: Navigation
        function onCalculationRequested() {
            mainScreen.active = false
            mainScreen.active = true
            window.closeDrawer()
        }
        function onHistoryRequested() {
            mainScreen.item.showHistory()
            window.closeDrawer()
        }
        function onPracticeRequested() {
            mainScreen.item.showPractice()
            window.closeDrawer()
        }
        function onExploreRequested() {
            mainScreen.item.showExplore()
            window.closeDrawer()
        }
        function onDrawerOpenRequested() {
            window.openDrawer()
        }
        function onDrawerCloseRequested() {
            window.closeDrawer()
        }
        function onPresentationRequested(solution) {
            if (presentationLoader.active)
                return
            window.closeDrawer()
            presentationLoader.solution = solution
            presentationLoader.active = true
        }
        function onPresentationEnded() {
            // Once the key or tap that ended it has been handled.
            Qt.callLater(() => presentationLoader.active = false)
        }
    }

    Loader {
        id: drawerLoader

        // A tap on the menu button before then builds it at once.
        active: window.firstFrameShown
        asynchronous: !window.drawerWanted
        source: "AppNavigationDrawerController.qml"
        onLoaded: {
            item.y = Qt.binding(() => window.statusBarHeight)
            item.width = Qt.binding(() => Math.min(window.width * 0.8, 320))
            item.height = Qt.binding(() => window.height - window.statusBarHeight)
            item.interactive = Qt.binding(() => !AppState.isCalculating)
            // An open modal drawer takes the drags and wheel turns that a page presented from
            // the menu (the privacy notice, the introduction) needs to scroll; that page dims
            // it anyway.
            item.modal = Qt.binding(() => !ViewManager.alertVisible
                                    && !OnboardingManager.presented)
            if (window.drawerWanted)
                item.open()
        }
    }
    property bool drawerWanted: false

    function closeDrawer() {
        if (drawer)
            drawer.close()
        drawerWanted = false
    }

    function openDrawer() {
        if (drawer) {
            drawer.open()
        } else {
            drawerWanted = true
            drawerLoader.active = true
        }
    }

    Loader {
        active: window.firstFrameShown
        asynchronous: true
        source: "qrc:/qt/qml/UnitCircle/Shell/LoadingOverlay.qml"
    }

    Loader {
        active: window.firstFrameShown || ViewManager.alertVisible
        asynchronous: true
        source: "qrc:/qt/qml/UnitCircle/Shell/AlertDialog.qml"
    }

    // The onboarding pages while a sequence is presented: on a first launch from the first
    // frame on, over everything but the alerts.
    Loader {
        active: OnboardingManager.presented
        source: "qrc:/qt/qml/UnitCircle/Onboarding/OnboardingViewController.qml"
    }

    // The rating prompt while it is presented, and until it has faded out.
    Loader {
        id: ratingLoader

        property bool fadingOut: false

        active: RatingViewControllerLogic.promptVisible || fadingOut
        source: "qrc:/qt/qml/UnitCircle/Rating/RatingViewController.qml"
        onLoaded: fadingOut = true

        Connections {
            target: ratingLoader.item
            function onClosed() {
                ratingLoader.fadingOut = false
            }
        }
    }

    // A solution presented to a class, full screen, over everything but the messages.
    Loader {
        id: presentationLoader

        property QtObject solution

        objectName: "presentationLoader"
        anchors.fill: parent
        active: false
        source: "qrc:/qt/qml/UnitCircle/Presentation/PresentationViewController.qml"
        onLoaded: {
            item.controller.solution = solution
            item.controller.enter()
        }
        onActiveChanged: if (!active) solution = null
    }

    ToastLayer {}
}
