#include "ui/charts/step_highlight.h"

namespace uc {

StepHighlight highlightForStep(const QString& latex) {
  const QString formula = latex.trimmed();
  // The input row names both quantities and computes neither.
  if (formula.contains(QLatin1String("\\quad b ="))) return StepHighlight::None;
  if (formula.startsWith(QLatin1String("\\sin"))) return StepHighlight::Sine;
  if (formula.startsWith(QLatin1String("\\cos"))) return StepHighlight::Cosine;
  if (formula.startsWith(QLatin1String("\\tan"))) return StepHighlight::Tangent;
  if (formula.startsWith(QLatin1String("\\sum"))) return StepHighlight::FullTurns;
  if (formula.startsWith(QLatin1String("\\gamma"))) return StepHighlight::ReducedAngle;
  if (formula.startsWith(QLatin1String("Q ="))) return StepHighlight::Quadrant;
  // The conversion between α and b, in either direction.
  if (formula.contains(QLatin1String("\\frac{2\\pi}{360")) ||
      formula.startsWith(QLatin1String("b =")) || formula.startsWith(QLatin1String("\\alpha")) ||
      formula.contains(QLatin1String("= b"))) {
    return StepHighlight::Arc;
  }
  return StepHighlight::None;
}

}  // namespace uc
