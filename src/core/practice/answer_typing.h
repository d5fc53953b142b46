#pragma once

#include <string>
#include <string_view>
#include <vector>

// The practice answer as keys edit it, the same in every edition. Keypad keys are added at the
// end; a word chosen whole ("undefined", "II", "no solution") is replaced or deleted whole.
// Letters typed on a keyboard spell words: "sqrt" gives one √, "pi" one π, a choice's word
// that choice; a letter that begins no word is dropped, or stands for its sign (d for °, r for √).
namespace uc::practice {

// Letters and spaces only (π aside): a word chosen from the buttons.
bool isChosenWord(std::string_view answer);

std::string typeKey(std::string_view answer, std::string_view key);
std::string deleteBackward(std::string_view answer);

// One character typed on a keyboard. words are the words the question takes (its choices and
// their English spellings); where the learner's language writes a decimal comma, "," is the
// decimal point, elsewhere it separates answers as ";" does.
std::string typeOnKeyboard(std::string_view answer, std::string_view character,
                           const std::vector<std::string>& words, bool decimalComma);

// Before a check: letters left unfinished at the end become the sign they began ("3p" is 3π,
// "√2/s" is √2/√); any others stay for the reader to refuse.
std::string finishTyping(std::string_view answer);

}  // namespace uc::practice
