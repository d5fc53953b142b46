// The C functions the WebAssembly core exports; web_core_post.js wraps them as solve() and
// run() on the module instance. The charts' and practice's calls are a module of their own
// (web_calls.cpp), loaded when first needed, so the first calculation waits for less.
#include <sstream>
#include <string>
#include <vector>

#include "cli/solution_json.h"
#include "cli/solve_command.h"
#include "core/solver/tiro_unit_circle.h"
#include "wasm/bundled_core_texts.h"

namespace {

struct Run {
  std::vector<std::string> arguments;
  std::string output[2];  // standard output, standard error
};

Run& currentRun() {
  static Run run;
  return run;
}

std::optional<std::string> given(const char* text) {
  if (*text == '\0') return std::nullopt;
  return std::string(text);
}

}  // namespace

extern "C" {

// One solution as `unitcircle solve --json --lang language` prints it, without the line end;
// an empty text is a field not given, a language not shipped is English.
const char* uc_solve(const char* alpha, const char* b, const char* language) {
  static std::string json;
  if (!uc::installBundledTexts(language)) uc::installBundledTexts("en");
  json = uc::cli::solutionJson(uc::calculate(given(alpha), given(b)));
  return json.c_str();
}

// The whole command line, as the native program runs it: arguments one by one, then standard
// input; returns the exit status and keeps what it printed.
void uc_run_begin() { currentRun() = Run{}; }

void uc_run_argument(const char* argument) { currentRun().arguments.emplace_back(argument); }

int uc_run(const char* input, int size) {
  std::istringstream in(std::string(input, static_cast<std::size_t>(size)));
  std::ostringstream out;
  std::ostringstream err;
  const int status =
      uc::cli::runCommandLine(currentRun().arguments, in, out, err, uc::installBundledTexts);
  currentRun().output[0] = out.str();
  currentRun().output[1] = err.str();
  return status;
}

const char* uc_run_output(int stream) { return currentRun().output[stream == 1].data(); }

int uc_run_output_size(int stream) {
  return static_cast<int>(currentRun().output[stream == 1].size());
}

}  // extern "C"
