#pragma once

#include <string>
#include <vector>

namespace uc {

// One row of a solution: a heading and a formula in LaTeX (math mode).
struct SolutionStep {
  std::string title;
  std::string latexString;

  bool operator==(const SolutionStep&) const = default;
};

using SolutionSteps = std::vector<SolutionStep>;

}  // namespace uc
