#pragma once

#include <string>

#include "core/practice/question.h"

namespace uc::testing {

// The canonical answer as a learner would type it on the keypad.
inline std::string typed(std::string latex) {
  const auto replace = [&latex](const std::string& from, const std::string& to) {
    for (std::size_t at = latex.find(from); at != std::string::npos;
         at = latex.find(from, at + to.size())) {
      latex.replace(at, from.size(), to);
    }
  };
  replace("\\text{undefined}", "undefined");
  replace("^{\\circ}", "°");
  replace("\\pi", "π");
  replace("\\sqrt", "√");
  replace("}{", ")/(");
  replace("\\frac{", "((");
  replace("{", "(");
  replace("}", ")");
  // "((a)/(b)": the opening of \frac has one bracket too many until its end.
  std::string balanced;
  int open = 0;
  for (char c : latex) open += c == '(' ? 1 : c == ')' ? -1 : 0;
  balanced = latex + std::string(static_cast<std::size_t>(std::max(open, 0)), ')');
  return balanced;
}

// Every canonical answer of a question, typed and separated by ";"; "none" for no solution.
inline std::string typedAnswer(const practice::Question& q) {
  std::string all;
  for (const practice::CanonicalAnswer& answer : q.answers) {
    all += (all.empty() ? "" : "; ") + typed(answer.latex);
  }
  return q.answers.empty() ? "none" : all;
}

}  // namespace uc::testing
