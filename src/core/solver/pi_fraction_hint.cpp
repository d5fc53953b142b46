#include "core/solver/pi_fraction_hint.h"

#include <cmath>
#include <cstdlib>

#include "core/number/natural_constant.h"
#include "core/number/simple_fraction.h"

namespace uc {
namespace {

constexpr long long kLargestDenominator = 12;
constexpr double kTolerance = 1e-9;

}  // namespace

std::optional<std::string> piFractionHint(std::string_view typedB, double radians) {
  const std::string& piText = piConstant().key;
  const double pi = piConstant().value;
  if (typedB.empty()) return std::nullopt;
  // A typed constant is an exact form already; e is no slip for a fraction of π.
  for (const NaturalConstant& constant : naturalConstants()) {
    if (typedB.find(constant.key) != std::string_view::npos) return std::nullopt;
  }
  if (!std::isfinite(radians) || std::fabs(radians) > 1e6) return std::nullopt;
  // Within the tolerance of the radians, measured in multiples of π.
  const std::optional<SimpleFraction> fraction = simplestFractionNear(
      radians / pi, kLargestDenominator, kTolerance * std::fmax(1, std::fabs(radians)) / pi);
  if (!fraction || fraction->numerator == 0) return std::nullopt;
  const auto [p, q] = *fraction;
  const long long magnitude = std::llabs(p);
  std::string text = p < 0 ? "-" : "";
  if (magnitude != 1) text += std::to_string(magnitude);
  text += piText;
  if (q != 1) text += "/" + std::to_string(q);
  return text;
}

}  // namespace uc
