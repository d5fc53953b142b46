// The history with 10 000 stored calculations, in the real window: the store's load, the
// time from asking for the history to its first frame, frame intervals while the list is
// flicked through, and the time from a tap on an entry to the frame with its filled field.
//
// Run under an X server (scripts/measure-app starts Xvfb). Prints figures; never fails on
// slowness.
#include <QApplication>
#include <QElapsedTimer>
#include <QQmlApplicationEngine>
#include <QQuickItem>
#include <QQuickWindow>
#include <QTemporaryDir>
#include <QTest>
#include <algorithm>
#include <cstdio>
#include <vector>

#include "app/app_startup.h"
#include "flow/calc_manager.h"
#include "flow/summary_line.h"
#include "flow/user_defaults.h"
#include "frame_timing.h"
#include "returning_user.h"
#include "ui/shell/navigation.h"
#include "window_items.h"

int main(int argc, char* argv[]) {
  uc::app::prepareApplication();
  QApplication app(argc, argv);
  QTemporaryDir dir;
  const QString settings = dir.filePath("settings.jsonl");
  qputenv("UNITCIRCLE_CONFIG_URL", QUrl::fromLocalFile(dir.filePath("none.json")).toEncoded());
  {
    uc::UserDefaults defaults(settings);
    uc::CalcManager store(defaults);
    for (int i = 0; i < 10000; ++i) {
      store.insertCalculation(
          i % 2
              ? uc::calculationForStoring(QString::number(i * 7 % 720 - 360), {})
              : uc::calculationForStoring({}, QStringLiteral("%1π/%2").arg(i % 13).arg(i % 7 + 1)));
    }
  }

  QElapsedTimer load;
  load.start();
  {
    uc::UserDefaults defaults(settings);
    uc::CalcManager store(defaults);
  }
  std::printf("store load, 10 000 records: %.1f ms\n", double(load.nsecsElapsed()) / 1e6);

  uc::UserDefaults::setStandardFilePath(settings);
  settleAsReturningUser();
  QQmlApplicationEngine engine;
  if (uc::app::startApplication(app, engine) != 0) return 1;
  auto* window = qobject_cast<QQuickWindow*>(engine.rootObjects().value(0));
  window->resize(400, 800);
  if (!QTest::qWaitForWindowExposed(window)) return 1;
  QTest::qWait(500);

  QElapsedTimer timer;
  timer.start();
  uc::Navigation::shared().goToHistory();
  double first = nextFrame(window, timer);
  while (!findItem(window->contentItem(), QLatin1String("historyCell")))
    first = nextFrame(window, timer);
  std::printf("history shown -> first frame with rows: %.1f ms\n", first);

  QQuickItem* list = findItem(window->contentItem(), QLatin1String("historyList"));
  std::vector<double> intervals;
  double last = nextFrame(window, timer);
  for (int frame = 0; frame < 240; ++frame) {
    // About three screens a second, as a brisk flick.
    list->setProperty("contentY", list->property("contentY").toDouble() + 40);
    const double now = nextFrame(window, timer);
    intervals.push_back(now - last);
    last = now;
  }
  std::printf("flicking, %zu frames: p50 %.1f ms, p95 %.1f ms, max %.1f ms\n", intervals.size(),
              percentile(intervals, 0.5), percentile(intervals, 0.95),
              *std::max_element(intervals.begin(), intervals.end()));

  list->setProperty("contentY", 0);
  nextFrame(window, timer);
  QQuickItem* row = findItem(window->contentItem(), QLatin1String("historyCell"));
  const QPoint tap = centre(row);
  timer.restart();
  QTest::mouseClick(window, Qt::LeftButton, {}, tap);
  double filled = nextFrame(window, timer);
  for (int i = 0; i < 100; ++i) {
    QQuickItem* field = findItem(window->contentItem(), QLatin1String("alphaTextField"));
    QQuickItem* bField = findItem(window->contentItem(), QLatin1String("bTextField"));
    if ((field && !field->property("text").toString().isEmpty()) ||
        (bField && !bField->property("text").toString().isEmpty()))
      break;
    filled = nextFrame(window, timer);
  }
  std::printf("tap on an entry -> frame with its filled field: %.1f ms\n", filled);
  return 0;
}
