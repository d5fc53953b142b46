#include "core/number/simple_fraction.h"

#include <cmath>

namespace uc {

std::optional<SimpleFraction> simplestFractionNear(double x, long long maxDenominator,
                                                   double tolerance) {
  for (long long q = 1; q <= maxDenominator; ++q) {
    const long long p = std::llround(x * double(q));
    if (std::fabs(x - double(p) / double(q)) <= tolerance) return SimpleFraction{p, q};
  }
  return std::nullopt;
}

}  // namespace uc
