#include "core/practice/rational.h"

#include <cmath>
#include <limits>
#include <numeric>

namespace uc::practice {
namespace {

std::optional<std::int64_t> checkedMultiply(std::int64_t a, std::int64_t b) {
  std::int64_t result = 0;
  if (__builtin_mul_overflow(a, b, &result)) return std::nullopt;
  return result;
}

std::optional<std::int64_t> checkedAdd(std::int64_t a, std::int64_t b) {
  std::int64_t result = 0;
  if (__builtin_add_overflow(a, b, &result)) return std::nullopt;
  return result;
}

std::optional<std::int64_t> exactRoot(std::int64_t n) {
  if (n < 0) return std::nullopt;
  auto root = static_cast<std::int64_t>(std::sqrt(static_cast<long double>(n)));
  // The floating root can be one off near 2^63.
  for (std::int64_t candidate = root > 0 ? root - 1 : 0; candidate <= root + 1; ++candidate) {
    if (const auto square = checkedMultiply(candidate, candidate); square && *square == n) {
      return candidate;
    }
  }
  return std::nullopt;
}

}  // namespace

std::optional<Rational> Rational::make(std::int64_t numerator, std::int64_t denominator) {
  if (denominator == 0) return std::nullopt;
  constexpr auto kMin = std::numeric_limits<std::int64_t>::min();
  if (numerator == kMin || denominator == kMin) return std::nullopt;
  if (denominator < 0) {
    numerator = -numerator;
    denominator = -denominator;
  }
  const std::int64_t divisor = std::gcd(numerator, denominator);
  return Rational{numerator / divisor, denominator / divisor};
}

std::optional<Rational> Rational::fromDecimalText(std::string_view digits) {
  std::int64_t numerator = 0;
  std::int64_t denominator = 1;
  bool afterPoint = false;
  for (char c : digits) {
    if (c == '.') {
      if (afterPoint) return std::nullopt;
      afterPoint = true;
      continue;
    }
    if (c < '0' || c > '9') return std::nullopt;
    const auto shifted = checkedMultiply(numerator, 10);
    const auto next = shifted ? checkedAdd(*shifted, c - '0') : std::nullopt;
    if (!next) return std::nullopt;
    numerator = *next;
    if (afterPoint) {
      const auto scaled = checkedMultiply(denominator, 10);
      if (!scaled) return std::nullopt;
      denominator = *scaled;
    }
  }
  return make(numerator, denominator);
}

std::optional<Rational> Rational::exactSquareRoot() const {
  const auto p = exactRoot(numerator);
  const auto q = exactRoot(denominator);
  if (!p || !q) return std::nullopt;
  return make(*p, *q);
}

std::optional<Rational> add(const Rational& a, const Rational& b) {
  const auto left = checkedMultiply(a.numerator, b.denominator);
  const auto right = checkedMultiply(b.numerator, a.denominator);
  const auto denominator = checkedMultiply(a.denominator, b.denominator);
  if (!left || !right || !denominator) return std::nullopt;
  const auto numerator = checkedAdd(*left, *right);
  if (!numerator) return std::nullopt;
  return Rational::make(*numerator, *denominator);
}

std::optional<Rational> negate(const Rational& a) {
  return Rational::make(-a.numerator, a.denominator);
}

std::optional<Rational> multiply(const Rational& a, const Rational& b) {
  // Cancelling crosswise first keeps products of reduced fractions small.
  const std::int64_t g1 = std::gcd(a.numerator, b.denominator);
  const std::int64_t g2 = std::gcd(b.numerator, a.denominator);
  const std::int64_t d1 = g1 == 0 ? 1 : g1;
  const std::int64_t d2 = g2 == 0 ? 1 : g2;
  const auto numerator = checkedMultiply(a.numerator / d1, b.numerator / d2);
  const auto denominator = checkedMultiply(a.denominator / d2, b.denominator / d1);
  if (!numerator || !denominator) return std::nullopt;
  return Rational::make(*numerator, *denominator);
}

std::optional<Rational> divide(const Rational& a, const Rational& b) {
  if (b.isZero()) return std::nullopt;
  const auto inverse = Rational::make(b.denominator, b.numerator);
  if (!inverse) return std::nullopt;
  return multiply(a, *inverse);
}

}  // namespace uc::practice
