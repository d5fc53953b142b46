#pragma once

#include <string>

// The decimal digits behind the number texts. The standard library gives them through the
// floating-point std::to_chars; a library without it (the WebAssembly build's) takes the
// portable path, which the native tests hold against the standard one.
namespace uc {

// |x| as d1.d2d3... * 10^exponent.
struct DecimalDigits {
  std::string digits;
  int exponent = 0;
  bool operator==(const DecimalDigits&) const = default;
};

// Shortest digits of a finite, non-zero x that read back to x, the nearest to x among them.
DecimalDigits shortestDigits(double x);

// |x| exactly rounded to `significant` digits (1 to 17), trailing zeros kept: printf's "%.*e".
DecimalDigits roundedDigits(double x, int significant);

// C's "%.{precision}g" in the C locale ("nan", "-inf", "1.23457e+06").
std::string generalText(double x, int precision);

// The same, from printf's exactly rounded "%.*e" and strtod: no floating-point to_chars needed.
DecimalDigits portableShortestDigits(double x);
DecimalDigits portableRoundedDigits(double x, int significant);
std::string portableGeneralText(double x, int precision);

// True where the standard library formats doubles itself.
bool hasStandardFloatToChars();

}  // namespace uc
