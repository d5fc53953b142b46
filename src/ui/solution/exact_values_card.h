#pragma once

#include <QList>
#include <QStringList>
#include <QVariantList>
#include <optional>
#include <string>

#include "core/solver/chart_data.h"

namespace uc {

// One line of the card, in the parts it may be broken into where it is too wide for the card
// (large text): "sin α = √2/2" and "≈ 0.7071". `joins[i]` stands between parts i and i + 1
// when they share a row.
struct ExactValuesCardLine {
  QStringList parts;
  QStringList joins;

  QString latex() const;
};

// The lines of the exact values card above the steps, as LaTeX, for the angle and arc of a
// solution's unit circle (empty when it has none): α and b (b as typed when typedArcLatex
// holds it), then sin, cos and tan in their radical forms where the angle has them, each
// beside its decimal, then the reference angle, then the quadrant. Every decimal has at most
// four places and no grouping. Words come from the "ExactValues" translations.
QList<ExactValuesCardLine> exactValuesCardLines(
    const ChartSteps& chartSteps, const std::optional<std::string>& typedArcLatex = std::nullopt);

// Each line whole.
QStringList wholeLines(const QList<ExactValuesCardLine>& lines);
// Each line as {"parts": [...], "joins": [...]}, for the card's view.
QVariantList cardLineMaps(const QList<ExactValuesCardLine>& lines);

// The card's title.
QString exactValuesCardTitle();

}  // namespace uc
