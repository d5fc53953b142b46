#pragma once

#include <array>
#include <string>

namespace uc {

// A mathematical constant kept as a symbol beside the numeric parts of a Digit.
struct NaturalConstant {
  std::string key;    // what the learner types: "π" (UTF-8) or "e"
  std::string latex;  // how a formula writes it
  double value = 0;

  bool operator==(const NaturalConstant&) const = default;
};

inline const NaturalConstant& piConstant() {
  static const NaturalConstant pi{"π", "\\pi", 3.141592653589793};
  return pi;
}

inline const NaturalConstant& eConstant() {
  static const NaturalConstant e{"e", "e", 2.718281828459045};
  return e;
}

// The constants and variable letters the parser recognises, in this order.
inline const std::array<NaturalConstant, 2>& naturalConstants() {
  static const std::array<NaturalConstant, 2> constants{piConstant(), eConstant()};
  return constants;
}

inline const std::array<std::string, 3>& variableNames() {
  static const std::array<std::string, 3> names{"x", "y", "z"};
  return names;
}

}  // namespace uc
