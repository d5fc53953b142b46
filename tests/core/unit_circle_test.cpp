#include <gtest/gtest.h>

#include <cmath>

#include "core/number/number_text.h"
#include "core/solver/tiro_unit_circle.h"
#include "parse_helpers.h"

namespace uc {
namespace {

using Texts = std::vector<std::string>;

// The formulas of the numbered steps only (the input steps come first).
Texts numberedLatex(const SolveResult& result) {
  Texts latex;
  for (const auto& step : *result.solutionSteps) {
    if (step.title.rfind("Step ", 0) == 0) latex.push_back(step.latexString);
  }
  return latex;
}

const UnitCircleChartData& circleOf(const SolveResult& result) {
  return dynamic_cast<const UnitCircleChartData&>(*(*result.chartSteps)[0][0]);
}

TEST(UnitCircle, AngleToArcGivesTheArcAndItsExactMultipleOfPi) {
  struct Case {
    const char* alpha;
    const char* arc;
    const char* exact;
  };
  const Case cases[] = {
      {"45", "0.7853981633974483", "\\frac{\\pi}{4}"},
      {"30", "0.5235987755982988", "\\frac{\\pi}{6}"},
      {"60", "1.0471975511965976", "\\frac{\\pi}{3}"},
      {"90", "1.5707963267948966", "\\frac{\\pi}{2}"},
      {"135", "2.356194490192345", "\\frac{3\\pi}{4}"},
      {"180", "3.141592653589793", "\\pi"},
      {"270", "4.71238898038469", "\\frac{3\\pi}{2}"},
      {"360", "6.283185307179586", "2\\pi"},
      {"720", "12.566370614359172", "4\\pi"},
      {"22.5", "0.39269908169872414", "\\frac{\\pi}{8}"},
      {"1", "0.017453292519943295", "\\frac{\\pi}{180}"},
      {"50", "0.8726646259971648", "\\frac{5\\pi}{18}"},
      {"-45", "-0.7853981633974483", "-\\frac{\\pi}{4}"},
      {"0", "0.0", "0"},
      {"210", "3.6651914291880923", "\\frac{1000000\\pi}{857143}"},
      {"7", "0.12217304763960307", "\\frac{10000\\pi}{257143}"},
      // A typed constant enters with its value: 2π degrees, not 2.
      {"2π", "0.1096622711232151", "\\frac{10000\\pi}{286479}"},
      {"90/π", "0.5", "\\frac{100000\\pi}{628319}"},
      {"e/2", "0.023721483951871018", "\\frac{1000\\pi}{132437}"},
  };
  for (const auto& c : cases) {
    const SolveResult result = calculate(c.alpha, std::nullopt);
    ASSERT_FALSE(result.errorKey) << c.alpha;
    const Texts latex = numberedLatex(result);
    ASSERT_EQ(latex.size(), 22u);
    EXPECT_EQ(latex[9], std::string("b = \\color{#009900}{ ") + c.arc + " }") << c.alpha;
    EXPECT_EQ(latex[10], std::string("b = ") + c.exact) << c.alpha;
  }
}

TEST(UnitCircle, AngleToArcStepsInOrder) {
  const SolveResult result = calculate("45", "");
  const auto& steps = *result.solutionSteps;
  ASSERT_EQ(steps.size(), 23u);
  EXPECT_EQ(steps[0].title, "Your Input");
  EXPECT_EQ(steps[1].title, "Step 1    Choosen Formula");
  EXPECT_EQ(steps[22].title, "Step 22    Quadrant");
  const Texts latex = numberedLatex(result);
  EXPECT_EQ(latex[0], "\\frac{2\\pi}{360^{\\circ}} = \\frac{b}{\\alpha}");
  EXPECT_EQ(latex[5], "b = \\color{#009900}{ 45.0^{\\circ} } \\cdot \\frac{2\\pi}{360^{\\circ}}");
  EXPECT_EQ(
      latex[7],
      "b = 45.0^{\\circ} \\cdot \\color{#009900}{ 0.017453292519943295\\frac{1}{^{\\circ}} }");
  EXPECT_EQ(
      latex[8],
      "b = \\color{#ff3333}{ 45.0^{\\circ} \\cdot 0.017453292519943295\\frac{1}{^{\\circ}} }");
  EXPECT_EQ(result.b->z, 0.7853981633974483);
}

TEST(UnitCircle, ArcToAngleInsertsTheExactArc) {
  struct Case {
    const char* b;
    const char* exact;
    double radians;
    const char* degrees;
  };
  const Case cases[] = {
      {"π/4", "\\frac{\\pi}{4}", 0.7853981633974483, "45.0"},
      {"π/6", "\\frac{\\pi}{6}", 0.5235987755982988, "30.0"},
      {"3π/2", "\\frac{3\\pi}{2}", 4.71238898038469, "270.0"},
      {"2π", "2\\pi", 6.283185307179586, "360.0"},
      {"7π", "7\\pi", 21.991148575128552, "1260.0"},
      {"1", "1", 1.0, "57.295779513082"},
      {"0.5", "0.5", 0.5, "28.647889756541"},
      {"1/2π", "\\frac{1}{2\\pi}", 0.15915494309189535, "9.11890652781"},
      {"-π/4", "-\\frac{\\pi}{4}", -0.7853981633974483, "-45.0"},
      {"π/-4", "-\\frac{\\pi}{4}", -0.7853981633974483, "-45.0"},
      {"2π/4", "\\frac{\\pi}{2}", 1.5707963267948966, "90.0"},
      // e enters the value as π does, on either side of the fraction.
      {"e", "e", 2.718281828459045, "155.746076297808"},
      {"π/e", "\\frac{\\pi}{e}", 1.1557273497909217, "66.21829941086"},
      {"e/2", "\\frac{e}{2}", 1.3591409142295225, "77.873038148904"},
      {"3/e", "\\frac{3}{e}", 1.103638323514327, "63.233818046265"},
  };
  for (const auto& c : cases) {
    const SolveResult result = calculate("", c.b);
    ASSERT_FALSE(result.errorKey) << c.b;
    const Texts latex = numberedLatex(result);
    ASSERT_EQ(latex.size(), 22u);
    EXPECT_EQ(latex[6], std::string("\\alpha = \\color{#009900}{ ") + c.exact +
                            " }\\cdot\\frac{360^{\\circ}}{2\\pi}")
        << c.b;
    EXPECT_EQ(latex[9], std::string("\\alpha = \\color{#ff3333}{ ") + c.exact +
                            "\\cdot57.29577951308232^{\\circ} }")
        << c.b;
    EXPECT_EQ(latex[10], std::string("\\alpha = \\color{#009900}{ ") + c.degrees + "^{\\circ} }")
        << c.b;
    EXPECT_EQ(circleOf(result).b, c.radians) << c.b;
  }
}

TEST(UnitCircle, AConstantInTheAngleStaysInTheInputAndItsValueIsInserted) {
  const SolveResult result = calculate("2π", "");
  EXPECT_EQ((*result.solutionSteps)[0].latexString, "\\alpha = 2\\pi^{\\circ} \\quad b =  ? ");
  const Texts latex = numberedLatex(result);
  EXPECT_EQ(
      latex[5],
      "b = \\color{#009900}{ 6.283185307179586^{\\circ} } \\cdot \\frac{2\\pi}{360^{\\circ}}");
  EXPECT_EQ(circleOf(result).alpha, 6.283185307179586);
  EXPECT_EQ(circleOf(result).b, 0.1096622711232151);
}

TEST(UnitCircle, TrigonometryFullCirclesReducedAngleAndQuadrant) {
  struct Case {
    const char* alpha;
    const char* sine;
    const char* cosine;
    const char* tangent;
    const char* full;
    const char* reduced;
    const char* quadrant;
  };
  const Case cases[] = {
      {"0", "0.0", "1.0", "0.0", "0", "0.0", "I"},
      {"30", "0.5", "0.866025403784", "0.57735026919", "0", "30.0", "I"},
      {"45", "0.707106781187", "0.707106781187", "1.0", "0", "45.0", "I"},
      {"90", "1.0", "0.0", "\\infty", "0", "90.0", "II"},
      {"120", "0.866025403784", "-0.5", "-1.732050807569", "0", "120.0", "II"},
      {"180", "0.0", "-1.0", "-0.0", "0", "180.0", "III"},
      {"270", "-1.0", "-0.0", "\\infty", "0", "270.0", "IV"},
      {"360", "-0.0", "1.0", "-0.0", "1", "0.0", "I"},
      {"-45", "-0.707106781187", "0.707106781187", "-1.0", "0", "-45.0", "IV"},
      {"-90", "-1.0", "0.0", "-\\infty", "0", "-90.0", "IV"},
      {"400", "0.642787609687", "0.766044443119", "0.839099631177", "1", "40.0", "I"},
      {"-400", "-0.642787609687", "0.766044443119", "-0.839099631177", "-1", "-40.0", "IV"},
      {"725", "0.087155742748", "0.996194698092", "0.087488663526", "2", "5.0", "I"},
      {"359.9", "-0.001745328366", "0.999998476913", "-0.001745331024", "0", "359.9", "IV"},
  };
  for (const auto& c : cases) {
    const SolveResult result = calculate(c.alpha, "");
    const Texts latex = numberedLatex(result);
    ASSERT_EQ(latex.size(), 22u) << c.alpha;
    const std::string a = shortestText(circleOf(result).alpha.value());
    EXPECT_EQ(latex[11], "\\sin(\\alpha) = \\sin(" + a + "^{\\circ})");
    EXPECT_EQ(latex[12], std::string("\\sin(\\alpha) = ") + c.sine) << c.alpha;
    EXPECT_EQ(latex[14], std::string("\\cos(\\alpha) = ") + c.cosine) << c.alpha;
    EXPECT_EQ(latex[17], std::string("\\tan(\\alpha) = \\frac{") + c.sine + "}{" + c.cosine + "}");
    EXPECT_EQ(latex[18], std::string("\\tan(\\alpha) = ") + c.tangent) << c.alpha;
    EXPECT_EQ(latex[19], std::string("\\sum = ") + c.full) << c.alpha;
    EXPECT_EQ(latex[20], std::string("\\gamma = ") + c.reduced + "^{\\circ}") << c.alpha;
    EXPECT_EQ(latex[21], std::string("Q = ") + c.quadrant) << c.alpha;
  }
}

TEST(UnitCircle, QuadrantBoundariesBelongToTheQuadrantThatStartsThere) {
  EXPECT_EQ(quadrantOfReducedAngle(0), Quadrant::first);
  EXPECT_EQ(quadrantOfReducedAngle(90), Quadrant::second);
  EXPECT_EQ(quadrantOfReducedAngle(180), Quadrant::third);
  EXPECT_EQ(quadrantOfReducedAngle(270), Quadrant::fourth);
  EXPECT_EQ(quadrantOfReducedAngle(-1e-14), Quadrant::first) << "adding 360 rounds to 360";
  EXPECT_EQ(quadrantOfReducedAngle(-90), Quadrant::fourth);
  EXPECT_EQ(quadrantOfReducedAngle(std::nan("")), Quadrant::first);
  EXPECT_EQ(quadrantFromRawValue("III"), Quadrant::third);
  EXPECT_FALSE(quadrantFromRawValue("V"));
}

TEST(UnitCircle, ChartStepsFollowTheArc) {
  SolveResult result = calculate("45", "");
  ASSERT_EQ(result.chartSteps->size(), 3u);
  const auto& circle = circleOf(result);
  EXPECT_EQ(circle.frameRatio, 2.0);
  EXPECT_EQ(circle.alpha, 45.0);
  EXPECT_EQ(circle.b, 0.7853981633974483);
  EXPECT_EQ(circle.angle, 45.0);
  EXPECT_EQ(circle.fullCircles, 0);
  EXPECT_EQ(circle.quadrant, Quadrant::first);
  const TrigonometricType types[] = {TrigonometricType::sin, TrigonometricType::cos};
  for (int i = 0; i < 2; ++i) {
    const auto& graph =
        dynamic_cast<const TrigonometricChartData&>(*(*result.chartSteps)[i + 1][0]);
    EXPECT_EQ(graph.frameRatio, 1.0);
    EXPECT_EQ(graph.lengthOfGraph, 0.7853981633974483);
    EXPECT_EQ(graph.periodLength, 6.283185307179586);
    EXPECT_EQ(graph.amplitude, 1.0);
    EXPECT_EQ(graph.offset, 0.0);
    EXPECT_EQ(graph.type, types[i]);
  }

  result = calculate("-90", "");
  EXPECT_EQ(circleOf(result).angle, -90.0);
  EXPECT_EQ(circleOf(result).quadrant, Quadrant::fourth);
  EXPECT_EQ(dynamic_cast<const TrigonometricChartData&>(*(*result.chartSteps)[1][0]).lengthOfGraph,
            -1.5707963267948966);
}

TEST(UnitCircle, WhenBothAreGivenTheAngleWins) {
  const SolveResult both = calculate("45", "π");
  const SolveResult angle = calculate("45", "");
  EXPECT_EQ(numberedLatex(both), numberedLatex(angle));
  EXPECT_EQ(circleOf(both).b, 0.7853981633974483);
  // A fraction that cancels to the same angle gives the same numbered steps.
  EXPECT_EQ(numberedLatex(calculate("90/2", "")), numberedLatex(angle));
}

TEST(UnitCircle, EveryCalculationStartsAtStepOneAndLeavesTheSharedStateClean) {
  calculate("45", "");
  const SolveResult second = calculate("", "π/4");
  EXPECT_EQ((*second.solutionSteps)[1].title, "Step 1    Choosen Formula");
  EXPECT_TRUE(TiroStringOutput::shared().solutionSteps.empty());
  EXPECT_EQ(TiroStringOutput::shared().solutionStepCounter, 0);
  EXPECT_FALSE(TiroMathOperation::shared().withFraction);
}

TEST(UnitCircle, RefusedInputsReturnOnlyTheKeyAndTheFields) {
  struct Case {
    const char* alpha;
    const char* b;
    const char* key;
    std::vector<int> tags;
  };
  const Case cases[] = {
      {"", "", "notEnoughInputValues", {kAlphaFieldTag, kBFieldTag}},
      {"abc", "", "inputParameterError", {kAlphaFieldTag}},
      {"()", "", "notEnoughInputValues", {kAlphaFieldTag}},
      {"()", "(())", "notEnoughInputValues", {kAlphaFieldTag, kBFieldTag}},
      {"1E19", "", "valueOutOfRange", {kAlphaFieldTag}},
      {"-1E19", "", "valueOutOfRange", {kAlphaFieldTag}},
      {"1E400", "", "valueOutOfRange", {kAlphaFieldTag}},
      {"1E300/1E-300", "", "valueOutOfRange", {kAlphaFieldTag}},
      {"", "1E18", "valueOutOfRange", {kBFieldTag}},
      {"", "1E400/1E400", "valueOutOfRange", {kBFieldTag}},
  };
  for (const auto& c : cases) {
    TiroStringOutput::shared().reset();
    const SolveResult result = TiroUnitCircle().solve(c.alpha, kAlphaFieldTag, c.b, kBFieldTag);
    EXPECT_EQ(result.errorKey, c.key) << c.alpha << " | " << c.b;
    EXPECT_EQ(result.errorTags, c.tags) << c.alpha << " | " << c.b;
    EXPECT_FALSE(result.solutionSteps || result.alpha || result.b || result.chartSteps);
    EXPECT_TRUE(TiroStringOutput::shared().solutionSteps.empty()) << c.alpha << " | " << c.b;
  }
  // The largest angles that still split into full circles are solved.
  EXPECT_FALSE(calculate("9E18", "").errorKey);
  EXPECT_FALSE(calculate("", "1E16").errorKey);
  EXPECT_FALSE(calculate("()", "π").errorKey) << "brackets alone leave the other field to solve";
}

}  // namespace
}  // namespace uc
