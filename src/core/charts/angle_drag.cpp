#include "core/charts/angle_drag.h"

#include <cmath>
#include <numbers>

namespace uc::angle_drag {

int snapped(double degrees, int step) {
  if (!std::isfinite(degrees) || step <= 0) return 0;
  const double reduced = std::fmod(degrees, 360.0);
  const long long steps = std::llround((reduced < 0 ? reduced + 360 : reduced) / step);
  return static_cast<int>((steps * step) % 360);
}

int startAngle(double shownDegrees) { return snapped(shownDegrees, kFineStep); }

std::optional<int> dragAngle(double dx, double dy, bool fine) {
  if (!std::isfinite(dx) || !std::isfinite(dy) || (dx == 0 && dy == 0)) return std::nullopt;
  const double degrees = std::atan2(dy, dx) * 180 / std::numbers::pi;
  return snapped(degrees, fine ? kFineStep : kCoarseStep);
}

int stepAngle(int degrees, int direction, bool fine) {
  if (direction == 0) return degrees;
  const int size = fine ? kFineStep : kCoarseStep;
  const double steps = double(degrees) / size;
  const double next =
      direction > 0 ? (std::floor(steps) + 1) * size : (std::ceil(steps) - 1) * size;
  return snapped(next, size);
}

std::string valueText(int degrees) { return "α = " + std::to_string(degrees) + "°"; }

}  // namespace uc::angle_drag
