#pragma once

#include <QStringList>

#include "core/solver/chart_data.h"

namespace uc {

// The lines of the exact values card above the steps, as LaTeX: α and b, then sin, cos and
// tan in their radical forms where the angle has them, each beside its decimal, then the
// reference angle, then the quadrant. Words come from the "ExactValues" translations.
QStringList exactValuesCardLatex(double alphaDegrees);

// The same for the angle of a solution's unit circle; empty when it has none.
QStringList exactValuesCardLatex(const ChartSteps& chartSteps);

// The card's title.
QString exactValuesCardTitle();

}  // namespace uc
