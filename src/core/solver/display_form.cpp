#include "core/solver/display_form.h"

#include <array>

namespace uc {
namespace {

// Every occurrence, left to right, without rescanning what was put in.
void replaceAll(std::string& text, std::string_view from, std::string_view to) {
  std::size_t at = 0;
  while ((at = text.find(from, at)) != std::string::npos) {
    text.replace(at, from.size(), to);
    at += to.size();
  }
}

bool isDigit(char c) { return c >= '0' && c <= '9'; }

// ".0" that is not followed by a digit says nothing in a formula: 45.0^{\circ} reads 45^{\circ}.
void removePointZero(std::string& text) {
  std::size_t from = 0;
  while ((from = text.find(".0", from)) != std::string::npos) {
    const std::size_t next = from + 2;
    if (next < text.size() && !isDigit(text[next])) {
      text.erase(from, 2);
    } else {
      from = next;
    }
  }
}

std::string onePass(std::string text) {
  replaceAll(text, "  ", " ");
  replaceAll(text, "\\quad", "\\quad ");
  replaceAll(text, ". ", " ");
  replaceAll(text, "(", "\\left(");
  replaceAll(text, ")", "\\right)");
  replaceAll(text, "\\left\\left", "\\left");
  replaceAll(text, "\\right\\right", "\\right");
  replaceAll(text, " 1x", "x");
  replaceAll(text, " 0x", "");
  replaceAll(text, ".0\\quad", "\\quad");
  if (text.size() >= 2 && text.compare(text.size() - 2, 2, ".0") == 0) text.resize(text.size() - 2);
  removePointZero(text);
  for (const char* pair : {"+-", "-+", "+ -", "- +"}) replaceAll(text, pair, "-");
  for (const char* pair : {"+ +", "++", "--", "- -"}) replaceAll(text, pair, "+");
  replaceAll(text, "*", "\\cdot ");
  replaceAll(text, "= +", "=");
  replaceAll(text, "=+", "=");
  // A quadrant written as a numeral with a closing bracket keeps a plain bracket.
  static constexpr std::array<std::string_view, 10> numerals{"I",  "II",  "III",  "IV", "V",
                                                             "VI", "VII", "VIII", "IX", "X"};
  for (std::string_view numeral : numerals) {
    const std::string stretchy = std::string(numeral) + "\\right)";
    if (text.rfind(stretchy, 0) == 0) replaceAll(text, stretchy, std::string(numeral) + ")");
  }
  return text;
}

}  // namespace

std::string displayForm(std::string_view latex) {
  std::string text(latex);
  for (;;) {
    std::string next = onePass(text);
    if (next == text) break;
    text = std::move(next);
  }
  replaceAll(text, "\\color", "\\;\\color");
  return text;
}

}  // namespace uc
