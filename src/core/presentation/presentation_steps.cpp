#include "core/presentation/presentation_steps.h"

#include <algorithm>
#include <array>
#include <utility>

namespace uc::presentation {

Command commandForKey(std::string_view key) {
  static constexpr std::array<std::pair<std::string_view, Command>, 12> kKeys{{
      {" ", Command::next},
      {"Enter", Command::next},
      {"ArrowRight", Command::next},
      {"ArrowDown", Command::next},
      {"PageDown", Command::next},
      {"ArrowLeft", Command::previous},
      {"ArrowUp", Command::previous},
      {"PageUp", Command::previous},
      {"Backspace", Command::previous},
      {"Home", Command::first},
      {"End", Command::all},
      {"Escape", Command::leave},
  }};
  for (const auto& [name, command] : kKeys) {
    if (name == key) return command;
  }
  return Command::none;
}

int revealedAfter(Command command, int revealed, int stepCount) {
  if (stepCount <= 0) return 0;
  const int shown = std::clamp(revealed, 1, stepCount);
  switch (command) {
    case Command::next:
      return std::min(shown + 1, stepCount);
    case Command::previous:
      return std::max(shown - 1, 1);
    case Command::first:
      return 1;
    case Command::all:
      return stepCount;
    case Command::none:
    case Command::leave:
      break;
  }
  return shown;
}

}  // namespace uc::presentation
