#pragma once

#include <optional>
#include <string>
#include <vector>

#include "core/charts/trigonometric_graph.h"
#include "core/explore/inverse_solutions.h"

// The Explore screen's graph: one turn of sine, cosine or tangent over α in degrees, the part
// the point has swept so far as a trail, the tracer at the point and, for an inverse
// question, the line y = c and where it crosses the curve.
namespace uc::explore {

using GraphLine = std::vector<GraphPoint>;  // [x in degrees, y]

struct GraphCrossing {
  double degrees = 0;  // on the x axis of this turn
  std::string latex;   // as the inverse answer lists it
};

struct ExploreGraph {
  TrigFunction function = TrigFunction::sin;
  double xMin = 0, xMax = 360;  // the turn α lies in: [360 k, 360 (k + 1)]
  double yMin = -1.25, yMax = 1.25;
  std::vector<AxisTick> xTicks;      // every 90°, "0°", "90°" ... "720°"
  std::vector<AxisTick> yTicks;      // "-1", "0", "1" (the tangent's every whole number)
  std::vector<GraphLine> curve;      // the whole turn; the tangent in pieces between its poles
  std::vector<GraphLine> trail;      // the swept part of this turn, in the same pieces
  std::optional<GraphPoint> tracer;  // nothing where the tangent is undefined
  std::string colorHex;              // the function's colour, as the result's graphs use it
  std::optional<double> lineY;       // the inverse question's value, when asked
  std::vector<GraphCrossing> crossings;
};

// The graph with the point at degrees, having swept [sweptFrom, sweptTo] (any order, any
// turns: what lies outside this turn is not drawn). A tangent is drawn within ±kTanLimit.
inline constexpr double kTanLimit = 4;

ExploreGraph exploreGraph(TrigFunction function, int degrees, int sweptFrom, int sweptTo,
                          const std::optional<InverseSolutions>& inverse = std::nullopt,
                          std::optional<double> inverseValue = std::nullopt);

}  // namespace uc::explore
