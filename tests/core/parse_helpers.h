#pragma once

#include <string>
#include <vector>

#include "core/input/tiro_input_manager.h"
#include "core/solver/tiro_math_operation.h"
#include "core/solver/tiro_string_output.h"

namespace uc::testing {

// Parses the two unit-circle fields as the solver does, from a clean shared state.
inline ParseResult parseUnitCircle(const std::string& alpha, const std::string& b) {
  TiroStringOutput::shared().reset();
  TiroMathOperation::shared().withFraction = false;
  TiroInputManager manager;
  ParseOptions options;
  options.inputFormat = {"\\alpha = %0^{\\circ} \\quad b = %1"};
  return manager.parseInputs({alpha, b}, {1, 2}, {}, options);
}

inline std::vector<std::string> latexOf(const SolutionSteps& steps) {
  std::vector<std::string> latex;
  for (const auto& step : steps) latex.push_back(step.latexString);
  return latex;
}

inline std::vector<std::string> titlesOf(const SolutionSteps& steps) {
  std::vector<std::string> titles;
  for (const auto& step : steps) titles.push_back(step.title);
  return titles;
}

}  // namespace uc::testing
