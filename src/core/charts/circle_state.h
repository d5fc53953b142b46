#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "core/charts/unit_circle_turns.h"

namespace uc {

// One coloured arc of the drawing, from the positive x axis.
struct CircleArc {
  std::int64_t turn = 0;
  double sweep = 0;  // degrees, counter-clockwise when positive
  double hue = 0;
  double saturation = 0.9;
  double brightness = 1;
  std::string color;  // the same as "#rrggbb"
};

// Everything the unit circle shows when nothing moves: at the end of a run, or for an angle
// set by hand. The app's view and the web edition draw exactly this.
struct CircleState {
  std::string alphaText = "0°";
  std::string gammaText = "0°";
  std::string fullCirclesText = "0";
  std::string pXText = "1.0";
  std::string pYText = "0.0";
  // At most two: a full circle hides every arc under it.
  std::vector<CircleArc> arcs;
  double arrowDegrees = 0;  // counter-clockwise from the positive x axis
  int quadrant = -1;        // 1 ... 4 the numeral shown, -1 none
  double pointX = 1;        // the point on the circle, (cos, sin)
  double pointY = 0;
};

namespace circle_state {

// "#rrggbb" of a colour given as hue, saturation and brightness in [0, 1].
std::string hsvHex(double hue, double saturation, double brightness);

CircleArc arcOf(const UnitCircleTurns::Turn& turn);

// Where a run of these turns ends; the point is at the arc length b.
CircleState finalState(const UnitCircleTurns& turns);

// One arc from 0 to the angle, the arrow on it, its point, projections and quadrant.
CircleState setAngleState(int degrees);

// 1 ... 4 for a quadrant, -1 for none.
int quadrantNumber(std::optional<Quadrant> quadrant);

}  // namespace circle_state
}  // namespace uc
