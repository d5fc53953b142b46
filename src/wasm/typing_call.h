#pragma once

#include <functional>
#include <string>
#include <vector>

#include "wasm/web_api_arguments.h"

namespace uc::web {

// A typed value after one key, by the practice's typing rules: "keypad" adds a key, "delete"
// takes the last character (a chosen word whole), "keyboard" reads a character typed on a
// keyboard, spelling the words asked for only then.
std::string typedAfterKey(const Json& args, const std::string& typed,
                          const std::function<std::vector<std::string>()>& words);

}  // namespace uc::web
