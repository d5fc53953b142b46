#pragma once

#include <optional>
#include <string>
#include <vector>

#include "core/number/digit.h"
#include "core/solver/solution_step.h"

namespace uc {

// The numbered steps of the calculation in progress, and the renderers of numbers as LaTeX.
class TiroStringOutput {
 public:
  static TiroStringOutput& shared();

  int solutionStepCounter = 0;  // number of the last step appended
  SolutionSteps solutionSteps;

  // Empties the list and restarts the numbering at 1.
  void reset();

  // Appends "<Step> <n>    <name>" with the given formula; name is a localisation key.
  void addStep(const std::string& name, std::string latex);
  // The same with a name that is already localised.
  void addStepWithLocalizedName(const std::string& localizedName, std::string latex);

  // Renders a digit; parenthesise absent wraps a result that starts with "-".
  std::string latexString(const Digit& digit, const std::string& unit = {},
                          std::optional<bool> parenthesise = false, bool forceFraction = false,
                          bool raw = false, int maximumFractionDigits = 10) const;

  // A plain double followed by constants: "0", "\infty" and "-\infty" beyond the limits,
  // 1 with constants as the constants alone, negative values in parentheses.
  std::string plainNumberLatex(double value, const std::vector<NaturalConstant>& constants,
                               int maximumFractionDigits = 10) const;

  // The variable part of a digit: x, x^{2}, or \frac{x}{y} when the denominator has one.
  std::string variableLatex(const Digit& digit) const;

  // \frac{Z : D}{N : D} and \frac{Z \cdot F}{N \cdot F}, the side texts of cancelling and
  // expanding.
  std::string cancelStepLatex(const Digit& digit, double divisor,
                              const std::vector<NaturalConstant>& cancelledConstants) const;
  std::string expandStepLatex(const Digit& digit, double factor) const;
};

}  // namespace uc
