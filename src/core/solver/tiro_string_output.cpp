#include "core/solver/tiro_string_output.h"

#include <cmath>
#include <utility>

#include "core/localization.h"
#include "core/number/number_text.h"

namespace uc {
namespace {

constexpr double kZeroLimit = 1e-10;
constexpr double kInfinityLimit = 1e12;

std::string withoutGrouping(double value, int maximumFractionDigits) {
  // A part that overflowed to infinity is written as TeX writes it, not as the formatter's "∞".
  if (std::isinf(value)) return value < 0 ? "-\\infty" : "\\infty";
  return localeFormat(value, maximumFractionDigits, false);
}

// "1" and "-1" give way to the constant's symbol (\pi, -\pi); other numbers are followed by it.
void applyConstants(std::string& text, const std::vector<NaturalConstant>& constants) {
  for (const auto& constant : constants) {
    if (text == "1") {
      text = constant.latex;
    } else if (text == "-1") {
      text = "-" + constant.latex;
    } else {
      text += constant.latex;
    }
  }
}

// The denominator passes through its "%g" text, as the numbers shown elsewhere do; where that
// text is in exponent form the denominator's own digits are written instead.
std::string denominatorText(double n, int maximumFractionDigits) {
  const std::string g = printfG(n);
  if (g.find('e') != std::string::npos) return withoutGrouping(n, maximumFractionDigits);
  const auto readBack = parseDouble(g);
  return withoutGrouping(readBack ? *readBack : n, maximumFractionDigits);
}

std::string variablePowerLatex(const std::string& letter, double power) {
  if (power == 1.0) return letter;
  return letter + "^{" + withoutGrouping(power, 10) + "}";
}

}  // namespace

TiroStringOutput& TiroStringOutput::shared() {
  static TiroStringOutput instance;
  return instance;
}

void TiroStringOutput::reset() {
  solutionSteps.clear();
  solutionStepCounter = 0;
}

void TiroStringOutput::addStep(const std::string& name, std::string latex) {
  addStepWithLocalizedName(name.empty() ? std::string() : localized(name), std::move(latex));
}

void TiroStringOutput::addStepWithLocalizedName(const std::string& localizedName,
                                                std::string latex) {
  ++solutionStepCounter;
  const std::string word = localized("Step");
  const std::string number = std::to_string(solutionStepCounter);
  std::string title;
  title.reserve(word.size() + number.size() + localizedName.size() + 5);
  title.append(word).append(" ").append(number).append("    ").append(localizedName);
  solutionSteps.push_back({std::move(title), std::move(latex)});
}

std::string TiroStringOutput::latexString(const Digit& digit, const std::string& unit,
                                          std::optional<bool> parenthesise, bool forceFraction,
                                          bool raw, int maximumFractionDigits) const {
  const auto value = digit.numericValue();
  if (!value) return {};
  const double v = *value;

  std::string result;
  if (std::fabs(v) < kZeroLimit && !raw) {
    result = "0";
  } else if (v > kInfinityLimit) {
    result = "\\infty";
  } else if (v < -kInfinityLimit) {
    result = "-\\infty";
  } else {
    double z = *digit.z;
    double n = digit.n;
    if (!raw && ((z < 0 && n > 0) || (z > 0 && n < 0))) {
      result = "-";
      z = std::fabs(z);
      n = std::fabs(n);
    }
    std::string numerator = withoutGrouping(z, maximumFractionDigits);
    applyConstants(numerator, digit.zConstants);
    std::string denominator = denominatorText(n, maximumFractionDigits);
    applyConstants(denominator, digit.nConstants);
    if (n == 1 && digit.nConstants.empty() && !forceFraction) {
      result += numerator;
    } else {
      result += "\\frac{" + numerator + "}{" + denominator + "}";
    }
  }

  if (!digit.zVariable.empty() || !digit.nVariable.empty()) {
    const std::string variable = variableLatex(digit);
    if (result == "1") {
      result = variable;
    } else if (result == "-1") {
      result = "-" + variable;
    } else {
      result += " " + variable;
    }
  }
  if (parenthesise.value_or(!result.empty() && result[0] == '-')) {
    result = "\\left(" + result + "\\right)";
  }
  if (!unit.empty()) result += " " + unit;
  return result;
}

std::string TiroStringOutput::plainNumberLatex(double value,
                                               const std::vector<NaturalConstant>& constants,
                                               int maximumFractionDigits) const {
  if (std::fabs(value) < kZeroLimit) return "0";
  if (value > kInfinityLimit) return "\\infty";
  if (value < -kInfinityLimit) return "-\\infty";
  std::string symbols;
  for (const auto& constant : constants) symbols += constant.latex;
  if (!symbols.empty() && value == 1) return symbols;
  if (!symbols.empty() && value == -1) return "(-" + symbols + ")";
  const std::string text = withoutGrouping(value, maximumFractionDigits) + symbols;
  return value < 0 ? "(" + text + ")" : text;
}

std::string TiroStringOutput::variableLatex(const Digit& digit) const {
  const std::string top =
      digit.zVariable.empty() ? "1" : variablePowerLatex(digit.zVariable, digit.powerOfZVariable);
  if (digit.nVariable.empty()) return top;
  return "\\frac{" + top + "}{" + variablePowerLatex(digit.nVariable, digit.powerOfNVariable) + "}";
}

std::string TiroStringOutput::cancelStepLatex(
    const Digit& digit, double divisor,
    const std::vector<NaturalConstant>& cancelledConstants) const {
  const std::string z = plainNumberLatex(digit.z.value_or(0), digit.zConstants);
  const std::string n = plainNumberLatex(digit.n, digit.nConstants);
  const std::string d = plainNumberLatex(divisor, cancelledConstants);
  std::string text = "\\frac{" + z + " : " + d + "}{" + n + " : " + d + "}";
  if (!digit.zVariable.empty() || !digit.nVariable.empty()) text += variableLatex(digit);
  return text;
}

std::string TiroStringOutput::expandStepLatex(const Digit& digit, double factor) const {
  const std::string f = plainNumberLatex(factor, {});
  return "\\frac{" + plainNumberLatex(digit.z.value_or(0), digit.zConstants) + " \\cdot " + f +
         "}{" + plainNumberLatex(digit.n, digit.nConstants) + " \\cdot " + f + "}";
}

}  // namespace uc
