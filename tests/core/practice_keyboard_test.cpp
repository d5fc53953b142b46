#include <gtest/gtest.h>

#include "core/practice/answer_typing.h"

namespace uc::practice {
namespace {

const std::vector<std::string> kTanWords{"nicht definiert", "undefined"};
const std::vector<std::string> kQuadrants{"I", "II", "III", "IV"};
const std::vector<std::string> kInverseWords{"no solution", "none"};

// The answer after each character of keys, typed on a keyboard one at a time.
std::string typed(std::string_view keys, const std::vector<std::string>& words = {},
                  bool decimalComma = false) {
  std::string answer;
  for (std::size_t at = 0; at < keys.size();) {
    std::size_t length = 1;
    const auto lead = static_cast<unsigned char>(keys[at]);
    if (lead >= 0xC0) length = lead >= 0xE0 ? 3 : 2;
    answer = typeOnKeyboard(answer, keys.substr(at, length), words, decimalComma);
    at += length;
  }
  return answer;
}

TEST(PracticeKeyboard, SpelledWordsGiveOneSign) {
  EXPECT_EQ(typed("sqrt3/2"), "√3/2");
  EXPECT_EQ(typed("2SQRT(3)"), "2√(3)");
  EXPECT_EQ(typed("3pi/4"), "3π/4");
  EXPECT_EQ(typed("(sqrt6-sqrt2)/4"), "(√6-√2)/4");
  // A letter that begins no word is dropped, or stands for its sign.
  EXPECT_EQ(typed("3x0"), "30");
  EXPECT_EQ(typed("30d"), "30°");
  EXPECT_EQ(typed("r3"), "√3");
  // Unfinished spellings stand for their sign once a key or a check follows.
  EXPECT_EQ(typed("3p/4"), "3π/4");
  EXPECT_EQ(finishTyping("3p"), "3π");
  EXPECT_EQ(finishTyping("2sq"), "2√");
  EXPECT_EQ(finishTyping("30°"), "30°");
}

TEST(PracticeKeyboard, ChoiceWordsAreChosenWhole) {
  EXPECT_EQ(typed("undefined", kTanWords), "undefined") << "not °° for its two d";
  EXPECT_EQ(typed("Nicht definiert", kTanWords), "nicht definiert");
  EXPECT_EQ(typed("2none", kInverseWords), "none") << "a choice replaces what was typed";
  EXPECT_EQ(typed("no solution", kInverseWords), "no solution");
  EXPECT_EQ(typed("iii", kQuadrants), "III");
  EXPECT_EQ(typed("iv", kQuadrants), "IV");
  EXPECT_EQ(typed("undefined1", kTanWords), "1") << "a key replaces a chosen word";
  EXPECT_EQ(typed("ii", {}), "") << "no quadrant asked";
}

TEST(PracticeKeyboard, TheCommaFollowsTheLanguage) {
  EXPECT_EQ(typed("0,5", {}, true), "0.5");
  EXPECT_EQ(typed("30,150", {}, false), "30;150");
  EXPECT_EQ(typed("−1"), "-1") << "the minus sign some keyboards type";
}

TEST(PracticeKeyboard, KeypadKeysAndDelete) {
  EXPECT_EQ(typeKey("√3", "/"), "√3/");
  EXPECT_EQ(typeKey("keine Lösung", "3"), "3");
  EXPECT_EQ(deleteBackward("3π"), "3") << "π is one character";
  EXPECT_EQ(deleteBackward("nicht definiert"), "");
  EXPECT_EQ(deleteBackward(""), "");
  EXPECT_FALSE(isChosenWord("π"));
  EXPECT_FALSE(isChosenWord("30°"));
}

}  // namespace
}  // namespace uc::practice
