#pragma once

#include <QtQml/qqmlregistration.h>

#include <QObject>
#include <QString>

namespace uc {
namespace step_highlight {
Q_NAMESPACE
QML_NAMED_ELEMENT(StepHighlight)

// The core's uc::charts::StepHighlight, value for value, for the views: StepHighlight.Arc and
// so on.
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
Q_ENUM_NS(StepHighlight)

}  // namespace step_highlight

using step_highlight::StepHighlight;

StepHighlight highlightForStep(const QString& latex);

}  // namespace uc
