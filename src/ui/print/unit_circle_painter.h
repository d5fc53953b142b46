#pragma once

#include <QPainter>
#include <QRectF>
#include <optional>

#include "core/charts/circle_state.h"
#include "core/solver/chart_data.h"

namespace uc::print {

// Where the unit circle of a solution ends its run: the first unit-circle chart of the steps;
// nothing when the solution has none or it lacks its numbers.
std::optional<CircleState> finalCircleState(const ChartSteps& chartSteps);

// The unit circle as the app draws it at the end of its run, in vectors and text: axes with
// their ticks and names, the circle, the arcs of the full turns and the last one, the arrow
// to the point, the point's projections onto the axes, the quadrant numeral, and the labels
// α, γ and n on the left, x and y on the right. The drawing is the square of the box's height
// in its middle; the labels use the room beside it. point is device units per point.
void paintUnitCircle(QPainter& painter, const CircleState& state, const QRectF& box, double point);

}  // namespace uc::print
