// The portable digits stand in for std::to_chars where the standard library has no
// floating-point to_chars (the WebAssembly build); here both exist and must agree.
#include "core/number/decimal_digits.h"

#include <gtest/gtest.h>

#include <cfloat>
#include <cmath>
#include <cstring>
#include <random>
#include <vector>

namespace uc {
namespace {

double fromBits(std::uint64_t bits) {
  double x;
  std::memcpy(&x, &bits, sizeof x);
  return x;
}

std::vector<double> edgeCases() {
  std::vector<double> cases = {5e-324,
                               -5e-324,
                               DBL_MIN,
                               -DBL_MIN,
                               DBL_MAX,
                               -DBL_MAX,
                               DBL_TRUE_MIN * 3,
                               2.2250738585072009e-308,  // largest subnormal
                               0.1 + 0.2,
                               0.1,
                               1.0 / 3,
                               2.0 / 3,
                               1e23,
                               9.5,
                               0.5,
                               1.5,
                               2.5,
                               123456.5,
                               0.8571428571428571,
                               3.0000000000000004,
                               0.7853981633974483,
                               57.29577951308232};
  for (int e = -323; e <= 308; ++e) cases.push_back(std::pow(10.0, e));
  for (int e = -1074; e <= 1023; ++e) cases.push_back(std::ldexp(1.0, e));
  for (double base : {9007199254740992.0, 4503599627370496.0, 1e15, 1e16, 1e17}) {
    cases.push_back(std::nextafter(base, 0.0));
    cases.push_back(base);
    cases.push_back(std::nextafter(base, INFINITY));
  }
  // Both neighbours of every power of two: the doubles below lie closer than those above.
  for (int e = -1022; e <= 1023; e += 7) {
    cases.push_back(std::nextafter(std::ldexp(1.0, e), 0.0));
    cases.push_back(std::nextafter(std::ldexp(1.0, e), INFINITY));
  }
  return cases;
}

std::vector<double> randomDoubles(std::size_t count) {
  std::mt19937_64 random(20261208);
  std::vector<double> values;
  while (values.size() < count) {
    const double x = fromBits(random());
    if (std::isfinite(x)) values.push_back(x);
  }
  return values;
}

std::string text(const DecimalDigits& d) { return d.digits + "e" + std::to_string(d.exponent); }

TEST(DecimalDigits, KnownShortestDigits) {
  const std::pair<double, const char*> cases[] = {
      {0.1 + 0.2, "30000000000000004e-1"},          {5e-324, "5e-324"},
      {DBL_MAX, "17976931348623157e308"},           {1e23, "1e23"},
      {9007199254740993.0, "9007199254740992e15"},  {45.0, "45e1"},
      {-0.7853981633974483, "7853981633974483e-1"},
  };
  for (const auto& [value, expected] : cases) {
    EXPECT_EQ(text(portableShortestDigits(value)), expected) << value;
    EXPECT_EQ(text(shortestDigits(value)), expected) << value;
  }
}

TEST(DecimalDigits, KnownGeneralTexts) {
  const std::pair<double, const char*> cases[] = {
      {0.8571428571428571, "0.857143"},
      {1234567, "1.23457e+06"},
      {5e-07, "5e-07"},
      {100000, "100000"},
      {-0.0, "-0"},
      {0.0001, "0.0001"},
      {999999.5, "1e+06"},
      {2.5, "2.5"},
      {-INFINITY, "-inf"},
  };
  for (const auto& [value, expected] : cases) {
    EXPECT_EQ(portableGeneralText(value, 6), expected) << value;
    EXPECT_EQ(generalText(value, 6), expected) << value;
  }
}

TEST(DecimalDigits, PortableShortestMatchesTheStandardLibrary) {
  if (!hasStandardFloatToChars()) GTEST_SKIP() << "no floating-point std::to_chars to hold to";
  for (double x : edgeCases()) ASSERT_EQ(portableShortestDigits(x), shortestDigits(x)) << x;
  for (double x : randomDoubles(100000)) {
    ASSERT_EQ(portableShortestDigits(x), shortestDigits(x)) << std::hexfloat << x;
  }
  // Short decimals, the inputs learners type.
  std::mt19937_64 random(7);
  std::uniform_int_distribution<long long> mantissa(-99999999, 99999999);
  std::uniform_int_distribution<int> exponent(-12, 12);
  for (int i = 0; i < 20000; ++i) {
    const double x = static_cast<double>(mantissa(random)) * std::pow(10.0, exponent(random));
    if (x != 0) {
      ASSERT_EQ(portableShortestDigits(x), shortestDigits(x)) << x;
    }
  }
}

TEST(DecimalDigits, PortableRoundingMatchesTheStandardLibrary) {
  if (!hasStandardFloatToChars()) GTEST_SKIP() << "no floating-point std::to_chars to hold to";
  std::vector<double> values = edgeCases();
  const std::vector<double> random = randomDoubles(20000);
  values.insert(values.end(), random.begin(), random.end());
  for (double x : values) {
    for (int precision : {1, 6, 12, 17}) {
      ASSERT_EQ(portableRoundedDigits(x, precision), roundedDigits(x, precision)) << x;
      ASSERT_EQ(portableGeneralText(x, precision), generalText(x, precision)) << x;
    }
  }
  for (double x : {0.0, -0.0, std::nan(""), -std::nan(""), HUGE_VAL}) {
    EXPECT_EQ(portableGeneralText(x, 6), generalText(x, 6)) << x;
  }
}

}  // namespace
}  // namespace uc
