#include "core/charts/unit_circle_turns.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstdlib>

#include "core/number/number_text.h"
#include "core/solver/tiro_math_operation.h"

namespace uc {
namespace {

constexpr double kPi = 3.141592653589793;
constexpr double kTwoPi = 6.283185307179586;

// Whole part of a value as digits: degree labels never show fractions.
std::string integerPart(double x) {
  if (auto whole = truncateToInt64(x)) return std::to_string(*whole);
  char text[400];
  std::snprintf(text, sizeof text, "%.0f", std::trunc(x));
  return text;
}

bool isMultiple(double a, double of) { return std::fmod(a, of) == 0; }

}  // namespace

std::optional<UnitCircleTurns> UnitCircleTurns::plan(const UnitCircleChartData& data) {
  if (!data.alpha || !data.b || !data.fullCircles) return std::nullopt;
  UnitCircleTurns turns;
  turns.fullCircles_ = std::llabs(*data.fullCircles);
  turns.sign_ = *data.b < 0 ? -1 : 1;
  turns.alpha_ = *data.alpha;
  turns.b_ = *data.b;
  turns.quadrant_ = data.quadrant;
  return turns;
}

UnitCircleTurns::Turn UnitCircleTurns::turn(std::int64_t index) const {
  Turn t;
  t.index = index;
  const auto i = static_cast<double>(index);
  if (index < fullCircles_) {
    t.endDegrees = i * 360 + 360;
    t.coveredDegrees = 360;
    t.coveredRadians = kTwoPi;
  } else {
    t.isLast = true;
    t.endDegrees = std::fabs(alpha_);
    t.coveredDegrees = std::fabs(alpha_) - i * 360;
    t.coveredRadians = std::fabs(b_) - 2 * i * kPi;
  }
  t.signedDegrees = sign_ * t.coveredDegrees;
  t.signedRadians = sign_ * t.coveredRadians;
  t.fullCirclesShown = sign_ * index;
  // Hues go round the colour wheel again after turn 5; later turns stop darkening at black.
  t.hue = std::fmod(i * 0.18, 1.0);
  t.brightness = std::clamp(1 - 0.02 * i, 0.0, 1.0);
  return t;
}

std::optional<UnitCircleTurns::Turn> UnitCircleTurns::lastDrawnTurn() const {
  Turn last = turn(fullCircles_);
  if (!last.isEmpty()) return last;
  if (fullCircles_ == 0) return std::nullopt;
  return turn(fullCircles_ - 1);
}

std::string UnitCircleTurns::degreeCountText(double start, double end, int k) {
  const double reached =
      std::fabs(start) + (k / double(kCountingSteps)) * (std::fabs(end) - std::fabs(start));
  return (end < 0 ? "-" : "") + integerPart(reached) + "°";
}

std::string UnitCircleTurns::degreeFinalText(double end) { return integerPart(end) + "°"; }

double UnitCircleTurns::cosineOfDegrees(double a) {
  if (isMultiple(a + 90, 180)) return 0;
  if (isMultiple(a, 360)) return 1;
  if (isMultiple(a - 180, 360)) return -1;
  return std::cos(a * kPi / 180);
}

double UnitCircleTurns::sineOfDegrees(double a) {
  if (isMultiple(a, 180)) return 0;
  if (isMultiple(a - 90, 360)) return 1;
  if (isMultiple(a - 270, 360)) return -1;
  return std::sin(a * kPi / 180);
}

std::string UnitCircleTurns::coordinateText(double value) {
  return shortestText(TiroMathOperation::shared().roundValue(value, 2).value);
}

std::string UnitCircleTurns::alphaText(const Turn& t, int k) const {
  return degreeCountText(sign_ * t.index * 360.0, sign_ * t.endDegrees, k);
}

std::string UnitCircleTurns::alphaFinalText(const Turn& t) const {
  return degreeFinalText(sign_ * t.endDegrees);
}

std::string UnitCircleTurns::gammaText(const Turn& t, int k) {
  return degreeCountText(0, t.signedDegrees, k);
}

std::string UnitCircleTurns::gammaFinalText(const Turn& t) {
  return degreeFinalText(t.signedDegrees);
}

std::string UnitCircleTurns::pXText(const Turn& t, int k) const {
  return coordinateText(cosineOfDegrees(sign_ * t.endDegrees * k / kCountingSteps));
}

std::string UnitCircleTurns::pYText(const Turn& t, int k) const {
  return coordinateText(sineOfDegrees(sign_ * t.endDegrees * k / kCountingSteps));
}

std::string UnitCircleTurns::fullCirclesText(const Turn& t) {
  return std::to_string(t.fullCirclesShown);
}

}  // namespace uc
