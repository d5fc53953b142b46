#pragma once

#include <QString>

namespace uc {

// What a solution step works out, as the unit circle can show it. The step's formula tells,
// whatever the language of its title.
enum class StepHighlight {
  None = 0,
  Arc,           // b, the arc length
  FullTurns,     // the full circles
  ReducedAngle,  // γ, the angle within the last turn
  Sine,          // the projection onto the y axis
  Cosine,        // the projection onto the x axis
  Tangent,       // both projections
  Quadrant,
};

StepHighlight highlightForStep(const QString& latex);

}  // namespace uc
