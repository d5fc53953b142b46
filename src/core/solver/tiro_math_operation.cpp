#include "core/solver/tiro_math_operation.h"

#include <algorithm>
#include <cmath>
#include <numeric>

#include "core/number/number_text.h"

namespace uc {
namespace {

// Parts that a decimal expansion left a hair off a whole number (0.57 * 100 is
// 56.99999999999999) count as that whole number; anything further off is not whole.
std::optional<std::int64_t> wholeNumber(double x) {
  const double nearest = std::round(x);
  if (std::fabs(x - nearest) > 1e-9) return std::nullopt;
  return truncateToInt64(nearest);
}

}  // namespace

TiroMathOperation& TiroMathOperation::shared() {
  static TiroMathOperation instance;
  return instance;
}

RoundedValue TiroMathOperation::roundValue(double x, int places) const {
  const double p = std::pow(10.0, places);
  return {x, places, std::round(x * p) / p};
}

bool RoundedValue::changedNoticeably() const {
  if (value == original || !std::isfinite(original)) return false;
  const std::string text = shortestText(original);
  const auto dot = text.find('.');
  if (dot == std::string::npos || text.find('e') != std::string::npos) return true;
  const std::string following =
      text.substr(std::min(text.size(), dot + 1 + static_cast<std::size_t>(std::max(places, 0))));
  return following.rfind("0000", 0) != 0 && following.rfind("9999", 0) != 0;
}

std::optional<RewrittenDigit> TiroMathOperation::expandToIntegers(const DigitPtr& digit,
                                                                  bool withSideText) const {
  if (!digit || !digit->z) return std::nullopt;
  const double places = decimalPlaces(printfG(*digit->z), printfG(digit->n));
  if (places == 0) return std::nullopt;
  const double p = std::pow(10.0, places);
  std::string sideText = withSideText ? outputHelper.expandStepLatex(*digit, p) : std::string();
  digit->z = std::round(*digit->z * p);
  digit->n = std::round(digit->n * p);
  if (withSideText) sideText += " =  " + outputHelper.latexString(*digit, {}, std::nullopt);
  return RewrittenDigit{digit, std::move(sideText)};
}

std::optional<RewrittenDigit> TiroMathOperation::cancelDown(const Digit& digit, bool withSideText) {
  divisor = 1;
  if (!digit.z || std::isinf(*digit.z)) return std::nullopt;
  const double z = *digit.z;
  const double n = digit.n;

  std::int64_t found = 1;
  double wholeZ = z;
  double wholeN = n;
  if (std::fabs(z) > 1 && std::fabs(n) > 1) {
    const auto intZ = wholeNumber(z);
    const auto intN = wholeNumber(n);
    if (intZ && intN && *intZ != INT64_MIN && *intN != INT64_MIN) {
      // The first candidate from min(|z|, |n|) down that divides both is their gcd.
      found = std::max<std::int64_t>(1, std::gcd(*intZ, *intN));
      wholeZ = static_cast<double>(*intZ);
      wholeN = static_cast<double>(*intN);
    }
  }
  const std::int64_t sign = n >= 0 ? 1 : -1;
  divisor = found * sign;

  std::vector<NaturalConstant> zConstants = digit.zConstants;
  std::vector<NaturalConstant> nConstants = digit.nConstants;
  std::vector<NaturalConstant> cancelled;
  for (const auto& constant : zConstants) {
    if (std::find(nConstants.begin(), nConstants.end(), constant) != nConstants.end()) {
      cancelled.push_back(constant);
      break;
    }
  }
  if (!cancelled.empty()) {
    const auto& constant = cancelled.front();
    zConstants.erase(std::find(zConstants.begin(), zConstants.end(), constant));
    nConstants.erase(std::find(nConstants.begin(), nConstants.end(), constant));
  }
  if (found <= 1 && cancelled.empty()) return std::nullopt;

  const double d = static_cast<double>(found);
  const double s = static_cast<double>(sign);
  const double newZ = found > 1 ? wholeZ / d * s : z / d * s;
  const double newN = found > 1 ? wholeN / d * s : n / d * s;
  auto result = makeDigit(newZ, newN);
  result->zConstants = std::move(zConstants);
  result->nConstants = std::move(nConstants);
  result->zVariable = digit.zVariable;
  result->nVariable = digit.nVariable;
  result->powerOfZVariable = digit.powerOfZVariable;
  result->powerOfNVariable = digit.powerOfNVariable;

  std::string sideText;
  if (withSideText) {
    sideText = outputHelper.cancelStepLatex(digit, d, cancelled) + " =  " +
               outputHelper.latexString(*result, {}, std::nullopt);
  }
  return RewrittenDigit{result, std::move(sideText)};
}

}  // namespace uc
