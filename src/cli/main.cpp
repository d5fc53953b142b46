#include <iostream>
#include <string>
#include <vector>

#include "cli/solve_command.h"

int main(int argc, char** argv) {
  std::ios::sync_with_stdio(false);
  const std::vector<std::string> arguments(argv + 1, argv + argc);
  // Until the translations are linked in, English is the keys themselves.
  const uc::cli::LanguageInstaller installLanguage = [](const std::string& language) {
    return language == "en";
  };
  return uc::cli::runCommandLine(arguments, std::cin, std::cout, std::cerr, installLanguage);
}
