#include "core/solver/quadrant.h"

#include <array>

namespace uc {
namespace {
constexpr std::array<std::string_view, 4> kRawValues{"I", "II", "III", "IV"};
}

std::string_view rawValue(Quadrant quadrant) {
  return kRawValues[static_cast<std::size_t>(quadrant)];
}

std::optional<Quadrant> quadrantFromRawValue(std::string_view raw) {
  for (std::size_t i = 0; i < kRawValues.size(); ++i) {
    if (kRawValues[i] == raw) return static_cast<Quadrant>(i);
  }
  return std::nullopt;
}

Quadrant quadrantOfReducedAngle(double degrees) {
  const double d = degrees < 0 ? degrees + 360 : degrees;
  if (d >= 0 && d < 90) return Quadrant::first;
  if (d >= 90 && d < 180) return Quadrant::second;
  if (d >= 180 && d < 270) return Quadrant::third;
  if (d >= 270 && d < 360) return Quadrant::fourth;
  return Quadrant::first;  // exactly 360 after adding a tiny negative angle, or not a number
}

std::string_view name(TrigonometricType type) {
  switch (type) {
    case TrigonometricType::sin:
      return "sin";
    case TrigonometricType::cos:
      return "cos";
    case TrigonometricType::tan:
      return "tan";
  }
  return "sin";
}

}  // namespace uc
