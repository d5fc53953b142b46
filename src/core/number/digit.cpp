#include "core/number/digit.h"

#include <algorithm>

#include "core/number/number_text.h"

namespace uc {

std::optional<double> Digit::numericValue() const {
  if (!z) return std::nullopt;
  double v = *z / n;
  for (const auto& constant : zConstants) v = v * constant.value;
  for (const auto& constant : nConstants) v = v / constant.value;
  return v;
}

void Digit::copyFrom(const Digit& other) { *this = other; }

bool Digit::hasPiOnNumerator() const {
  return std::find(zConstants.begin(), zConstants.end(), piConstant()) != zConstants.end();
}

bool Digit::hasPiOnDenominator() const {
  return std::find(nConstants.begin(), nConstants.end(), piConstant()) != nConstants.end();
}

namespace {

// Fraction digits of a "%g" text, or nothing when its fractional part is not a plain
// base-10 integer (empty, or carrying an exponent as in "5e-07").
std::optional<std::size_t> fractionDigitCount(std::string_view text) {
  if (text.find('.') == std::string_view::npos) return std::nullopt;
  const auto pieces = splitDroppingEmpty(text, ".");
  if (pieces.empty()) return std::nullopt;
  std::string_view fraction = pieces.back();
  std::string_view digits = fraction;
  if (!digits.empty() && (digits[0] == '+' || digits[0] == '-')) digits.remove_prefix(1);
  if (digits.empty()) return std::nullopt;
  if (!std::all_of(digits.begin(), digits.end(), [](char c) { return c >= '0' && c <= '9'; })) {
    return std::nullopt;
  }
  return fraction.size();
}

}  // namespace

double decimalPlaces(std::string_view zText, std::string_view nText) {
  const auto zCount = fractionDigitCount(zText);
  const auto nCount = fractionDigitCount(nText);
  if (zCount && nCount) return static_cast<double>(std::max(*zCount, *nCount));
  if (zCount) return static_cast<double>(*zCount);
  if (nCount) return static_cast<double>(*nCount);
  return 0;
}

}  // namespace uc
