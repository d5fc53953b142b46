#include "ui/charts/angle_drag.h"

#include "core/charts/angle_drag.h"

namespace uc {

int AngleDrag::snapped(double degrees, int step) { return angle_drag::snapped(degrees, step); }

QString AngleDrag::valueText() const {
  return QString::fromStdString(angle_drag::valueText(degrees_));
}

void AngleDrag::begin(double shownDegrees) {
  active_ = true;
  degrees_ = angle_drag::startAngle(shownDegrees);
  emit changed();
}

void AngleDrag::dragTo(double dx, double dy, bool fine) {
  const auto degrees = angle_drag::dragAngle(dx, dy, fine);
  if (!degrees) return;
  active_ = true;
  set(*degrees);
}

void AngleDrag::step(int direction, bool fine) {
  if (direction == 0) return;
  active_ = true;
  set(angle_drag::stepAngle(degrees_, direction, fine));
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
