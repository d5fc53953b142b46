#pragma once

#include <optional>
#include <string>

#include "core/solver/quadrant.h"

namespace uc {

// One trigonometric value: its exact form as LaTeX where the angle has one, and its decimal.
// A tangent at 90° + k·180° is undefined: neither is set.
struct ExactValue {
  std::optional<std::string> latex;
  std::optional<double> decimal;
  bool undefined() const { return !decimal; }
};

// The half axis an angle's terminal side lies on, in the order of 0°, 90°, 180° and 270°.
enum class Axis { positiveX, positiveY, negativeX, negativeY };

// What the exact values card shows for one angle.
struct ExactValues {
  double alphaDegrees = 0;
  // b exactly: as typed when the solution worked from b, else as a multiple of π when α is a
  // simple fraction of 180°.
  std::optional<std::string> bLatex;
  double referenceAngleDegrees = 0;     // the acute angle to the x axis, in [0, 90]
  Quadrant quadrant = Quadrant::first;  // named as the steps name it
  std::optional<Axis> axis;             // set where α lies on an axis, in no quadrant
  ExactValue sin;
  ExactValue cos;
  ExactValue tan;
};

// The exact values of α in degrees: radical forms for every multiple of 15° and 18° (within
// a rounding residue of 1e-13 relative), decimals for every angle. Nothing for an angle that
// is not finite. typedArcLatex is b as typed, when α was worked out from it.
std::optional<ExactValues> exactValuesFor(
    double alphaDegrees, const std::optional<std::string>& typedArcLatex = std::nullopt);

// α / 180 as a fraction of π in LaTeX ("\frac{3\pi}{4}", "-\pi", "0"), when α / 180 is a
// fraction with a denominator of at most 3600.
std::optional<std::string> piMultipleLatex(double alphaDegrees);

}  // namespace uc
