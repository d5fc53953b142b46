#include "ui/solution/exact_values_card.h"

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

// "f = exact", "≈ decimal"; just "f = exact" when the exact form is a whole number, and
// "f ≈ decimal" without one.
ExactValuesCardLine valueLine(const QString& function, const ExactValue& value) {
  if (value.undefined()) return {{function, word("undefined")}, {QStringLiteral("\\quad ")}};
  const double decimal = *value.decimal;
  if (!value.latex) return {{function + QStringLiteral(" \\approx ") + decimalText(decimal)}, {}};
  const QString exact = function + QStringLiteral(" = ") + QString::fromStdString(*value.latex);
  if (decimal == std::round(decimal)) return {{exact}, {}};
  return {{exact, QStringLiteral("\\approx ") + decimalText(decimal)}, {QStringLiteral(" ")}};
}

}  // namespace

QString exactValuesCardTitle() { return QCoreApplication::translate("ExactValues", "exactValues"); }

QString ExactValuesCardLine::latex() const {
  QString whole = parts.value(0);
  for (qsizetype i = 1; i < parts.size(); ++i) whole += joins.value(i - 1) + parts[i];
  return whole;
}

QList<ExactValuesCardLine> exactValuesCardLines(double alphaDegrees) {
  const std::optional<ExactValues> values = exactValuesFor(alphaDegrees);
  if (!values) return {};
  const double b = alphaDegrees * piConstant().value / 180;
  ExactValuesCardLine angles{
      {QStringLiteral("\\alpha = ") + decimalText(alphaDegrees, 10) + QStringLiteral("^{\\circ}")},
      {}};
  const auto addPart = [&angles](const QString& join, const QString& part) {
    angles.joins.append(join);
    angles.parts.append(part);
  };
  const QString approximateB = QStringLiteral("\\approx ") + decimalText(b);
  if (!values->bLatex) {
    addPart(QStringLiteral(" \\quad "), QStringLiteral("b ") + approximateB);
  } else {
    addPart(QStringLiteral(" \\quad "),
            QStringLiteral("b = ") + QString::fromStdString(*values->bLatex));
    if (*values->bLatex != "0") addPart(QStringLiteral(" "), approximateB);
  }
  return {
      angles,
      valueLine(QStringLiteral("\\sin\\alpha"), values->sin),
      valueLine(QStringLiteral("\\cos\\alpha"), values->cos),
      valueLine(QStringLiteral("\\tan\\alpha"), values->tan),
      {{word("referenceAngle"),
        decimalText(values->referenceAngleDegrees, 10) + QStringLiteral("^{\\circ}")},
       {QStringLiteral("\\; ")}},
      // Upright, as a name, not as the product of the variables I, I and I.
      {{QStringLiteral("\\text{") + QCoreApplication::translate("ExactValues", "quadrant") +
        QLatin1Char(' ') + QString::fromLatin1(rawValue(values->quadrant).data()) +
        QLatin1Char('}')},
       {}},
  };
}

QList<ExactValuesCardLine> exactValuesCardLines(const ChartSteps& chartSteps) {
  if (chartSteps.empty() || chartSteps.front().empty()) return {};
  const auto* circle = dynamic_cast<const UnitCircleChartData*>(chartSteps.front().front().get());
  return circle && circle->alpha ? exactValuesCardLines(*circle->alpha)
                                 : QList<ExactValuesCardLine>{};
}

QStringList wholeLines(const QList<ExactValuesCardLine>& lines) {
  QStringList whole;
  for (const ExactValuesCardLine& line : lines) whole.append(line.latex());
  return whole;
}

QVariantList cardLineMaps(const QList<ExactValuesCardLine>& lines) {
  QVariantList maps;
  for (const ExactValuesCardLine& line : lines) {
    maps.append(
        QVariantMap{{QStringLiteral("parts"), line.parts}, {QStringLiteral("joins"), line.joins}});
  }
  return maps;
}

}  // namespace uc
