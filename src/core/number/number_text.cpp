#include "core/number/number_text.h"

#include <locale.h>

#include <clocale>
#include <cmath>
#include <cstdlib>
#include <utility>

#include "core/number/decimal_digits.h"

namespace uc {
namespace {

// The digits written out without exponent: integer part and fraction part (may be empty).
std::pair<std::string, std::string> plainDecimal(const DecimalDigits& d) {
  const int integerDigits = d.exponent + 1;
  if (integerDigits <= 0) {
    return {"0", std::string(static_cast<std::size_t>(-integerDigits), '0') + d.digits};
  }
  const auto split = static_cast<std::size_t>(integerDigits);
  if (split >= d.digits.size()) return {d.digits + std::string(split - d.digits.size(), '0'), ""};
  return {d.digits.substr(0, split), d.digits.substr(split)};
}

std::string exponentText(int exponent) {
  std::string text = exponent < 0 ? "-" : "+";
  const std::string digits = std::to_string(std::abs(exponent));
  if (digits.size() < 2) text += "0";
  return text + digits;
}

// Adds one unit in the last place of a string of decimal digits; returns true on carry out.
bool incrementDigits(std::string& digits) {
  for (auto it = digits.rbegin(); it != digits.rend(); ++it) {
    if (*it != '9') {
      ++*it;
      return false;
    }
    *it = '0';
  }
  return true;
}

std::string groupThousands(const std::string& integerPart) {
  std::string grouped;
  const std::size_t size = integerPart.size();
  for (std::size_t i = 0; i < size; ++i) {
    if (i > 0 && (size - i) % 3 == 0) grouped.push_back(',');
    grouped.push_back(integerPart[i]);
  }
  return grouped;
}

locale_t cLocale() {
  static const locale_t locale = newlocale(LC_ALL_MASK, "C", static_cast<locale_t>(nullptr));
  return locale;
}

}  // namespace

std::string shortestText(double x) {
  if (std::isnan(x)) return "nan";
  if (std::isinf(x)) return x < 0 ? "-inf" : "inf";
  const std::string sign = std::signbit(x) ? "-" : "";
  if (x == 0) return sign + "0.0";

  const DecimalDigits d = shortestDigits(x);
  constexpr double kTwoTo53 = 9007199254740992.0;
  if (d.exponent < -4 || std::fabs(x) > kTwoTo53) {
    std::string mantissa = d.digits.substr(0, 1);
    if (d.digits.size() > 1) mantissa += "." + d.digits.substr(1);
    return sign + mantissa + "e" + exponentText(d.exponent);
  }
  auto [integerPart, fractionPart] = plainDecimal(d);
  if (fractionPart.empty()) fractionPart = "0";
  return sign + integerPart + "." + fractionPart;
}

std::string printfG(double x) { return generalText(x, 6); }

double roundToSignificantDigits(double x, int digits) {
  if (!std::isfinite(x) || x == 0) return x;
  const DecimalDigits d = roundedDigits(x, digits);
  const std::string text = std::string(std::signbit(x) ? "-" : "") + d.digits.substr(0, 1) + "." +
                           d.digits.substr(1) + "e" + std::to_string(d.exponent);
  return parseDouble(text).value_or(x);
}

std::string localeFormat(double x, int maximumFractionDigits, bool grouping) {
  if (std::isnan(x)) return "NaN";
  if (std::isinf(x)) return x < 0 ? "-∞" : "∞";
  const bool negative = std::signbit(x);
  if (x == 0) return negative ? "-0" : "0";
  // Whole numbers, the common case, need no rounding.
  if (std::fabs(x) < 1e15 && x == std::trunc(x)) {
    std::string digits = std::to_string(static_cast<long long>(std::fabs(x)));
    if (grouping) digits = groupThousands(digits);
    return negative ? "-" + digits : digits;
  }
  const std::size_t maxFraction =
      static_cast<std::size_t>(maximumFractionDigits < 0 ? 0 : maximumFractionDigits);

  const DecimalDigits d = shortestDigits(x);
  auto [integerPart, fractionPart] = plainDecimal(d);

  if (fractionPart.size() > maxFraction) {
    const std::string rest = fractionPart.substr(maxFraction);
    fractionPart.resize(maxFraction);
    // Half to even on the decimal digits: the shortest digits carry no trailing zeros,
    // so the rest is exactly one half only when it is "5".
    const char lastKept = fractionPart.empty() ? integerPart.back() : fractionPart.back();
    const bool roundUp = rest[0] > '5' || (rest[0] == '5' && rest.size() > 1) ||
                         (rest == "5" && (lastKept - '0') % 2 == 1);
    if (roundUp && incrementDigits(fractionPart)) {
      if (incrementDigits(integerPart)) integerPart.insert(integerPart.begin(), '1');
    }
  }
  while (!fractionPart.empty() && fractionPart.back() == '0') fractionPart.pop_back();

  std::string text = grouping ? groupThousands(integerPart) : integerPart;
  if (!fractionPart.empty()) text += "." + fractionPart;
  return negative ? "-" + text : text;
}

std::optional<double> parseDouble(std::string_view text) {
  if (text.empty()) return std::nullopt;
  // Only the characters of a decimal floating-point literal: this rules out blanks,
  // "inf", "nan" and hexadecimal forms before strtod sees the text.
  for (char c : text) {
    const bool allowed =
        (c >= '0' && c <= '9') || c == '.' || c == 'e' || c == 'E' || c == '+' || c == '-';
    if (!allowed) return std::nullopt;
  }
  const std::string copy(text);
  char* end = nullptr;
  const double value = strtod_l(copy.c_str(), &end, cLocale());
  if (end != copy.c_str() + copy.size()) return std::nullopt;
  return value;
}

std::optional<std::int64_t> truncateToInt64(double x) {
  constexpr double kTwoTo63 = 9223372036854775808.0;
  if (!std::isfinite(x) || x < -kTwoTo63 || x >= kTwoTo63) return std::nullopt;
  return static_cast<std::int64_t>(x);
}

std::vector<std::string> splitDroppingEmpty(std::string_view text, std::string_view separator) {
  std::vector<std::string> pieces;
  std::size_t start = 0;
  while (start <= text.size()) {
    const std::size_t found = text.find(separator, start);
    const std::size_t stop = found == std::string_view::npos ? text.size() : found;
    if (stop > start) pieces.emplace_back(text.substr(start, stop - start));
    if (found == std::string_view::npos) break;
    start = found + separator.size();
  }
  return pieces;
}

std::string replaceAll(std::string text, std::string_view from, std::string_view to) {
  if (from.empty()) return text;
  std::size_t pos = 0;
  while ((pos = text.find(from, pos)) != std::string::npos) {
    text.replace(pos, from.size(), to);
    pos += to.size();
  }
  return text;
}

}  // namespace uc
