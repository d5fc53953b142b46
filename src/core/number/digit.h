#pragma once

#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "core/number/natural_constant.h"

namespace uc {

// A number as an exact fraction of two doubles, each side optionally multiplied by
// natural constants and carrying a variable letter with a power. Held by reference
// (DigitPtr): several holders see each other's changes, and there is no value equality.
class Digit {
 public:
  Digit(std::optional<double> numerator, double denominator) : z(numerator), n(denominator) {}

  std::optional<double> z;  // absent: the field was left empty
  double n = 1.0;
  std::vector<NaturalConstant> zConstants;
  std::vector<NaturalConstant> nConstants;
  std::string zVariable;
  std::string nVariable;
  double powerOfZVariable = 0.0;
  double powerOfNVariable = 0.0;

  // z / n, times the numerator constants, divided by the denominator constants, in this
  // order of operations so that results agree to the last bit. Variables do not enter it.
  std::optional<double> numericValue() const;

  // Overwrites every field with other's (lists and strings copied as values).
  void copyFrom(const Digit& other);

  bool hasPiOnNumerator() const;
  bool hasPiOnDenominator() const;
};

using DigitPtr = std::shared_ptr<Digit>;

inline DigitPtr makeDigit(std::optional<double> z, double n) {
  return std::make_shared<Digit>(z, n);
}

// Decimal places a pair of "%g" texts needs: the larger count of fraction digits,
// texts without "." or in exponent form counting 0 ("1.5","2" -> 1; "1.5e-07","1" -> 0).
double decimalPlaces(std::string_view zText, std::string_view nText);

// A plain value pair, kept for the shape shared with other formula modules.
struct Fraction {
  std::optional<double> z;
  double n = 1.0;
};

}  // namespace uc
