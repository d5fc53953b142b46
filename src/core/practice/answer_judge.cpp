#include "core/practice/answer_judge.h"

#include <algorithm>
#include <cmath>
#include <limits>

#include "core/localization.h"
#include "core/practice/answer_reader.h"
#include "core/practice/typed_form.h"

namespace uc::practice {
namespace {

constexpr long double kRootTolerance = 1e-12L;
constexpr long double kRadiansPerDegree = kPi / 180;

Verdict verdict(VerdictKind kind) {
  switch (kind) {
    case VerdictKind::correct:
      return {kind, "practiceCorrect"};
    case VerdictKind::close:
      return {kind, "practiceClose"};
    case VerdictKind::outOfRange:
      return {kind, "practiceAngleRange"};
    case VerdictKind::incomplete:
      return {kind, "practiceIncomplete"};
    default:
      return {VerdictKind::wrong, "practiceWrong"};
  }
}

bool nearlyEqual(long double typed, long double expected, long double tolerance) {
  return std::fabs(typed - expected) <= tolerance * std::max(1.0L, std::fabs(expected));
}

// A number known exactly, or as a long double within `error` of it, relative.
struct Quantity {
  std::optional<Rational> exact;
  long double approx = 0;
  long double error = 0;
};

// The answers' roots and π come from a few long double operations; typed digits beyond 64 bits
// add up one rounding a digit, at most 200 of them.
constexpr long double kAnswerError = 16 * std::numeric_limits<long double>::epsilon();
constexpr long double kTypedError = 256 * std::numeric_limits<long double>::epsilon();
constexpr int kMostExactPlaces = 18;

Quantity exactly(const Rational& r) {
  return {r, r.value(), 2 * std::numeric_limits<long double>::epsilon()};
}

int signOf(const Quantity& q) {
  const long double v = q.exact ? static_cast<long double>(q.exact->numerator) : q.approx;
  return (v > 0) - (v < 0);
}

// The places of a finite decimal (1/8 has 3); nothing for 1/3.
std::optional<int> placesOf(const Rational& r) {
  std::int64_t d = r.denominator;
  int twos = 0;
  int fives = 0;
  for (; d % 2 == 0; d /= 2) ++twos;
  for (; d % 5 == 0; d /= 5) ++fives;
  if (d != 1) return std::nullopt;
  return std::max(twos, fives);
}

std::optional<int> compare(const Rational& a, const Rational& b) {
  const auto minusB = negate(b);
  const auto difference = minusB ? add(a, *minusB) : std::nullopt;
  if (!difference) return std::nullopt;
  return (difference->numerator > 0) - (difference->numerator < 0);
}

// Whether the typed decimal is the answer cut toward zero or rounded half away from zero at its
// places: with n the typed digits and y the answer's, both times 10^places and without sign,
// n ≤ y < n + 1 or n - 1/2 ≤ y < n + 1/2, that is n - 1/2 ≤ y < n + 1. A decimal that is the
// answer itself (0.50 for 1/2) is judged equal before this.
bool roundedOrCut(const Quantity& typed, int typedPlaces, const Quantity& answer) {
  int places = typedPlaces;
  if (typed.exact) {
    const std::optional<int> own = placesOf(*typed.exact);  // 7.07/10 has three
    if (!own) return false;
    places = std::max(places, *own);
  }
  if (places < 1) return false;  // a whole number is no rounding
  const int typedSign = signOf(typed);
  if (typedSign != 0 && typedSign != signOf(answer)) return false;

  std::int64_t scale = 1;
  for (int i = 0; i < std::min(places, kMostExactPlaces); ++i) scale *= 10;
  const auto magnitude = [scale, places](const Quantity& q) -> std::optional<Rational> {
    if (!q.exact || places > kMostExactPlaces) return std::nullopt;
    return multiply({std::abs(q.exact->numerator), q.exact->denominator}, {scale, 1});
  };
  const std::optional<Rational> n = magnitude(typed);
  if (const std::optional<Rational> y = magnitude(answer); n && y) {
    const auto low = add(*n, {-1, 2});
    const auto high = add(*n, {1, 1});
    const auto fromLow = low ? compare(*y, *low) : std::nullopt;
    const auto toHigh = high ? compare(*y, *high) : std::nullopt;
    if (fromLow && toHigh) return *fromLow >= 0 && *toHigh < 0;
  }

  // A root or π has no finite decimal, so only digits past the precision known can leave a
  // doubt; digits that agree that far count as close.
  long double power = 1;  // not std::pow: a double's pow in the WebAssembly library
  for (int i = 0; i < places; ++i) power *= 10;
  const long double digits = n ? n->value() : std::fabs(typed.approx) * power;
  const long double y = std::fabs(answer.approx) * power;
  const long double doubt = (n ? 0 : digits * typed.error) + y * answer.error;
  const long double d = y - digits;
  return d >= -0.5L - doubt && d < 1 + doubt;
}

// The typed number as a plain decimal, when it is one.
std::optional<Quantity> decimalOf(const TypedNumber& number) {
  if (const auto r = number.rational()) return exactly(*r);
  if (number.rationalValue) return Quantity{std::nullopt, number.value, kTypedError};
  return std::nullopt;
}

// The answer's value to a long double's precision: its double holds only about 16 digits.
Quantity preciseValue(const CanonicalAnswer& answer) {
  if (answer.exact) return exactly(*answer.exact);
  const ReadAnswer read = readAnswer(typedForm(answer.latex), false);
  if (read.answer && read.answer->numbers.size() == 1) {
    return {std::nullopt, read.answer->numbers.front().value, kAnswerError};
  }
  return {std::nullopt, static_cast<long double>(*answer.value),
          std::numeric_limits<double>::epsilon()};
}

bool sameValue(const TypedNumber& number, const CanonicalAnswer& answer) {
  if (!answer.value) return false;
  if (const auto rational = number.rational()) return answer.exact && *rational == *answer.exact;
  // a + bπ with b ≠ 0 is transcendental; no special value is.
  if (number.hasExactForm() || number.longNumber) return false;
  return nearlyEqual(number.value, *answer.value, kRootTolerance);
}

Verdict judgeValue(const Question& question, const TypedAnswer& typed) {
  const CanonicalAnswer& answer = question.answers.front();
  if (typed.choice) {
    return verdict(typed.choice == AnswerChoice::undefined && !answer.value ? VerdictKind::correct
                                                                            : VerdictKind::wrong);
  }
  if (typed.quadrant || typed.numbers.size() != 1 || !answer.value) {
    return verdict(VerdictKind::wrong);
  }
  const TypedNumber& number = typed.numbers.front();
  if (number.degreeSign) return verdict(VerdictKind::wrong);
  if (sameValue(number, answer)) return verdict(VerdictKind::correct);
  const std::optional<Quantity> decimal = decimalOf(number);
  const bool close = decimal && roundedOrCut(*decimal, number.fractionDigits, preciseValue(answer));
  return verdict(close ? VerdictKind::close : VerdictKind::wrong);
}

// A typed angle in degrees, exactly where it can be.
struct TypedAngle {
  AngleUnit unit = AngleUnit::degrees;
  long double degrees = 0;
  std::optional<Rational> exactDegrees;
  bool comparable = true;  // false for long decimals, which are only ever close
};

TypedAngle angleOf(const TypedNumber& number, AngleUnit bareUnit) {
  TypedAngle angle;
  angle.unit = number.degreeSign ? AngleUnit::degrees
               : number.hasPi()  ? AngleUnit::radians
                                 : bareUnit;
  angle.comparable = !number.longNumber;
  if (angle.unit == AngleUnit::degrees) {
    angle.degrees = number.value;
    angle.exactDegrees = number.rational();
    // π with a degree sign is no angle we ask for.
    angle.comparable = angle.comparable && !number.hasPi();
    return angle;
  }
  angle.degrees = number.value / kRadiansPerDegree;
  if (number.hasExactForm() && number.rationalPart->isZero()) {
    angle.exactDegrees = multiply(*number.piPart, Rational{180, 1});
  }
  return angle;
}

bool sameAngle(const TypedAngle& angle, const CanonicalAnswer& answer) {
  if (angle.exactDegrees) return answer.exact && *angle.exactDegrees == *answer.exact;
  return angle.comparable && nearlyEqual(angle.degrees, *answer.value, kRootTolerance);
}

// Degrees as a decimal; radians as a decimal or as a decimal times π (0.1667π for π/6).
bool closeAngle(const TypedNumber& number, const TypedAngle& angle, const CanonicalAnswer& answer) {
  if (!answer.exact) return false;
  if (angle.unit == AngleUnit::degrees) {
    const std::optional<Quantity> decimal = decimalOf(number);
    return decimal && roundedOrCut(*decimal, number.fractionDigits, exactly(*answer.exact));
  }
  if (number.hasPi()) {
    if (!number.hasExactForm() || !number.rationalPart->isZero()) return false;
    const auto coefficient = divide(*answer.exact, Rational{180, 1});
    return coefficient &&
           roundedOrCut(exactly(*number.piPart), number.fractionDigits, exactly(*coefficient));
  }
  const std::optional<Quantity> decimal = decimalOf(number);
  if (!decimal) return false;
  const Quantity radians =
      answer.exact->isZero()
          ? exactly(*answer.exact)
          : Quantity{std::nullopt, answer.exact->value() * kRadiansPerDegree, kAnswerError};
  return roundedOrCut(*decimal, number.fractionDigits, radians);
}

// A bare number where radians are asked that only makes sense in degrees ("30" for π/6): no
// answer of the kind is that many radians, and one could be that many degrees.
bool onlyDegrees(const Question& question, const TypedNumber& number) {
  if (number.degreeSign || number.hasPi() || !number.rationalValue) return false;
  // Reference angles lie in [0°, 90°], the converted ones within a turn either side of one.
  const bool reference = question.kind() == QuestionKind::referenceAngle;
  const long double lowest = reference ? 0 : -360;
  const long double highest = reference ? 90 : 720;
  const auto within = [&](long double degrees) { return degrees >= lowest && degrees <= highest; };
  return within(number.value) && !within(number.value / kRadiansPerDegree);
}

// A solution one or more turns away.
bool sameAngleOutsideTurn(const TypedAngle& angle, const CanonicalAnswer& answer) {
  if (!angle.exactDegrees || !answer.exact) return false;
  const auto difference = add(*angle.exactDegrees, *negate(*answer.exact));
  return difference && difference->denominator == 1 && difference->numerator % 360 == 0 &&
         !difference->isZero();
}

Verdict judgeAngles(const Question& question, const TypedAnswer& typed) {
  const bool list = isInverse(question.kind());
  if (typed.choice) {
    const bool none = typed.choice == AnswerChoice::noSolution;
    return verdict(list && none && question.answers.empty() ? VerdictKind::correct
                                                            : VerdictKind::wrong);
  }
  if (typed.quadrant || typed.numbers.empty() || question.answers.empty()) {
    return verdict(VerdictKind::wrong);
  }
  if (!list && typed.numbers.size() != 1) return verdict(VerdictKind::wrong);

  const AngleUnit asked = question.answerUnit.value_or(AngleUnit::degrees);
  std::vector<bool> found(question.answers.size(), false);
  bool close = false;
  bool outOfRange = false;
  for (const TypedNumber& number : typed.numbers) {
    const TypedAngle angle = angleOf(number, asked);
    if (angle.unit != asked && !question.acceptsEitherUnit()) {
      return asked == AngleUnit::radians ? Verdict{VerdictKind::wrongUnit, "practiceGiveRadians"}
                                         : Verdict{VerdictKind::wrongUnit, "practiceGiveDegrees"};
    }
    bool matched = false;
    for (std::size_t i = 0; i < question.answers.size() && !matched; ++i) {
      const CanonicalAnswer& answer = question.answers[i];
      if (sameAngle(angle, answer)) {
        found[i] = matched = true;
      } else if (list && sameAngleOutsideTurn(angle, answer)) {
        outOfRange = matched = true;
      } else if (closeAngle(number, angle, answer)) {
        close = matched = true;
      }
    }
    if (!matched && asked == AngleUnit::radians && onlyDegrees(question, number)) {
      return question.acceptsEitherUnit() ? Verdict{VerdictKind::wrongUnit, "practiceMarkDegrees"}
                                          : Verdict{VerdictKind::wrongUnit, "practiceGiveRadians"};
    }
    if (!matched) return verdict(VerdictKind::wrong);
  }
  if (outOfRange) return verdict(VerdictKind::outOfRange);
  if (close) return verdict(VerdictKind::close);
  const bool all = std::all_of(found.begin(), found.end(), [](bool f) { return f; });
  return verdict(all ? VerdictKind::correct : VerdictKind::incomplete);
}

Verdict judgeQuadrant(const Question& question, const TypedAnswer& typed) {
  std::optional<Quadrant> quadrant = typed.quadrant;
  if (!quadrant && typed.numbers.size() == 1 && !typed.numbers.front().degreeSign) {
    if (const auto n = typed.numbers.front().rational();
        n && n->denominator == 1 && n->numerator >= 1 && n->numerator <= 4) {
      quadrant = static_cast<Quadrant>(n->numerator - 1);
    }
  }
  const bool right = quadrant && rawValue(*quadrant) == question.answers.front().latex;
  return verdict(right ? VerdictKind::correct : VerdictKind::wrong);
}

}  // namespace

std::string Verdict::message() const { return localized(key); }

Verdict judgeAnswer(const Question& question, std::string_view typed) {
  const ReadAnswer read = readAnswer(typed, isInverse(question.kind()));
  if (!read.answer) return {VerdictKind::unreadable, read.errorKey};
  switch (question.kind()) {
    case QuestionKind::sin:
    case QuestionKind::cos:
    case QuestionKind::tan:
      return judgeValue(question, *read.answer);
    case QuestionKind::quadrant:
      return judgeQuadrant(question, *read.answer);
    default:
      return judgeAngles(question, *read.answer);
  }
}

}  // namespace uc::practice
