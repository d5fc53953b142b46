#pragma once

#include <optional>

#include "core/charts/trigonometric_graph.h"
#include "core/solver/chart_data.h"

namespace uc {

// Builds the function graph of a chart row; stateless.
class SplineChartManager {
 public:
  // The graph of a step holding one trigonometric graph; nothing for anything else.
  static std::optional<TrigonometricGraph> graph(const ChartStep& step);
};

}  // namespace uc
