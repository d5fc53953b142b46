#include "core/input/tiro_input_manager.h"

#include <algorithm>
#include <charconv>

#include "core/input/error_keys.h"
#include "core/input/field_grammar.h"
#include "core/number/number_text.h"
#include "core/solver/tiro_math_operation.h"

namespace uc {

ParseResult TiroInputManager::parseInputs(const std::vector<std::string>& texts,
                                          const std::vector<int>& tags,
                                          const std::vector<std::string>& ids,
                                          const ParseOptions& options) {
  isAnyNumberChanged = false;
  isWithFraction = false;
  isAllFractionIfOccuredOnce = options.isAllFractionIfOccuredOnce;
  isDecimalEliminationForced = options.isDecimalEliminationForced;
  inputFormatMode = options.inputFormatMode;
  allTextFieldTexts = texts;
  allInputs.clear();
  inputFormat = options.inputFormat;
  inputSymbols.clear();
  subcategory = options.subcategory;
  topic = options.topic;

  isTagUsed = !tags.empty();
  if (isTagUsed) {
    allTextFieldIds.clear();
    for (int tag : tags) allTextFieldIds.push_back(std::to_string(tag));
  } else {
    allTextFieldIds = ids;
  }

  if (auto missing = missingFields(options.minimumFilledCount, options.isEveryFieldRequired,
                                   options.requiredIds)) {
    isWithFraction = false;
    return failure(errorKey::notEnoughInputValues, *missing);
  }
  if (auto error = parseAllFields()) return failure(error->key, {error->field});
  if (inputFormatMode == FormatMode::variables) {
    if (auto error = resolveInputSymbols()) return failure(error->key, {error->field});
  }

  if (options.showsInputSteps) addInputStep(true);
  eliminateDecimals();
  cancelFractions();
  normaliseSigns();
  if (isAnyNumberChanged && inputFormatMode == FormatMode::formula && options.showsInputSteps) {
    addInputStep(false);
  }

  ParseResult result;
  result.allInputs = allInputs;
  result.isWithFraction = isWithFraction;
  result.solutionSteps = outputHelper.solutionSteps;
  return result;
}

std::optional<std::vector<DigitPtr>> TiroInputManager::parseDigits(
    const std::vector<std::string>& texts, bool /*isAllFractionIfOccuredOnce*/) {
  for (const auto& text : texts) {
    if (text.find('/') != std::string::npos) TiroMathOperation::shared().withFraction = true;
    if (slashCount(text) > 1) return std::nullopt;
  }
  std::vector<DigitPtr> digits;
  for (const auto& text : texts) {
    auto parsed = parseField(text);
    if (!std::holds_alternative<DigitPtr>(parsed)) return std::nullopt;
    digits.push_back(std::get<DigitPtr>(std::move(parsed)));
  }
  return digits;
}

std::optional<std::vector<std::size_t>> TiroInputManager::missingFields(
    int minimumFilledCount, bool isEveryFieldRequired,
    const std::vector<std::string>& requiredIds) const {
  std::vector<std::size_t> missing;
  if (!requiredIds.empty()) {
    for (std::size_t i = 0; i < allTextFieldTexts.size() && i < allTextFieldIds.size(); ++i) {
      const bool required = std::find(requiredIds.begin(), requiredIds.end(), allTextFieldIds[i]) !=
                            requiredIds.end();
      if (required && allTextFieldTexts[i].empty()) missing.push_back(i);
    }
    if (missing.empty()) return std::nullopt;
    return missing;
  }
  const int requiredCount =
      isEveryFieldRequired ? static_cast<int>(allTextFieldTexts.size()) : minimumFilledCount;
  int filled = 0;
  for (std::size_t i = 0; i < allTextFieldTexts.size(); ++i) {
    if (allTextFieldTexts[i].empty()) {
      missing.push_back(i);
    } else {
      ++filled;
    }
    if (filled >= requiredCount) return std::nullopt;
  }
  return missing;
}

std::optional<TiroInputManager::FieldError> TiroInputManager::parseAllFields() {
  // Slashes of every field are counted before any field is parsed.
  for (std::size_t i = 0; i < allTextFieldTexts.size(); ++i) {
    const auto& text = allTextFieldTexts[i];
    if (text.find('/') != std::string::npos) {
      isWithFraction = true;
      TiroMathOperation::shared().withFraction = true;
    }
    if (slashCount(text) > 1) return FieldError{errorKey::inputParameterError, i};
  }
  for (std::size_t i = 0; i < allTextFieldTexts.size(); ++i) {
    auto parsed = parseField(allTextFieldTexts[i]);
    if (auto* error = std::get_if<std::string>(&parsed)) return FieldError{*error, i};
    allInputs.push_back(std::get<DigitPtr>(std::move(parsed)));
  }
  return std::nullopt;
}

std::optional<TiroInputManager::FieldError> TiroInputManager::resolveInputSymbols() {
  for (std::size_t i = 0; i < inputFormat.size(); ++i) {
    const auto pieces = splitDroppingEmpty(inputFormat[i], "=");
    std::string key = pieces.empty() ? std::string() : pieces.front();
    key.erase(std::remove(key.begin(), key.end(), ' '), key.end());
    const auto found = TiroFormulaSymbol::shared().findSymbols(subcategory, topic, key);
    // Without a record the field has no symbol or unit to show: refuse rather than guess.
    if (found.empty()) return FieldError{errorKey::inputParameterError, i};
    inputFormat[i] = replaceAll(inputFormat[i], key, found.front().latex);
    inputSymbols.push_back(found.front());
  }
  return std::nullopt;
}

ParseResult TiroInputManager::failure(const std::string& key,
                                      const std::vector<std::size_t>& fields) const {
  ParseResult result;
  result.errorKey = key;
  result.isWithFraction = isWithFraction;
  std::vector<std::string> ids;
  for (auto field : fields) {
    if (field < allTextFieldIds.size()) ids.push_back(allTextFieldIds[field]);
  }
  if (isTagUsed) {
    std::vector<int> tags;
    for (const auto& id : ids) {
      int tag = 0;
      std::from_chars(id.data(), id.data() + id.size(), tag);
      tags.push_back(tag);
    }
    result.errorTags = std::move(tags);
  }
  result.errorIds = std::move(ids);
  return result;
}

}  // namespace uc
