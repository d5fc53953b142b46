#include "core/charts/circle_state.h"

#include <gtest/gtest.h>

#include "core/charts/angle_drag.h"
#include "core/charts/step_highlight.h"

namespace uc {
namespace {

CircleState finalFor(double alpha, double b, long long fullCircles, Quadrant quadrant) {
  return circle_state::finalState(
      *UnitCircleTurns::plan(UnitCircleChartData(alpha, b, 0, fullCircles, quadrant)));
}

TEST(CircleState, TheEndOfARunShowsTheLastFullCircleUnderTheLastTurn) {
  const CircleState s = finalFor(400, 6.981317007977318, 1, Quadrant::first);
  EXPECT_EQ(s.alphaText, "400°");
  EXPECT_EQ(s.gammaText, "40°");
  EXPECT_EQ(s.fullCirclesText, "1");
  EXPECT_EQ(s.pXText, "0.77");
  EXPECT_EQ(s.pYText, "0.64");
  ASSERT_EQ(s.arcs.size(), 2u);
  EXPECT_EQ(s.arcs[0].sweep, 360);
  EXPECT_EQ(s.arcs[0].color, "#ff1919");  // hue 0
  EXPECT_DOUBLE_EQ(s.arcs[1].sweep, 40);
  EXPECT_DOUBLE_EQ(s.arcs[1].hue, 0.18);
  EXPECT_DOUBLE_EQ(s.arcs[1].brightness, 0.98);
  EXPECT_DOUBLE_EQ(s.arrowDegrees, 40);
  EXPECT_EQ(s.quadrant, 1);
  EXPECT_NEAR(s.pointX, 0.766, 1e-3);
}

TEST(CircleState, EmptyLastTurnsAndNegativeAngles) {
  // 360°: the second turn covers nothing, so the first full circle is the last drawn.
  const CircleState full = finalFor(360, 6.283185307179586, 1, Quadrant::first);
  EXPECT_EQ(full.fullCirclesText, "1");
  ASSERT_EQ(full.arcs.size(), 1u);
  EXPECT_EQ(full.alphaText, "360°");
  // 0°: nothing drawn, the arrow at rest.
  const CircleState zero = finalFor(0, 0, 0, Quadrant::first);
  EXPECT_TRUE(zero.arcs.empty());
  EXPECT_EQ(zero.alphaText, "0°");
  EXPECT_EQ(zero.pXText, "1.0");
  // -90°: clockwise, the sine exactly -1.
  const CircleState minus = finalFor(-90, -1.5707963267948966, 0, Quadrant::fourth);
  EXPECT_EQ(minus.alphaText, "-90°");
  EXPECT_EQ(minus.pYText, "-1.0");
  EXPECT_DOUBLE_EQ(minus.arrowDegrees, -90);
  EXPECT_EQ(minus.quadrant, 4);
}

TEST(CircleState, AnAngleSetByHand) {
  const CircleState s = circle_state::setAngleState(135);
  EXPECT_EQ(s.alphaText, "135°");
  EXPECT_EQ(s.gammaText, "135°");
  EXPECT_EQ(s.fullCirclesText, "0");
  EXPECT_EQ(s.pXText, "-0.71");
  EXPECT_EQ(s.pYText, "0.71");
  ASSERT_EQ(s.arcs.size(), 1u);
  EXPECT_EQ(s.quadrant, 2);
  EXPECT_EQ(circle_state::setAngleState(0).arcs.size(), 0u);
  EXPECT_EQ(circle_state::setAngleState(90).pXText, "0.0");
}

TEST(CircleState, ArcColoursGoRoundTheWheel) {
  EXPECT_EQ(circle_state::hsvHex(0, 0.9, 1), "#ff1919");
  EXPECT_EQ(circle_state::hsvHex(1.0 / 3, 1, 1), "#00ff00");
  EXPECT_EQ(circle_state::hsvHex(0.5, 0, 0.5), "#808080");
  EXPECT_EQ(circle_state::hsvHex(1.08, 0.9, 1), circle_state::hsvHex(0.08, 0.9, 1));
}

TEST(StepStress, EachHighlightStressesItsPartsAndFadesTheRest) {
  using charts::CirclePart;
  using charts::StepHighlight;
  EXPECT_EQ(charts::stress(StepHighlight::none, CirclePart::arc), 0);
  EXPECT_EQ(charts::stress(StepHighlight::arc, CirclePart::alpha), 1);
  EXPECT_EQ(charts::stress(StepHighlight::arc, CirclePart::x), -1);
  // Full turns: every arc but the last; the reduced angle: only the last.
  EXPECT_EQ(charts::stress(StepHighlight::fullTurns, CirclePart::arc, 0, 1), 1);
  EXPECT_EQ(charts::stress(StepHighlight::fullTurns, CirclePart::arc, 1, 1), -1);
  EXPECT_EQ(charts::stress(StepHighlight::reducedAngle, CirclePart::arc, 1, 1), 1);
  EXPECT_EQ(charts::stress(StepHighlight::reducedAngle, CirclePart::gamma), 1);
  EXPECT_EQ(charts::stress(StepHighlight::tangent, CirclePart::y), 1);
  EXPECT_EQ(charts::stress(StepHighlight::quadrant, CirclePart::quadrant), 1);
  EXPECT_EQ(charts::highlightForStep("  \\gamma = 40^{\\circ}"), StepHighlight::reducedAngle);
  EXPECT_EQ(charts::highlightForStep("\\alpha = 45 \\quad b = ?"), StepHighlight::none);
  for (auto h : {StepHighlight::none, StepHighlight::arc, StepHighlight::quadrant}) {
    EXPECT_EQ(charts::stepHighlightFrom(charts::rawValue(h)), h);
  }
}

TEST(AngleDrag, SnappingCoversEveryInput) {
  EXPECT_EQ(angle_drag::snapped(352.5, 15), 0);
  EXPECT_EQ(angle_drag::snapped(-7.4, 15), 0);
  EXPECT_EQ(angle_drag::snapped(-7.6, 15), 345);
  EXPECT_EQ(angle_drag::snapped(719.6, 1), 0);
  EXPECT_EQ(angle_drag::snapped(std::numeric_limits<double>::quiet_NaN(), 15), 0);
  EXPECT_EQ(angle_drag::snapped(10, 0), 0);
  EXPECT_EQ(angle_drag::dragAngle(0, 0, false), std::nullopt);
  EXPECT_EQ(angle_drag::dragAngle(-1, 1.2, false), 135);
  EXPECT_EQ(angle_drag::stepAngle(40, 1, false), 45);
  EXPECT_EQ(angle_drag::stepAngle(0, -1, false), 345);
  EXPECT_EQ(angle_drag::valueText(135), "α = 135°");
}

}  // namespace
}  // namespace uc
