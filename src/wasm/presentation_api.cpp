#include "core/presentation/presentation_steps.h"
#include "wasm/web_api_arguments.h"

namespace uc::web {
namespace {

const char* commandName(presentation::Command command) {
  switch (command) {
    case presentation::Command::next:
      return "next";
    case presentation::Command::previous:
      return "previous";
    case presentation::Command::first:
      return "first";
    case presentation::Command::all:
      return "all";
    case presentation::Command::leave:
      return "leave";
    case presentation::Command::none:
      break;
  }
  return "none";
}

// A key pressed while a solution is presented: what it does and how many steps show after it.
Json presentationKey(const Json& args) {
  const presentation::Command command = presentation::commandForKey(text(args, "key"));
  return {{"command", commandName(command)},
          {"revealed", presentation::revealedAfter(command, wholeNumber(args, "revealed"),
                                                   wholeNumber(args, "stepCount"))}};
}

}  // namespace

const MethodTable& presentationMethods() {
  static const MethodTable table{{"presentationKey", presentationKey}};
  return table;
}

}  // namespace uc::web
