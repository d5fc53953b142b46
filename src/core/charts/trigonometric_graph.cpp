#include "core/charts/trigonometric_graph.h"

#include <algorithm>
#include <cmath>

#include "core/number/number_text.h"
#include "core/solver/tiro_math_operation.h"

namespace uc::trigonometric_graph {
namespace {

constexpr double kPi = 3.141592653589793;

double round3(double x) { return TiroMathOperation::shared().roundValue(x, 3).value; }

double evaluate(TrigonometricType type, double x) {
  switch (type) {
    case TrigonometricType::sin:
      return std::sin(x);
    case TrigonometricType::cos:
      return std::cos(x);
    case TrigonometricType::tan:
      return std::tan(x);
  }
  return 0;
}

// The first of 6, 8, 10 ... with |L| / k <= s, found without walking there two at a time.
std::optional<long long> intervalCount(double length, double spacing) {
  const double extent = std::fabs(length);
  if (spacing >= extent * 0.25) return 4;
  if (!(spacing > 0) || !std::isfinite(extent)) return std::nullopt;
  const double estimate = std::ceil(extent / spacing);
  if (estimate > double(kMaxIntervals) + 2) return std::nullopt;
  long long k = std::max(6LL, static_cast<long long>(estimate) & ~1LL);
  while (k > 6 && extent / double(k - 2) <= spacing) k -= 2;
  while (extent / double(k) > spacing) k += 2;
  if (k > kMaxIntervals) return std::nullopt;
  return k;
}

// The sample grid has three places, and whole numbers go without ".0" ("0", "1", "0.784").
std::string tooltipNumber(double value) {
  std::string text = shortestText(round3(value));
  if (text.size() > 2 && text.compare(text.size() - 2, 2, ".0") == 0) text.resize(text.size() - 2);
  if (text == "-0") text = "0";
  return text;
}

}  // namespace

PointTexts pointTexts(const GraphIdentity& identity, const GraphPoint& point) {
  return {"x: " + tooltipNumber(point[0]), identity.seriesName + ": " + tooltipNumber(point[1])};
}

std::optional<GraphPoint> pointNear(const std::vector<GraphPoint>& points, double x) {
  if (points.empty() || !std::isfinite(x)) return std::nullopt;
  return *std::min_element(points.begin(), points.end(),
                           [x](const GraphPoint& a, const GraphPoint& b) {
                             return std::fabs(a[0] - x) < std::fabs(b[0] - x);
                           });
}

GraphIdentity identity(TrigonometricType type) {
  switch (type) {
    case TrigonometricType::sin:
      return {"Sin", "sin(x)", "#FF0000", false, 0};
    case TrigonometricType::cos:
      return {"Cos", "cos(x)", "#000CFF", false, 0};
    case TrigonometricType::tan:
      return {"Tan", "tan(x)", "#00E13A", true, 1};
  }
  return {};
}

std::optional<std::vector<GraphPoint>> samplePoints(const TrigonometricChartData& data) {
  if (!data.lengthOfGraph || !data.type) return std::nullopt;
  const double length = *data.lengthOfGraph + std::fabs(data.offset);
  const double density = *data.type == TrigonometricType::tan ? length / kPi * 200 : 32;
  const auto k = intervalCount(length, kPi / density);
  if (!k) return std::nullopt;
  const double step = round3(length / double(*k));
  const double frequency = 2 * kPi / data.periodLength;

  std::vector<GraphPoint> points;
  points.reserve(static_cast<size_t>(*k + 1));
  for (long long i = 0; i <= *k; ++i) {
    const double x = step * double(i) + data.offset;
    points.push_back({x, round3(data.amplitude * evaluate(*data.type, frequency * x))});
  }
  return points;
}

std::string piTickLabel(double value) {
  // Rounds as the script languages do: halves up, towards positive infinity.
  const double rounded = std::floor(2 * value / kPi + 0.5);
  if (!std::isfinite(rounded) || std::fabs(rounded) > 9e15) return {};
  const auto halfMultiple = static_cast<long long>(rounded);
  switch (halfMultiple) {
    case 0:
      return "0";
    case 1:
      return "π/2";
    case -1:
      return "-π/2";
    case 2:
      return "π";
    case -2:
      return "-π";
    default:
      if (halfMultiple % 2 == 0) return std::to_string(halfMultiple / 2) + "π";
      return std::to_string(halfMultiple) + "π/2";
  }
}

std::vector<AxisTick> xTicks(double min, double max) {
  std::vector<AxisTick> ticks;
  if (!(min <= max) || !std::isfinite(min) || !std::isfinite(max)) return ticks;
  for (double n = std::ceil(min / kTickInterval); n * kTickInterval <= max; ++n) {
    const double value = n * kTickInterval;
    ticks.push_back({value, piTickLabel(value)});
  }
  return ticks;
}

std::vector<AxisTick> readableTicks(const std::vector<AxisTick>& ticks, double min, double max,
                                    double width,
                                    const std::function<double(const std::string&)>& labelWidth) {
  if (ticks.size() < 2 || !(width > 0) || !(max > min) || !std::isfinite(width)) return ticks;
  const double spacing = width * kTickInterval / (max - min);
  const auto zero = std::min_element(ticks.begin(), ticks.end(),
                                     [](const auto& a, const auto& b) {
                                       return std::fabs(a.value) < std::fabs(b.value);
                                     }) -
                    ticks.begin();
  const auto count = static_cast<std::ptrdiff_t>(ticks.size());
  std::vector<AxisTick> kept;
  for (std::ptrdiff_t k = 1; k < count; k = k == 1 ? 2 : k + 2) {
    kept.clear();
    double widest = 0;
    for (std::ptrdiff_t i = zero % k; i < count; i += k) {
      kept.push_back(ticks[static_cast<size_t>(i)]);
      widest = std::max(widest, labelWidth(kept.back().label));
    }
    if (double(k) * spacing >= widest && width >= widest * double(kept.size())) return kept;
  }
  return {ticks[static_cast<size_t>(zero)]};
}

std::optional<TrigonometricGraph> make(const TrigonometricChartData& data) {
  auto points = samplePoints(data);
  if (!points) return std::nullopt;
  TrigonometricGraph graph;
  graph.identity = identity(*data.type);
  graph.points = std::move(*points);

  const auto [lowest, highest] =
      std::minmax_element(graph.points.begin(), graph.points.end(),
                          [](const GraphPoint& a, const GraphPoint& b) { return a[0] < b[0]; });
  graph.xMin = std::min(0.0, (*lowest)[0]);
  graph.xMax = std::max(0.0, (*highest)[0]);
  // A graph of length zero is a single point: give it room either side.
  if (graph.xMax - graph.xMin < 1e-9) {
    graph.xMin -= kTickInterval;
    graph.xMax += kTickInterval;
  }
  graph.xTicks = xTicks(graph.xMin, graph.xMax);

  const double amplitude = std::fabs(data.amplitude) > 0 ? std::fabs(data.amplitude) : 1;
  if (*data.type == TrigonometricType::tan) {
    graph.yMin = -2 * amplitude;
    graph.yMax = 2 * amplitude;
  } else {
    // The whole wave from trough to crest, whatever part of it the graph covers.
    graph.yMin = -1.2 * amplitude;
    graph.yMax = 1.2 * amplitude;
  }
  graph.yTickInterval = 0.5 * amplitude;
  // Counted in whole fifths of the interval, so the ticks never drift (0.1 * 3 is not 0.3).
  const double fifth = graph.yTickInterval / 5;
  for (double k = std::ceil(graph.yMin / fifth - 1e-9); k * fifth <= graph.yMax + 1e-9 * fifth;
       ++k) {
    if (std::fmod(k, 5) == 0) {
      const double value = (k / 5) * graph.yTickInterval;
      graph.yTicks.push_back({value, printfG(value == 0 ? 0.0 : value)});
    } else {
      graph.yMinorTicks.push_back(k * graph.yTickInterval / 5);
    }
  }
  return graph;
}

}  // namespace uc::trigonometric_graph
