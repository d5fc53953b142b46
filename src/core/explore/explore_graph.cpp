#include "core/explore/explore_graph.h"

#include <algorithm>
#include <cmath>
#include <numbers>

#include "core/number/number_text.h"

namespace uc::explore {
namespace {

constexpr double kRadiansPerDegree = std::numbers::pi / 180;
constexpr double kSineLimit = 1.25;

double valueAt(TrigFunction function, double degrees) {
  const double radians = degrees * kRadiansPerDegree;
  switch (function) {
    case TrigFunction::cos:
      return std::cos(radians);
    case TrigFunction::tan:
      return std::tan(radians);
    case TrigFunction::sin:
      break;
  }
  return std::sin(radians);
}

// Four places are finer than any screen shows, and keep the answer small.
double rounded(double value) { return std::round(value * 1e4) / 1e4; }

// The stretches of [from, to] where the curve is drawn: all of it for sine and cosine; for
// the tangent the parts between its poles where it stays within ±kTanLimit.
std::vector<std::pair<double, double>> drawnStretches(TrigFunction function, double from,
                                                      double to) {
  if (from > to) return {};
  if (function != TrigFunction::tan) return {{from, to}};
  const double margin = std::atan(1 / kTanLimit) / kRadiansPerDegree;
  std::vector<std::pair<double, double>> stretches;
  // Poles at 90° + k·180°; the branch after pole p runs to the pole p + 180°.
  for (double pole = std::floor((from - 90) / 180) * 180 + 90; pole < to; pole += 180) {
    const double start = std::max(from, pole + margin);
    const double end = std::min(to, pole + 180 - margin);
    if (start <= end) stretches.emplace_back(start, end);
  }
  return stretches;
}

// Every whole degree between the ends, and the ends themselves.
GraphLine sampled(TrigFunction function, double from, double to) {
  GraphLine line;
  const auto add = [&](double x) { line.push_back({rounded(x), rounded(valueAt(function, x))}); };
  add(from);
  for (double x = std::floor(from) + 1; x < to; x += 1) add(x);
  if (to > from) add(to);
  return line;
}

std::vector<GraphLine> lines(TrigFunction function, double from, double to) {
  std::vector<GraphLine> pieces;
  for (const auto& [start, end] : drawnStretches(function, from, to)) {
    pieces.push_back(sampled(function, start, end));
  }
  return pieces;
}

std::string colorOf(TrigFunction function) {
  switch (function) {
    case TrigFunction::cos:
      return trigonometric_graph::identity(TrigonometricType::cos).colorHex;
    case TrigFunction::tan:
      return trigonometric_graph::identity(TrigonometricType::tan).colorHex;
    case TrigFunction::sin:
      break;
  }
  return trigonometric_graph::identity(TrigonometricType::sin).colorHex;
}

}  // namespace

ExploreGraph exploreGraph(TrigFunction function, int degrees, int sweptFrom, int sweptTo,
                          const std::optional<InverseSolutions>& inverse,
                          std::optional<double> inverseValue) {
  ExploreGraph graph;
  graph.function = function;
  graph.colorHex = colorOf(function);
  graph.xMin = std::floor(degrees / 360.0) * 360;
  graph.xMax = graph.xMin + 360;
  for (double x = graph.xMin; x <= graph.xMax; x += 90) {
    graph.xTicks.push_back({x, std::to_string(static_cast<long long>(x)) + "°"});
  }
  const bool tangent = function == TrigFunction::tan;
  graph.yMax = tangent ? kTanLimit : kSineLimit;
  graph.yMin = -graph.yMax;
  const int tickLimit = tangent ? static_cast<int>(kTanLimit) : 1;
  for (int y = -tickLimit; y <= tickLimit; ++y) {
    graph.yTicks.push_back({static_cast<double>(y), std::to_string(y)});
  }

  graph.curve = lines(function, graph.xMin, graph.xMax);
  const double sweptLow = std::max<double>(std::min(sweptFrom, sweptTo), graph.xMin);
  const double sweptHigh = std::min<double>(std::max(sweptFrom, sweptTo), graph.xMax);
  graph.trail = lines(function, sweptLow, sweptHigh);

  const double y = valueAt(function, degrees);
  const bool pole = tangent && ((degrees % 180) + 180) % 180 == 90;
  if (!pole && std::fabs(y) <= graph.yMax) graph.tracer = GraphPoint{double(degrees), rounded(y)};

  if (inverse && inverseValue && std::isfinite(*inverseValue)) {
    graph.lineY = *inverseValue;
    for (const InverseAngle& angle : inverse->angles) {
      graph.crossings.push_back({graph.xMin + angle.degrees, angle.latex});
      if (angle.degrees == 0) graph.crossings.push_back({graph.xMax, angle.latex});
    }
  }
  return graph;
}

}  // namespace uc::explore
