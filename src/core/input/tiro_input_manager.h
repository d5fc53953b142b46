#pragma once

#include <optional>
#include <string>
#include <vector>

#include "core/input/format_mode.h"
#include "core/input/formula_tables.h"
#include "core/number/digit.h"
#include "core/solver/tiro_string_output.h"

namespace uc {

struct ParseResult {
  std::optional<std::vector<DigitPtr>> allInputs;
  std::optional<std::string> errorKey;
  std::optional<std::vector<int>> errorTags;
  std::optional<std::vector<std::string>> errorIds;
  bool isWithFraction = false;
  std::optional<SolutionSteps> solutionSteps;
};

struct ParseOptions {
  std::vector<std::string> inputFormat;
  bool showsInputSteps = true;
  bool isAllFractionIfOccuredOnce = false;
  bool isDecimalEliminationForced = false;
  FormatMode inputFormatMode = FormatMode::formula;
  std::string subcategory;
  std::string topic;
  int minimumFilledCount = 1;
  bool isEveryFieldRequired = false;
  std::vector<std::string> requiredIds;
};

// Turns typed field texts into digits: a number optionally followed by one constant (π, e) or
// one variable (x, y, z), or two such terms around one "/"; brackets are ignored. Decimals in
// fractions are expanded, fractions cancelled and signs moved to the numerator, each change
// shown as an input step ahead of the solution.
class TiroInputManager {
 public:
  TiroStringOutput& outputHelper = TiroStringOutput::shared();
  std::vector<std::string> stringInputs;
  bool isTagUsed = false;
  std::vector<std::string> allTextFieldIds;
  std::vector<DigitPtr> allInputs;
  std::vector<std::string> allTextFieldPlaceholder;
  std::vector<std::string> inputFormat;
  std::vector<Symbol> inputSymbols;
  std::vector<std::string> allTextFieldTexts;
  std::string subcategory;
  std::string topic;
  FormatMode inputFormatMode = FormatMode::formula;
  bool isAllFractionIfOccuredOnce = true;
  bool isDecimalEliminationForced = false;
  bool isWithFraction = false;
  bool isAnyNumberChanged = false;
  DigitPtr digit = makeDigit(std::nullopt, 1.0);

  ParseResult parseInputs(const std::vector<std::string>& texts, const std::vector<int>& tags,
                          const std::vector<std::string>& ids, const ParseOptions& options);

  // The field grammar alone: digits as typed (no normalisation, no steps), or nothing.
  static std::optional<std::vector<DigitPtr>> parseDigits(const std::vector<std::string>& texts,
                                                          bool isAllFractionIfOccuredOnce);

  // Input steps and normalisation, in the order parseInputs runs them.
  void addInputStep(bool raw);
  void eliminateDecimals();
  void cancelFractions();
  void normaliseSigns();

 private:
  struct FieldError {
    std::string key;
    std::size_t field;
  };

  std::optional<std::vector<std::size_t>> missingFields(
      int minimumFilledCount, bool isEveryFieldRequired,
      const std::vector<std::string>& requiredIds) const;
  std::optional<FieldError> parseAllFields();
  std::optional<FieldError> resolveInputSymbols();
  std::string fieldLatex(std::size_t field, bool raw) const;
  std::string unitTextOfField(std::size_t field) const;
  ParseResult failure(const std::string& key, const std::vector<std::size_t>& fields) const;
};

}  // namespace uc
