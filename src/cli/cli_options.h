#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <variant>
#include <vector>

#include "core/explore/inverse_solutions.h"

namespace uc::cli {

enum class PaperSize { a4, letter };

struct SolveOptions {
  std::optional<std::string> alpha;
  std::optional<std::string> b;
  bool json = false;
  bool translate = true;
  std::string language = "en";
  bool batch = false;
  std::optional<std::string> pdfPath;  // the worked solution as a PDF file instead of text
  PaperSize paper = PaperSize::a4;
};

struct HistoryOptions {
  std::string settingsPath;
  bool json = false;
  bool translate = true;
  std::string language = "en";
};

inline constexpr int kMostPracticeQuestions = 1000;

struct PracticeOptions {
  std::uint64_t seed = 0;
  int count = 10;
  int level = 1;
  bool json = false;
  bool translate = true;
  std::string language = "en";
  std::optional<std::string> pdfPath;  // the worksheet as a PDF file instead of text
  PaperSize paper = PaperSize::a4;
};

struct InverseOptions {
  explore::TrigFunction function = explore::TrigFunction::sin;
  std::string value;
  bool json = false;
  bool translate = true;
  std::string language = "en";
};

struct HelpRequest {};

struct UsageError {
  std::string message;
};

using ParsedCommandLine =
    std::variant<SolveOptions, HistoryOptions, PracticeOptions, InverseOptions, HelpRequest,
                 UsageError>;

// `unitcircle solve [--alpha TEXT] [--b TEXT] [--json | --pdf FILE [--paper a4|letter]]
// [--no-translate] [--lang CODE] [--batch]`
// or `unitcircle history --settings FILE [--json] [--no-translate] [--lang CODE]`
// or `unitcircle practice --seed N [--count K] [--level L] [--json | --pdf FILE
// [--paper a4|letter]] [--no-translate] [--lang CODE]`
// or `unitcircle inverse sin|cos|tan VALUE [--json] [--no-translate] [--lang CODE]`; option values may begin with "-" ("--b -π/4") and may be joined with "=".
ParsedCommandLine parseCommandLine(const std::vector<std::string>& arguments);

const char* usageText();

}  // namespace uc::cli
