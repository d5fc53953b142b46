#pragma once

#include <QString>

#include "flow/calculation.h"

namespace uc {

// The one-line LaTeX summary of a calculation, shown as its history row: the angle part
// "\alpha = ?^{\circ}" and the arc part "b = ?", each "?" of a filled field replaced by the
// LaTeX of the number parsed from its text, joined by " \quad ". Text that does not parse
// leaves the question marks.
QString summaryLine(const QString& alphaText, const QString& bText);

// The record the calculate screen stores after a successful calculation: the non-empty
// texts, the summary line, no steps and the app key.
Calculation calculationForStoring(const QString& alphaText, const QString& bText);

}  // namespace uc
