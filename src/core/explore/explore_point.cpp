#include "core/explore/explore_point.h"

#include <cmath>
#include <numbers>

#include "core/charts/circle_state.h"
#include "core/localization.h"
#include "core/number/number_text.h"

namespace uc::explore {
namespace {

constexpr int kDecimalPlaces = 4;

int positionOf(int degrees) {
  const int within = degrees % 360;
  return within < 0 ? within + 360 : within;
}

std::string degreesLatex(int degrees) { return std::to_string(degrees) + "^{\\circ}"; }

std::string approximately(double value) {
  return "\\approx " + localeFormat(value, kDecimalPlaces, false);
}

ShownValue shown(const ExactValue& value) {
  ShownValue result;
  result.decimal = value.decimal;
  if (value.latex) {
    result.latex = *value.latex;
    result.exact = true;
  } else if (value.decimal) {
    result.latex = approximately(*value.decimal);
  }
  return result;
}

// Signs read off the position alone, so that 180° has a sine of exactly 0.
int sinSign(int position) { return position % 180 == 0 ? 0 : position < 180 ? 1 : -1; }
int cosSign(int position) {
  return position % 180 == 90 ? 0 : (position < 90 || position > 270) ? 1 : -1;
}

SharedAngle sharedAngle(int position, int pointPosition) {
  SharedAngle angle;
  angle.degrees = position;
  angle.latex = degreesLatex(position);
  angle.sinSign = sinSign(position);
  angle.cosSign = cosSign(position);
  if (*angle.cosSign != 0) angle.tanSign = *angle.sinSign * *angle.cosSign;
  angle.isPoint = position == pointPosition;
  return angle;
}

std::string spokenValue(const ShownValue& value) {
  return value.decimal ? localeFormat(*value.decimal, kDecimalPlaces, false)
                       : localized("undefined");
}

}  // namespace

bool isSpecialAngle(int degrees) { return degrees % 15 == 0 || degrees % 18 == 0; }

std::optional<int> followPointer(int previousDegrees, double dx, double dy, bool snap) {
  if (!std::isfinite(dx) || !std::isfinite(dy) || (dx == 0 && dy == 0)) return std::nullopt;
  const double pointed = std::atan2(dy, dx) * 180 / std::numbers::pi;
  // The same direction on the turn nearest the previous angle.
  const double turns = std::round((previousDegrees - pointed) / 360);
  const double degrees = pointed + 360 * turns;
  if (!snap) return static_cast<int>(std::lround(degrees));
  const double by15 = std::round(degrees / 15) * 15;
  const double by18 = std::round(degrees / 18) * 18;
  const double nearest = std::fabs(by18 - degrees) < std::fabs(by15 - degrees) ? by18 : by15;
  return static_cast<int>(nearest);
}

int stepAngle(int degrees, int direction, bool snap) {
  if (direction == 0) return degrees;
  const int step = direction > 0 ? 1 : -1;
  int next = degrees + step;
  while (snap && !isSpecialAngle(next)) next += step;
  return next;
}

PointState pointState(int degrees) {
  PointState state;
  state.degrees = degrees;
  state.positionDegrees = positionOf(degrees);
  state.alphaLatex = degreesLatex(degrees);
  const std::string piFraction = piMultipleLatex(degrees).value_or("");
  const double radians = degrees * std::numbers::pi / 180;
  state.radiansLatex = isSpecialAngle(degrees) && !piFraction.empty()
                           ? piFraction
                           : piFraction + " " + approximately(radians);

  const ExactValues values = *exactValuesFor(degrees);
  state.sin = shown(values.sin);
  state.cos = shown(values.cos);
  state.tan = shown(values.tan);
  state.pointX = values.cos.decimal.value_or(0);
  state.pointY = values.sin.decimal.value_or(0);
  state.referenceDegrees = static_cast<int>(std::lround(values.referenceAngleDegrees));
  state.referenceLatex = degreesLatex(state.referenceDegrees);
  state.axis = values.axis;
  state.quadrant = values.axis ? -1 : circle_state::quadrantNumber(values.quadrant);

  const int r = state.referenceDegrees;
  for (const int position : {r, 180 - r, 180 + r, 360 - r}) {
    const int within = positionOf(position);
    bool seen = false;
    for (const SharedAngle& angle : state.sharedAngles) seen = seen || angle.degrees == within;
    if (!seen) state.sharedAngles.push_back(sharedAngle(within, state.positionDegrees));
  }

  state.valueText = "α = " + std::to_string(degrees) + "°, sin α = " + spokenValue(state.sin) +
                    ", cos α = " + spokenValue(state.cos) + ", tan α = " + spokenValue(state.tan);
  return state;
}

std::string rawValue(Axis axis) {
  switch (axis) {
    case Axis::positiveY:
      return "positiveY";
    case Axis::negativeX:
      return "negativeX";
    case Axis::negativeY:
      return "negativeY";
    case Axis::positiveX:
      break;
  }
  return "positiveX";
}

}  // namespace uc::explore
