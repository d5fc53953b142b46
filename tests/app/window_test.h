#pragma once

#include <QApplication>
#include <QQmlApplicationEngine>
#include <QQuickWindow>
#include <QTemporaryDir>
#include <QTest>
#include <QUrl>
#include <memory>

#include "app/app_startup.h"
#include "flow/user_defaults.h"
#include "services/analytics.h"

// Starts the app in engine as a returning user (introduction, privacy notice and rating
// prompt done, so nothing lies over the keys) in a phone-sized window; null if it failed.
inline QQuickWindow* startAsReturningUser(QQmlApplicationEngine& engine) {
  for (const char* key : {"isOnboardingFinished", "isDsgvoAccepted", "isRatingAlreadyDone"}) {
    uc::UserDefaults::standard().setBool(QString::fromLatin1(key), true);
  }
  if (uc::app::startApplication(*qApp, engine) != 0) return nullptr;
  auto* window = qobject_cast<QQuickWindow*>(engine.rootObjects().value(0));
  if (window) window->resize(360, 640);
  return window;
}

// The usual start of a window test: settings as the store, analytics into recorder, the app
// as a returning user, shown; null if it failed.
inline QQuickWindow* startRecordedWindow(const QString& settings, QQmlApplicationEngine& engine,
                                         const std::shared_ptr<uc::RecordingAnalyticsSink>& recorder) {
  uc::UserDefaults::setStandardFilePath(settings);
  uc::Analytics::setSink(recorder);
  QQuickWindow* window = startAsReturningUser(engine);
  return window && QTest::qWaitForWindowExposed(window) ? window : nullptr;
}

// Runs the window test Test, made from the path of a fresh settings file, in an application
// prepared as the app's own. The configuration comes from a local file: tests never reach
// outside hosts.
template <typename Test>
int runWindowTest(int argc, char* argv[]) {
  uc::app::prepareApplication();
  QApplication app(argc, argv);
  QTemporaryDir dir;
  qputenv("UNITCIRCLE_CONFIG_URL", QUrl::fromLocalFile(dir.filePath("config.json")).toEncoded());
  Test test(dir.filePath("settings.jsonl"));
  return QTest::qExec(&test, argc, argv);
}
