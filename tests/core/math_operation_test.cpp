#include <gtest/gtest.h>

#include <cmath>

#include "core/solver/tiro_math_operation.h"

namespace uc {
namespace {

TEST(MathOperation, RoundingIsHalfAwayFromZeroAndKeepsTheSignOfZero) {
  auto& op = TiroMathOperation::shared();
  EXPECT_EQ(op.roundValue(0.7071067811865476, 12).value, 0.707106781187);
  EXPECT_EQ(op.roundValue(2.5, 0).value, 3.0);
  EXPECT_EQ(op.roundValue(-2.5, 0).value, -3.0);
  const double negativeZero = op.roundValue(-1.8369701987210297e-16, 12).value;
  EXPECT_EQ(negativeZero, 0.0);
  EXPECT_TRUE(std::signbit(negativeZero));
  EXPECT_EQ(op.roundValue(45.00000000000001, 12).value, 45.0);

  EXPECT_TRUE(op.roundValue(0.7071067811865476, 12).changedNoticeably());
  EXPECT_TRUE(op.roundValue(45.00000000000001, 12).changedNoticeably());
  EXPECT_FALSE(op.roundValue(0.12345678901200003, 12).changedNoticeably()) << "only zeros dropped";
  EXPECT_FALSE(op.roundValue(0.12345678901299997, 12).changedNoticeably()) << "only nines dropped";
  EXPECT_FALSE(op.roundValue(0.99999999999999999, 12).changedNoticeably());
  EXPECT_FALSE(op.roundValue(0.5, 12).changedNoticeably()) << "unchanged";
}

TEST(MathOperation, ExpansionScalesByTheSixDigitTexts) {
  auto& op = TiroMathOperation::shared();
  auto quarter = makeDigit(0.25, 1);
  ASSERT_TRUE(op.expandToIntegers(quarter));
  EXPECT_EQ(quarter->z, 25.0);
  EXPECT_EQ(quarter->n, 100.0);

  auto inverse = makeDigit(1, 0.8571428571428571);
  ASSERT_TRUE(op.expandToIntegers(inverse));
  EXPECT_EQ(inverse->z, 1000000.0);
  EXPECT_EQ(inverse->n, 857143.0);

  EXPECT_FALSE(op.expandToIntegers(makeDigit(1, 3.0000000000000004)));
  EXPECT_FALSE(op.expandToIntegers(makeDigit(5e-07, 1))) << "exponent texts count no places";
}

TEST(MathOperation, CancellingDividesByTheGcdAndMovesTheSign) {
  auto& op = TiroMathOperation::shared();
  auto result = op.cancelDown(Digit(25, 100));
  ASSERT_TRUE(result);
  EXPECT_EQ(result->digit->z, 1.0);
  EXPECT_EQ(result->digit->n, 4.0);
  EXPECT_EQ(op.divisor, 25);
  EXPECT_EQ(result->sideText, "\\frac{25 : 25}{100 : 25} =  \\frac{1}{4}");

  result = op.cancelDown(Digit(-25, 100));
  ASSERT_TRUE(result);
  EXPECT_EQ(result->digit->z, -1.0);
  EXPECT_EQ(result->digit->n, 4.0);

  result = op.cancelDown(Digit(25, -100));
  ASSERT_TRUE(result);
  EXPECT_EQ(result->digit->z, -1.0);
  EXPECT_EQ(result->digit->n, 4.0);
  EXPECT_EQ(op.divisor, -25);

  EXPECT_FALSE(op.cancelDown(Digit(7, 9)));
  EXPECT_EQ(op.divisor, 1);
  EXPECT_FALSE(op.cancelDown(Digit(1, -2))) << "a sign alone is not cancelled";
  EXPECT_FALSE(op.cancelDown(Digit(std::nullopt, 1)));

  // Large coprime parts finish at once (the divisor search must not count down from 1e15).
  EXPECT_FALSE(op.cancelDown(Digit(1e15 + 1, 1e15)));
  result = op.cancelDown(Digit(6e15, 4e15));
  ASSERT_TRUE(result);
  EXPECT_EQ(result->digit->z, 3.0);
  EXPECT_EQ(op.divisor, 2000000000000000);
}

TEST(MathOperation, CancellingConstantsAndPartsThatAreNotWhole) {
  auto& op = TiroMathOperation::shared();
  Digit piOverPi(2, 1);
  piOverPi.zConstants = {piConstant()};
  piOverPi.nConstants = {piConstant()};
  auto result = op.cancelDown(piOverPi);
  ASSERT_TRUE(result);
  EXPECT_TRUE(result->digit->zConstants.empty());
  EXPECT_TRUE(result->digit->nConstants.empty());
  EXPECT_EQ(result->digit->z, 2.0);

  // Parts that are plainly not whole cancel nothing.
  EXPECT_FALSE(op.cancelDown(Digit(2.5, 5)));
  EXPECT_FALSE(op.cancelDown(Digit(1e300, 1e300)));
  EXPECT_FALSE(op.cancelDown(Digit(4, std::numeric_limits<double>::infinity())));
  EXPECT_FALSE(op.cancelDown(Digit(std::numeric_limits<double>::infinity(), 4)));
}

}  // namespace
}  // namespace uc
