#include "ui/calculate/keypad_editing.h"

#include <gtest/gtest.h>

namespace uc {
namespace {

EditedText edited(const char* text, int caret) { return {QString::fromUtf8(text), caret}; }

TEST(KeypadEditing, MinusTogglesTheSignOfTheWholeText) {
  const EditedText negative = insertKey("12", 2, 2, "-");
  EXPECT_EQ(negative, edited("-12", 3));
  EXPECT_EQ(insertKey(negative.text, negative.caret, negative.caret, "-"), edited("12", 2));
  EXPECT_EQ(insertKey("-12", 0, 0, "-"), edited("12", 0)) << "the caret never leaves the text";
  EXPECT_EQ(insertKey("", 0, 0, "-"), edited("-", 1));
}

TEST(KeypadEditing, KeysReplaceTheSelection) {
  EXPECT_EQ(insertKey("1234", 1, 3, "5"), edited("154", 2));
  EXPECT_EQ(insertKey("3/4", 0, 0, "π"), edited("π3/4", 1));
  EXPECT_EQ(insertKey("3", 1, 1, "π"), edited("3π", 2)) << "π moves the caret by one";
  EXPECT_EQ(insertKey("12", 9, 9, "3"), edited("123", 3)) << "positions past the end clamp";
}

TEST(KeypadEditing, DeleteRemovesTheSelectionOrOneCharacter) {
  EXPECT_EQ(deleteBackward("1234", 0, 0), edited("1234", 0));
  EXPECT_EQ(deleteBackward("1234", 1, 3), edited("14", 1));
  EXPECT_EQ(deleteBackward("1234", 4, 4), edited("123", 3));
  EXPECT_EQ(deleteBackward("3π", 2, 2), edited("3", 1));
}

}  // namespace
}  // namespace uc
