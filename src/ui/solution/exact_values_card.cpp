#include "ui/solution/exact_values_card.h"

#include <QCoreApplication>

#include "core/number/natural_constant.h"
#include "core/number/number_text.h"
#include "core/solver/exact_values.h"
#include "core/solver/tiro_math_operation.h"

namespace uc {
namespace {

// One rule for every decimal on the card, angles and sin, cos, tan alike.
constexpr int kDecimalPlaces = 4;

QString word(const char* key) {
  // Upright words inside the formulas.
  return QStringLiteral("\\text{") + QCoreApplication::translate("ExactValues", key) +
         QStringLiteral("}");
}

// Never grouped: "1,000" reads as one in German.
QString decimalText(double value) {
  return QString::fromStdString(localeFormat(value, kDecimalPlaces, false));
}

// The places show the value, dropping at most a rounding residue (56.544000000000004).
bool shownExactly(double value) {
  return !TiroMathOperation::shared().roundValue(value, kDecimalPlaces).changedNoticeably();
}

QString relation(double value) {
  return shownExactly(value) ? QStringLiteral("= ") : QStringLiteral("\\approx ");
}

// "f = exact" beside "≈ decimal" (or "= decimal"); the exact form alone where it is that
// decimal already ("b = 2", "sin α = 1"), the decimal alone without one ("f ≈ decimal").
QStringList valueParts(const QString& name, const std::optional<std::string>& exact, double value,
                       const QString& unit = {}) {
  const QString decimal = decimalText(value) + unit;
  if (!exact) return {name + QLatin1Char(' ') + relation(value) + decimal};
  const QString exactText = QString::fromStdString(*exact);
  const QString first = name + QStringLiteral(" = ") + exactText;
  if (exactText + unit == decimal) return {first};
  return {first, relation(value) + decimal};
}

ExactValuesCardLine valueLine(const QString& function, const ExactValue& value) {
  if (value.undefined()) return {{function, word("undefined")}, {QStringLiteral("\\quad ")}};
  const QStringList parts = valueParts(function, value.latex, *value.decimal);
  return {parts, parts.size() > 1 ? QStringList{QStringLiteral(" ")} : QStringList{}};
}

}  // namespace

QString exactValuesCardTitle() { return QCoreApplication::translate("ExactValues", "exactValues"); }

QString ExactValuesCardLine::latex() const {
  QString whole = parts.value(0);
  for (qsizetype i = 1; i < parts.size(); ++i) whole += joins.value(i - 1) + parts[i];
  return whole;
}

QList<ExactValuesCardLine> exactValuesCardLines(const ChartSteps& chartSteps,
                                                const std::optional<std::string>& typedArcLatex) {
  if (chartSteps.empty() || chartSteps.front().empty()) return {};
  const auto* circle = dynamic_cast<const UnitCircleChartData*>(chartSteps.front().front().get());
  if (!circle || !circle->alpha) return {};
  const double alphaDegrees = *circle->alpha;
  const std::optional<ExactValues> values = exactValuesFor(alphaDegrees, typedArcLatex);
  if (!values) return {};
  const double b = circle->b.value_or(alphaDegrees * piConstant().value / 180);

  ExactValuesCardLine angles{valueParts(QStringLiteral("\\alpha"), std::nullopt, alphaDegrees,
                                        QStringLiteral("^{\\circ}")),
                             {}};
  const QStringList arc = valueParts(QStringLiteral("b"), values->bLatex, b);
  for (qsizetype i = 0; i < arc.size(); ++i) {
    angles.joins.append(i == 0 ? QStringLiteral(" \\quad ") : QStringLiteral(" "));
    angles.parts.append(arc[i]);
  }
  const double reference = values->referenceAngleDegrees;
  const QString referenceRelation = shownExactly(reference) ? QString() : relation(reference);
  return {
      angles,
      valueLine(QStringLiteral("\\sin\\alpha"), values->sin),
      valueLine(QStringLiteral("\\cos\\alpha"), values->cos),
      valueLine(QStringLiteral("\\tan\\alpha"), values->tan),
      {{word("referenceAngle"),
        referenceRelation + decimalText(reference) + QStringLiteral("^{\\circ}")},
       {QStringLiteral("\\; ")}},
      // Upright, as a name, not as the product of the variables I, I and I.
      {{QStringLiteral("\\text{") + QCoreApplication::translate("ExactValues", "quadrant") +
        QLatin1Char(' ') + QString::fromLatin1(rawValue(values->quadrant).data()) +
        QLatin1Char('}')},
       {}},
  };
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
