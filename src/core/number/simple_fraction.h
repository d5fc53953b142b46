#pragma once

#include <optional>

namespace uc {

// p/q with q > 0; p carries the sign.
struct SimpleFraction {
  long long numerator = 0;
  long long denominator = 1;
};

// The fraction with the smallest denominator up to maxDenominator that lies within tolerance
// of x; nothing when none does. x must be finite and small enough for its multiples to round
// to 64-bit integers.
std::optional<SimpleFraction> simplestFractionNear(double x, long long maxDenominator,
                                                   double tolerance);

}  // namespace uc
