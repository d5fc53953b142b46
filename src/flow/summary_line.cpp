#include "flow/summary_line.h"

#include <string>
#include <vector>

#include "core/input/tiro_input_manager.h"
#include "core/solver/tiro_string_output.h"

namespace uc {
namespace {

std::string filledIn(std::string part, const std::string& text, const DigitPtr& digit) {
  if (text.empty() || !digit || !digit->z) return part;
  const std::string latex =
      TiroStringOutput::shared().latexString(*digit, {}, false, false, false, 10);
  for (auto at = part.find('?'); at != std::string::npos; at = part.find('?', at + latex.size())) {
    part.replace(at, 1, latex);
  }
  return part;
}

}  // namespace

QString summaryLine(const QString& alphaText, const QString& bText) {
  const std::vector<std::string> texts{alphaText.toStdString(), bText.toStdString()};
  std::vector<DigitPtr> digits(2);
  if (auto parsed = TiroInputManager::parseDigits(texts, true); parsed && parsed->size() == 2) {
    digits = *parsed;
  }
  const std::string line = filledIn("\\alpha = ?^{\\circ}", texts[0], digits[0]) + " \\quad " +
                           filledIn("b = ?", texts[1], digits[1]);
  return QString::fromStdString(line);
}

Calculation calculationForStoring(const QString& alphaText, const QString& bText) {
  Calculation calculation;
  if (!alphaText.isEmpty()) {
    calculation.inputParameters.insert(QString::fromUtf8(calculation_keys::kAlpha), alphaText);
  }
  if (!bText.isEmpty()) {
    calculation.inputParameters.insert(QString::fromLatin1(calculation_keys::kB), bText);
  }
  calculation.latexString = summaryLine(alphaText, bText);
  calculation.setupParameter.insert(calculation_keys::kAppKey,
                                    QString::fromLatin1(calculation_keys::kAppKeyValue));
  return calculation;
}

}  // namespace uc
