#include "core/practice/answer_typing.h"

#include <algorithm>
#include <optional>

namespace uc::practice {
namespace {

constexpr std::string_view kRoot = "\xE2\x88\x9A";       // √
constexpr std::string_view kPi = "\xCF\x80";             // π
constexpr std::string_view kDegree = "\xC2\xB0";         // °
constexpr std::string_view kMinusSign = "\xE2\x88\x92";  // −, as some keyboards type it

// The keys of the practice keypad, each one character.
constexpr std::string_view kKeypadKeys[] = {"0", "1", "2", "3", "4", "5", "6", "7",   "8",
                                            "9", ".", "/", "-", "+", "(", ")", ";",   kDegree,
                                            kRoot, kPi};

// Words spelled letter by letter into a sign.
struct SpelledSign {
  std::string_view word;
  std::string_view sign;
};
constexpr SpelledSign kSpelledSigns[] = {{"sqrt", kRoot}, {"pi", kPi}};

// Single letters that stand for a sign when they begin no word.
constexpr SpelledSign kLetterSigns[] = {{"d", kDegree}, {"r", kRoot}};

std::size_t characterLength(unsigned char lead) {
  if (lead < 0x80) return 1;
  if (lead >= 0xF0) return 4;
  if (lead >= 0xE0) return 3;
  return 2;
}

std::size_t lastCharacterStart(std::string_view text) {
  std::size_t at = text.size() - 1;
  while (at > 0 && (static_cast<unsigned char>(text[at]) & 0xC0) == 0x80) --at;
  return at;
}

// ASCII letters and the Latin letters of the learner's languages (ä, ö, ü, ß, é ...), but not
// the signs × and ÷ that share their block.
bool isLetter(std::string_view character) {
  if (character.size() == 1) {
    const char c = character[0];
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z');
  }
  if (character.size() != 2) return false;
  const auto lead = static_cast<unsigned char>(character[0]);
  const auto next = static_cast<unsigned char>(character[1]);
  if (lead == 0xC3) return next != 0x97 && next != 0xB7;
  return lead == 0xC4 || lead == 0xC5;
}

bool isWordCharacter(std::string_view character) { return character == " " || isLetter(character); }

std::string lowered(std::string_view text) {
  std::string lower(text);
  for (char& c : lower) {
    if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
  }
  return lower;
}

// Where the letters and spaces at the end of the answer begin.
std::size_t trailingWordStart(std::string_view answer) {
  std::size_t start = answer.size();
  while (start > 0) {
    const std::size_t previous = lastCharacterStart(answer.substr(0, start));
    if (!isWordCharacter(answer.substr(previous, start - previous))) break;
    start = previous;
  }
  return start;
}

bool begins(std::string_view word, const std::string& lowerStart) {
  return lowered(word).starts_with(lowerStart);
}

bool beginsAnyWord(const std::string& lowerStart, const std::vector<std::string>& words) {
  return std::any_of(std::begin(kSpelledSigns), std::end(kSpelledSigns),
                     [&](const SpelledSign& spelled) { return begins(spelled.word, lowerStart); }) ||
         std::any_of(words.begin(), words.end(),
                     [&](const std::string& word) { return begins(word, lowerStart); });
}

// The answer after a letter that spells on from its trailing letters, if it does.
std::optional<std::string> spelledOn(std::string_view answer, std::string_view letter,
                                     const std::vector<std::string>& words) {
  const std::size_t start = trailingWordStart(answer);
  const std::string head(answer.substr(0, start));
  const std::string spelled = std::string(answer.substr(start)) + std::string(letter);
  const std::string lower = lowered(spelled);
  for (const SpelledSign& sign : kSpelledSigns) {
    if (lower == sign.word) return head + std::string(sign.sign);
  }
  // A choice's word is the whole answer, as its button makes it.
  for (const std::string& word : words) {
    if (lowered(word) == lower) return word;
  }
  if (beginsAnyWord(lower, words)) return head + spelled;
  return std::nullopt;
}

}  // namespace

bool isChosenWord(std::string_view answer) {
  if (answer.empty()) return false;
  for (std::size_t at = 0; at < answer.size();) {
    const std::size_t length = characterLength(static_cast<unsigned char>(answer[at]));
    if (!isWordCharacter(answer.substr(at, length))) return false;
    at += length;
  }
  return true;
}

std::string typeKey(std::string_view answer, std::string_view key) {
  if (key.empty()) return std::string(answer);
  return (isChosenWord(answer) ? std::string() : std::string(answer)) + std::string(key);
}

std::string deleteBackward(std::string_view answer) {
  if (answer.empty() || isChosenWord(answer)) return {};
  return std::string(answer.substr(0, lastCharacterStart(answer)));
}

std::string finishTyping(std::string_view answer) {
  const std::size_t start = trailingWordStart(answer);
  const std::string lower = lowered(answer.substr(start));
  if (lower.empty()) return std::string(answer);
  for (const SpelledSign& sign : kSpelledSigns) {
    if (sign.word.starts_with(lower)) return std::string(answer.substr(0, start)) + std::string(sign.sign);
  }
  return std::string(answer);
}

std::string typeOnKeyboard(std::string_view answer, std::string_view character,
                           const std::vector<std::string>& words, bool decimalComma) {
  std::string_view key = character;
  if (character == ",") key = decimalComma ? "." : ";";
  if (character == kMinusSign) key = "-";
  if (std::find(std::begin(kKeypadKeys), std::end(kKeypadKeys), key) != std::end(kKeypadKeys)) {
    return typeKey(finishTyping(answer), key);
  }
  if (!isWordCharacter(character)) return std::string(answer);
  if (auto spelled = spelledOn(answer, character, words)) return *std::move(spelled);
  if (character == " ") return std::string(answer);
  // The letter spells on from nothing before it: what was spelled so far is finished first.
  const std::string finished = finishTyping(answer);
  const std::string before = isChosenWord(finished) ? std::string() : finished;
  if (auto spelled = spelledOn(before, character, words)) return *std::move(spelled);
  const std::string lower = lowered(character);
  for (const SpelledSign& sign : kLetterSigns) {
    if (lower == sign.word) return typeKey(finished, sign.sign);
  }
  return std::string(answer);
}

}  // namespace uc::practice
