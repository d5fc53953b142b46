#pragma once

#include <functional>
#include <string>

namespace uc {

// Texts the learner reads are looked up by key (with a comment for translators). The
// application injects its translations; without them every text is its key.
using TranslateFunction =
    std::function<std::string(const std::string& key, const std::string& comment)>;

// An empty function restores the default, which returns the key itself.
void setTranslateFunction(TranslateFunction function);

std::string localized(const std::string& key, const std::string& comment = {});

// The text of key with its placeholders %0 and %1 replaced.
std::string localizedWithArguments(const std::string& key, const std::string& first,
                                   const std::string& second = {});

}  // namespace uc
