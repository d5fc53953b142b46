#include "core/charts/unit_circle_turns.h"

#include <gtest/gtest.h>

#include <vector>

namespace uc {
namespace {

UnitCircleTurns planFor(double alpha, double b, double angle, long long fullCircles,
                        Quadrant quadrant) {
  return *UnitCircleTurns::plan(UnitCircleChartData(alpha, b, angle, fullCircles, quadrant));
}

// The drawn turns of a whole run, as the view walks them.
std::vector<UnitCircleTurns::Turn> drawnTurns(const UnitCircleTurns& turns) {
  std::vector<UnitCircleTurns::Turn> drawn;
  for (std::int64_t i = 0; i <= turns.fullCircles(); ++i) {
    const auto turn = turns.turn(i);
    if (turn.isEmpty()) break;
    drawn.push_back(turn);
  }
  return drawn;
}

std::vector<std::string> alphaCount(const UnitCircleTurns& turns, const UnitCircleTurns::Turn& t) {
  std::vector<std::string> texts;
  for (int k = 0; k <= UnitCircleTurns::kCountingSteps; ++k) texts.push_back(turns.alphaText(t, k));
  return texts;
}

TEST(UnitCircleTurns, FortyFiveDegreesIsOneTurnEndingAtTheDiagonal) {
  const auto turns = planFor(45, 0.7853981633974483, 45, 0, Quadrant::first);
  const auto drawn = drawnTurns(turns);
  ASSERT_EQ(drawn.size(), 1u);
  EXPECT_EQ(drawn[0].signedDegrees, 45);
  EXPECT_EQ(drawn[0].hue, 0);
  EXPECT_EQ(UnitCircleTurns::fullCirclesText(drawn[0]), "0");
  EXPECT_EQ(turns.alphaText(drawn[0], 0), "0°");
  EXPECT_EQ(turns.alphaText(drawn[0], 10), "22°");
  EXPECT_EQ(turns.alphaText(drawn[0], 20), "45°");
  EXPECT_EQ(turns.pXText(drawn[0], 20), "0.71");
  EXPECT_EQ(turns.pYText(drawn[0], 20), "0.71");
  EXPECT_EQ(turns.pXText(drawn[0], 0), "1.0");
  EXPECT_EQ(turns.pYText(drawn[0], 0), "0.0");
  EXPECT_EQ(turns.quadrant(), Quadrant::first);
}

TEST(UnitCircleTurns, FourHundredDegreesIsAFullCircleThenForty) {
  const auto turns = planFor(400, 6.981317007977318, 40, 1, Quadrant::first);
  const auto drawn = drawnTurns(turns);
  ASSERT_EQ(drawn.size(), 2u);
  EXPECT_EQ(drawn[0].coveredDegrees, 360);
  EXPECT_EQ(drawn[0].coveredRadians, 6.283185307179586);
  EXPECT_FALSE(drawn[0].isLast);
  EXPECT_EQ(drawn[0].hue, 0);
  EXPECT_EQ(drawn[0].brightness, 1);
  EXPECT_EQ(drawn[1].coveredDegrees, 40);
  EXPECT_NEAR(drawn[1].coveredRadians, 0.6981317007977318, 1e-15);
  EXPECT_TRUE(drawn[1].isLast);
  EXPECT_DOUBLE_EQ(drawn[1].hue, 0.18);
  EXPECT_DOUBLE_EQ(drawn[1].brightness, 0.98);
  EXPECT_EQ(UnitCircleTurns::fullCirclesText(drawn[0]), "0");
  EXPECT_EQ(UnitCircleTurns::fullCirclesText(drawn[1]), "1");

  const auto first = alphaCount(turns, drawn[0]);
  EXPECT_EQ(first.front(), "0°");
  EXPECT_EQ(first.back(), "360°");
  const auto second = alphaCount(turns, drawn[1]);
  EXPECT_EQ(second.front(), "360°");
  EXPECT_EQ(second[10], "380°");
  EXPECT_EQ(second.back(), "400°");
  // γ counts the turn alone; the coordinates run from 0 to the whole angle again.
  EXPECT_EQ(UnitCircleTurns::gammaText(drawn[1], 20), "40°");
  EXPECT_EQ(turns.pXText(drawn[1], 20), "0.77");
  EXPECT_EQ(turns.pYText(drawn[1], 20), "0.64");
  EXPECT_EQ(turns.pXText(drawn[1], 10), "-0.94");  // 200°
}

TEST(UnitCircleTurns, MinusNinetyTurnsClockwiseToTheBottom) {
  const auto turns = planFor(-90, -1.5707963267948966, -90, 0, Quadrant::fourth);
  const auto drawn = drawnTurns(turns);
  ASSERT_EQ(drawn.size(), 1u);
  EXPECT_EQ(turns.sign(), -1);
  EXPECT_EQ(drawn[0].signedDegrees, -90);
  EXPECT_DOUBLE_EQ(drawn[0].signedRadians, -1.5707963267948966);
  EXPECT_EQ(turns.alphaText(drawn[0], 0), "-0°");
  EXPECT_EQ(turns.alphaText(drawn[0], 20), "-90°");
  EXPECT_EQ(turns.alphaFinalText(drawn[0]), "-90°");
  EXPECT_EQ(UnitCircleTurns::gammaText(drawn[0], 20), "-90°");
  EXPECT_EQ(turns.pYText(drawn[0], 20), "-1.0");
  EXPECT_EQ(turns.pXText(drawn[0], 20), "0.0");
  EXPECT_EQ(turns.quadrant(), Quadrant::fourth);
}

TEST(UnitCircleTurns, WholeTurnsEndWithAnEmptyTurnAndZeroDrawsNothing) {
  const auto full = planFor(360, 6.283185307179586, 0, 1, Quadrant::first);
  EXPECT_EQ(drawnTurns(full).size(), 1u);
  const auto last = full.turn(1);
  EXPECT_TRUE(last.isEmpty());
  EXPECT_EQ(UnitCircleTurns::fullCirclesText(last), "1");
  ASSERT_TRUE(full.lastDrawnTurn());
  EXPECT_EQ(full.lastDrawnTurn()->index, 0);

  const auto zero = planFor(0, 0, 0, 0, Quadrant::first);
  EXPECT_TRUE(zero.turn(0).isEmpty());
  EXPECT_FALSE(zero.lastDrawnTurn());
}

TEST(UnitCircleTurns, ManyTurnsKeepValidColoursAndOnlyTheLastTurnsAreComputed) {
  // 10^12 degrees: billions of turns, none of them built ahead.
  const double alpha = 1e12;
  const long long n = 2777777777;
  const auto turns = planFor(alpha, alpha * 3.141592653589793 / 180, 280, n, Quadrant::fourth);
  const auto last = turns.turn(n);
  EXPECT_TRUE(last.isLast);
  EXPECT_EQ(last.coveredDegrees, 280);
  EXPECT_GE(last.hue, 0);
  EXPECT_LT(last.hue, 1);
  EXPECT_EQ(last.brightness, 0);
  EXPECT_EQ(turns.alphaFinalText(last), "1000000000000°");
  EXPECT_EQ(UnitCircleTurns::fullCirclesText(last), "2777777777");
  // The hue goes round the wheel: turn 6 is 1.08 → 0.08.
  EXPECT_NEAR(turns.turn(6).hue, 0.08, 1e-12);
}

TEST(UnitCircleTurns, CoordinatesAreExactAtRightAnglesAndRoundedElsewhere) {
  for (double a : {90.0, 270.0, -90.0, 450.0, 720.0, -180.0}) {
    EXPECT_EQ(UnitCircleTurns::cosineOfDegrees(a), a == 720 ? 1 : (a == -180 ? -1 : 0)) << a;
  }
  EXPECT_EQ(UnitCircleTurns::sineOfDegrees(180), 0);
  EXPECT_EQ(UnitCircleTurns::sineOfDegrees(-270), 1);
  EXPECT_EQ(UnitCircleTurns::sineOfDegrees(630), -1);
  EXPECT_EQ(UnitCircleTurns::coordinateText(UnitCircleTurns::sineOfDegrees(-30)), "-0.5");
  EXPECT_EQ(UnitCircleTurns::coordinateText(UnitCircleTurns::cosineOfDegrees(60)), "0.5");
  EXPECT_EQ(UnitCircleTurns::coordinateText(UnitCircleTurns::cosineOfDegrees(0)), "1.0");
}

TEST(UnitCircleTurns, DegreeTextsKeepTheWholePart) {
  EXPECT_EQ(UnitCircleTurns::degreeCountText(0, 45.9, 20), "45°");
  EXPECT_EQ(UnitCircleTurns::degreeFinalText(45.9), "45°");
  EXPECT_EQ(UnitCircleTurns::degreeFinalText(-0.5), "0°");
  EXPECT_EQ(UnitCircleTurns::degreeCountText(-360, -400, 10), "-380°");
}

TEST(UnitCircleTurns, IncompleteDataPlansNothing) {
  UnitCircleChartData data(45, 0.78, 45, 0, Quadrant::first);
  data.b.reset();
  EXPECT_FALSE(UnitCircleTurns::plan(data));
}

}  // namespace
}  // namespace uc
