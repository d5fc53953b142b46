#pragma once

#include <QStringList>
#include <QVariantList>
#include <vector>

#include "core/solver/exact_values_card.h"

namespace uc {

// The core's card lines for QML and the shared image.

// Each line whole.
QStringList wholeLines(const std::vector<ExactValuesCardLine>& lines);
// Each line as {"parts": [...], "joins": [...]}, for the card's view.
QVariantList cardLineMaps(const std::vector<ExactValuesCardLine>& lines);

}  // namespace uc
