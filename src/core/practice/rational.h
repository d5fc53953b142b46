#pragma once

#include <cstdint>
#include <optional>
#include <string_view>

namespace uc::practice {

// p/q in lowest terms with q > 0. Operations that would overflow 64 bits give nothing, so a
// typed answer too long to keep exactly falls back to its decimal value.
struct Rational {
  std::int64_t numerator = 0;
  std::int64_t denominator = 1;

  static std::optional<Rational> make(std::int64_t numerator, std::int64_t denominator);
  // "0.125", "12", "3." as written; nothing when the digits do not fit.
  static std::optional<Rational> fromDecimalText(std::string_view digits);

  long double value() const {
    return static_cast<long double>(numerator) / static_cast<long double>(denominator);
  }
  bool isZero() const { return numerator == 0; }
  // The square root when it is rational (√(9/4) = 3/2).
  std::optional<Rational> exactSquareRoot() const;

  friend bool operator==(const Rational&, const Rational&) = default;
};

std::optional<Rational> add(const Rational& a, const Rational& b);
std::optional<Rational> negate(const Rational& a);
std::optional<Rational> multiply(const Rational& a, const Rational& b);
// Nothing also when b is zero.
std::optional<Rational> divide(const Rational& a, const Rational& b);

}  // namespace uc::practice
