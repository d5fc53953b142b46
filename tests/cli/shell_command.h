#pragma once

// The installed program and poppler's tools (poppler-utils) run as a teacher's script runs
// them: through the shell, output and errors together.
#include <sys/wait.h>

#include <cstdio>
#include <string>

namespace uc::cli::testing {

struct Output {
  int status;
  std::string text;  // standard output and standard error together
};

inline Output shell(const std::string& command) {
  FILE* pipe = popen((command + " 2>&1").c_str(), "r");
  if (!pipe) return {-1, {}};
  std::string text;
  char buffer[4096];
  while (const std::size_t n = std::fread(buffer, 1, sizeof buffer, pipe)) text.append(buffer, n);
  const int status = pclose(pipe);
  return {WIFEXITED(status) ? WEXITSTATUS(status) : -1, text};
}

inline std::string quoted(const std::string& text) {
  std::string q = "'";
  for (char c : text) q += c == '\'' ? std::string("'\\''") : std::string(1, c);
  return q + "'";
}

inline Output unitcircle(const std::string& arguments) {
  return shell(quoted(UC_UNITCIRCLE_PROGRAM) + " " + arguments);
}

inline std::string withoutSpaces(const std::string& text) {
  std::string out;
  for (char c : text) {
    if (c != ' ' && c != '\n' && c != '\f' && c != '\t') out += c;
  }
  return out;
}

}  // namespace uc::cli::testing
