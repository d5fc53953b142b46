#include "cli/cli_options.h"

namespace uc::cli {

const char* usageText() {
  return "Usage: unitcircle solve [--alpha TEXT] [--b TEXT] [--json] [--no-translate] "
         "[--lang CODE]\n"
         "       unitcircle solve --batch [--json] [--no-translate] [--lang CODE]\n"
         "\n"
         "Solves the unit circle for an angle alpha in degrees or an arc length b in radians\n"
         "(signs, decimals, one \"/\", π or e: --alpha 45, --b 3π/4, --b=-π/4) and prints every\n"
         "step. With --batch, reads lines ALPHA<TAB>B from standard input, one solution each.\n"
         "\n"
         "  --json          one JSON object per solution\n"
         "  --no-translate  show every text as its key\n"
         "  --lang CODE     language of the texts: en (default) or de\n"
         "\n"
         "Exit status: 0 solved, 2 input error, 64 wrong usage.\n";
}

ParsedCommandLine parseCommandLine(const std::vector<std::string>& arguments) {
  if (arguments.empty()) return UsageError{"missing command"};
  if (arguments[0] == "--help" || arguments[0] == "-h" || arguments[0] == "help") {
    return HelpRequest{};
  }
  if (arguments[0] != "solve") return UsageError{"unknown command '" + arguments[0] + "'"};

  SolveOptions options;
  for (std::size_t i = 1; i < arguments.size(); ++i) {
    std::string name = arguments[i];
    std::optional<std::string> value;
    if (const auto eq = name.find('='); name.rfind("--", 0) == 0 && eq != std::string::npos) {
      value = name.substr(eq + 1);
      name = name.substr(0, eq);
    }
    const bool takesValue = name == "--alpha" || name == "--b" || name == "--lang";
    if (takesValue && !value) {
      // The next argument is the value even when it starts with "-", as in "--b -π/4".
      if (i + 1 >= arguments.size()) return UsageError{"option " + name + " needs a value"};
      value = arguments[++i];
    }
    if (!takesValue && value) return UsageError{"option " + name + " takes no value"};

    if (name == "--alpha") {
      options.alpha = value;
    } else if (name == "--b") {
      options.b = value;
    } else if (name == "--lang") {
      options.language = *value;
    } else if (name == "--json") {
      options.json = true;
    } else if (name == "--no-translate") {
      options.translate = false;
    } else if (name == "--batch") {
      options.batch = true;
    } else if (name == "--help" || name == "-h") {
      return HelpRequest{};
    } else {
      return UsageError{"unknown option '" + name + "'"};
    }
  }
  if (options.batch && (options.alpha || options.b)) {
    return UsageError{"--batch reads its inputs from standard input; drop --alpha and --b"};
  }
  return options;
}

}  // namespace uc::cli
