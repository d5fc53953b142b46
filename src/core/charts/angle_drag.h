#pragma once

#include <optional>
#include <string>

namespace uc::angle_drag {

// Setting α by hand on the unit circle: the angle snaps to 15° steps, or to whole degrees in
// fine mode (a modifier or a long press).
inline constexpr int kCoarseStep = 15;
inline constexpr int kFineStep = 1;

// degrees on [0, 360) at the nearest multiple of step.
int snapped(double degrees, int step);

// Where a drag starts: the angle on screen (any number of degrees; its place on the circle
// counts), to the degree.
int startAngle(double shownDegrees);

// The angle of a pointer at (dx, dy) from the centre, y upwards; the centre itself has no
// direction and gives nothing.
std::optional<int> dragAngle(double dx, double dy, bool fine);

// One step counter-clockwise (direction > 0) or clockwise (< 0); from an angle between two
// steps the first step lands on the next one in that direction. Direction 0 stays.
int stepAngle(int degrees, int direction, bool fine);

// "α = 150°", for the live label and screen readers.
std::string valueText(int degrees);

}  // namespace uc::angle_drag
