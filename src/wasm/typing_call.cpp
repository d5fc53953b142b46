#include "wasm/typing_call.h"

#include "core/practice/answer_typing.h"

namespace uc::web {

std::string typedAfterKey(const Json& args, const std::string& typed,
                          const std::function<std::vector<std::string>()>& words) {
  const std::string how = text(args, "how");
  if (how == "delete") return practice::deleteBackward(typed);
  if (how == "keypad") return practice::typeKey(typed, text(args, "key"));
  if (how != "keyboard") throw BadArguments{"how"};
  return practice::typeOnKeyboard(typed, text(args, "key"), words(), flag(args, "decimalComma"));
}

}  // namespace uc::web
