#include "ui/charts/angle_drag.h"

#include <cmath>
#include <numbers>

namespace uc {

int AngleDrag::snapped(double degrees, int step) {
  if (!std::isfinite(degrees) || step <= 0) return 0;
  const double reduced = std::fmod(degrees, 360.0);
  const long long steps = std::llround((reduced < 0 ? reduced + 360 : reduced) / step);
  return static_cast<int>((steps * step) % 360);
}

QString AngleDrag::valueText() const { return QStringLiteral("α = %1°").arg(degrees_); }

void AngleDrag::begin(double shownDegrees) {
  active_ = true;
  degrees_ = snapped(shownDegrees, kFineStep);
  emit changed();
}

void AngleDrag::dragTo(double dx, double dy, bool fine) {
  if (!std::isfinite(dx) || !std::isfinite(dy) || (dx == 0 && dy == 0)) return;
  const double degrees = std::atan2(dy, dx) * 180 / std::numbers::pi;
  active_ = true;
  set(snapped(degrees, fine ? kFineStep : kCoarseStep));
}

void AngleDrag::step(int direction, bool fine) {
  if (direction == 0) return;
  const int size = fine ? kFineStep : kCoarseStep;
  // From an angle between two steps, the first step lands on the next one in that direction.
  const double steps = double(degrees_) / size;
  const double next =
      direction > 0 ? (std::floor(steps) + 1) * size : (std::ceil(steps) - 1) * size;
  active_ = true;
  set(snapped(next, size));
}

void AngleDrag::end() {
  if (!active_) return;
  active_ = false;
  emit changed();
}

void AngleDrag::set(int degrees) {
  degrees_ = degrees;
  emit changed();
}

}  // namespace uc
