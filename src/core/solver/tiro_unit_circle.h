#pragma once

#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "core/number/digit.h"
#include "core/solver/chart_data.h"
#include "core/solver/solution_step.h"
#include "core/solver/tiro_math_operation.h"
#include "core/solver/tiro_string_output.h"

namespace uc {

struct SolveResult {
  std::optional<std::string> errorKey;
  std::optional<std::vector<int>> errorTags;
  std::optional<SolutionSteps> solutionSteps;
  DigitPtr alpha;  // null on error
  DigitPtr b;      // null on error
  std::optional<ChartSteps> chartSteps;
  // b as its steps show it, when the solution worked from the typed b; absent when b was
  // worked out from α (the exact values show a typed b as typed).
  std::optional<std::string> typedArcLatex;
  // A typed b that is most likely a fraction of π typed as a decimal: that fraction ("3π/4").
  std::optional<std::string> piHint;
};

// Solves one calculation: from the typed angle α (degrees) or arc length b (radians) to the
// other quantity, the trigonometric values, full circles, reduced angle and quadrant. Steps
// are collected in TiroStringOutput::shared(), which the caller empties before and after.
class TiroUnitCircle {
 public:
  TiroMathOperation& operation = TiroMathOperation::shared();
  TiroStringOutput& output = TiroStringOutput::shared();
  std::string inputStringAlpha;
  std::string inputStringB;
  int solutionStepCounter = 0;
  bool withFraction = false;
  DigitPtr alpha = makeDigit(std::nullopt, 1.0);
  DigitPtr b = makeDigit(std::nullopt, 1.0);
  std::shared_ptr<UnitCircleChartData> unitCircleChartData =
      std::make_shared<UnitCircleChartData>(0, 0, 0, 0, Quadrant::first);

  SolveResult solve(const std::optional<std::string>& alphaText, int alphaTag,
                    const std::optional<std::string>& bText, int bTag);

  ChartSteps makeChartSteps() const;

 private:
  void addProportionSteps();
  void convertAngleToArc(double degrees);
  void convertArcToAngle(double radians, double degrees);
  void calculateTrigonometry(double radians, double degrees);
};

// Tags that identify the two input fields to the parser.
inline constexpr int kAlphaFieldTag = 1;
inline constexpr int kBFieldTag = 2;

// One complete calculation as the calculate screen runs it: the shared step list is emptied
// before and after, so every calculation numbers its steps from 1, and the fraction flag is
// reset afterwards.
SolveResult calculate(const std::optional<std::string>& alphaText,
                      const std::optional<std::string>& bText, int alphaTag = kAlphaFieldTag,
                      int bTag = kBFieldTag);

// The number a typed angle (degrees) or arc (radians) stands for, its constants included:
// e is 2.718281828459045, 2π degrees are 6.283185307179586 degrees.
double typedValue(const Digit& digit);
// An arc length turned into degrees, rounded to 12 places.
double degreesOfArc(double radians);

}  // namespace uc
