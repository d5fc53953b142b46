// The chart rows of the result page in the real window: whether the chart component is loaded
// at start, frame times while the unit circle turns, how long a graph row takes from scrolling
// into view to its drawn frame, and frame times while the graphs are scrolled.
//
// Run under an X server (scripts/measure-app starts Xvfb). Prints figures; never fails on
// slowness.
#include <QApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QQmlApplicationEngine>
#include <QQmlComponent>
#include <QQuickItem>
#include <QQuickWindow>
#include <QTemporaryDir>
#include <QTest>
#include <algorithm>
#include <cstdio>
#include <vector>

#include "app/app_startup.h"
#include "flow/user_defaults.h"
#include "frame_timing.h"
#include "returning_user.h"
#include "ui/charts/chart_manager.h"
#include "ui/charts/spline_chart_manager.h"
#include "window_items.h"

namespace {

void printFrames(const char* what, const std::vector<double>& intervals) {
  std::printf("%s, %zu frames: p50 %.1f ms, p95 %.1f ms, max %.1f ms\n", what, intervals.size(),
              percentile(intervals, 0.5), percentile(intervals, 0.95),
              intervals.empty() ? -1 : *std::max_element(intervals.begin(), intervals.end()));
}

bool chartsLoaded() {
  QFile maps(QStringLiteral("/proc/self/maps"));
  return maps.open(QIODevice::ReadOnly) && maps.readAll().contains("libQt6Charts");
}

// Count of drawn graph series in the window: a graph is done when its series is there.
int graphsOnScreen(QQuickWindow* window) {
  int count = 0;
  std::vector<QQuickItem*> stack{window->contentItem()};
  while (!stack.empty()) {
    QQuickItem* item = stack.back();
    stack.pop_back();
    if (item->objectName() == QLatin1String("chartView") && item->isVisible() &&
        item->property("count").toInt() > 0) {
      ++count;
    }
    for (QQuickItem* child : item->childItems()) stack.push_back(child);
  }
  return count;
}

}  // namespace

int main(int argc, char* argv[]) {
  uc::app::prepareApplication();
  QApplication app(argc, argv);
  QTemporaryDir dir;
  qputenv("UNITCIRCLE_CONFIG_URL", QUrl::fromLocalFile(dir.filePath("none.json")).toEncoded());
  uc::UserDefaults::setStandardFilePath(dir.filePath("settings.jsonl"));
  settleAsReturningUser();

  {
    // The graph data alone, without drawing: sample points and axes of a full turn.
    const auto step =
        uc::ChartManager::unwrap(uc::ChartManager::makeGraphStep(6.283185307179586, 0));
    QElapsedTimer timer;
    timer.start();
    constexpr int kRounds = 1000;
    for (int i = 0; i < kRounds; ++i) {
      if (!uc::SplineChartManager::graph(step)) return 1;
    }
    std::printf("graph data for b = 2π (65 points): %.1f µs\n",
                double(timer.nsecsElapsed()) / 1e3 / kRounds);
  }

  QQmlApplicationEngine engine;
  if (uc::app::startApplication(app, engine) != 0) return 1;
  auto* window = qobject_cast<QQuickWindow*>(engine.rootObjects().value(0));
  window->resize(400, 800);
  if (!QTest::qWaitForWindowExposed(window)) return 1;
  QTest::qWait(500);
  std::printf("chart component loaded at start: %s\n", chartsLoaded() ? "yes" : "no");

  // α = 1000°: two full circles and 280°, three turns.
  for (char key : {'1', '0', '0', '0'}) QTest::keyClick(window, key);
  QTest::keyClick(window, Qt::Key_Return);
  QQuickItem* list = nullptr;
  for (int i = 0;
       i < 200 && !(list = findItem(window->contentItem(), QLatin1String("solutionTable"))); ++i) {
    QTest::qWait(10);
  }
  if (!list) qFatal("no result page");
  QTest::qWait(600);
  const int rows = list->property("count").toInt();
  const int circleRow = rows - 3;

  QElapsedTimer timer;
  timer.start();
  QMetaObject::invokeMethod(list, "positionViewAtIndex", Q_ARG(int, circleRow), Q_ARG(int, 1));
  std::vector<double> turning;
  double last = nextFrame(window, timer);
  // Half a second's wait, then three turns of a second each.
  while (last < 3800) {
    const double now = nextFrame(window, timer);
    if (now > 500) turning.push_back(now - last);
    last = now;
  }
  printFrames("unit circle turning (3 turns)", turning);

  // The first graph brings the chart component (the rows near the circle are built ahead
  // once a chart row exists, so the graph may already stand when it scrolls in).
  timer.restart();
  list->setProperty("contentY", list->property("contentY").toDouble() + 330);
  double firstGraph = nextFrame(window, timer);
  while (graphsOnScreen(window) < 1 && firstGraph < 5000) firstGraph = nextFrame(window, timer);
  std::printf("first graph row into view -> drawn frame: %.1f ms\n", firstGraph);
  std::printf("chart component loaded now: %s\n", chartsLoaded() ? "yes" : "no");
  QMetaObject::invokeMethod(list, "positionViewAtEnd");
  timer.restart();
  double secondGraph = nextFrame(window, timer);
  while (graphsOnScreen(window) < 2 && secondGraph < 5000) secondGraph = nextFrame(window, timer);
  std::printf("next graph row into view -> drawn frame: %.1f ms\n", secondGraph);

  // Back and forth over the charts, rows built and dropped as they come and go.
  std::vector<double> scrolling;
  last = nextFrame(window, timer);
  const double bottom = list->property("contentY").toDouble();
  for (int frame = 0; frame < 240; ++frame) {
    const double phase = (frame % 60) < 30 ? -1 : 1;
    list->setProperty("contentY",
                      std::min(bottom, list->property("contentY").toDouble() + phase * 40));
    const double now = nextFrame(window, timer);
    scrolling.push_back(now - last);
    last = now;
  }
  printFrames("scrolling over the charts (40 px per frame)", scrolling);

  // One graph view built and drawn on its own, the chart component already loaded.
  QQmlComponent component(
      &engine, QUrl(QStringLiteral("qrc:/qt/qml/UnitCircle/Charts/SplineChartView.qml")));
  std::vector<double> builds;
  std::vector<double> madeMs;
  for (int round = 0; round < 15; ++round) {
    timer.restart();
    QObject* made = component.createWithInitialProperties(
        {{"chartStep", uc::ChartManager::makeGraphStep(6.283185307179586, round % 2)},
         {"width", 360},
         {"height", 360}});
    auto* graph = qobject_cast<QQuickItem*>(made);
    if (!graph) qFatal("the graph view was not made: %s", qPrintable(component.errorString()));
    graph->setParentItem(window->contentItem());
    madeMs.push_back(double(timer.nsecsElapsed()) / 1e6);
    builds.push_back(nextFrame(window, timer));
    delete graph;
    nextFrame(window, timer);
  }
  std::printf("graph view built (b = 2π): median %.1f ms\n", percentile(madeMs, 0.5));
  std::printf(
      "graph view built and drawn (b = 2π, chart component loaded): median %.1f ms, max %.1f ms\n",
      percentile(builds, 0.5), *std::max_element(builds.begin(), builds.end()));
  return 0;
}
