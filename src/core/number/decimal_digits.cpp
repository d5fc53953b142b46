#include "core/number/decimal_digits.h"

#include <charconv>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <string_view>
#include <version>

#include "core/number/number_text.h"

#if defined(__cpp_lib_to_chars) && __cpp_lib_to_chars >= 201611L
#define UC_STANDARD_FLOAT_TO_CHARS 1
#include <array>
#endif

namespace uc {
namespace {

// Digits and exponent of "d.ddde+XX"; the decimal point may be the locale's, so every
// character but a digit before the exponent is skipped.
DecimalDigits scientificDigits(std::string_view text) {
  DecimalDigits d;
  const auto e = text.find_first_of("eE");
  for (char c : text.substr(0, e)) {
    if (c >= '0' && c <= '9') d.digits.push_back(c);
  }
  d.exponent = std::atoi(std::string(text.substr(e + 1)).c_str());
  return d;
}

bool readsBack(const DecimalDigits& d, double x) {
  std::string text =
      d.digits.substr(0, 1) + "." + d.digits.substr(1) + "e" + std::to_string(d.exponent);
  return parseDouble(text) == x;
}

// One unit up or down in the last digit, keeping the number of digits.
DecimalDigits stepLastDigit(DecimalDigits d, int step) {
  const std::size_t size = d.digits.size();
  for (auto it = d.digits.rbegin(); it != d.digits.rend(); ++it) {
    if (step > 0 && *it != '9') {
      ++*it;
      return d;
    }
    if (step < 0 && *it != '0') {
      --*it;
      break;
    }
    *it = step > 0 ? '0' : '9';
  }
  if (step > 0) {  // 9.99 -> 10.0
    d.digits = "1" + std::string(size - 1, '0');
    ++d.exponent;
  } else if (d.digits[0] == '0') {  // 1.00 -> 0.99 -> 9.90
    d.digits = d.digits.substr(1) + "0";
    --d.exponent;
  }
  return d;
}

// The `significant`-digit decimal nearest to x when it reads back, else its neighbour on the
// other side of x that does: at a power of two the doubles below lie twice as close as those
// above, so the nearest may miss where a farther one still reads back.
bool fitsIn(double x, int significant, DecimalDigits& found) {
  const DecimalDigits nearest = portableRoundedDigits(x, significant);
  if (readsBack(nearest, x)) {
    found = nearest;
    return true;
  }
  for (int step : {1, -1}) {
    const DecimalDigits other = stepLastDigit(nearest, step);
    if (readsBack(other, x)) {
      found = other;
      return true;
    }
  }
  return false;
}

}  // namespace

bool hasStandardFloatToChars() {
#ifdef UC_STANDARD_FLOAT_TO_CHARS
  return true;
#else
  return false;
#endif
}

DecimalDigits portableRoundedDigits(double x, int significant) {
  char buffer[64];
  std::snprintf(buffer, sizeof buffer, "%.*e", significant - 1, std::fabs(x));
  return scientificDigits(buffer);
}

DecimalDigits portableShortestDigits(double x) {
  const double magnitude = std::fabs(x);
  // Whatever fits in n digits fits in n + 1, so the fewest digits are found by bisection;
  // 17 always fit.
  int low = 1;
  int high = 17;
  DecimalDigits found;
  while (low < high) {
    const int middle = (low + high) / 2;
    if (fitsIn(magnitude, middle, found)) {
      high = middle;
    } else {
      low = middle + 1;
    }
  }
  fitsIn(magnitude, low, found);
  while (found.digits.size() > 1 && found.digits.back() == '0') found.digits.pop_back();
  return found;
}

std::string portableGeneralText(double x, int precision) {
  const std::string sign = std::signbit(x) ? "-" : "";
  if (std::isnan(x)) return sign + "nan";
  if (std::isinf(x)) return sign + "inf";
  const int p = precision == 0 ? 1 : precision;
  const DecimalDigits d = portableRoundedDigits(x, p);
  const auto trimmed = [](std::string digits) {
    while (!digits.empty() && digits.back() == '0') digits.pop_back();
    return digits;
  };
  if (d.exponent >= -4 && d.exponent < p) {
    std::string integerPart;
    std::string fractionPart;
    if (d.exponent < 0) {
      integerPart = "0";
      fractionPart = std::string(static_cast<std::size_t>(-d.exponent - 1), '0') + d.digits;
    } else {
      const auto split = static_cast<std::size_t>(d.exponent + 1);
      integerPart = d.digits.substr(0, split);
      fractionPart = d.digits.substr(split);
    }
    fractionPart = trimmed(fractionPart);
    return sign + integerPart + (fractionPart.empty() ? "" : "." + fractionPart);
  }
  const std::string fraction = trimmed(d.digits.substr(1));
  const std::string exponent = std::to_string(std::abs(d.exponent));
  return sign + d.digits.substr(0, 1) + (fraction.empty() ? "" : "." + fraction) + "e" +
         (d.exponent < 0 ? "-" : "+") + (exponent.size() < 2 ? "0" : "") + exponent;
}

#ifdef UC_STANDARD_FLOAT_TO_CHARS

DecimalDigits shortestDigits(double x) {
  std::array<char, 64> buffer{};
  const auto [end, ec] = std::to_chars(buffer.data(), buffer.data() + buffer.size(), std::fabs(x),
                                       std::chars_format::scientific);
  return scientificDigits(
      std::string_view(buffer.data(), static_cast<std::size_t>(end - buffer.data())));
}

DecimalDigits roundedDigits(double x, int significant) {
  std::array<char, 64> buffer{};
  const auto [end, ec] = std::to_chars(buffer.data(), buffer.data() + buffer.size(), std::fabs(x),
                                       std::chars_format::scientific, significant - 1);
  return scientificDigits(
      std::string_view(buffer.data(), static_cast<std::size_t>(end - buffer.data())));
}

std::string generalText(double x, int precision) {
  // std::to_chars with a precision is defined as printf in the C locale.
  std::array<char, 64> buffer{};
  const auto [end, ec] = std::to_chars(buffer.data(), buffer.data() + buffer.size(), x,
                                       std::chars_format::general, precision);
  return std::string(buffer.data(), end);
}

#else

DecimalDigits shortestDigits(double x) { return portableShortestDigits(x); }

DecimalDigits roundedDigits(double x, int significant) {
  return portableRoundedDigits(x, significant);
}

std::string generalText(double x, int precision) { return portableGeneralText(x, precision); }

#endif

}  // namespace uc
