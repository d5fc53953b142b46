#pragma once

#include <string_view>

// A solution shown to a class one step at a time: which key does what, and how many steps show
// after it. Keys are named as browsers name them (KeyboardEvent.key), which is also what a
// presentation clicker sends: Page Down and Page Up, sometimes the arrows or Space.
namespace uc::presentation {

enum class Command {
  none,      // a key the presentation leaves to others
  next,      // Space, Enter, →, ↓, Page Down
  previous,  // ←, ↑, Page Up, Backspace
  first,     // Home
  all,       // End
  leave,     // Escape
};

Command commandForKey(std::string_view key);

// How many of stepCount steps show after the command, when revealed show now. The first step
// always shows, since an empty page would only look broken; none, leave and an empty solution
// change nothing.
int revealedAfter(Command command, int revealed, int stepCount);

}  // namespace uc::presentation
