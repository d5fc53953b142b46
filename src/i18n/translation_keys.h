#pragma once

#include <vector>

namespace uc::i18n {

// One localisation key: the context it is looked up in, the key and its comment (the
// disambiguation a tr()/qsTr() call passes; empty when none).
//
// Contexts: "Core" (step names, input-step titles and error messages, shared by the app
// and the command-line program), "Main", "CalculateView", "SolutionView", "HistoryView",
// "SideMenu", "Onboarding", "Consent", "VideoStrip", "ManualView", "Rating", "Store" (the
// settings store's failures).
struct TranslationKey {
  const char* context;
  struct {
    const char* source;
    const char* comment;
  } text;
};

// Every key the app looks up; each has a translation in every shipped language.
const std::vector<TranslationKey>& translationKeys();

}  // namespace uc::i18n
