#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

// Every α in [0°, 360°) where sin, cos or tan takes a value the learner typed ("1/2", "√3/2",
// "-0.75", "2"): the special angles exactly, where the value is one of their exact values, and
// rounded decimals elsewhere. The practice's inverse questions are the special values of it.
namespace uc::explore {

enum class TrigFunction { sin, cos, tan };

std::optional<TrigFunction> trigFunctionFromRawValue(std::string_view text);
std::string_view rawValue(TrigFunction function);

struct InverseAngle {
  double degrees = 0;  // in [0, 360)
  std::string latex;   // "30^{\circ}", or "\approx 48.59^{\circ}"
  bool exact = false;
  double x = 1;  // where it lies on the unit circle: (cos, sin)
  double y = 0;
};

struct InverseSolutions {
  std::vector<InverseAngle> angles;  // ascending; empty where the value is never taken
  int periodDegrees = 360;           // 180 for tan
};

struct InverseReading {
  std::optional<InverseSolutions> solutions;
  std::string errorKey;         // a key in context "Core" when the value could not be read
  std::optional<double> value;  // the number read
};

InverseReading inverseSolutions(TrigFunction function, std::string_view typedValue);

// The same for a value known only as a number: never exact.
InverseSolutions inverseSolutionsOfNumber(TrigFunction function, long double value);

// Every solution of one: "30^{\circ} + k \cdot 360^{\circ}".
std::string generalSolutionLatex(const InverseAngle& angle, int periodDegrees);

}  // namespace uc::explore
