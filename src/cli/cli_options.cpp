#include "cli/cli_options.h"

#include <cstdint>

namespace uc::cli {

const char* usageText() {
  return "Usage: unitcircle solve [--alpha TEXT] [--b TEXT] [--json] [--no-translate] "
         "[--lang CODE]\n"
         "       unitcircle solve [--alpha TEXT] [--b TEXT] --pdf FILE [--paper a4|letter]\n"
         "                        [--no-translate] [--lang CODE]\n"
         "       unitcircle solve --batch [--json] [--no-translate] [--lang CODE]\n"
         "       unitcircle history --settings FILE [--json] [--no-translate] [--lang CODE]\n"
         "       unitcircle practice --seed N [--count K] [--level L] [--json] [--no-translate]\n"
         "                           [--lang CODE]\n"
         "       unitcircle practice --seed N [--count K] [--level L] --pdf FILE\n"
         "                           [--paper a4|letter] [--no-translate] [--lang CODE]\n"
         "       unitcircle inverse sin|cos|tan VALUE [--json] [--no-translate] [--lang CODE]\n"
         "\n"
         "solve: solves the unit circle for an angle alpha in degrees or an arc length b in\n"
         "radians (signs, decimals, one \"/\", π or e: --alpha 45, --b 3π/4, --b=-π/4) and prints\n"
         "every step. With --batch, reads lines ALPHA<TAB>B from standard input, one solution\n"
         "each. With --pdf, writes the worked solution to FILE as a PDF to print (A4, or Letter\n"
         "with --paper letter): the exact values, the unit circle and every step.\n"
         "history: lists the calculations stored in the app's settings file FILE, newest first;\n"
         "reads it without changing it. A damaged file lists every entry that can be read and\n"
         "exits with 3.\n"
         "practice: prints K questions (10 by default) generated from the seed N, a worksheet\n"
         "and its answers; level L is 1 (multiples of 30° and 45°, the default), 2 (also of 15°\n"
         "and 18°) or 3 (also outside 0° to 360°). The same seed gives the same questions.\n"
         "With --pdf, writes the worksheet to FILE as a PDF to print (A4, or Letter with\n"
         "--paper letter): room to write under each question, the answers on a page of their\n"
         "own and the address of the same questions in the web edition.\n"
         "inverse: prints every alpha in [0°, 360°) where sin, cos or tan takes VALUE (typed as on\n"
         "the keypad: 1/2, √3/2, -0.75, 2), exactly at the special angles, else rounded.\n"
         "\n"
         "  --json          solve: one JSON object per solution; history, practice, inverse: one\n"
         "                  JSON object\n"
         "  --no-translate  show every text as its key\n"
         "  --lang CODE     language of the texts: en (default) or de\n"
         "\n"
         "Exit status: 0 done, 2 input error, 3 settings file not readable (or damaged), 64 wrong\n"
         "usage (also a PDF file that cannot be written).\n";
}

namespace {

// One option of the command line; the value is taken from "--name=value" or, for options
// that take one, from the next argument even when it starts with "-", as in "--b -π/4".
struct Option {
  std::string name;
  std::optional<std::string> value;
};

std::variant<Option, UsageError> nextOption(const std::vector<std::string>& arguments,
                                            std::size_t& i,
                                            bool (*takesValue)(const std::string&)) {
  Option option{arguments[i], std::nullopt};
  if (const auto eq = option.name.find('=');
      option.name.rfind("--", 0) == 0 && eq != std::string::npos) {
    option.value = option.name.substr(eq + 1);
    option.name = option.name.substr(0, eq);
  }
  const bool wantsValue = takesValue(option.name);
  if (wantsValue && !option.value) {
    if (i + 1 >= arguments.size()) return UsageError{"option " + option.name + " needs a value"};
    option.value = arguments[++i];
  }
  if (!wantsValue && option.value) return UsageError{"option " + option.name + " takes no value"};
  return option;
}

bool isHelp(const std::string& name) { return name == "--help" || name == "-h"; }

std::optional<PaperSize> paperSize(const std::string& name) {
  if (name == "a4" || name == "A4") return PaperSize::a4;
  if (name == "letter") return PaperSize::letter;
  return std::nullopt;
}

// The options of the output that every command takes; false when option is none of them.
template <typename Options>
bool takeOutputOption(const Option& option, Options& options) {
  if (option.name == "--lang") {
    options.language = *option.value;
  } else if (option.name == "--json") {
    options.json = true;
  } else if (option.name == "--no-translate") {
    options.translate = false;
  } else {
    return false;
  }
  return true;
}

// --pdf FILE and --paper a4|letter, which the commands that print take: nothing when option is
// neither, else what is wrong with its value, if anything.
template <typename Options>
std::optional<std::optional<UsageError>> takePdfOption(const Option& option, Options& options,
                                                       bool& paperGiven) {
  if (option.name == "--pdf") {
    if (option.value->empty()) return UsageError{"--pdf needs the name of the file to write"};
    options.pdfPath = *option.value;
  } else if (option.name == "--paper") {
    const auto paper = paperSize(*option.value);
    if (!paper) return UsageError{"--paper takes a4 or letter, not '" + *option.value + "'"};
    options.paper = *paper;
    paperGiven = true;
  } else {
    return std::nullopt;
  }
  return std::optional<UsageError>{};
}

ParsedCommandLine parseSolve(const std::vector<std::string>& arguments) {
  SolveOptions options;
  bool paperGiven = false;
  for (std::size_t i = 1; i < arguments.size(); ++i) {
    auto next = nextOption(arguments, i, [](const std::string& name) {
      return name == "--alpha" || name == "--b" || name == "--lang" || name == "--pdf" ||
             name == "--paper";
    });
    if (auto* error = std::get_if<UsageError>(&next)) return *error;
    const auto& [name, value] = std::get<Option>(next);
    if (takeOutputOption(std::get<Option>(next), options)) continue;
    if (auto taken = takePdfOption(std::get<Option>(next), options, paperGiven)) {
      if (*taken) return **taken;
      continue;
    }
    if (name == "--alpha") {
      options.alpha = value;
    } else if (name == "--b") {
      options.b = value;
    } else if (name == "--batch") {
      options.batch = true;
    } else if (isHelp(name)) {
      return HelpRequest{};
    } else {
      return UsageError{"unknown option '" + name + "'"};
    }
  }
  if (options.batch && (options.alpha || options.b)) {
    return UsageError{"--batch reads its inputs from standard input; drop --alpha and --b"};
  }
  if (paperGiven && !options.pdfPath) return UsageError{"--paper goes with --pdf FILE"};
  if (options.json && options.pdfPath) return UsageError{"choose one of --json and --pdf"};
  if (options.batch && options.pdfPath) {
    return UsageError{"--pdf writes one solution; drop --batch"};
  }
  return options;
}

ParsedCommandLine parseHistory(const std::vector<std::string>& arguments) {
  HistoryOptions options;
  for (std::size_t i = 1; i < arguments.size(); ++i) {
    auto next = nextOption(arguments, i, [](const std::string& name) {
      return name == "--settings" || name == "--lang";
    });
    if (auto* error = std::get_if<UsageError>(&next)) return *error;
    const auto& [name, value] = std::get<Option>(next);
    if (takeOutputOption(std::get<Option>(next), options)) continue;
    if (name == "--settings") {
      options.settingsPath = *value;
    } else if (isHelp(name)) {
      return HelpRequest{};
    } else {
      return UsageError{"unknown option '" + name + "'"};
    }
  }
  if (options.settingsPath.empty()) return UsageError{"history needs --settings FILE"};
  return options;
}

// A whole number in [lowest, highest] written in decimal digits only.
std::optional<std::uint64_t> wholeNumber(const std::string& text, std::uint64_t lowest,
                                         std::uint64_t highest) {
  if (text.empty() || text.size() > 20) return std::nullopt;
  std::uint64_t value = 0;
  for (char c : text) {
    if (c < '0' || c > '9') return std::nullopt;
    const std::uint64_t digit = static_cast<std::uint64_t>(c - '0');
    if (value > (UINT64_MAX - digit) / 10) return std::nullopt;
    value = value * 10 + digit;
  }
  if (value < lowest || value > highest) return std::nullopt;
  return value;
}

ParsedCommandLine parsePractice(const std::vector<std::string>& arguments) {
  PracticeOptions options;
  bool seeded = false;
  bool paperGiven = false;
  for (std::size_t i = 1; i < arguments.size(); ++i) {
    auto next = nextOption(arguments, i, [](const std::string& name) {
      return name == "--seed" || name == "--count" || name == "--level" || name == "--lang" ||
             name == "--pdf" || name == "--paper";
    });
    if (auto* error = std::get_if<UsageError>(&next)) return *error;
    const auto& [name, value] = std::get<Option>(next);
    if (takeOutputOption(std::get<Option>(next), options)) continue;
    if (auto taken = takePdfOption(std::get<Option>(next), options, paperGiven)) {
      if (*taken) return **taken;
      continue;
    }
    if (name == "--seed") {
      const auto seed = wholeNumber(*value, 0, UINT64_MAX);
      if (!seed) return UsageError{"--seed takes a whole number from 0 to 18446744073709551615"};
      options.seed = *seed;
      seeded = true;
    } else if (name == "--count") {
      const auto count = wholeNumber(*value, 1, kMostPracticeQuestions);
      if (!count) return UsageError{"--count takes a whole number from 1 to 1000"};
      options.count = static_cast<int>(*count);
    } else if (name == "--level") {
      const auto level = wholeNumber(*value, 1, 3);
      if (!level) return UsageError{"--level takes 1, 2 or 3"};
      options.level = static_cast<int>(*level);
    } else if (isHelp(name)) {
      return HelpRequest{};
    } else {
      return UsageError{"unknown option '" + name + "'"};
    }
  }
  if (!seeded) return UsageError{"practice needs --seed N"};
  if (paperGiven && !options.pdfPath) return UsageError{"--paper goes with --pdf FILE"};
  if (options.json && options.pdfPath) return UsageError{"choose one of --json and --pdf"};
  return options;
}

// The function and the value come in that order; a value may begin with "-" ("-0.75").
ParsedCommandLine parseInverse(const std::vector<std::string>& arguments) {
  InverseOptions options;
  std::vector<std::string> positional;
  for (std::size_t i = 1; i < arguments.size(); ++i) {
    if (arguments[i].rfind("--", 0) != 0 && !isHelp(arguments[i])) {
      positional.push_back(arguments[i]);
      continue;
    }
    auto next = nextOption(arguments, i, [](const std::string& name) { return name == "--lang"; });
    if (auto* error = std::get_if<UsageError>(&next)) return *error;
    if (takeOutputOption(std::get<Option>(next), options)) continue;
    if (isHelp(std::get<Option>(next).name)) return HelpRequest{};
    return UsageError{"unknown option '" + std::get<Option>(next).name + "'"};
  }
  if (positional.size() != 2) return UsageError{"inverse needs a function and a value"};
  const auto function = explore::trigFunctionFromRawValue(positional[0]);
  if (!function) return UsageError{"inverse takes sin, cos or tan, not '" + positional[0] + "'"};
  options.function = *function;
  options.value = positional[1];
  return options;
}

}  // namespace

ParsedCommandLine parseCommandLine(const std::vector<std::string>& arguments) {
  if (arguments.empty()) return UsageError{"missing command"};
  if (isHelp(arguments[0]) || arguments[0] == "help") return HelpRequest{};
  if (arguments[0] == "solve") return parseSolve(arguments);
  if (arguments[0] == "history") return parseHistory(arguments);
  if (arguments[0] == "practice") return parsePractice(arguments);
  if (arguments[0] == "inverse") return parseInverse(arguments);
  return UsageError{"unknown command '" + arguments[0] + "'"};
}

}  // namespace uc::cli
