#pragma once

#include <optional>
#include <string>
#include <vector>

// The core's texts in every shipped language, compiled in from the translation files for builds
// without Qt; they look up a key as the app's translator does.
namespace uc {

struct BundledText {
  const char* language;
  const char* source;
  const char* comment;  // empty when the message has none
  const char* translation;
};

// Every translated message of the context "Core", generated at build time.
const std::vector<BundledText>& bundledCoreTexts();

// The shipped language of a code ("de", "de_AT", "en-US" ...): "en" or "de", nothing for others.
std::optional<std::string> shippedLanguage(const std::string& code);

// The text for key in a shipped language: the message with the comment, else the one without
// (as Qt's translator looks up); nothing when untranslated.
std::optional<std::string> bundledText(const std::string& language, const std::string& key,
                                       const std::string& comment);

// Makes the core's localized() speak the language; false, changing nothing, when it is not
// shipped.
bool installBundledTexts(const std::string& code);

}  // namespace uc
