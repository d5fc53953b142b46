#include "app_startup.h"

#include <QtQml/qqmlextensionplugin.h>
#include <unistd.h>

#include <QApplication>
#include <QLocale>
#include <QQmlApplicationEngine>
#include <QQuickStyle>
#include <QQuickWindow>
#include <memory>
#include <string_view>
#include <utility>

#include "flow/calc_manager.h"
#include "flow/error_manager.h"
#include "flow/user_defaults.h"
#include "i18n/translations.h"
#include "services/remote_config_manager.h"
#include "ui/onboarding/dsgvo_manager.h"
#include "ui/onboarding/onboarding_manager.h"
#include "ui/shell/view_manager.h"
#include "ui/videos/video_collection_view_cell.h"

Q_IMPORT_QML_PLUGIN(UnitCircle_FlowPlugin)
Q_IMPORT_QML_PLUGIN(UnitCircle_StylePlugin)
Q_IMPORT_QML_PLUGIN(UnitCircle_ServicesPlugin)
Q_IMPORT_QML_PLUGIN(UnitCircle_ShellPlugin)
Q_IMPORT_QML_PLUGIN(UnitCircle_OnboardingPlugin)
Q_IMPORT_QML_PLUGIN(UnitCircle_RatingPlugin)
Q_IMPORT_QML_PLUGIN(UnitCircle_ChartsPlugin)
Q_IMPORT_QML_PLUGIN(UnitCircle_VideosPlugin)
Q_IMPORT_QML_PLUGIN(UnitCircle_SolutionPlugin)
Q_IMPORT_QML_PLUGIN(UnitCircle_CalculatePlugin)
Q_IMPORT_QML_PLUGIN(UnitCircle_PracticePlugin)
Q_IMPORT_QML_PLUGIN(UnitCircle_ExplorePlugin)
Q_IMPORT_QML_PLUGIN(UnitCircle_HistoryPlugin)
Q_IMPORT_QML_PLUGIN(UnitCircle_MenuPlugin)
Q_IMPORT_QML_PLUGIN(UnitCircle_PagesPlugin)
Q_IMPORT_QML_PLUGIN(UnitCircle_MathPlugin)
Q_IMPORT_QML_PLUGIN(UnitCircle_AppPlugin)

