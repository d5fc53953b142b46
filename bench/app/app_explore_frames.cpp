// The Explore screen in the real window: a mouse drags the point round the circle, two turns
// at 60 moves a second, and this prints the frame intervals, the time from each move to the
// frame that shows it, the work of the GUI thread per move and of each frame (polish, sync,
// render), and where that work goes: the controller alone, and the drag again with the
// graph's moving parts or the values panel's formulas held still.
//
//   bench_app_explore_frames [WIDTH HEIGHT]   (default 400 800, a phone)
//
// Run under an X server (scripts/measure-app starts Xvfb). Prints figures; never fails on
// slowness.
#include <QApplication>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QMutex>
#include <QQmlApplicationEngine>
#include <QQmlProperty>
#include <QQuickItem>
#include <QQuickWindow>
#include <QSGRendererInterface>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <algorithm>
#include <cmath>
#include <cstdio>
#include <ctime>
#include <utility>
#include <vector>

#include "app/app_startup.h"
#include "flow/user_defaults.h"
#include "frame_timing.h"
#include "returning_user.h"
#include "ui/explore/explore_view_controller.h"
#include "ui/shell/navigation.h"
#include "window_items.h"

namespace {

// CPU time of the calling thread in ms: unlike the clock, it leaves out the time other
// processes on a shared machine took.
double threadCpuMs() {
  timespec now{};
  clock_gettime(CLOCK_THREAD_CPUTIME_ID, &now);
  return double(now.tv_sec) * 1e3 + double(now.tv_nsec) / 1e6;
}

constexpr double kPi = 3.14159265358979323846;

double maxOf(const std::vector<double>& values) {
  return values.empty() ? -1 : *std::max_element(values.begin(), values.end());
}

void printFigures(const char* what, const std::vector<double>& values, const char* unit = "ms") {
  std::printf("  %-44s n %4zu, p50 %6.2f %s, p95 %6.2f %s, max %6.2f %s\n", what, values.size(),
              percentile(values, 0.5), unit, percentile(values, 0.95), unit, maxOf(values), unit);
}

// Times of the render loop's steps for each frame, ms since the timer's start. The render
// thread emits them, hence the direct connections and the lock.
struct FrameLog {
  QMutex lock;
  std::vector<double> animated;  // GUI thread, before polish
  std::vector<double> syncStart;
  std::vector<double> syncEnd;
  std::vector<double> renderStart;
  std::vector<double> swapped;
  // The rendering thread's CPU time from render start to swap, with the swap's time.
  std::vector<std::pair<double, double>> renderCpu;
  double renderCpuStart = 0;
};

void record(QMutex& lock, std::vector<double>& into, const QElapsedTimer& timer) {
  const double now = double(timer.nsecsElapsed()) / 1e6;
  QMutexLocker locker(&lock);
  into.push_back(now);
}

void waitUntil(const QElapsedTimer& timer, double ms) {
  const double left = ms - double(timer.nsecsElapsed()) / 1e6;
  if (left >= 1) {
    QEventLoop loop;
    QTimer::singleShot(int(left), Qt::PreciseTimer, &loop, &QEventLoop::quit);
    loop.exec();
  }
  // Timers count whole milliseconds: the rest in small steps.
  do {
    QCoreApplication::processEvents();
  } while (double(timer.nsecsElapsed()) / 1e6 < ms);
}

struct DragFigures {
  std::vector<double> intervals;  // between frames on screen while dragging
  std::vector<double> latency;    // move sent -> the frame showing it swapped
  std::vector<double> moveWork;   // the GUI thread's time for a move that moved the point
  std::vector<double> moveCpu;    // the same, the GUI thread's CPU time
  std::vector<double> renderCpu;  // each frame's render and swap, CPU time
  int still = 0;                  // moves that left the point where it was (snapping)
  std::vector<double> polish;     // animate -> sync start: polish and layout of each frame
  std::vector<double> sync;
  std::vector<double> render;  // render start -> swapped
  int endDegrees = 0;
};

// Presses on the point, goes round `turns` times in `moves` moves at 60 a second, releases.
DragFigures drag(QQuickWindow* window, QQuickItem* circle, QObject* controller, int turns,
                 int moves) {
  const QPointF centre = circle->mapToScene(QPointF(circle->width() / 2, circle->height() / 2));
  const double radius = std::min(circle->width(), circle->height()) * 0.36;
  const double startDeg = controller->property("degrees").toInt();
  const auto at = [&](double deg) {
    return QPoint(int(std::lround(centre.x() + radius * std::cos(deg * kPi / 180))),
                  int(std::lround(centre.y() - radius * std::sin(deg * kPi / 180))));
  };

  QElapsedTimer timer;
  timer.start();
  FrameLog log;
  std::vector<QMetaObject::Connection> connections{
      QObject::connect(
          window, &QQuickWindow::afterAnimating, window,
          [&] { record(log.lock, log.animated, timer); }, Qt::DirectConnection),
      QObject::connect(
          window, &QQuickWindow::beforeSynchronizing, window,
          [&] { record(log.lock, log.syncStart, timer); }, Qt::DirectConnection),
      QObject::connect(
          window, &QQuickWindow::afterSynchronizing, window,
          [&] { record(log.lock, log.syncEnd, timer); }, Qt::DirectConnection),
      QObject::connect(
          window, &QQuickWindow::beforeRendering, window,
          [&] {
            log.renderCpuStart = threadCpuMs();
            record(log.lock, log.renderStart, timer);
          },
          Qt::DirectConnection),
      QObject::connect(
          window, &QQuickWindow::frameSwapped, window,
          [&] {
            const double cpu = threadCpuMs() - log.renderCpuStart;
            record(log.lock, log.swapped, timer);
            // A swap without a render start of its own gives no CPU figure.
            if (log.renderCpuStart > 0) {
              QMutexLocker locker(&log.lock);
              log.renderCpu.emplace_back(log.swapped.back(), cpu);
            }
            log.renderCpuStart = 0;
          },
          Qt::DirectConnection)};

  std::vector<double> sent;
  std::vector<double> done;
  std::vector<bool> moved;
  std::vector<double> moveCpu;
  QTest::mousePress(window, Qt::LeftButton, {}, at(startDeg));
  const double period = 1000.0 / 60;
  const double begin = double(timer.nsecsElapsed()) / 1e6;
  for (int i = 1; i <= moves; ++i) {
    waitUntil(timer, begin + i * period);
    const double deg = startDeg + 360.0 * turns * i / moves;
    sent.push_back(double(timer.nsecsElapsed()) / 1e6);
    const int before = controller->property("degrees").toInt();
    const double cpu = threadCpuMs();
    QTest::mouseMove(window, at(deg));
    done.push_back(double(timer.nsecsElapsed()) / 1e6);
    moveCpu.push_back(threadCpuMs() - cpu);
    moved.push_back(controller->property("degrees").toInt() != before);
    // A frame each move, as a display refreshing while the finger moves.
    window->update();
  }
  waitUntil(timer, begin + (moves + 1) * period);
  QTest::mouseRelease(window, Qt::LeftButton, {}, at(startDeg + 360.0 * turns));
  waitUntil(timer, begin + (moves + 10) * period);
  for (const auto& connection : connections) QObject::disconnect(connection);

  DragFigures figures;
  figures.endDegrees = controller->property("degrees").toInt();
  QMutexLocker locker(&log.lock);
  const double end = done.back();
  for (size_t i = 1; i < log.swapped.size(); ++i) {
    if (log.swapped[i - 1] >= begin && log.swapped[i] <= end + period)
      figures.intervals.push_back(log.swapped[i] - log.swapped[i - 1]);
  }
  // The first of `times` at or after t, or -1.
  const auto firstFrom = [](const std::vector<double>& times, double t) {
    const auto found = std::lower_bound(times.begin(), times.end(), t);
    return found == times.end() ? -1.0 : *found;
  };
  for (size_t i = 0; i < sent.size(); ++i) {
    if (moved[i]) {
      figures.moveWork.push_back(done[i] - sent[i]);
      figures.moveCpu.push_back(moveCpu[i]);
    } else {
      ++figures.still;
    }
    // The first frame whose sync began after the move was handled carries it.
    const double syncStart = firstFrom(log.syncStart, done[i]);
    const double swapped = syncStart < 0 ? -1 : firstFrom(log.swapped, syncStart);
    if (swapped >= 0) figures.latency.push_back(swapped - sent[i]);
  }
  for (size_t f = 0; f < log.syncStart.size(); ++f) {
    const double syncStart = log.syncStart[f];
    if (syncStart < begin || syncStart > end) continue;
    const double syncEnd = firstFrom(log.syncEnd, syncStart);
    const double renderStart = syncEnd < 0 ? -1 : firstFrom(log.renderStart, syncEnd);
    const double swapped = renderStart < 0 ? -1 : firstFrom(log.swapped, renderStart);
    // A sync without a render of its own (nothing changed) gives no render figure.
    const double nextSync = f + 1 < log.syncStart.size() ? log.syncStart[f + 1] : 1e300;
    if (syncEnd >= 0) figures.sync.push_back(syncEnd - syncStart);
    if (swapped >= 0 && renderStart < nextSync) figures.render.push_back(swapped - renderStart);
    // The last animate step before this sync.
    const auto animated = std::upper_bound(log.animated.begin(), log.animated.end(), syncStart);
    if (animated != log.animated.begin()) figures.polish.push_back(syncStart - *(animated - 1));
  }
  for (const auto& [swapped, cpu] : log.renderCpu) {
    if (swapped >= begin && swapped <= end + period) figures.renderCpu.push_back(cpu);
  }
  return figures;
}

void printDrag(const char* what, const DragFigures& figures) {
  std::printf("%s (point ends at %d°, %d moves left it in place):\n", what, figures.endDegrees,
              figures.still);
  printFigures("frame intervals", figures.intervals);
  printFigures("move -> frame showing it", figures.latency);
  printFigures("GUI thread per move that moved the point", figures.moveWork);
  printFigures("per frame: animate -> sync (polish, layout)", figures.polish);
  printFigures("per frame: sync", figures.sync);
  printFigures("per frame: render and swap", figures.render);
  printFigures("CPU time: GUI thread per move moving the point", figures.moveCpu);
  printFigures("CPU time: per frame render and swap", figures.renderCpu);
}

// Every visible item of that name under root.
void findAll(QQuickItem* root, QLatin1String name, std::vector<QQuickItem*>& found) {
  if (!root) return;
  if (root->objectName() == name && root->isVisible()) found.push_back(root);
  for (QQuickItem* child : root->childItems()) findAll(child, name, found);
}

// Holds a bound property at its present value: the binding goes, the value stays.
void holdStill(QObject* object, const char* property) {
  QQmlProperty(object, QString::fromLatin1(property)).write(object->property(property));
}

}  // namespace

