#pragma once

#include <cstdint>
#include <optional>
#include <string>

#include "core/number/digit.h"
#include "core/solver/tiro_string_output.h"

namespace uc {

struct RoundedValue {
  double original;
  int places;
  double value;

  // False when rounding only dropped a run of zeros or nines. Worked out on request: the
  // solver never asks, and it costs a shortest-text conversion.
  bool changedNoticeably() const;
};

// A digit the operation produced, with the LaTeX side text that explains the rewrite.
struct RewrittenDigit {
  DigitPtr digit;
  std::string sideText;
};

// The arithmetic the solution paths share: rounding, decimal expansion and cancelling.
class TiroMathOperation {
 public:
  static TiroMathOperation& shared();

  TiroStringOutput& outputHelper = TiroStringOutput::shared();
  bool withFraction = false;
  bool negativeSqrt = false;
  bool isAnyNumberChanged = false;
  bool cancelDownDone = false;
  std::optional<std::int64_t> divisor;  // signed divisor of the last cancelDown

  // round(x * 10^places) / 10^places, halves away from zero; a zero keeps the sign of x * p.
  RoundedValue roundValue(double x, int places) const;

  // Scales numerator and denominator by the power of ten their "%g" texts need to become
  // whole; changes the digit in place. Nothing when no scaling is needed. The side text is
  // left empty when not wanted: writing it costs more than the arithmetic.
  std::optional<RewrittenDigit> expandToIntegers(const DigitPtr& digit,
                                                 bool withSideText = true) const;

  // Divides numerator and denominator by their greatest common divisor and cancels a
  // constant standing on both sides; returns a new digit, or nothing when nothing cancels.
  std::optional<RewrittenDigit> cancelDown(const Digit& digit, bool withSideText = true);
};

}  // namespace uc
