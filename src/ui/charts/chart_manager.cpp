#include "ui/charts/chart_manager.h"

#include <QJSEngine>
#include <algorithm>

namespace uc {

ChartManager& ChartManager::shared() {
  static ChartManager* instance = new ChartManager;
  return *instance;
}

ChartManager* ChartManager::create(QQmlEngine*, QJSEngine*) {
  QJSEngine::setObjectOwnership(&shared(), QJSEngine::CppOwnership);
  return &shared();
}

QVariant ChartManager::wrap(const ChartStep& step) {
  return QVariant::fromValue(ChartStepRef{step});
}

ChartStep ChartManager::unwrap(const QVariant& value) {
  return value.canConvert<ChartStepRef>() ? value.value<ChartStepRef>().step : ChartStep{};
}

ChartManager::ChartKind ChartManager::kindOf(const ChartStep& step) {
  if (step.size() != 1 || !step.front()) return NoChart;
  const ChartData* data = step.front().get();
  if (dynamic_cast<const UnitCircleChartData*>(data)) return UnitCircleChart;
  if (auto* graph = dynamic_cast<const TrigonometricChartData*>(data)) {
    return graph->lengthOfGraph && graph->type ? SplineChart : NoChart;
  }
  return NoChart;
}

QVariant ChartManager::makeUnitCircleStep(double alpha, double b, double angle, qint64 fullCircles,
                                          int quadrant) {
  static constexpr Quadrant kQuadrants[] = {Quadrant::first, Quadrant::second, Quadrant::third,
                                            Quadrant::fourth};
  const Quadrant q = kQuadrants[std::clamp(quadrant, 1, 4) - 1];
  return wrap({std::make_shared<UnitCircleChartData>(alpha, b, angle, fullCircles, q)});
}

QVariant ChartManager::makeGraphStep(double lengthOfGraph, int type) {
  static constexpr TrigonometricType kTypes[] = {TrigonometricType::sin, TrigonometricType::cos,
                                                 TrigonometricType::tan};
  return wrap({std::make_shared<TrigonometricChartData>(lengthOfGraph, 0.0, 6.283185307179586, 1.0,
                                                        kTypes[std::clamp(type, 0, 2)])});
}

double ChartManager::frameRatioOf(const QVariant& step) {
  const ChartStep charts = unwrap(step);
  return charts.empty() || !charts.front() ? 1.0 : charts.front()->frameRatio;
}

QRectF ChartManager::frame(double width, double frameRatio) {
  if (!(frameRatio > 0)) return {};
  return {0.05 * width, 0.05 * width / frameRatio, 0.9 * width, 0.9 * width / frameRatio};
}

}  // namespace uc
