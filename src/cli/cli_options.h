#pragma once

#include <optional>
#include <string>
#include <variant>
#include <vector>

namespace uc::cli {

struct SolveOptions {
  std::optional<std::string> alpha;
  std::optional<std::string> b;
  bool json = false;
  bool translate = true;
  std::string language = "en";
  bool batch = false;
};

struct HelpRequest {};

struct UsageError {
  std::string message;
};

using ParsedCommandLine = std::variant<SolveOptions, HelpRequest, UsageError>;

// `unitcircle solve [--alpha TEXT] [--b TEXT] [--json] [--no-translate] [--lang CODE] [--batch]`;
// option values may begin with "-" ("--b -π/4") and may be joined with "=".
ParsedCommandLine parseCommandLine(const std::vector<std::string>& arguments);

const char* usageText();

}  // namespace uc::cli
