#pragma once

#include <optional>
#include <string>
#include <vector>

#include "core/solver/chart_data.h"

namespace uc {

// One line of the card, in the parts it may be broken into where it is too wide for the card
// (large text): "sin α = √2/2" and "≈ 0.7071". `joins[i]` stands between parts i and i + 1
// when they share a row.
struct ExactValuesCardLine {
  std::vector<std::string> parts;
  std::vector<std::string> joins;

  std::string latex() const;
};

// The lines of the exact values card above the steps, as LaTeX, for the angle and arc of a
// solution's unit circle (empty when it has none): α and b (b as typed when typedArcLatex
// holds it), then sin, cos and tan in their radical forms where the angle has them, each
// beside its decimal, then the reference angle, then the quadrant (or the axis, for an angle
// on one). Every decimal has at most four places and no grouping. Words are the core's
// localised texts.
std::vector<ExactValuesCardLine> exactValuesCardLines(
    const ChartSteps& chartSteps, const std::optional<std::string>& typedArcLatex = std::nullopt);

// The card's title.
std::string exactValuesCardTitle();

}  // namespace uc
