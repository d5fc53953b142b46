#include "core/solver/pi_fraction_hint.h"

#include <cmath>
#include <cstdlib>

namespace uc {
namespace {

constexpr double kPi = 3.14159265358979323846;
constexpr long long kLargestDenominator = 12;
constexpr double kTolerance = 1e-9;
constexpr std::string_view kPiText = "\xCF\x80";  // π in UTF-8

}  // namespace

std::optional<std::string> piFractionHint(std::string_view typedB, double radians) {
  if (typedB.empty() || typedB.find(kPiText) != std::string_view::npos) return std::nullopt;
  if (!std::isfinite(radians) || std::fabs(radians) > 1e6) return std::nullopt;
  const double tolerance = kTolerance * std::fmax(1, std::fabs(radians));
  for (long long q = 1; q <= kLargestDenominator; ++q) {
    const long long p = std::llround(radians / kPi * double(q));
    if (p == 0 || std::fabs(radians - double(p) * kPi / double(q)) > tolerance) continue;
    const long long magnitude = std::llabs(p);
    std::string text = p < 0 ? "-" : "";
    if (magnitude != 1) text += std::to_string(magnitude);
    text += kPiText;
    if (q != 1) text += "/" + std::to_string(q);
    return text;
  }
  return std::nullopt;
}

}  // namespace uc
