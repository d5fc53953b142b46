#include "core/number/number_text.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

namespace uc {
namespace {

TEST(NumberText, ShortestTextKeepsAllDigitsAndMarksWholeNumbers) {
  const std::pair<double, const char*> cases[] = {
      {45.0, "45.0"},
      {0.7853981633974483, "0.7853981633974483"},
      {-0.7853981633974483, "-0.7853981633974483"},
      {100000.0, "100000.0"},
      {1e15, "1000000000000000.0"},
      {9007199254740992.0, "9007199254740992.0"},
      {9007199254740994.0, "9.007199254740994e+15"},
      {1e16, "1e+16"},
      {0.0001, "0.0001"},
      {0.00030000000000000003, "0.00030000000000000003"},
      {1e-05, "1e-05"},
      {1.25e-05, "1.25e-05"},
      {1e-300, "1e-300"},
      {0.0, "0.0"},
      {-0.0, "-0.0"},
      {57.295779513082, "57.295779513082"},
      {std::numeric_limits<double>::infinity(), "inf"},
      {-std::numeric_limits<double>::infinity(), "-inf"},
      {std::nan(""), "nan"},
  };
  for (const auto& [value, text] : cases) EXPECT_EQ(shortestText(value), text) << text;
}

TEST(NumberText, RoundsToSignificantDigitsAsPrintfDoes) {
  EXPECT_EQ(roundToSignificantDigits(0.8191520442889918, 12), 0.819152044289);
  EXPECT_EQ(roundToSignificantDigits(-1.7453292519057202e-05, 12), -1.74532925191e-05);
  EXPECT_EQ(roundToSignificantDigits(572957795.13082325, 12), 572957795.131);
  EXPECT_EQ(roundToSignificantDigits(0.5, 1), 0.5);
  EXPECT_EQ(roundToSignificantDigits(2.5, 1), 2.0);  // the exact half goes to even, as in printf
  EXPECT_TRUE(std::signbit(roundToSignificantDigits(-0.0, 12)));
  EXPECT_TRUE(std::isnan(roundToSignificantDigits(std::nan(""), 12)));
}

TEST(NumberText, PrintfGMatchesCInTheCLocale) {
  const std::pair<double, const char*> cases[] = {
      {0.8571428571428571, "0.857143"},
      {3.0000000000000004, "3"},
      {1234567, "1.23457e+06"},
      {5e-07, "5e-07"},
      {100000, "100000"},
      {-0.0, "-0"},
      {0.25, "0.25"},
      {2000000, "2e+06"},
      {0.0001, "0.0001"},
  };
  for (const auto& [value, text] : cases) EXPECT_EQ(printfG(value), text) << text;
}

TEST(NumberText, LocaleFormatRoundsTheShortestDecimalHalfToEven) {
  EXPECT_EQ(localeFormat(0.3333333333333333, 10), "0.3333333333");
  EXPECT_EQ(localeFormat(2.0 / 3.0, 10), "0.6666666667");
  EXPECT_EQ(localeFormat(12345.678, 10), "12,345.678");
  EXPECT_EQ(localeFormat(12345.678, 10, false), "12345.678");
  EXPECT_EQ(localeFormat(1234567, 10), "1,234,567");
  EXPECT_EQ(localeFormat(1e-11, 10), "0");
  EXPECT_EQ(localeFormat(-1e-11, 10), "-0");
  EXPECT_EQ(localeFormat(-0.0, 10), "-0");
  EXPECT_EQ(localeFormat(0.5, 0), "0");  // tie goes to the even neighbour
  EXPECT_EQ(localeFormat(1.5, 0), "2");
  EXPECT_EQ(localeFormat(2.5, 0), "2");
  EXPECT_EQ(localeFormat(0.125, 2), "0.12");
  EXPECT_EQ(localeFormat(0.375, 2), "0.38");
  EXPECT_EQ(localeFormat(0.99999999999, 10), "1");  // carries into the integer part
  EXPECT_EQ(localeFormat(999.99999999999, 10, false), "1000");
  EXPECT_EQ(localeFormat(-2.5, 10), "-2.5");
  EXPECT_EQ(localeFormat(1e20, 10, false), "100000000000000000000");
  EXPECT_EQ(localeFormat(0.00001, 10), "0.00001");
}

TEST(NumberText, ParseDoubleReadsWholeTextsOnly) {
  const std::pair<const char*, double> readable[] = {{"+5", 5}, {"1E5", 100000},  {".5", 0.5},
                                                     {"5.", 5}, {"-0.25", -0.25}, {"-0", -0.0}};
  for (const auto& [text, value] : readable) {
    ASSERT_TRUE(parseDouble(text)) << text;
    EXPECT_EQ(*parseDouble(text), value) << text;
  }
  EXPECT_TRUE(std::signbit(*parseDouble("-0")));
  EXPECT_TRUE(std::isinf(*parseDouble("1E400")));  // overflow reads as infinity, like strtod
  for (const char* text : {"", "1,5", " 5", "5 ", "+", "-", ".", "inf", "nan", "infinity", "0x10",
                           "0x1p3", "1e", "--5", "5-"}) {
    EXPECT_FALSE(parseDouble(text)) << text;
  }
}

TEST(NumberText, TruncationIsDefinedOnlyInsideTheSigned64BitRange) {
  EXPECT_EQ(truncateToInt64(-400.7), -400);
  EXPECT_EQ(truncateToInt64(359.9), 359);
  EXPECT_EQ(truncateToInt64(-9223372036854775808.0), INT64_MIN);
  EXPECT_FALSE(truncateToInt64(9223372036854775808.0));
  EXPECT_FALSE(truncateToInt64(std::numeric_limits<double>::infinity()));
  EXPECT_FALSE(truncateToInt64(std::nan("")));
}

TEST(NumberText, SplittingDropsEmptyPieces) {
  EXPECT_EQ(splitDroppingEmpty("1//2", "/"), (std::vector<std::string>{"1", "2"}));
  EXPECT_EQ(splitDroppingEmpty("/2", "/"), (std::vector<std::string>{"2"}));
  EXPECT_TRUE(splitDroppingEmpty("/", "/").empty());
  EXPECT_EQ(replaceAll("a%0b%0", "%0", "xy"), "axybxy");
}

}  // namespace
}  // namespace uc
