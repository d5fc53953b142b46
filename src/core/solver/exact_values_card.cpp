#include "core/solver/exact_values_card.h"

#include "core/localization.h"
#include "core/number/natural_constant.h"
#include "core/number/number_text.h"
#include "core/solver/exact_values.h"
#include "core/solver/tiro_math_operation.h"

namespace uc {
namespace {

// One rule for every decimal on the card, angles and sin, cos, tan alike.
constexpr int kDecimalPlaces = 4;

// Upright words inside the formulas.
std::string word(const char* key) { return "\\text{" + localized(key) + "}"; }

// Never grouped: "1,000" reads as one in German.
std::string decimalText(double value) { return localeFormat(value, kDecimalPlaces, false); }

// The places show the value, dropping at most a rounding residue (56.544000000000004).
bool shownExactly(double value) {
  return !TiroMathOperation::shared().roundValue(value, kDecimalPlaces).changedNoticeably();
}

std::string relation(double value) { return shownExactly(value) ? "= " : "\\approx "; }

// "f = exact" beside "≈ decimal" (or "= decimal"); the exact form alone where it is that
// decimal already ("b = 2", "sin α = 1"), the decimal alone without one ("f ≈ decimal").
std::vector<std::string> valueParts(const std::string& name,
                                    const std::optional<std::string>& exact, double value,
                                    const std::string& unit = {}) {
  const std::string decimal = decimalText(value) + unit;
  if (!exact) return {name + " " + relation(value) + decimal};
  const std::string first = name + " = " + *exact;
  if (*exact + unit == decimal) return {first};
  return {first, relation(value) + decimal};
}

// The quadrant, or the axis where the angle lies in none.
ExactValuesCardLine placeLine(const ExactValues& values) {
  if (!values.axis) {
    // Upright, as a name, not as the product of the variables I, I and I.
    return {
        {"\\text{" + localized("quadrant") + " " + std::string(rawValue(values.quadrant)) + "}"},
        {}};
  }
  static constexpr const char* kAxisKeys[] = {"onPositiveXAxis", "onPositiveYAxis",
                                              "onNegativeXAxis", "onNegativeYAxis"};
  return {{word(kAxisKeys[static_cast<int>(*values.axis)])}, {}};
}

ExactValuesCardLine valueLine(const std::string& function, const ExactValue& value) {
  if (value.undefined()) return {{function, word("undefined")}, {"\\quad "}};
  std::vector<std::string> parts = valueParts(function, value.latex, *value.decimal);
  std::vector<std::string> joins;
  if (parts.size() > 1) joins.emplace_back(" ");
  return {std::move(parts), std::move(joins)};
}

}  // namespace

std::string exactValuesCardTitle() { return localized("exactValues"); }

std::string ExactValuesCardLine::latex() const {
  std::string whole = parts.empty() ? std::string() : parts.front();
  for (std::size_t i = 1; i < parts.size(); ++i) {
    if (i - 1 < joins.size()) whole += joins[i - 1];
    whole += parts[i];
  }
  return whole;
}

std::vector<ExactValuesCardLine> exactValuesCardLines(
    const ChartSteps& chartSteps, const std::optional<std::string>& typedArcLatex) {
  if (chartSteps.empty() || chartSteps.front().empty()) return {};
  const auto* circle = dynamic_cast<const UnitCircleChartData*>(chartSteps.front().front().get());
  if (!circle || !circle->alpha) return {};
  const double alphaDegrees = *circle->alpha;
  const std::optional<ExactValues> values = exactValuesFor(alphaDegrees, typedArcLatex);
  if (!values) return {};
  const double b = circle->b.value_or(alphaDegrees * piConstant().value / 180);

  ExactValuesCardLine angles{valueParts("\\alpha", std::nullopt, alphaDegrees, "^{\\circ}"), {}};
  const std::vector<std::string> arc = valueParts("b", values->bLatex, b);
  for (std::size_t i = 0; i < arc.size(); ++i) {
    angles.joins.emplace_back(i == 0 ? " \\quad " : " ");
    angles.parts.push_back(arc[i]);
  }
  const double reference = values->referenceAngleDegrees;
  const std::string referenceRelation = shownExactly(reference) ? "" : relation(reference);
  return {
      angles,
      valueLine("\\sin\\alpha", values->sin),
      valueLine("\\cos\\alpha", values->cos),
      valueLine("\\tan\\alpha", values->tan),
      {{word("referenceAngle"), referenceRelation + decimalText(reference) + "^{\\circ}"},
       {"\\; "}},
      placeLine(*values),
  };
}

}  // namespace uc
