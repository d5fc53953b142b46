#include "core/localization.h"

#include <utility>

namespace uc {
namespace {

TranslateFunction& translateFunction() {
  static TranslateFunction function;
  return function;
}

}  // namespace

void setTranslateFunction(TranslateFunction function) { translateFunction() = std::move(function); }

std::string localized(const std::string& key, const std::string& comment) {
  const auto& function = translateFunction();
  if (!function) return key;
  std::string text = function(key, comment);
  return text.empty() ? key : text;
}

std::string localizedWithArguments(const std::string& key, const std::string& first,
                                   const std::string& second) {
  std::string text = localized(key);
  for (const auto& [placeholder, value] : {std::pair{"%0", first}, std::pair{"%1", second}}) {
    if (const auto at = text.find(placeholder); at != std::string::npos) {
      text.replace(at, 2, value);
    }
  }
  return text;
}

}  // namespace uc
