#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace uc::charts {

// What a solution step works out, as the unit circle can show it. The step's formula tells,
// whatever the language of its title.
enum class StepHighlight {
  none = 0,
  arc,           // b, the arc length
  fullTurns,     // the full circles
  reducedAngle,  // γ, the angle within the last turn
  sine,          // the projection onto the y axis
  cosine,        // the projection onto the x axis
  tangent,       // both projections
  quadrant,
};

StepHighlight highlightForStep(std::string_view latex);

// "none", "arc", "fullTurns", "reducedAngle", "sine", "cosine", "tangent", "quadrant".
std::string_view rawValue(StepHighlight highlight);
std::optional<StepHighlight> stepHighlightFrom(std::string_view raw);

// The parts of the drawing a highlight can stress; everything else fades while it shows.
enum class CirclePart { arc, alpha, gamma, fullCircles, x, y, quadrant };

std::optional<CirclePart> circlePartFrom(std::string_view raw);  // "arc", "alpha", "n", ...

// 1 stressed, 0 as usual (no highlight), -1 faded. An arc is told by its place among the drawn
// arcs: every one but the last is a full circle.
int stress(StepHighlight highlight, CirclePart part, int arcIndex = 0, int lastArcIndex = 0);

}  // namespace uc::charts
