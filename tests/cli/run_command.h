#pragma once

#include <sstream>
#include <string>
#include <vector>

#include "cli/solve_command.h"

namespace uc::cli {

struct Outcome {
  int status;
  std::string out;
  std::string err;
};

// The command line as the program runs it, with English as the only language.
inline Outcome run(const std::vector<std::string>& arguments, const std::string& input = {},
                   const HistoryCommand& history = {}) {
  std::istringstream in(input);
  std::ostringstream out;
  std::ostringstream err;
  const int status = runCommandLine(
      arguments, in, out, err, [](const std::string& language) { return language == "en"; },
      history);
  return {status, out.str(), err.str()};
}

}  // namespace uc::cli
