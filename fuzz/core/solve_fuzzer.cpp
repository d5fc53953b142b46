// Feeds arbitrary field texts to the parser and the solver. Every outcome must be a known error
// key with no steps, or the input steps followed by exactly 22 numbered steps.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <set>
#include <string>

#include "core/input/tiro_input_manager.h"
#include "core/solver/tiro_unit_circle.h"

namespace {

const std::set<std::string>& knownErrorKeys() {
  static const std::set<std::string> keys{
      "notEnoughInputValues",
      "inputParameterError",
      "fractionIncomplete",
      "inputZeroInDenominator",
      "toManyNaturalConstantsInSubstring",
      "toManyVariablesInSubstring",
      "naturalConstantInWrongPositionOfSubstring",
      "valueOutOfRange",
  };
  return keys;
}

void check(bool condition) {
  if (!condition) std::abort();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  // The two fields are separated by the first tab.
  const std::string text(reinterpret_cast<const char*>(data), size);
  const auto tab = text.find('\t');
  const std::string alpha = text.substr(0, tab);
  const std::string b = tab == std::string::npos ? std::string() : text.substr(tab + 1);

  uc::TiroInputManager::parseDigits({alpha, b}, true);
  const uc::SolveResult result = uc::calculate(alpha, b);
  if (result.errorKey) {
    check(knownErrorKeys().count(*result.errorKey) == 1);
    check(result.errorTags && !result.errorTags->empty());
    check(!result.solutionSteps && !result.chartSteps);
    return 0;
  }
  check(result.solutionSteps && result.chartSteps && result.chartSteps->size() == 3);
  const auto& steps = *result.solutionSteps;
  std::size_t numbered = 0;
  for (const auto& step : steps) {
    const bool isNumbered = step.title.rfind("Step ", 0) == 0;
    // Input steps come first; once numbering starts every step is numbered, in order.
    if (numbered > 0) check(isNumbered);
    if (isNumbered) {
      ++numbered;
      check(step.title.rfind("Step " + std::to_string(numbered) + "    ", 0) == 0);
    }
  }
  check(numbered == 22);
  check(steps.size() > 22 && steps.front().title.rfind("Step ", 0) != 0);
  return 0;
}
