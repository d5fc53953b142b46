#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace uc {

enum class Quadrant { first, second, third, fourth };

// "I" to "IV".
std::string_view rawValue(Quadrant quadrant);
std::optional<Quadrant> quadrantFromRawValue(std::string_view raw);

// The quadrant of a reduced angle in (-360, 360) degrees; a boundary belongs to the quadrant
// that starts there, and anything unusable counts as the first.
Quadrant quadrantOfReducedAngle(double degrees);

// The function a trigonometric graph shows.
enum class TrigonometricType { sin, cos, tan };

std::string_view name(TrigonometricType type);

}  // namespace uc
