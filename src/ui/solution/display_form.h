#pragma once

#include <QString>

namespace uc {

// The form in which a step formula is drawn: tidied spacing, stretchy brackets, no ".0" on
// whole numbers, collapsed sign pairs, and a thin space before every colour change.
QString displayForm(const QString& latex);

}  // namespace uc