int main(int argc, char* argv[]) {
  uc::app::prepareApplication();
  QApplication app(argc, argv);
  const int width = argc > 2 ? std::atoi(argv[1]) : 400;
  const int height = argc > 2 ? std::atoi(argv[2]) : 800;
  QTemporaryDir dir;
  qputenv("UNITCIRCLE_CONFIG_URL", QUrl::fromLocalFile(dir.filePath("none.json")).toEncoded());
  uc::UserDefaults::setStandardFilePath(dir.filePath("settings.jsonl"));
  settleAsReturningUser();

  {
    // The controller alone, without a view: two turns a degree at a time, and in 3° steps.
    for (const bool snap : {true, false}) {
      uc::ExploreViewController controller;
      controller.setSnap(snap);
      for (const double stepDeg : {1.0, 3.0}) {
        std::vector<double> us;
        for (double deg = stepDeg; deg <= 720; deg += stepDeg) {
          const int before = controller.degrees();
          QElapsedTimer call;
          call.start();
          controller.pointerMoved(std::cos(deg * kPi / 180), std::sin(deg * kPi / 180));
          if (controller.degrees() != before) us.push_back(double(call.nsecsElapsed()) / 1e3);
        }
        std::printf("controller alone, pointerMoved, two turns in %.0f° steps, %s:\n", stepDeg,
                    snap ? "snapping" : "not snapping");
        printFigures("pointerMoved that moved the point", us, "µs");
      }
    }
  }

  QQmlApplicationEngine engine;
  if (uc::app::startApplication(app, engine) != 0) return 1;
  auto* window = qobject_cast<QQuickWindow*>(engine.rootObjects().value(0));
  window->resize(width, height);
  if (!QTest::qWaitForWindowExposed(window)) return 1;
  QTest::qWait(500);
  std::printf("window %dx%d, graphics %s\n", width, height,
              window->rendererInterface()->graphicsApi() == QSGRendererInterface::Software
                  ? "software"
                  : "OpenGL");

  QElapsedTimer timer;
  timer.start();
  uc::Navigation::shared().goToExplore();
  QQuickItem* circle = nullptr;
  double shown = nextFrame(window, timer);
  while (!(circle = findItem(window->contentItem(), QLatin1String("exploreCircle"))) &&
         shown < 10000) {
    shown = nextFrame(window, timer);
  }
  if (!circle) qFatal("no Explore screen");
  std::printf("Explore asked -> first frame with the circle: %.1f ms\n", shown);
  QTest::qWait(800);  // the page's transition
  auto* controller = circle->property("controller").value<QObject*>();
  if (!controller) qFatal("no Explore controller");

  // Two turns at 60 moves a second: 3° a move, 4 s.
  printDrag("dragging the point, snapping (as it opens), two turns, 240 moves at 60/s",
            drag(window, circle, controller, 2, 240));
  // Without snapping every move moves the point.
  controller->setProperty("snap", false);
  printDrag("not snapping, two turns", drag(window, circle, controller, 2, 240));

  // Where the GUI thread's time goes: the same drag with parts of the screen held still.
  QQuickItem* graph = findItem(window->contentItem(), QLatin1String("exploreGraph"));
  std::vector<QQuickItem*> valueLines;
  findAll(findItem(window->contentItem(), QLatin1String("exploreValues")),
          QLatin1String("exploreValueLine"), valueLines);
  if (!graph || valueLines.size() != 7) qFatal("no graph or values panel");

  for (const char* moving : {"trailFrom", "trailTo", "tracer"}) holdStill(graph, moving);
  printDrag("not snapping, the graph held still (its trail and tracer bindings dropped)",
            drag(window, circle, controller, 2, 240));
  for (QQuickItem* line : valueLines) holdStill(line, "latex");
  printDrag("not snapping, the graph and the values panel held still",
            drag(window, circle, controller, 2, 240));
  return 0;
}
