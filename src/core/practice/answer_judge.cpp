#include "core/practice/answer_judge.h"

#include <algorithm>
#include <cmath>
#include <numbers>

#include "core/localization.h"
#include "core/practice/answer_reader.h"

namespace uc::practice {
namespace {

constexpr long double kRootTolerance = 1e-12L;
constexpr long double kRadiansPerDegree = std::numbers::pi_v<long double> / 180;

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

// A decimal rounded or cut to its last place.
bool closeTo(const TypedNumber& number, long double expected) {
  if (number.fractionDigits < 1) return false;
  const long double place = std::pow(10.0L, -number.fractionDigits);
  const long double difference = std::fabs(number.value - expected);
  const bool rounded = difference <= place / 2 * (1 + 1e-9L);
  const bool cut = (number.value < 0) == (expected < 0) &&
                   std::fabs(number.value) < std::fabs(expected) && difference < place;
  return rounded || cut;
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
  return verdict(closeTo(number, *answer.value) ? VerdictKind::close : VerdictKind::wrong);
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

bool closeAngle(const TypedNumber& number, const TypedAngle& angle, const CanonicalAnswer& answer) {
  const long double expected = angle.unit == AngleUnit::degrees
                                   ? static_cast<long double>(*answer.value)
                                   : *answer.value * kRadiansPerDegree;
  return closeTo(number, expected);
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
