#include "app_startup.h"

#include <QtQml/qqmlextensionplugin.h>

#include <QApplication>
#include <QLocale>
#include <QQmlApplicationEngine>
#include <QQuickStyle>
#include <QQuickWindow>

#include "flow/calc_manager.h"
#include "flow/error_manager.h"
#include "i18n/translations.h"
#include "ui/shell/view_manager.h"

Q_IMPORT_QML_PLUGIN(UnitCircle_FlowPlugin)
Q_IMPORT_QML_PLUGIN(UnitCircle_StylePlugin)
Q_IMPORT_QML_PLUGIN(UnitCircle_ServicesPlugin)
Q_IMPORT_QML_PLUGIN(UnitCircle_ShellPlugin)
Q_IMPORT_QML_PLUGIN(UnitCircle_ScreensPlugin)
Q_IMPORT_QML_PLUGIN(UnitCircle_MathPlugin)
Q_IMPORT_QML_PLUGIN(UnitCircle_AppPlugin)

namespace uc::app {

void prepareApplication() {
  // Folder names for the settings, the analytics log and the like.
  QCoreApplication::setApplicationName(QStringLiteral("unitcircle"));
  QQuickStyle::setStyle(QStringLiteral("Material"));
}

void configureApplication(QApplication& app) {
  i18n::installTranslations(i18n::languageFor(QLocale::system()));
  app.setApplicationDisplayName(QCoreApplication::translate(
      "Main", QCoreApplication::translate("Main", "appName").toUtf8().constData(),
      "The main app name"));

  // The remote configuration is set up here once it exists, before the store.
  CalcManager::shared().prepareFirstStart();

  ViewManager& views = ViewManager::shared();
  ErrorManager& errors = ErrorManager::shared();
  QObject::connect(&errors, &ErrorManager::toastRequested, &views, &ViewManager::showToast);
  QObject::connect(&errors, &ErrorManager::alertRequested, &views, &ViewManager::showAlert);
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
  return loadMainWindow(engine) ? 0 : 1;
}

}  // namespace uc::app
