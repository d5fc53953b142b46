#include "ui/screens/exact_values_card.h"

#include <QCoreApplication>
#include <cmath>

#include "core/number/natural_constant.h"
#include "core/number/number_text.h"
#include "core/solver/exact_values.h"

namespace uc {
namespace {

constexpr int kDecimalPlaces = 4;

QString word(const char* key) {
  // Upright words inside the formulas.
  return QStringLiteral("\\text{") + QCoreApplication::translate("ExactValues", key) +
         QStringLiteral("}");
}

QString decimalText(double value, int places = kDecimalPlaces) {
  return QString::fromStdString(localeFormat(value, places));
}

// "= exact ≈ decimal", "= exact" when the exact form is a whole number, "≈ decimal" without one.
QString valueLatex(const ExactValue& value) {
  if (value.undefined()) return QStringLiteral("\\quad ") + word("undefined");
  const double decimal = *value.decimal;
  if (value.latex) {
    const QString exact = QString::fromStdString(*value.latex);
    if (decimal == std::round(decimal)) return QStringLiteral(" = ") + exact;
    return QStringLiteral(" = ") + exact + QStringLiteral(" \\approx ") + decimalText(decimal);
  }
  return QStringLiteral(" \\approx ") + decimalText(decimal);
}

}  // namespace

QString exactValuesCardTitle() { return QCoreApplication::translate("ExactValues", "exactValues"); }

QStringList exactValuesCardLatex(double alphaDegrees) {
  const std::optional<ExactValues> values = exactValuesFor(alphaDegrees);
  if (!values) return {};
  const double b = alphaDegrees * piConstant().value / 180;
  QString arc = values->bLatex ? QStringLiteral("b = ") + QString::fromStdString(*values->bLatex)
                               : QStringLiteral("b");
  if (!values->bLatex || (*values->bLatex != "0"))
    arc += QStringLiteral(" \\approx ") + decimalText(b);
  return {
      QStringLiteral("\\alpha = ") + decimalText(alphaDegrees, 10) +
          QStringLiteral("^{\\circ} \\quad ") + arc,
      QStringLiteral("\\sin\\alpha") + valueLatex(values->sin),
      QStringLiteral("\\cos\\alpha") + valueLatex(values->cos),
      QStringLiteral("\\tan\\alpha") + valueLatex(values->tan),
      word("referenceAngle") + QStringLiteral("\\; ") +
          decimalText(values->referenceAngleDegrees, 10) + QStringLiteral("^{\\circ}"),
      // Upright, as a name, not as the product of the variables I, I and I.
      QStringLiteral("\\text{") + QCoreApplication::translate("ExactValues", "quadrant") +
          QLatin1Char(' ') + QString::fromLatin1(rawValue(values->quadrant).data()) +
          QLatin1Char('}'),
  };
}

QStringList exactValuesCardLatex(const ChartSteps& chartSteps) {
  if (chartSteps.empty() || chartSteps.front().empty()) return {};
  const auto* circle = dynamic_cast<const UnitCircleChartData*>(chartSteps.front().front().get());
  return circle && circle->alpha ? exactValuesCardLatex(*circle->alpha) : QStringList{};
}

}  // namespace uc
