#include "core/explore/explore_point.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <numbers>

#include "core/explore/explore_graph.h"

namespace uc::explore {
namespace {

// (dx, dy) of a pointer at degrees on a circle of radius 100.
std::pair<double, double> pointerAt(double degrees) {
  const double radians = degrees * std::numbers::pi / 180;
  return {100 * std::cos(radians), 100 * std::sin(radians)};
}

int followed(int previous, double pointerDegrees, bool snap) {
  const auto [dx, dy] = pointerAt(pointerDegrees);
  return followPointer(previous, dx, dy, snap).value();
}

TEST(ExplorePoint, PointerSnapsToTheNearestMultipleOf15Or18) {
  EXPECT_EQ(followed(0, 44, true), 45);
  EXPECT_EQ(followed(0, 35, true), 36);
  EXPECT_EQ(followed(0, 52.4, true), 54);
  EXPECT_EQ(followed(0, 16.4, true), 15);
  EXPECT_EQ(followed(0, 17, true), 18);
  EXPECT_EQ(followed(0, 44.4, false), 44);
  EXPECT_EQ(followed(0, 0, true), 0);
  EXPECT_FALSE(followPointer(30, 0, 0, true));
  EXPECT_FALSE(followPointer(30, NAN, 1, true));
}

TEST(ExplorePoint, CirclingTheCentreCountsTurnsBothWays) {
  int degrees = 0;
  for (int pointer = 10; pointer <= 3 * 360 + 30; pointer += 10) {
    degrees = followed(degrees, pointer, false);
  }
  EXPECT_EQ(degrees, 1110);
  for (int pointer = 3 * 360 + 20; pointer >= -400; pointer -= 10) {
    degrees = followed(degrees, pointer, true);
  }
  EXPECT_EQ(degrees, -396);  // -400° lies nearer -396° (-22 · 18°) than -405°
  // Just past the positive x axis clockwise from 0° is below zero, not 359°.
  EXPECT_EQ(followed(0, -1, false), -1);
  EXPECT_EQ(followed(360, 1, false), 361);
}

TEST(ExplorePoint, ArrowKeysStepToTheNextSpecialAngleOrDegree) {
  std::vector<int> up;
  for (int degrees = 0; degrees < 90; degrees = stepAngle(degrees, 1, true)) up.push_back(degrees);
  EXPECT_EQ(up, (std::vector<int>{0, 15, 18, 30, 36, 45, 54, 60, 72, 75}));
  EXPECT_EQ(stepAngle(0, -1, true), -15);
  EXPECT_EQ(stepAngle(44, 1, true), 45);
  EXPECT_EQ(stepAngle(44, -1, true), 36);
  EXPECT_EQ(stepAngle(44, 1, false), 45);
  EXPECT_EQ(stepAngle(-1, -1, false), -2);
  EXPECT_EQ(stepAngle(44, 0, true), 44);
}

TEST(ExplorePoint, At135DegreesEveryValueIsExact) {
  const PointState state = pointState(135);
  EXPECT_EQ(state.alphaLatex, "135^{\\circ}");
  EXPECT_EQ(state.radiansLatex, "\\frac{3\\pi}{4}");
  EXPECT_EQ(state.sin.latex, "\\frac{\\sqrt{2}}{2}");
  EXPECT_EQ(state.cos.latex, "-\\frac{\\sqrt{2}}{2}");
  EXPECT_EQ(state.tan.latex, "-1");
  EXPECT_TRUE(state.sin.exact && state.cos.exact && state.tan.exact);
  EXPECT_EQ(state.referenceDegrees, 45);
  EXPECT_EQ(state.referenceLatex, "45^{\\circ}");
  EXPECT_EQ(state.quadrant, 2);
  EXPECT_FALSE(state.axis);
  EXPECT_NEAR(state.pointX, -std::sqrt(0.5), 1e-12);
  EXPECT_NEAR(state.pointY, std::sqrt(0.5), 1e-12);
  EXPECT_EQ(state.valueText, "α = 135°, sin α = 0.7071, cos α = -0.7071, tan α = -1");
}

TEST(ExplorePoint, ElsewhereValuesAreRoundedDecimalsAndRadiansAFractionOfPi) {
  const PointState state = pointState(47);
  EXPECT_EQ(state.radiansLatex, "\\frac{47\\pi}{180} \\approx 0.8203");
  EXPECT_EQ(state.sin.latex, "\\approx 0.7314");
  EXPECT_FALSE(state.sin.exact);
  EXPECT_EQ(state.quadrant, 1);
  EXPECT_EQ(state.referenceDegrees, 47);
}

TEST(ExplorePoint, BeyondATurnAndBelowZeroThePositionDecides) {
  const PointState below = pointState(-30);
  EXPECT_EQ(below.positionDegrees, 330);
  EXPECT_EQ(below.alphaLatex, "-30^{\\circ}");
  EXPECT_EQ(below.radiansLatex, "-\\frac{\\pi}{6}");
  EXPECT_EQ(below.sin.latex, "-\\frac{1}{2}");
  EXPECT_EQ(below.quadrant, 4);
  EXPECT_EQ(below.referenceDegrees, 30);

  const PointState beyond = pointState(2 * 360 + 210);
  EXPECT_EQ(beyond.positionDegrees, 210);
  EXPECT_EQ(beyond.quadrant, 3);
  EXPECT_EQ(beyond.cos.latex, "-\\frac{\\sqrt{3}}{2}");
}

TEST(ExplorePoint, OnAnAxisThereIsNoQuadrantAndTheTangentMayBeUndefined) {
  const PointState up = pointState(90);
  EXPECT_EQ(up.quadrant, -1);
  EXPECT_EQ(up.axis, Axis::positiveY);
  EXPECT_FALSE(up.tan.decimal);
  EXPECT_TRUE(up.tan.latex.empty());
  EXPECT_EQ(up.valueText, "α = 90°, sin α = 1, cos α = 0, tan α = undefined");
  EXPECT_EQ(pointState(-180).axis, Axis::negativeX);
  EXPECT_EQ(pointState(630).axis, Axis::negativeY);
}

std::vector<int> sharedDegrees(const PointState& state) {
  std::vector<int> degrees;
  for (const SharedAngle& angle : state.sharedAngles) degrees.push_back(angle.degrees);
  return degrees;
}

TEST(ExplorePoint, FourAnglesShareTheReferenceAngleEachWithItsSigns) {
  const PointState state = pointState(135);
  EXPECT_EQ(sharedDegrees(state), (std::vector<int>{45, 135, 225, 315}));
  const SharedAngle& second = state.sharedAngles[1];
  EXPECT_TRUE(second.isPoint);
  EXPECT_EQ(second.latex, "135^{\\circ}");
  EXPECT_EQ(second.sinSign, 1);
  EXPECT_EQ(second.cosSign, -1);
  EXPECT_EQ(second.tanSign, -1);
  EXPECT_EQ(state.sharedAngles[2].tanSign, 1);
  EXPECT_EQ(std::count_if(state.sharedAngles.begin(), state.sharedAngles.end(),
                          [](const SharedAngle& a) { return a.isPoint; }),
            1);

  // On the axes the four fall together in pairs.
  EXPECT_EQ(sharedDegrees(pointState(0)), (std::vector<int>{0, 180}));
  const PointState up = pointState(-270);
  EXPECT_EQ(sharedDegrees(up), (std::vector<int>{90, 270}));
  EXPECT_EQ(up.sharedAngles[0].cosSign, 0);
  EXPECT_FALSE(up.sharedAngles[0].tanSign);
  EXPECT_EQ(pointState(180).sharedAngles[1].sinSign, 0);
}

TEST(ExplorePoint, SignsAgreeWithTheValuesAtEveryWholeDegree) {
  const auto sign = [](double value) { return std::fabs(value) < 1e-12 ? 0 : value > 0 ? 1 : -1; };
  for (int degrees = 0; degrees < 360; ++degrees) {
    const PointState state = pointState(degrees);
    ASSERT_GE(state.sharedAngles.size(), 2u);
    for (const SharedAngle& angle : state.sharedAngles) {
      const PointState there = pointState(angle.degrees);
      EXPECT_EQ(angle.sinSign, sign(*there.sin.decimal)) << angle.degrees;
      EXPECT_EQ(angle.cosSign, sign(*there.cos.decimal)) << angle.degrees;
      if (there.tan.decimal) {
        EXPECT_EQ(angle.tanSign, sign(*there.tan.decimal)) << angle.degrees;
      }
      EXPECT_EQ(pointState(angle.degrees).referenceDegrees, state.referenceDegrees);
    }
    EXPECT_EQ(state.sin.exact, isSpecialAngle(degrees)) << degrees;
  }
}

TEST(ExploreGraph, OneTurnAroundThePointWithItsTrailAndTracer) {
  const ExploreGraph graph = exploreGraph(TrigFunction::sin, 400, 350, 420);
  EXPECT_EQ(graph.xMin, 360);
  EXPECT_EQ(graph.xMax, 720);
  ASSERT_EQ(graph.xTicks.size(), 5u);
  EXPECT_EQ(graph.xTicks.front().label, "360°");
  EXPECT_EQ(graph.xTicks.back().label, "720°");
  ASSERT_EQ(graph.curve.size(), 1u);
  EXPECT_EQ(graph.curve[0].size(), 361u);
  // The swept part before this turn is not drawn.
  ASSERT_EQ(graph.trail.size(), 1u);
  EXPECT_EQ(graph.trail[0].front()[0], 360);
  EXPECT_EQ(graph.trail[0].back()[0], 420);
  ASSERT_TRUE(graph.tracer);
  EXPECT_NEAR((*graph.tracer)[1], std::sin(40 * std::numbers::pi / 180), 1e-4);

  const ExploreGraph below = exploreGraph(TrigFunction::cos, -30, -30, -30);
  EXPECT_EQ(below.xMin, -360);
  EXPECT_EQ(below.xMax, 0);
  EXPECT_EQ(below.trail.size(), 1u);
}

TEST(ExploreGraph, TheTangentBreaksAtItsPolesAndStaysInView) {
  const ExploreGraph graph = exploreGraph(TrigFunction::tan, 90, 0, 360);
  ASSERT_EQ(graph.curve.size(), 3u);  // [0, 90), (90, 270), (270, 360]
  for (const GraphLine& piece : graph.curve) {
    for (const GraphPoint& point : piece) {
      EXPECT_LE(std::fabs(point[1]), kTanLimit + 1e-9);
      EXPECT_GT(std::fabs(std::fmod(point[0], 180) - 90), 1);
    }
  }
  EXPECT_FALSE(graph.tracer);                                      // undefined at 90°
  EXPECT_FALSE(exploreGraph(TrigFunction::tan, 89, 0, 0).tracer);  // beyond the drawing
  EXPECT_TRUE(exploreGraph(TrigFunction::tan, 45, 0, 0).tracer);
}

TEST(ExploreGraph, TheInverseLineCrossesTheCurveAtEverySolution) {
  const InverseReading half = inverseSolutions(TrigFunction::sin, "1/2");
  const ExploreGraph graph =
      exploreGraph(TrigFunction::sin, 370, 370, 370, half.solutions, half.value);
  ASSERT_TRUE(graph.lineY);
  EXPECT_EQ(*graph.lineY, 0.5);
  ASSERT_EQ(graph.crossings.size(), 2u);
  EXPECT_EQ(graph.crossings[0].degrees, 390);
  EXPECT_EQ(graph.crossings[1].degrees, 510);
  EXPECT_EQ(graph.crossings[1].latex, "150^{\\circ}");

  const InverseReading zero = inverseSolutions(TrigFunction::sin, "0");
  const ExploreGraph ends = exploreGraph(TrigFunction::sin, 10, 10, 10, zero.solutions, zero.value);
  EXPECT_EQ(ends.crossings.size(), 3u);  // 0°, 180° and the turn's end

  EXPECT_EQ(generalSolutionLatex(half.solutions->angles[0], 360),
            "30^{\\circ} + k \\cdot 360^{\\circ}");
}

}  // namespace
}  // namespace uc::explore
