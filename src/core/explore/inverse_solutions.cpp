#include "core/explore/inverse_solutions.h"

#include <algorithm>
#include <cmath>

#include "core/number/number_text.h"
#include "core/practice/answer_reader.h"
#include "core/solver/exact_values.h"

namespace uc::explore {
namespace {

constexpr const char* kUnreadable = "exploreValueUnreadable";
constexpr const char* kRootOfNegative = "practiceRootOfNegative";
constexpr long double kDegreesPerRadian = 180.0L / practice::kPi;
// A typed radical is known to a long double's precision; the special values lie far apart.
constexpr long double kSameValue = 1e-12L;

const ExactValue& valueOf(const ExactValues& values, TrigFunction function) {
  switch (function) {
    case TrigFunction::cos:
      return values.cos;
    case TrigFunction::tan:
      return values.tan;
    case TrigFunction::sin:
      break;
  }
  return values.sin;
}

std::string degreesLatex(int degrees) { return std::to_string(degrees) + "^{\\circ}"; }

// In [0, 360), without a negative zero.
long double turned(long double degrees) {
  long double within = std::fmod(degrees, 360.0L);
  if (within < 0) within += 360.0L;
  if (within >= 360.0L || within == 0) within = 0;
  return within;
}

// The special angles (all among the multiples of 3°) whose value is exactly the typed one. A
// decimal or fraction is exact only where it equals a rational value (0, ±1/2, ±1) exactly; a
// value with a root is known to a long double's precision.
std::vector<InverseAngle> exactAngles(TrigFunction function, const practice::TypedNumber& typed) {
  std::vector<InverseAngle> angles;
  if (typed.hasPi() || typed.longNumber) return angles;
  for (int degrees = 0; degrees < 360; degrees += 3) {
    const std::optional<ExactValues> values = exactValuesFor(degrees);
    const ExactValue& value = valueOf(*values, function);
    if (!value.latex || !value.decimal) continue;
    const bool radical = value.latex->find("\\sqrt") != std::string::npos;
    const long double difference =
        std::fabs(static_cast<long double>(*value.decimal) - typed.value);
    const bool same = typed.rationalValue ? !radical && difference == 0 : difference <= kSameValue;
    if (same) {
      angles.push_back({static_cast<double>(degrees), degreesLatex(degrees), true,
                        values->cos.decimal.value_or(0), values->sin.decimal.value_or(0)});
    }
  }
  return angles;
}

InverseAngle approximateAngle(long double degrees) {
  const double within = static_cast<double>(turned(degrees));
  const long double radians = degrees / kDegreesPerRadian;
  return {within, "\\approx " + localeFormat(within, 2, false) + "^{\\circ}", false,
          static_cast<double>(std::cos(radians)), static_cast<double>(std::sin(radians))};
}

}  // namespace

std::optional<TrigFunction> trigFunctionFromRawValue(std::string_view text) {
  if (text == "sin") return TrigFunction::sin;
  if (text == "cos") return TrigFunction::cos;
  if (text == "tan") return TrigFunction::tan;
  return std::nullopt;
}

std::string_view rawValue(TrigFunction function) {
  switch (function) {
    case TrigFunction::cos:
      return "cos";
    case TrigFunction::tan:
      return "tan";
    case TrigFunction::sin:
      break;
  }
  return "sin";
}

InverseSolutions inverseSolutionsOfNumber(TrigFunction function, long double value) {
  InverseSolutions solutions;
  solutions.periodDegrees = function == TrigFunction::tan ? 180 : 360;
  if (!std::isfinite(value)) return solutions;
  std::vector<long double> degrees;
  switch (function) {
    case TrigFunction::sin:
      if (std::fabs(value) > 1) return solutions;
      degrees = {std::asin(value) * kDegreesPerRadian, 180 - std::asin(value) * kDegreesPerRadian};
      break;
    case TrigFunction::cos:
      if (std::fabs(value) > 1) return solutions;
      degrees = {std::acos(value) * kDegreesPerRadian, -std::acos(value) * kDegreesPerRadian};
      break;
    case TrigFunction::tan:
      degrees = {std::atan(value) * kDegreesPerRadian, std::atan(value) * kDegreesPerRadian + 180};
      break;
  }
  for (const long double angle : degrees) {
    InverseAngle candidate = approximateAngle(angle);
    // ±1 for sin and cos: one angle, met twice.
    const bool again = std::any_of(solutions.angles.begin(), solutions.angles.end(),
                                   [&](const InverseAngle& found) {
                                     return std::fabs(found.degrees - candidate.degrees) < 1e-9;
                                   });
    if (!again) solutions.angles.push_back(std::move(candidate));
  }
  std::sort(solutions.angles.begin(), solutions.angles.end(),
            [](const InverseAngle& a, const InverseAngle& b) { return a.degrees < b.degrees; });
  return solutions;
}

InverseReading inverseSolutions(TrigFunction function, std::string_view typedValue) {
  const practice::ReadAnswer read = practice::readAnswer(typedValue, false);
  const bool oneNumber = read.answer && read.answer->numbers.size() == 1 && !read.answer->choice &&
                         !read.answer->quadrant && !read.answer->numbers.front().degreeSign;
  if (!oneNumber) {
    return {std::nullopt, read.errorKey == kRootOfNegative ? kRootOfNegative : kUnreadable,
            std::nullopt};
  }
  const practice::TypedNumber& typed = read.answer->numbers.front();
  const double value = static_cast<double>(typed.value);
  std::vector<InverseAngle> exact = exactAngles(function, typed);
  if (exact.empty()) return {inverseSolutionsOfNumber(function, typed.value), {}, value};
  InverseSolutions solutions;
  solutions.periodDegrees = function == TrigFunction::tan ? 180 : 360;
  solutions.angles = std::move(exact);
  return {std::move(solutions), {}, value};
}

std::string generalSolutionLatex(const InverseAngle& angle, int periodDegrees) {
  return angle.latex + " + k \\cdot " + std::to_string(periodDegrees) + "^{\\circ}";
}

}  // namespace uc::explore
