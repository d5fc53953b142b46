#include "core/solver/exact_values.h"

#include <array>
#include <cmath>
#include <cstdlib>

#include "core/number/natural_constant.h"
#include "core/number/number_text.h"
#include "core/number/simple_fraction.h"

namespace uc {
namespace {

// Beyond this the step between neighbouring doubles is too coarse to tell degrees apart.
constexpr double kLargestExactAngle = 1e12;
// Rounding residues only: an angle typed as a decimal near a special one is not that angle.
constexpr double kAngleTolerance = 1e-13;
// glibc's sin, cos and tan and the WebAssembly build's differ in the last bit; twelve digits
// are the same in both and still far more than the card shows.
constexpr int kComputedDecimalDigits = 12;

// sin and tan of a reference angle, as LaTeX for the positive and the negative value, and as
// the number the radicals make.
struct Entry {
  int degrees;
  const char* sinLatex;
  double sinValue;
  const char* tanLatex;
  const char* negativeTanLatex;
  double tanValue;  // NaN at 90°
};

double root(double x) { return std::sqrt(x); }

const std::array<Entry, 11>& table() {
  static const std::array<Entry, 11> entries{{
      {0, "0", 0.0, "0", "0", 0.0},
      {15, "\\frac{\\sqrt{6}-\\sqrt{2}}{4}", (root(6) - root(2)) / 4, "2-\\sqrt{3}", "\\sqrt{3}-2",
       2 - root(3)},
      {18, "\\frac{\\sqrt{5}-1}{4}", (root(5) - 1) / 4, "\\frac{\\sqrt{25-10\\sqrt{5}}}{5}",
       "-\\frac{\\sqrt{25-10\\sqrt{5}}}{5}", root(25 - 10 * root(5)) / 5},
      {30, "\\frac{1}{2}", 0.5, "\\frac{\\sqrt{3}}{3}", "-\\frac{\\sqrt{3}}{3}", root(3) / 3},
      {36, "\\frac{\\sqrt{10-2\\sqrt{5}}}{4}", root(10 - 2 * root(5)) / 4, "\\sqrt{5-2\\sqrt{5}}",
       "-\\sqrt{5-2\\sqrt{5}}", root(5 - 2 * root(5))},
      {45, "\\frac{\\sqrt{2}}{2}", root(2) / 2, "1", "-1", 1.0},
      {54, "\\frac{\\sqrt{5}+1}{4}", (root(5) + 1) / 4, "\\frac{\\sqrt{25+10\\sqrt{5}}}{5}",
       "-\\frac{\\sqrt{25+10\\sqrt{5}}}{5}", root(25 + 10 * root(5)) / 5},
      {60, "\\frac{\\sqrt{3}}{2}", root(3) / 2, "\\sqrt{3}", "-\\sqrt{3}", root(3)},
      {72, "\\frac{\\sqrt{10+2\\sqrt{5}}}{4}", root(10 + 2 * root(5)) / 4, "\\sqrt{5+2\\sqrt{5}}",
       "-\\sqrt{5+2\\sqrt{5}}", root(5 + 2 * root(5))},
      {75, "\\frac{\\sqrt{6}+\\sqrt{2}}{4}", (root(6) + root(2)) / 4, "2+\\sqrt{3}", "-2-\\sqrt{3}",
       2 + root(3)},
      {90, "1", 1.0, nullptr, nullptr, std::nan("")},
  }};
  return entries;
}

const Entry* entryFor(int degrees) {
  for (const Entry& entry : table()) {
    if (entry.degrees == degrees) return &entry;
  }
  return nullptr;
}

ExactValue signedValue(int sign, const char* latex, double value) {
  if (sign == 0) return {"0", 0.0};
  const std::string text(latex);
  return {sign > 0 ? text : "-" + text, sign * value};
}

// The reduced angle in [0, 360) as a whole number of degrees, when α lies on a multiple of 3°
// (every multiple of 15° and 18° does).
std::optional<int> wholeReducedAngle(double alphaDegrees) {
  if (std::fabs(alphaDegrees) > kLargestExactAngle) return std::nullopt;
  const double thirds = std::round(alphaDegrees / 3);
  if (std::fabs(alphaDegrees - 3 * thirds) >
      kAngleTolerance * std::fmax(1, std::fabs(alphaDegrees))) {
    return std::nullopt;
  }
  const long long reduced = (static_cast<long long>(thirds) % 120 + 120) % 120;
  return static_cast<int>(reduced * 3);
}

double referenceAngle(double reduced) {
  if (reduced <= 90) return reduced;
  if (reduced <= 180) return 180 - reduced;
  if (reduced <= 270) return reduced - 180;
  return 360 - reduced;
}

void fillExact(ExactValues& values, int reduced) {
  const int reference = static_cast<int>(referenceAngle(reduced));
  const Entry* entry = entryFor(reference);
  const Entry* complement = entryFor(90 - reference);
  if (!entry || !complement) return;
  const int sinSign = reduced == 0 || reduced == 180 ? 0 : (reduced < 180 ? 1 : -1);
  const int cosSign =
      reduced == 90 || reduced == 270 ? 0 : (reduced < 90 || reduced > 270 ? 1 : -1);
  values.referenceAngleDegrees = reference;
  values.sin = signedValue(sinSign, entry->sinLatex, entry->sinValue);
  values.cos = signedValue(cosSign, complement->sinLatex, complement->sinValue);
  if (cosSign == 0) {
    values.tan = {};
  } else if (sinSign * cosSign >= 0) {
    values.tan = {entry->tanLatex, entry->tanValue};
  } else {
    values.tan = {entry->negativeTanLatex, -entry->tanValue};
  }
}

}  // namespace

std::optional<std::string> piMultipleLatex(double alphaDegrees) {
  if (!std::isfinite(alphaDegrees) || std::fabs(alphaDegrees) > kLargestExactAngle) {
    return std::nullopt;
  }
  const double turns = alphaDegrees / 180;
  const std::optional<SimpleFraction> fraction =
      simplestFractionNear(turns, 3600, kAngleTolerance * std::fmax(1, std::fabs(turns)));
  if (!fraction) return std::nullopt;
  const auto [p, q] = *fraction;
  if (p == 0) return "0";
  const std::string sign = p < 0 ? "-" : "";
  const long long magnitude = std::llabs(p);
  const std::string numerator = (magnitude == 1 ? "" : std::to_string(magnitude)) + "\\pi";
  if (q == 1) return sign + numerator;
  return sign + "\\frac{" + numerator + "}{" + std::to_string(q) + "}";
}

std::optional<ExactValues> exactValuesFor(double alphaDegrees,
                                          const std::optional<std::string>& typedArcLatex) {
  if (!std::isfinite(alphaDegrees)) return std::nullopt;
  ExactValues values;
  values.alphaDegrees = alphaDegrees;
  // A b typed as 0.7853981634 is not π/4; the hint offers that instead.
  values.bLatex = typedArcLatex ? typedArcLatex : piMultipleLatex(alphaDegrees);
  double reduced = std::fmod(alphaDegrees, 360.0);
  values.quadrant = quadrantOfReducedAngle(reduced);
  if (reduced < 0) reduced += 360;

  if (const std::optional<int> whole = wholeReducedAngle(alphaDegrees);
      whole && (*whole % 15 == 0 || *whole % 18 == 0)) {
    if (*whole % 90 == 0) values.axis = static_cast<Axis>(*whole / 90);
    fillExact(values, *whole);
    return values;
  }
  // Decimals only: no radical form for this angle.
  const double radians = reduced * piConstant().value / 180;
  values.referenceAngleDegrees = referenceAngle(reduced);
  values.sin = {std::nullopt, roundToSignificantDigits(std::sin(radians), kComputedDecimalDigits)};
  values.cos = {std::nullopt, roundToSignificantDigits(std::cos(radians), kComputedDecimalDigits)};
  values.tan = {std::nullopt, roundToSignificantDigits(std::tan(radians), kComputedDecimalDigits)};
  return values;
}

}  // namespace uc
