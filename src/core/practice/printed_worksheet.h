#pragma once

#include <cstdint>
#include <string>

#include "core/practice/question.h"

// What a printed worksheet shows besides the questions, the same on paper from the command line
// and from the web edition's print.
namespace uc::practice {

// Where the same questions open in the web edition: "#/practice?seed=7&level=2".
std::string practiceWebAddress(std::uint64_t seed, int level);

// A quadrant's answer ("III") is a roman numeral, set upright, not a product of variables.
bool isQuadrantNumeral(const std::string& latex);

// A formula as printed: the numeral upright, "undefined" in the learner's language.
std::string printedLatex(const std::string& latex);

// Every answer of a question as one printed formula, "no solution" where there is none.
std::string printedAnswers(const Question& question);

}  // namespace uc::practice
