#include "ui/charts/spline_chart_manager.h"

#include "ui/charts/chart_manager.h"

namespace uc {

std::optional<TrigonometricGraph> SplineChartManager::graph(const ChartStep& step) {
  if (ChartManager::kindOf(step) != ChartManager::SplineChart) return std::nullopt;
  return trigonometric_graph::make(*static_cast<const TrigonometricChartData*>(step.front().get()));
}

}  // namespace uc
