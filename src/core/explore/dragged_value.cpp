#include "core/explore/dragged_value.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdlib>
#include <span>

namespace uc::explore {
namespace {

struct SpecialValue {
  double value;
  const char* typed;
};

constexpr double kRoot2Half = 0.70710678118654752;
constexpr double kRoot3Half = 0.86602540378443865;
constexpr double kRoot3Third = 0.57735026918962576;
constexpr double kRoot3 = 1.7320508075688772;

constexpr std::array kSineValues{
    SpecialValue{-1, "-1"},           SpecialValue{-kRoot3Half, "-√3/2"},
    SpecialValue{-kRoot2Half, "-√2/2"}, SpecialValue{-0.5, "-1/2"},
    SpecialValue{0, "0"},             SpecialValue{0.5, "1/2"},
    SpecialValue{kRoot2Half, "√2/2"}, SpecialValue{kRoot3Half, "√3/2"},
    SpecialValue{1, "1"},
};

constexpr std::array kTangentValues{
    SpecialValue{-kRoot3, "-√3"},  SpecialValue{-1, "-1"},
    SpecialValue{-kRoot3Third, "-√3/3"}, SpecialValue{0, "0"},
    SpecialValue{kRoot3Third, "√3/3"}, SpecialValue{1, "1"},
    SpecialValue{kRoot3, "√3"},
};

// Within this distance of a special value a finger means it: a few pixels on a phone's circle,
// and less than half the gap between any two neighbours.
constexpr double kSineSnap = 0.04;
constexpr double kTangentSnap = 0.08;

std::span<const SpecialValue> specialValues(TrigFunction function) {
  if (function == TrigFunction::tan) return kTangentValues;
  return kSineValues;
}

// The value rounded to hundredths, as typed: "0.49", "-4", "0.3". Written by hand, since
// printf and strtod would follow the C locale's decimal comma.
std::string typedHundredths(long hundredths) {
  const long whole = std::labs(hundredths) / 100;
  const long part = std::labs(hundredths) % 100;
  std::string typed = (hundredths < 0 ? "-" : "") + std::to_string(whole);
  if (part != 0) {
    typed += '.';
    typed += static_cast<char>('0' + part / 10);
    if (part % 10 != 0) typed += static_cast<char>('0' + part % 10);
  }
  return typed;
}

}  // namespace

double draggedValueLimit(TrigFunction function) {
  return function == TrigFunction::tan ? 4.0 : 1.25;
}

DraggedValue draggedValue(TrigFunction function, double raw, bool snap) {
  const double limit = draggedValueLimit(function);
  const double value = std::isfinite(raw) ? std::clamp(raw, -limit, limit) : 0.0;
  if (snap) {
    const bool tangent = function == TrigFunction::tan;
    const double reach = tangent ? kTangentSnap : kSineSnap;
    for (const SpecialValue& special : specialValues(function)) {
      if (std::abs(value - special.value) <= reach) return {special.typed, special.value, true};
    }
  }
  const long hundredths = std::lround(value * 100);
  const std::string typed = typedHundredths(hundredths);
  const double rounded = static_cast<double>(hundredths) / 100;
  // A rounded 0.5 or -1 is as special as a snapped one.
  // std::any_of: the WebAssembly build's libc++ has no ranges algorithms.
  const auto specials = specialValues(function);
  const bool special = std::any_of(specials.begin(), specials.end(),
                                   [&](const SpecialValue& s) { return s.value == rounded; });
  return {typed, rounded, special};
}

}  // namespace uc::explore
