// The input steps and the normalisation that parseInputs runs after a successful parse.
#include <cmath>

#include "core/input/tiro_input_manager.h"
#include "core/localization.h"
#include "core/number/number_text.h"
#include "core/solver/tiro_math_operation.h"

namespace uc {
namespace {

// "%g" texts read back; only "inf" and "nan" do not read, and they stand for themselves.
double readBack(const std::string& text, double original) {
  const auto value = parseDouble(text);
  return value ? *value : original;
}

}  // namespace

std::string TiroInputManager::fieldLatex(std::size_t field, bool raw) const {
  const auto& digit = allInputs[field];
  if (!digit->z) return " ? ";
  return outputHelper.latexString(*digit, {}, false, false, raw, 10);
}

std::string TiroInputManager::unitTextOfField(std::size_t field) const {
  if (field >= inputSymbols.size()) return {};
  return TiroFormulaUnit::shared().convertUnitText(inputSymbols[field].unit, false);
}

void TiroInputManager::addInputStep(bool raw) {
  const std::string title = localized(isAnyNumberChanged ? "Modified Input" : "Your Input",
                                      isAnyNumberChanged ? "" : "The input title in solution view");
  if (inputFormatMode == FormatMode::formula) {
    std::string latex = inputFormat.empty() ? std::string() : inputFormat.front();
    for (std::size_t i = 0; i < allInputs.size(); ++i) {
      latex = replaceAll(std::move(latex), "%" + std::to_string(i), fieldLatex(i, raw));
    }
    outputHelper.solutionSteps.push_back({title, latex});
    return;
  }
  for (std::size_t i = 0; i < allInputs.size() && i < inputFormat.size(); ++i) {
    const std::string latex =
        replaceAll(inputFormat[i], "%0", fieldLatex(i, raw)) + " " + unitTextOfField(i) + "\n";
    outputHelper.solutionSteps.push_back({i == 0 ? title : std::string(), latex});
  }
}

void TiroInputManager::eliminateDecimals() {
  struct Expansion {
    std::size_t field;
    std::string text;  // the step's LaTeX, or in the variables layout the text kept for it
  };
  std::vector<Expansion> expansions;

  for (std::size_t i = 0; i < allInputs.size(); ++i) {
    const auto& d = allInputs[i];
    if (i >= allTextFieldTexts.size() || allTextFieldTexts[i].empty() || !d->z) continue;
    const std::string before = outputHelper.latexString(*d, {}, false, false, false, 10);
    const std::string zText = printfG(*d->z);
    const std::string nText = printfG(d->n);
    const double places = decimalPlaces(zText, nText);
    const bool wanted =
        isDecimalEliminationForced || (isWithFraction && isAllFractionIfOccuredOnce) || d->n != 1.0;
    if (places <= 0 || !wanted) continue;

    const double f = std::pow(10.0, places);
    const std::string expansion = "\\frac{" + printfG(*d->z) + " \\cdot " + printfG(f) + "}{" +
                                  printfG(d->n) + " \\cdot " + printfG(f) + "}";
    d->z = readBack(zText, *d->z) * f;
    d->n = readBack(nText, d->n) * f;
    const std::string after = outputHelper.latexString(*d, {}, false, false, false, 10);
    isAnyNumberChanged = true;
    isWithFraction = true;
    if (inputFormatMode == FormatMode::formula) {
      expansions.push_back({i, before + " = " + expansion + " = " + after});
    } else {
      expansions.push_back({i, expansion + " = " + after});
    }
  }

  if (inputFormatMode == FormatMode::formula) {
    for (std::size_t k = 0; k < expansions.size(); ++k) {
      outputHelper.solutionSteps.push_back(
          {k == 0 ? localized("Expand") : std::string(), expansions[k].text});
    }
    return;
  }
  // The variables layout rewrites the field's own input step instead of adding one.
  for (const auto& expansion : expansions) {
    if (expansion.field >= inputFormat.size()) continue;
    const std::string prefix = replaceAll(inputFormat[expansion.field], "%0", "");
    for (auto& step : outputHelper.solutionSteps) {
      if (step.latexString.rfind(prefix, 0) != 0) continue;
      step.latexString = replaceAll(step.latexString, "\n", " = ") + expansion.text + " " +
                         unitTextOfField(expansion.field);
    }
  }
}

void TiroInputManager::cancelFractions() {
  bool first = true;
  for (auto& d : allInputs) {
    auto cancelled = TiroMathOperation::shared().cancelDown(*d);
    if (!cancelled) continue;
    const std::string latex =
        outputHelper.latexString(*d, {}, false, false, true, 10) + "= " + cancelled->sideText;
    outputHelper.solutionSteps.push_back(
        {first ? localized("Cancel (math)") : std::string(), latex});
    first = false;
    d = cancelled->digit;
    isAnyNumberChanged = true;
  }
}

void TiroInputManager::normaliseSigns() {
  for (auto& d : allInputs) {
    if (d->z && d->n < 0) {
      d->z = -*d->z;
      d->n = -d->n;
      isAnyNumberChanged = true;
    }
  }
}

}  // namespace uc
