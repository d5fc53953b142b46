#include "core/input/field_grammar.h"

#include <algorithm>

#include "core/input/error_keys.h"
#include "core/number/number_text.h"

namespace uc {
namespace {

std::size_t countOf(std::string_view text, std::string_view piece) {
  std::size_t count = 0;
  for (std::size_t pos = text.find(piece); pos != std::string_view::npos;
       pos = text.find(piece, pos + piece.size())) {
    ++count;
  }
  return count;
}

bool endsWith(std::string_view text, std::string_view suffix) {
  return text.size() >= suffix.size() && text.substr(text.size() - suffix.size()) == suffix;
}

// A lone symbol stands for one ("π" -> "1", "-x" -> "-1"); after a number it is dropped.
std::string removeSymbol(std::string text, const std::string& symbol) {
  const bool alone = text == symbol || text == "-" + symbol;
  return replaceAll(std::move(text), symbol, alone ? "1" : "");
}

void setNumerator(Digit& digit, Term&& term) {
  digit.z = term.value;
  digit.zConstants = std::move(term.constants);
  digit.zVariable = std::move(term.variable);
  digit.powerOfZVariable = term.power;
}

void setDenominator(Digit& digit, Term&& term) {
  digit.n = term.value;
  digit.nConstants = std::move(term.constants);
  digit.nVariable = std::move(term.variable);
  digit.powerOfNVariable = term.power;
}

}  // namespace

std::size_t slashCount(std::string_view text) { return countOf(text, "/"); }

std::variant<Term, std::string> parseSubstring(std::string_view text) {
  Term term;

  std::size_t constantCount = 0;
  for (const auto& constant : naturalConstants()) constantCount += countOf(text, constant.key);
  if (constantCount > 1) return std::string(errorKey::toManyNaturalConstantsInSubstring);
  if (constantCount == 1) {
    const bool last = std::any_of(naturalConstants().begin(), naturalConstants().end(),
                                  [&](const auto& c) { return endsWith(text, c.key); });
    if (!last) return std::string(errorKey::naturalConstantInWrongPositionOfSubstring);
    for (const auto& constant : naturalConstants()) {
      if (countOf(text, constant.key) > 0) term.constants.push_back(constant);
    }
  }
  std::string number(text);
  for (const auto& constant : term.constants) number = removeSymbol(number, constant.key);

  std::size_t variableCount = 0;
  for (const auto& name : variableNames()) variableCount += countOf(text, name);
  if (variableCount > 1) return std::string(errorKey::toManyVariablesInSubstring);
  if (variableCount == 1) {
    const auto last = std::find_if(variableNames().begin(), variableNames().end(),
                                   [&](const auto& name) { return endsWith(text, name); });
    if (last == variableNames().end()) {
      return std::string(errorKey::naturalConstantInWrongPositionOfSubstring);
    }
    term.variable = *last;
    term.power = 1.0;
    number = removeSymbol(number, term.variable);
  }

  const auto value = parseDouble(number);
  if (!value) return std::string(errorKey::inputParameterError);
  term.value = *value;
  return term;
}

std::variant<DigitPtr, std::string> parseField(std::string_view text) {
  auto digit = makeDigit(std::nullopt, 1.0);
  std::string s(text);
  s.erase(std::remove_if(s.begin(), s.end(), [](char c) { return c == '(' || c == ')'; }), s.end());
  if (s.empty()) return digit;

  if (s.find('/') == std::string::npos) {
    auto numerator = parseSubstring(s);
    if (auto* error = std::get_if<std::string>(&numerator)) return *error;
    setNumerator(*digit, std::get<Term>(std::move(numerator)));
    return digit;
  }

  const auto pieces = splitDroppingEmpty(s, "/");
  if (pieces.size() < 2) return std::string(errorKey::fractionIncomplete);
  auto numerator = parseSubstring(pieces.front());
  if (auto* error = std::get_if<std::string>(&numerator)) return *error;
  auto denominator = parseSubstring(pieces.back());
  if (auto* error = std::get_if<std::string>(&denominator)) return *error;
  if (std::get<Term>(denominator).value == 0) {
    return std::string(errorKey::inputZeroInDenominator);
  }
  setNumerator(*digit, std::get<Term>(std::move(numerator)));
  setDenominator(*digit, std::get<Term>(std::move(denominator)));
  return digit;
}

}  // namespace uc
