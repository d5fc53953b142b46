#pragma once

#include <cstdint>
#include <optional>
#include <string>

#include "core/solver/chart_data.h"

namespace uc {

// The unit-circle animation as plain numbers and texts: the view asks for one turn after the
// other and for the label texts at each of the 21 counting updates, so the whole run can be
// checked without a window.
class UnitCircleTurns {
 public:
  static constexpr int kCountingSteps = 20;  // updates k = 0 ... 20

  struct Turn {
    std::int64_t index = 0;
    double endDegrees = 0;      // unsigned; the turn ends at sign * endDegrees
    double coveredDegrees = 0;  // unsigned extent of this turn
    double coveredRadians = 0;
    double signedDegrees = 0;  // sign * coveredDegrees: counter-clockwise when positive
    double signedRadians = 0;
    bool isLast = false;  // no full circle remains after it
    // The full-circle label while this turn runs.
    std::int64_t fullCirclesShown = 0;
    // The arc's colour: hue, saturation, brightness in [0, 1].
    double hue = 0;
    double saturation = 0.9;
    double brightness = 1;
    // Nothing to draw: the run ends without this turn.
    bool isEmpty() const { return signedDegrees == 0; }
  };

  // Nothing when the data lacks alpha, b or the full circles.
  static std::optional<UnitCircleTurns> plan(const UnitCircleChartData& data);

  std::int64_t fullCircles() const { return fullCircles_; }  // by absolute value
  int sign() const { return sign_; }                         // -1 when b < 0
  double b() const { return b_; }
  std::optional<Quadrant> quadrant() const { return quadrant_; }

  // Turn i of 0 ... fullCircles(); the last one may be empty.
  Turn turn(std::int64_t index) const;
  // The last turn a run draws: the last one, or the one before it when the last is empty;
  // nothing when even turn 0 is empty (a zero angle).
  std::optional<Turn> lastDrawnTurn() const;

  // Label texts at update k of a turn (and the capture-mode texts, shown at once).
  std::string alphaText(const Turn& turn, int k) const;
  std::string alphaFinalText(const Turn& turn) const;
  static std::string gammaText(const Turn& turn, int k);
  static std::string gammaFinalText(const Turn& turn);
  std::string pXText(const Turn& turn, int k) const;
  std::string pYText(const Turn& turn, int k) const;
  static std::string fullCirclesText(const Turn& turn);

  // "-" for a negative end, the integer part of the value reached at update k, "°".
  static std::string degreeCountText(double start, double end, int k);
  static std::string degreeFinalText(double end);
  // cos or sin of an angle in degrees, exact at multiples of 90°.
  static double cosineOfDegrees(double a);
  static double sineOfDegrees(double a);
  // Rounded to two places, in shortest text ("0.71", "-0.5", "1.0").
  static std::string coordinateText(double value);

 private:
  std::int64_t fullCircles_ = 0;
  int sign_ = 1;
  double alpha_ = 0;
  double b_ = 0;
  std::optional<Quadrant> quadrant_;
};

}  // namespace uc
