#pragma once

#include <array>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "core/solver/chart_data.h"

namespace uc {

using GraphPoint = std::array<double, 2>;  // [x, y]

// What tells the three function graphs apart.
struct GraphIdentity {
  std::string chartTitle;  // "Sin"
  std::string seriesName;  // "sin(x)"
  std::string colorHex;    // "#FF0000"
  bool isScatter = false;  // separate points instead of a smooth line
  double markerRadius = 0;
};

struct AxisTick {
  double value;
  std::string label;
};

// A function graph ready to draw: the sample points and both axes.
struct TrigonometricGraph {
  GraphIdentity identity;
  std::vector<GraphPoint> points;
  double xMin = 0, xMax = 0;
  double yMin = 0, yMax = 0;
  std::vector<AxisTick> xTicks;  // every 1.5705, labelled as multiples of π/2
  double yTickInterval = 0.5;    // major ticks from 0; four minor ticks between two
  std::vector<AxisTick> yTicks;  // the major ones, labelled as "%g" writes them
  std::vector<double> yMinorTicks;
};

namespace trigonometric_graph {

// Slightly less than π/2: the ticks drift away from the exact multiples, as they always have.
inline constexpr double kTickInterval = 1.5705;

GraphIdentity identity(TrigonometricType type);

// Graphs with more intervals than this are not drawn: they would be a solid band of
// thousands of periods that no screen can resolve.
inline constexpr long long kMaxIntervals = 8192;

// k + 1 points from offset, step L / k rounded to three places, y rounded to three places.
// Nothing without a length or a type, for a tangent over a negative length and beyond the
// largest interval count.
std::optional<std::vector<GraphPoint>> samplePoints(const TrigonometricChartData& data);

// The tick label of a value: the nearest multiple of π/2 as "0", "π/2", "-π", "2π", "3π/2" ...
std::string piTickLabel(double value);

// Every multiple of the tick interval in [min, max], labelled.
std::vector<AxisTick> xTicks(double min, double max);

// The ticks that keep their labels on an axis `width` wide over [min, max]: every k-th one
// counted from 0, with the smallest k (1, then even, so the labels stay whole multiples of π)
// at which the labels fit side by side uncut: two labelled ticks a label apart, and all of
// them within the axis width. `labelWidth` measures a label
// with its padding. Before the axis has a width every tick is kept; 0 always is.
std::vector<AxisTick> readableTicks(const std::vector<AxisTick>& ticks, double min, double max,
                                    double width,
                                    const std::function<double(const std::string&)>& labelWidth);

// A point's values as the crosshair shows them: "x: 0.784" and "sin(x): 0.706" (three places,
// whole numbers without ".0").
struct PointTexts {
  std::string header;
  std::string body;
};
PointTexts pointTexts(const GraphIdentity& identity, const GraphPoint& point);

// The sample point nearest to x; nothing without points or for an x that is not a number.
std::optional<GraphPoint> pointNear(const std::vector<GraphPoint>& points, double x);

// Points, axis ranges and ticks; nothing when the points cannot be made.
std::optional<TrigonometricGraph> make(const TrigonometricChartData& data);

}  // namespace trigonometric_graph
}  // namespace uc
