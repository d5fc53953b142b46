#include "core/number/digit.h"

#include <gtest/gtest.h>

namespace uc {
namespace {

TEST(Digit, ValueMultipliesNumeratorConstantsAndDividesDenominatorConstants) {
  Digit threeQuarterPi(3.0, 4.0);
  threeQuarterPi.zConstants = {piConstant()};
  EXPECT_EQ(threeQuarterPi.numericValue(), 2.356194490192345);

  Digit overPi(1.0, 1.0);
  overPi.nConstants = {piConstant()};
  EXPECT_EQ(overPi.numericValue(), 1.0 / 3.141592653589793);

  Digit withVariable(2.0, 1.0);
  withVariable.zVariable = "x";
  withVariable.powerOfZVariable = 1.0;
  EXPECT_EQ(withVariable.numericValue(), 2.0);

  const Digit empty(std::nullopt, 1.0);
  EXPECT_FALSE(empty.numericValue());
  EXPECT_EQ(empty.n, 1.0);
  EXPECT_TRUE(empty.zConstants.empty() && empty.zVariable.empty());
  EXPECT_EQ(empty.powerOfZVariable, 0.0);
}

TEST(Digit, CopyTakesListsAsValues) {
  Digit source(1.0, 2.0);
  source.zConstants = {eConstant()};
  Digit copy(std::nullopt, 1.0);
  copy.copyFrom(source);
  source.zConstants.push_back(piConstant());
  EXPECT_EQ(copy.zConstants.size(), 1u);
  EXPECT_EQ(copy.z, 1.0);
  EXPECT_EQ(copy.n, 2.0);
}

TEST(Digit, ConstantsAreEqualOnlyWhenAllThreeFieldsAre) {
  EXPECT_EQ(piConstant(), (NaturalConstant{"π", "\\pi", 3.141592653589793}));
  EXPECT_NE(piConstant(), (NaturalConstant{"π", "\\Pi", 3.141592653589793}));
  Digit d(1.0, 1.0);
  d.zConstants = {NaturalConstant{"π", "\\Pi", 3.141592653589793}};
  EXPECT_FALSE(d.hasPiOnNumerator());
}

TEST(Digit, DecimalPlacesOfGTexts) {
  EXPECT_EQ(decimalPlaces("1.5", "2"), 1);
  EXPECT_EQ(decimalPlaces("0.25", "0.5"), 2);
  EXPECT_EQ(decimalPlaces("3", "4"), 0);
  EXPECT_EQ(decimalPlaces("1.5e-07", "1"), 0);
  EXPECT_EQ(decimalPlaces("0.333333", "1"), 6);
  EXPECT_EQ(decimalPlaces("1", "0.857143"), 6);
  EXPECT_EQ(decimalPlaces("inf", "1"), 0);
}

}  // namespace
}  // namespace uc
