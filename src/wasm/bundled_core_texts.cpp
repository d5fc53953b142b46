#include "wasm/bundled_core_texts.h"

#include <cctype>

#include "core/localization.h"

namespace uc {

std::optional<std::string> shippedLanguage(const std::string& code) {
  std::string base = code.substr(0, code.find_first_of("_-"));
  for (char& c : base) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
  if (base == "en" || base == "de") return base;
  return std::nullopt;
}

std::optional<std::string> bundledText(const std::string& language, const std::string& key,
                                       const std::string& comment) {
  const BundledText* withoutComment = nullptr;
  for (const BundledText& text : bundledCoreTexts()) {
    if (language != text.language || key != text.source) continue;
    if (comment == text.comment) return std::string(text.translation);
    if (*text.comment == '\0') withoutComment = &text;
  }
  if (withoutComment && !comment.empty()) return std::string(withoutComment->translation);
  return std::nullopt;
}

bool installBundledTexts(const std::string& code) {
  const std::optional<std::string> language = shippedLanguage(code);
  if (!language) return false;
  setTranslateFunction([language = *language](const std::string& key, const std::string& comment) {
    return bundledText(language, key, comment).value_or(key);
  });
  return true;
}

}  // namespace uc
