#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "core/practice/rational.h"
#include "core/solver/quadrant.h"

namespace uc::practice {

// π to a long double's precision wherever it is wider than a double: Debian's WebAssembly
// library gives std::numbers::pi_v<long double> a double's digits only.
inline constexpr long double kPi = 3.14159265358979323846264338327950288L;

// A number as typed: its value, and its exact form a + b·π (a, b rational) where it has one,
// which every answer without a root has.
struct TypedNumber {
  long double value = 0;
  std::optional<Rational> rationalPart;  // a, when the form is known
  std::optional<Rational> piPart;        // b, when the form is known
  bool degreeSign = false;               // ended in "°"
  int fractionDigits = 0;  // the most digits after a decimal point in any of its numbers
  // A number with more than six significant digits: read as a rounded decimal, not as exact.
  bool longNumber = false;
  // No π and no root left: a rational, even where it has too many digits for rational().
  bool rationalValue = false;

  bool hasExactForm() const { return rationalPart && piPart; }
  bool hasPi() const { return piPart && !piPart->isZero(); }
  // Rational (no π, no root left): compared exactly.
  std::optional<Rational> rational() const;
};

enum class AnswerChoice { undefined, noSolution };

// What the learner typed: numbers (several, separated by ";" or ",", only where a question
// asks for every solution), or a choice word, or a quadrant numeral.
struct TypedAnswer {
  std::vector<TypedNumber> numbers;
  std::optional<AnswerChoice> choice;
  std::optional<Quadrant> quadrant;
};

struct ReadAnswer {
  std::optional<TypedAnswer> answer;
  std::string errorKey;  // a key in context "Core" when nothing could be read
};

// Reads digits, ".", "/", "+", "-" or "−", "·", "*" or "×", "√" (or "sqrt"), "π" (or "pi"),
// brackets, "°" at the end of a number, and the words "undefined" and "none" (also in the
// learner's language, and "∅") or I to IV. A number next to π, √ or a bracket multiplies it
// (3π/4, 2√3, √2/2 is (√2)/2). Where there is no list, "," is a decimal comma.
ReadAnswer readAnswer(std::string_view text, bool list);

}  // namespace uc::practice
