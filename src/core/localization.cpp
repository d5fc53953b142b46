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

}  // namespace uc
