#include "core/charts/trigonometric_graph.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <string>
#include <vector>

namespace uc {
namespace {

constexpr double kPi = 3.141592653589793;

TrigonometricChartData graphOver(double length, TrigonometricType type) {
  return TrigonometricChartData(length, 0.0, 2 * kPi, 1.0, type);
}

TEST(TrigonometricGraph, QuarterPiHasEightIntervalsOfRoundedSteps) {
  const auto points = trigonometric_graph::samplePoints(graphOver(kPi / 4, TrigonometricType::sin));
  ASSERT_TRUE(points);
  ASSERT_EQ(points->size(), 9u);
  EXPECT_EQ((*points)[0], (GraphPoint{0, 0}));
  EXPECT_DOUBLE_EQ((*points)[1][0], 0.098);
  EXPECT_EQ((*points)[1][1], 0.098);
  EXPECT_DOUBLE_EQ(points->back()[0], 0.784);
  EXPECT_EQ(points->back()[1], 0.706);
  const auto cosine = trigonometric_graph::samplePoints(graphOver(kPi / 4, TrigonometricType::cos));
  EXPECT_EQ(cosine->front()[1], 1.0);
  EXPECT_EQ(cosine->back()[1], 0.708);
}

TEST(TrigonometricGraph, FullTurnStopsShortOfTwoPiBecauseTheStepIsRoundedFirst) {
  const auto points = trigonometric_graph::samplePoints(graphOver(2 * kPi, TrigonometricType::sin));
  ASSERT_EQ(points->size(), 65u);  // k = 64
  EXPECT_DOUBLE_EQ((*points)[1][0], 0.098);
  EXPECT_DOUBLE_EQ(points->back()[0], 6.272);
  EXPECT_EQ(points->back()[1], -0.011);
}

TEST(TrigonometricGraph, YTicksEveryHalfWithFourMinorOnesBetween) {
  const auto graph = trigonometric_graph::make(graphOver(kPi, TrigonometricType::cos));
  ASSERT_TRUE(graph);
  std::vector<std::string> labels;
  for (const auto& tick : graph->yTicks) labels.push_back(tick.label);
  EXPECT_EQ(labels, (std::vector<std::string>{"-1", "-0.5", "0", "0.5", "1"}));
  ASSERT_EQ(graph->yMinorTicks.size(), 4u * 4 + 2 * 2);  // four in each gap, two past ±1
  EXPECT_DOUBLE_EQ(graph->yMinorTicks.front(), -1.2);
  EXPECT_DOUBLE_EQ(graph->yMinorTicks[2], -0.9);
  // Whole fifths of the interval: 0.3, not 0.30000000000000004.
  EXPECT_NE(std::find(graph->yMinorTicks.begin(), graph->yMinorTicks.end(), 0.3),
            graph->yMinorTicks.end());
}

TEST(TrigonometricGraph, ZeroAndNegativeLengths) {
  const auto zero = trigonometric_graph::samplePoints(graphOver(0, TrigonometricType::cos));
  ASSERT_EQ(zero->size(), 5u);
  for (const GraphPoint& p : *zero) EXPECT_EQ(p, (GraphPoint{0, 1}));

  const auto negative =
      trigonometric_graph::samplePoints(graphOver(-kPi / 2, TrigonometricType::sin));
  ASSERT_TRUE(negative);
  EXPECT_EQ(negative->size(), 17u);  // 16 steps of -0.098
  EXPECT_DOUBLE_EQ((*negative)[1][0], -0.098);
  EXPECT_DOUBLE_EQ(negative->back()[0], -1.568);
  EXPECT_EQ(negative->back()[1], -1.0);

  // The axis keeps 0 in view and a point-sized graph gets room on both sides.
  const auto backwards = trigonometric_graph::make(graphOver(-kPi / 2, TrigonometricType::sin));
  EXPECT_DOUBLE_EQ(backwards->xMin, -1.568);
  EXPECT_EQ(backwards->xMax, 0);
  const auto point = trigonometric_graph::make(graphOver(0, TrigonometricType::sin));
  EXPECT_LT(point->xMin, 0);
  EXPECT_GT(point->xMax, 0);
}

TEST(TrigonometricGraph, IntervalCountMatchesTheStepwiseSearch) {
  // k is the first of 6, 8, 10 ... with |L| / k <= π / 32.
  for (double length : {0.5, 1.0, 2.0, 3.0, 7.5, 20.0, 100.0, -42.0}) {
    long long expected = 6;
    if (kPi / 32 >= std::fabs(length) * 0.25) {
      expected = 4;
    } else {
      while (kPi / 32 < std::fabs(length) / double(expected)) expected += 2;
    }
    const auto points =
        trigonometric_graph::samplePoints(graphOver(length, TrigonometricType::sin));
    ASSERT_TRUE(points) << length;
    EXPECT_EQ(static_cast<long long>(points->size()), expected + 1) << length;
  }
}

TEST(TrigonometricGraph, GraphsThatCannotBeDrawn) {
  TrigonometricChartData noLength(std::nullopt, 0, 2 * kPi, 1, TrigonometricType::sin);
  EXPECT_FALSE(trigonometric_graph::samplePoints(noLength));
  TrigonometricChartData noType(1.0, 0, 2 * kPi, 1, std::nullopt);
  EXPECT_FALSE(trigonometric_graph::make(noType));
  EXPECT_FALSE(trigonometric_graph::samplePoints(graphOver(-1, TrigonometricType::tan)));
  EXPECT_FALSE(trigonometric_graph::samplePoints(graphOver(1e13, TrigonometricType::sin)));
  EXPECT_FALSE(trigonometric_graph::samplePoints(graphOver(NAN, TrigonometricType::sin)));
  EXPECT_TRUE(trigonometric_graph::samplePoints(graphOver(800, TrigonometricType::sin)));
}

TEST(TrigonometricGraph, TangentIsScatteredOnAFixedRange) {
  const auto graph = trigonometric_graph::make(graphOver(kPi, TrigonometricType::tan));
  ASSERT_TRUE(graph);
  EXPECT_TRUE(graph->identity.isScatter);
  EXPECT_EQ(graph->identity.markerRadius, 1);
  EXPECT_EQ(graph->identity.colorHex, "#00E13A");
  EXPECT_EQ(graph->yMin, -2);
  EXPECT_EQ(graph->yMax, 2);
  // Density 200 per π: 200 intervals.
  EXPECT_EQ(graph->points.size(), 201u);
}

TEST(TrigonometricGraph, TickLabelsAreMultiplesOfHalfPi) {
  const std::vector<std::pair<double, std::string>> cases = {
      {0, "0"},         {1.5705, "π/2"}, {3.141, "π"},      {4.7115, "3π/2"}, {6.282, "2π"},
      {7.8525, "5π/2"}, {9.423, "3π"},   {-1.5705, "-π/2"}, {-3.141, "-π"},   {-4.7115, "-3π/2"},
      {-6.282, "-2π"},  {0.7, "0"},      {-0.8, "-π/2"},    {31.41, "10π"},
  };
  for (const auto& [value, label] : cases) {
    EXPECT_EQ(trigonometric_graph::piTickLabel(value), label) << value;
  }
}

TEST(TrigonometricGraph, TicksFollowTheIntervalAcrossTheAxis) {
  const auto graph = trigonometric_graph::make(graphOver(2 * kPi, TrigonometricType::cos));
  std::vector<std::string> labels;
  for (const AxisTick& tick : graph->xTicks) labels.push_back(tick.label);
  EXPECT_EQ(labels, (std::vector<std::string>{"0", "π/2", "π", "3π/2"}));
  EXPECT_DOUBLE_EQ(graph->xTicks[3].value, 3 * 1.5705);

  const auto ticks = trigonometric_graph::xTicks(-3.2, 0.1);
  ASSERT_EQ(ticks.size(), 3u);
  EXPECT_EQ(ticks.front().label, "-π");
}

std::vector<std::string> labelsOf(const std::vector<AxisTick>& ticks) {
  std::vector<std::string> labels;
  for (const AxisTick& tick : ticks) labels.push_back(tick.label);
  return labels;
}

// Every label 40 px wide with its padding, on an axis 300 px wide.
std::vector<AxisTick> readable(double min, double max, double width = 300) {
  return trigonometric_graph::readableTicks(trigonometric_graph::xTicks(min, max), min, max, width,
                                            [](const std::string&) { return 40.0; });
}

TEST(TrigonometricGraph, DenseTicksKeepEveryKthLabelCountedFromZero) {
  // One turn: 300 px hold all five.
  EXPECT_EQ(labelsOf(readable(0, 2 * kPi)),
            (std::vector<std::string>{"0", "π/2", "π", "3π/2", "2π"}));
  // α = 720: nine ticks 37.5 px apart, every second one labelled.
  EXPECT_EQ(labelsOf(readable(0, 4 * kPi)), (std::vector<std::string>{"0", "π", "2π", "3π", "4π"}));
  // b = 100: 64 ticks under 5 px apart; every tenth, five π apart, is 47 px apart.
  EXPECT_EQ(labelsOf(readable(0, 100)),
            (std::vector<std::string>{"0", "5π", "10π", "15π", "20π", "25π", "30π"}));
  // Left of 0 the count runs from 0 as well.
  EXPECT_EQ(labelsOf(readable(-4 * kPi, 0)),
            (std::vector<std::string>{"-4π", "-3π", "-2π", "-π", "0"}));
  EXPECT_EQ(labelsOf(readable(-2 * kPi, 2 * kPi)),
            (std::vector<std::string>{"-2π", "-π", "0", "π", "2π"}));
}

TEST(TrigonometricGraph, ReadableTicksKeepZeroWhateverTheRoom) {
  // Not laid out yet: all of them.
  EXPECT_EQ(readable(0, 100, 0).size(), trigonometric_graph::xTicks(0, 100).size());
  // Too narrow for even two labels: 0 alone.
  EXPECT_EQ(labelsOf(readable(0, 100, 60)), (std::vector<std::string>{"0"}));
}

}  // namespace
}  // namespace uc
