#include "cli/practice_command.h"

#include <ostream>

#include "cli/solution_json.h"
#include "cli/solve_command.h"
#include "core/localization.h"
#include "core/practice/typed_form.h"

namespace uc::cli {

std::string practiceJson(const std::vector<practice::Question>& questions) {
  std::string text = "{\"questions\": [";
  for (std::size_t i = 0; i < questions.size(); ++i) {
    const practice::Question& q = questions[i];
    std::string answers;
    for (const practice::CanonicalAnswer& answer : q.answers) {
      answers += (answers.empty() ? "" : ", ") + jsonString(answer.latex);
    }
    text += (i > 0 ? ", " : "") + std::string("{\"kind\": ") + jsonString(rawValue(q.kind())) +
            ", \"given\": " + jsonString(q.givenLatex) + ", \"prompt\": " + jsonString(q.prompt()) +
            ", \"answers\": [" + answers + "]}";
  }
  return text + "]}";
}

std::string practiceWorksheet(const std::vector<practice::Question>& questions,
                              const PracticeOptions& options) {
  std::string sheet = localizedWithArguments("practiceWorksheet", std::to_string(options.seed),
                                             std::to_string(options.level)) +
                      "\n\n";
  std::string key = localized("practiceAnswerKey") + "\n\n";
  for (std::size_t i = 0; i < questions.size(); ++i) {
    const practice::Question& q = questions[i];
    const std::string number = std::to_string(i + 1) + ". ";
    sheet += number + q.prompt() + " " + practice::typedForm(q.givenLatex) + "\n";
    std::string answers;
    for (const practice::CanonicalAnswer& answer : q.answers) {
      answers += (answers.empty() ? "" : "; ") + practice::typedForm(answer.latex);
    }
    key += number + (q.answers.empty() ? localized("practiceNoSolution") : answers) + "\n";
  }
  return sheet + "\n" + key;
}

int runPractice(const PracticeOptions& options, std::ostream& out) {
  const std::vector<practice::Question> questions =
      practice::generateQuestions(options.seed, options.count, options.level);
  out << (options.json ? practiceJson(questions) + "\n" : practiceWorksheet(questions, options));
  return kExitSolved;
}

}  // namespace uc::cli