namespace uc::app {

const char* helpText() {
  return "Usage: unitcircle-app [--settings FILE] [--config-url URL]\n"
         "\n"
         "The unit-circle tutor: from an angle alpha in degrees or an arc length b in radians to\n"
         "the other, sin, cos and tan, step by step, with the unit circle and the graphs.\n"
         "\n"
         "  --settings FILE   keep history, input and practice in FILE, an SQLite database that\n"
         "                    several windows may share (also UNITCIRCLE_SETTINGS=FILE)\n"
         "  --config-url URL  where the remote configuration comes from: http:, https: or file:\n"
         "                    (also UNITCIRCLE_CONFIG_URL=URL)\n"
         "  -h, --help        print this help and exit\n"
         "\n"
         "Environment:\n"
         "  UNITCIRCLE_PROBE_URL=URL      asked first to see whether the network is there\n"
         "  UNITCIRCLE_APPEARANCE=dark    or light: instead of the system's appearance\n"
         "  LANG=de_DE.UTF-8              German\n"
         "\n"
         "Qt's own options, such as -platform NAME, work too.\n";
}

bool helpRequested(int argc, char* argv[]) {
  for (int i = 1; i < argc; ++i) {
    const std::string_view argument = argv[i];
    // "--settings -h" names a file.
    if (argument == "--settings" || argument == "--config-url") {
      ++i;
    } else if (argument == "--help" || argument == "-h") {
      return true;
    }
  }
  return false;
}

void prepareApplication() {
  // Folder names for the settings, the analytics log and the like.
  QCoreApplication::setApplicationName(QStringLiteral("unitcircle"));
  QQuickStyle::setStyle(QStringLiteral("Material"));
#ifdef UC_WITH_WEBVIEW
  // What the web engine needs from the start, set here instead of loading the engine at
  // start-up: it loads only when a video plays.
  QCoreApplication::setAttribute(Qt::AA_ShareOpenGLContexts);
  QQuickWindow::setGraphicsApi(QSGRendererInterface::OpenGL);
  VideoCollectionViewCell::setInAppPlayback(true);
  // Run as root (containers, CI), the engine's sandbox refuses to start and ends the whole
  // process at the first video; without the sandbox the player still works.
  if (::geteuid() == 0 && !qEnvironmentVariableIsSet("QTWEBENGINE_DISABLE_SANDBOX")) {
    qputenv("QTWEBENGINE_DISABLE_SANDBOX", "1");
  }
#endif
}

void configureApplication(QApplication& app) {
  i18n::installTranslations(i18n::languageFor(QLocale::system()));
  // Desktops match the window with its installed launcher entry by this name.
  QGuiApplication::setDesktopFileName(QStringLiteral("app.unitcircle.UnitCircle"));
  app.setApplicationDisplayName(QCoreApplication::translate(
      "Main", QCoreApplication::translate("Main", "appName").toUtf8().constData(),
      "The main app name"));

  // The remote configuration first: its catalogue and video lists as the last run left
  // them (or the bundled catalogue), then the store.
  // Fetched values are kept beside the settings, so a test's or a user's own settings file
  // brings its own configuration.
  RemoteConfigService::setSharedCacheFile(
      RemoteConfigService::cacheFileBeside(UserDefaults::standard().filePath()));
  RemoteConfigManager& config = RemoteConfigManager::shared();
  config.loadAll();
  CalcManager::shared().prepareFirstStart();

  // One fetch at start-up (startApplication) and one each time the app becomes active
  // again; a good document is activated and replaces the data sets at once, a bad one
  // changes nothing.
  QObject::connect(&app, &QGuiApplication::applicationStateChanged, &config,
                   [&config, wasActive = true](Qt::ApplicationState state) mutable {
                     const bool active = state == Qt::ApplicationActive;
                     if (active && !wasActive) config.fetch();
                     wasActive = active;
                   });
  // Another window on the same store may have changed the history meanwhile.
  QObject::connect(&app, &QGuiApplication::applicationStateChanged, &CalcManager::shared(),
                   [](Qt::ApplicationState state) {
                     if (state == Qt::ApplicationActive) CalcManager::shared().reloadIfChanged();
                   });

  ViewManager& views = ViewManager::shared();
  ErrorManager& errors = ErrorManager::shared();
  QObject::connect(&errors, &ErrorManager::toastRequested, &views,
                   qOverload<const QString&>(&ViewManager::showToast));
  QObject::connect(&errors, &ErrorManager::alertRequested, &views,
                   qOverload<const QString&, const QString&>(&ViewManager::showAlert));
}

void presentFirstRunScreens() {
  OnboardingManager& onboarding = OnboardingManager::shared();
  if (!onboarding.isOnboardingFinished()) {
    onboarding.present(OnboardingManager::Sequence::Introduction,
                       OnboardingManager::Presentation::OverFullScreen, false);
  }
  // Independent of the pages: a notice not yet accepted comes at every launch, and the
  // alert lies above the pages when both show.
  DsgvoManager& dsgvo = DsgvoManager::shared();
  if (!dsgvo.isDsgvoAccepted()) dsgvo.showPrivacyNotice();
}

QQuickWindow* loadMainWindow(QQmlApplicationEngine& engine) {
  // Our modules live under :/qt/qml, the typesetter's under :/.
  engine.addImportPath(QStringLiteral("qrc:/qt/qml"));
  engine.addImportPath(QStringLiteral("qrc:/"));
  engine.load(QUrl(QString::fromLatin1(kMainQmlUrl)));
  if (engine.rootObjects().isEmpty()) return nullptr;
  return qobject_cast<QQuickWindow*>(engine.rootObjects().constFirst());
}

int startApplication(QApplication& app, QQmlApplicationEngine& engine) {
  configureApplication(app);
  // Before the window loads, so that a first launch's pages are in its first frame and the
  // input page never flashes up before them.
  presentFirstRunScreens();
  QQuickWindow* window = loadMainWindow(engine);
  if (!window) return 1;
  // The first fetch waits for the first frame: setting up the network and TLS would
  // otherwise delay it.
  // Queued, so several frames may already be on their way: only the first one counts.
  auto fetched = std::make_shared<bool>(false);
  QObject::connect(
      window, &QQuickWindow::frameSwapped, &RemoteConfigManager::shared(),
      [fetched] {
        if (std::exchange(*fetched, true)) return;
        RemoteConfigManager::shared().fetch();
      },
      Qt::QueuedConnection);
  return 0;
}

}  // namespace uc::app
