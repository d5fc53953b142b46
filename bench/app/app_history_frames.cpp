// The history with many stored calculations (10 000 unless given), in the real window: the
// store's load, resident memory, the time from asking for the history to its first frame,
// frame intervals while the list is flicked through, and the time from a tap on an entry to
// the frame with its filled field.
//
//   bench_app_history_frames --seed FILE RECORDS   stores them in a returning user's FILE
//   bench_app_history_frames --settings FILE       measures the history of FILE
//   bench_app_history_frames                       both, with 10 000 records in a temporary file
//
// Seeding in a process of its own keeps the memory it used out of the figures.
//
// Run under an X server (scripts/measure-app starts Xvfb). Prints figures; never fails on
// slowness.
#include <QApplication>
#include <QDateTime>
#include <QElapsedTimer>
#include <QFile>
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
#include "ui/shell/navigation.h"
#include "window_items.h"

namespace {

// A returning user's settings file holding that many calculations, as years of use leave it.
// Its first start is long past, so the app keeps them instead of seeding its sample.
void seedHistory(const QString& settings, int records) {
  uc::UserDefaults defaults(settings);
  defaults.setDate(QString::fromLatin1(uc::store_keys::kFirstAppStartAt),
                   QDateTime::currentDateTimeUtc());
  for (const char* key : {"isOnboardingFinished", "isDsgvoAccepted", "isRatingAlreadyDone"}) {
    defaults.setBool(QString::fromLatin1(key), true);
  }
  uc::CalcManager store(defaults);
  for (int i = 0; i < records; ++i) {
    store.insertCalculation(
        i % 2 ? uc::calculationForStoring(QString::number(i * 7 % 720 - 360), {})
              : uc::calculationForStoring({}, QStringLiteral("%1π/%2").arg(i % 13).arg(i % 7 + 1)));
  }
}

// Resident memory of this process in MiB, from the kernel's own count.
double residentMiB() {
  QFile status(QStringLiteral("/proc/self/status"));
  if (!status.open(QIODevice::ReadOnly)) return -1;
  for (const QByteArray& line : status.readAll().split('\n')) {
    if (line.startsWith("VmRSS:"))
      return line.mid(6).trimmed().split(' ').value(0).toDouble() / 1024;
  }
  return -1;
}

}  // namespace

int main(int argc, char* argv[]) {
  const QStringList arguments = [&] {
    QStringList list;
    for (int i = 1; i < argc; ++i) list << QString::fromLocal8Bit(argv[i]);
    return list;
  }();
  if (arguments.value(0) == QLatin1String("--seed")) {
    QCoreApplication core(argc, argv);
    seedHistory(arguments.value(1), arguments.value(2).toInt());
    return 0;
  }

  uc::app::prepareApplication();
  QApplication app(argc, argv);
  QTemporaryDir dir;
  const bool given = arguments.value(0) == QLatin1String("--settings");
  const QString settings = given ? arguments.value(1) : dir.filePath("settings.db");
  qputenv("UNITCIRCLE_CONFIG_URL", QUrl::fromLocalFile(dir.filePath("none.json")).toEncoded());
  if (!given) seedHistory(settings, 10000);

  QElapsedTimer load;
  load.start();
  int records = 0;
  {
    uc::UserDefaults defaults(settings);
    uc::CalcManager store(defaults);
    records = store.count();
  }
  std::printf("history of %d records: store load %.1f ms\n", records,
              double(load.nsecsElapsed()) / 1e6);

  uc::UserDefaults::setStandardFilePath(settings);
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
  std::printf("resident memory with the history shown: %.1f MiB\n", residentMiB());

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
