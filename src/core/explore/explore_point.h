#pragma once

#include <optional>
#include <string>
#include <vector>

#include "core/explore/inverse_solutions.h"
#include "core/solver/exact_values.h"

// The Explore screen's point: where a finger, the mouse or the arrow keys move it, and
// everything that moves with it. Angles are whole degrees, any number of turns either way.
namespace uc::explore {

// The special angles are the multiples of 15° and of 18°: their values have radical forms.
bool isSpecialAngle(int degrees);

// The angle a pointer at (dx, dy) from the centre (y upwards) points at, taken on the turn
// nearest the previous angle, so that circling the centre counts whole turns up or down.
// Snapped to the nearest special angle, else to the degree. Nothing at the centre itself.
std::optional<int> followPointer(int previousDegrees, double dx, double dy, bool snap);

// One arrow key: to the next special angle in that direction (direction > 0 counter-
// clockwise), or one degree when not snapping. Direction 0 stays.
int stepAngle(int degrees, int direction, bool snap);

// The sign of a value: -1, 0 or 1; nothing where it is undefined (tan at 90° + k·180°).
using Sign = std::optional<int>;

// One of the angles in [0°, 360°) that share the point's reference angle.
struct SharedAngle {
  int degrees = 0;
  std::string latex;  // "135^{\circ}"
  Sign sinSign;
  Sign cosSign;
  Sign tanSign;
  bool isPoint = false;  // the point's own position
};

// One value as shown: exact in radical form at the special angles, else a rounded decimal.
struct ShownValue {
  std::optional<double> decimal;  // nothing where undefined
  std::string latex;              // "\frac{\sqrt{2}}{2}", "\approx 0.7314"; empty where undefined
  bool exact = false;
};

struct PointState {
  int degrees = 0;           // as followed, any turn
  int positionDegrees = 0;   // the same place in [0°, 360°)
  std::string alphaLatex;    // "135^{\circ}"
  std::string radiansLatex;  // "\frac{3\pi}{4}", "\frac{47\pi}{180} \approx 0.8203"
  ShownValue sin;
  ShownValue cos;
  ShownValue tan;
  double pointX = 1;  // (cos α, sin α)
  double pointY = 0;
  int referenceDegrees = 0;  // the acute angle to the x axis, in [0, 90]
  std::string referenceLatex;
  int quadrant = -1;                      // 1 ... 4, -1 on an axis
  std::optional<Axis> axis;               // the half axis the point lies on
  std::vector<SharedAngle> sharedAngles;  // α, 180° − α, 180° + α, 360° − α in [0°, 360°),
                                          // each once, in that order
  std::string valueText;  // "α = 135°", for the live label and screen readers
};

PointState pointState(int degrees);

// "positiveX" ... "negativeY".
std::string rawValue(Axis axis);

}  // namespace uc::explore
