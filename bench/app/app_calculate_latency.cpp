// From the tap on calculate to the first frame that shows the result page with its first
// rows typeset, in the real window; then the peak memory after ten calculations.
//
// Run under an X server (scripts/measure-app starts Xvfb). Prints figures; never fails on
// slowness.
#include <QApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QQmlApplicationEngine>
#include <QQuickItem>
#include <QQuickWindow>
#include <QTemporaryDir>
#include <QTest>
#include <algorithm>
#include <atomic>
#include <cstdio>
#include <vector>

#include "app/app_startup.h"
#include "flow/user_defaults.h"
#include "returning_user.h"
#include "window_items.h"

namespace {

// "VmHWM" (peak) or "VmRSS" (now) of this process, in MiB.
double memoryMiB(const char* field) {
  QFile status(QStringLiteral("/proc/self/status"));
  if (!status.open(QIODevice::ReadOnly)) return -1;
  for (const QByteArray& line : status.readAll().split('\n')) {
    if (line.startsWith(field)) {
      return line.mid(int(qstrlen(field)) + 1).trimmed().split(' ').first().toDouble() / 1024.0;
    }
  }
  return -1;
}

double median(std::vector<double> values) {
  std::sort(values.begin(), values.end());
  return values.empty() ? 0 : values[values.size() / 2];
}

}  // namespace

int main(int argc, char* argv[]) {
  QTemporaryDir dir;
  uc::UserDefaults::setStandardFilePath(dir.filePath(QStringLiteral("settings.jsonl")));
  settleAsReturningUser();
  uc::app::prepareApplication();
  QApplication app(argc, argv);
  QQmlApplicationEngine engine;
  uc::app::configureApplication(app);
  QQuickWindow* window = uc::app::loadMainWindow(engine);
  if (!window) return 1;
  window->resize(360, 640);
  if (!QTest::qWaitForWindowExposed(window)) return 1;
  QTest::qWait(300);
  const double startRss = memoryMiB("VmRSS:");

  QElapsedTimer clock;
  clock.start();
  // Frames are timed on the render thread: when the scene was handed over (after the sync,
  // with the GUI thread blocked) and when the frame reached the screen.
  std::atomic<qint64> lastSync{0};
  std::atomic<qint64> lastSwap{0};
  QObject::connect(
      window, &QQuickWindow::afterSynchronizing, window, [&] { lastSync = clock.nsecsElapsed(); },
      Qt::DirectConnection);
  QObject::connect(
      window, &QQuickWindow::frameSwapped, window, [&] { lastSwap = clock.nsecsElapsed(); },
      Qt::DirectConnection);

  auto tap = [&](const char* name) {
    QQuickItem* item = findItem(window->contentItem(), QLatin1String(name));
    if (!item) qFatal("no %s", name);
    QTest::mouseClick(window, Qt::LeftButton, {}, centre(item));
  };
  // The first frame on screen whose scene was taken after `since`.
  auto frameAfter = [&](qint64 since) {
    while (lastSync.load() <= since) QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
    const qint64 synced = lastSync.load();
    while (lastSwap.load() <= synced) QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
    return lastSwap.load();
  };

  const int runs = argc > 1 ? std::max(10, atoi(argv[1])) : 20;
  std::vector<double> firstFrame, handling, settled;
  double peakAfterTen = 0;
  for (int run = 0; run < runs; ++run) {
    tap("toolbarRemoveButton");
    QTest::qWait(350);  // back on the input page, its slide finished
    for (const char* key : {"key_4", "key_5"}) tap(key);
    QTest::qWait(50);

    QQuickItem* calculate = findItem(window->contentItem(), QLatin1String("calculateButton"));
    const QPoint at = centre(calculate);
    QTest::mousePress(window, Qt::LeftButton, {}, at);
    const qint64 tapped = clock.nsecsElapsed();
    QTest::mouseRelease(window, Qt::LeftButton, {}, at);
    const qint64 handled = clock.nsecsElapsed();
    const qint64 shown = frameAfter(handled);

    QQuickItem* label = findItem(window->contentItem(), QLatin1String("mathLabel"));
    QQuickItem* swipe = findItem(window->contentItem(), QLatin1String("pageSwipeView"));
    if (!label || !swipe || swipe->property("currentIndex").toInt() != 1) {
      qFatal("the result page did not come up");
    }
    // The slide to the result page ends when the page list stops moving.
    QObject* pages = qvariant_cast<QObject*>(swipe->property("contentItem"));
    qint64 still = shown;
    while (pages && pages->property("moving").toBool()) still = frameAfter(still);
    firstFrame.push_back(double(shown - tapped) / 1e6);
    handling.push_back(double(handled - tapped) / 1e6);
    settled.push_back(double(frameAfter(still) - tapped) / 1e6);
    if (run == 9) peakAfterTen = memoryMiB("VmHWM:");
  }

  std::printf(
      "calculate tap -> first frame with the result page and its rows typeset: "
      "median %.1f ms, min %.1f, max %.1f (%d runs)\n",
      median(firstFrame), *std::min_element(firstFrame.begin(), firstFrame.end()),
      *std::max_element(firstFrame.begin(), firstFrame.end()), runs);
  std::printf("  of which handling the tap (solve, store, build the rows): median %.1f ms\n",
              median(handling));
  std::printf("  page slide finished: median %.1f ms after the tap\n", median(settled));
  std::printf(
      "memory: %.1f MiB resident after start; peak (VmHWM) %.1f MiB after 10 "
      "calculations, %.1f MiB after %d\n",
      startRss, peakAfterTen, memoryMiB("VmHWM:"), runs);
  std::fflush(stdout);
  std::_Exit(0);
}
