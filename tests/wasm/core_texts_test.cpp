// The texts compiled in from the translation files, as the WebAssembly core speaks them.
#include <gtest/gtest.h>

#include "core/localization.h"
#include "wasm/bundled_core_texts.h"

namespace uc {
namespace {

TEST(CoreTexts, LanguagesAsTheAppChoosesThem) {
  EXPECT_EQ(shippedLanguage("de"), "de");
  EXPECT_EQ(shippedLanguage("de_AT"), "de");
  EXPECT_EQ(shippedLanguage("DE-de"), "de");
  EXPECT_EQ(shippedLanguage("en_US"), "en");
  EXPECT_FALSE(shippedLanguage("fr"));
  EXPECT_FALSE(shippedLanguage(""));
  EXPECT_FALSE(shippedLanguage("english"));
}

TEST(CoreTexts, LookUpAsQtsTranslatorDoes) {
  EXPECT_EQ(bundledText("de", "Step", ""), "Schritt");
  EXPECT_EQ(bundledText("en", "Choosen Formula", ""), "Chosen Formula");
  // With its comment, and a comment the message lacks falls back to the one without.
  EXPECT_EQ(bundledText("de", "Your Input", "The input title in solution view"), "Deine Eingabe");
  EXPECT_EQ(bundledText("de", "Modified Input", "The input title in solution view"),
            "Umgeformte Eingabe");
  // A message with a comment is not found without it, nor is a key of another context.
  EXPECT_FALSE(bundledText("de", "Your Input", ""));
  EXPECT_FALSE(bundledText("de", "didYouMean", ""));
  // The card's words are the core's.
  EXPECT_EQ(bundledText("de", "referenceAngle", ""), "Bezugswinkel");
  EXPECT_FALSE(bundledText("fr", "Step", ""));
}

TEST(CoreTexts, InstallSwitchesTheCoresLanguage) {
  ASSERT_TRUE(installBundledTexts("de_DE"));
  EXPECT_EQ(localized("Step"), "Schritt");
  EXPECT_EQ(localized("no such key"), "no such key");
  EXPECT_FALSE(installBundledTexts("fr"));
  EXPECT_EQ(localized("Step"), "Schritt");  // unchanged
  ASSERT_TRUE(installBundledTexts("en"));
  EXPECT_EQ(localized("Choosen Formula"), "Chosen Formula");
  setTranslateFunction({});
}

TEST(CoreTexts, EveryShippedLanguageHasTheSameKeys) {
  std::vector<std::pair<std::string, std::string>> english;
  std::vector<std::pair<std::string, std::string>> german;
  for (const BundledText& text : bundledCoreTexts()) {
    (std::string(text.language) == "en" ? english : german).emplace_back(text.source, text.comment);
  }
  EXPECT_GT(english.size(), 30u);
  EXPECT_EQ(english, german);
}

}  // namespace
}  // namespace uc
