#pragma once

#include <cstdint>
#include <iosfwd>
#include <string>
#include <vector>

#include "cli/cli_options.h"
#include "core/practice/question.h"

namespace uc::cli {

// {"questions": [{"kind", "given", "prompt", "answers": [...]}, ...]} on one line.
std::string practiceJson(const std::vector<practice::Question>& questions);

// A numbered worksheet, then its answers under their own heading.
std::string practiceWorksheet(const std::vector<practice::Question>& questions,
                              const PracticeOptions& options);

// Prints the questions the options ask for; returns the exit status.
int runPractice(const PracticeOptions& options, std::ostream& out);

}  // namespace uc::cli
