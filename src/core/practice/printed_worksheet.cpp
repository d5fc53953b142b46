#include "core/practice/printed_worksheet.h"

#include "core/localization.h"

namespace uc::practice {

std::string practiceWebAddress(std::uint64_t seed, int level) {
  return "#/practice?seed=" + std::to_string(seed) + "&level=" + std::to_string(level);
}

bool isQuadrantNumeral(const std::string& latex) {
  return !latex.empty() && latex.find_first_not_of("IVX") == std::string::npos;
}

std::string printedLatex(const std::string& latex) {
  if (latex == "\\text{undefined}") return "\\text{" + localized("practiceUndefined") + "}";
  return isQuadrantNumeral(latex) ? "\\text{" + latex + "}" : latex;
}

std::string printedAnswers(const Question& question) {
  std::string answers;
  for (const CanonicalAnswer& answer : question.answers) {
    answers += (answers.empty() ? "" : ";\\ ") + printedLatex(answer.latex);
  }
  return answers.empty() ? "\\text{" + localized("practiceNoSolution") + "}" : answers;
}

}  // namespace uc::practice
