#pragma once

#include <QApplication>
#include <QQmlApplicationEngine>
#include <QQuickWindow>
#include <QTemporaryDir>
#include <QTest>
#include <QUrl>

#include "app/app_startup.h"
#include "flow/user_defaults.h"

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
