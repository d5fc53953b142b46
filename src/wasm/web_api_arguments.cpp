#include "wasm/web_api_arguments.h"

#include <cmath>

#include "wasm/bundled_core_texts.h"

namespace uc::web {

double number(const Json& args, const char* key) {
  const auto found = args.find(key);
  if (found == args.end() || !found->is_number()) throw BadArguments{std::string(key)};
  return found->get<double>();
}

std::optional<double> optionalNumber(const Json& args, const char* key) {
  const auto found = args.find(key);
  if (found == args.end() || found->is_null()) return std::nullopt;
  if (!found->is_number()) throw BadArguments{std::string(key)};
  return found->get<double>();
}

bool flag(const Json& args, const char* key) {
  const auto found = args.find(key);
  return found != args.end() && found->is_boolean() && found->get<bool>();
}

// A whole number within int range; anything else does not fit.
int wholeNumber(const Json& args, const char* key) {
  const double value = number(args, key);
  if (!(std::fabs(value) <= 2e9) || std::trunc(value) != value) throw BadArguments{key};
  return static_cast<int>(value);
}

std::string text(const Json& args, const char* key) {
  const auto found = args.find(key);
  if (found == args.end() || !found->is_string()) throw BadArguments{std::string(key)};
  return found->get<std::string>();
}

void useLanguage(const Json& args) {
  const auto found = args.find("language");
  if (found == args.end() || !found->is_string() ||
      !installBundledTexts(found->get<std::string>())) {
    installBundledTexts("en");
  }
}

}  // namespace uc::web
