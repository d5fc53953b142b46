#include "ui/charts/step_highlight.h"

#include "core/charts/step_highlight.h"

namespace uc {

StepHighlight highlightForStep(const QString& latex) {
  return static_cast<StepHighlight>(charts::highlightForStep(latex.toStdString()));
}

}  // namespace uc
