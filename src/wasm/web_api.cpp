#include "wasm/web_api.h"

#include "wasm/web_api_arguments.h"

namespace uc::web {
namespace {

const MethodTable& methods() {
  static const MethodTable table = [] {
    MethodTable all;
    for (const MethodTable* part : {&chartMethods(), &practiceMethods(), &exploreMethods(),
                                     &configMethods(), &presentationMethods()}) {
      all.insert(part->begin(), part->end());
    }
    return all;
  }();
  return table;
}

std::string errorAnswer(const std::string& message) {
  return Json{{"error", message}}.dump(-1, ' ', false, Json::error_handler_t::replace);
}

}  // namespace

std::string call(std::string_view method, std::string_view argumentsJson) {
  const auto found = methods().find(method);
  if (found == methods().end()) return errorAnswer("unknown method");
  const Json args = Json::parse(argumentsJson, nullptr, false);
  if (args.is_discarded() || !args.is_object()) return errorAnswer("arguments are not an object");
  try {
    return Json{{"result", found->second(args)}}.dump(-1, ' ', false,
                                                      Json::error_handler_t::replace);
  } catch (const BadArguments& bad) {
    return errorAnswer("bad argument: " + bad.what);
  } catch (const Json::exception&) {
    return errorAnswer("arguments do not fit");
  }
}

}  // namespace uc::web
