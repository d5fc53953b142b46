#include "core/solver/exact_values_card.h"

#include <gtest/gtest.h>

#include <cmath>
#include <memory>
#include <string>
#include <vector>

#include "core/localization.h"
#include "core/solver/tiro_unit_circle.h"
#include "wasm/bundled_core_texts.h"

namespace uc {
namespace {

using Texts = std::vector<std::string>;

ChartSteps circleAt(double alpha) {
  return {{std::make_shared<UnitCircleChartData>(alpha, alpha * 3.141592653589793 / 180, alpha, 0,
                                                 Quadrant::first)}};
}

Texts wholeLines(const std::vector<ExactValuesCardLine>& lines) {
  Texts whole;
  for (const ExactValuesCardLine& line : lines) whole.push_back(line.latex());
  return whole;
}

Texts cardLatex(double alpha) { return wholeLines(exactValuesCardLines(circleAt(alpha))); }

// The card as the calculate page hands it over for the typed texts.
std::vector<ExactValuesCardLine> cardFor(const char* alpha, const char* b) {
  const SolveResult result = calculate(alpha, b);
  return exactValuesCardLines(*result.chartSteps, result.typedArcLatex);
}

class ExactValuesCard : public ::testing::Test {
 protected:
  void SetUp() override { ASSERT_TRUE(installBundledTexts("en")); }
  void TearDown() override { setTranslateFunction({}); }
};

TEST_F(ExactValuesCard, RadicalFormsBesideTheirDecimals) {
  EXPECT_EQ(cardLatex(105),
            (Texts{"\\alpha = 105^{\\circ} \\quad b = \\frac{7\\pi}{12} \\approx 1.8326",
                   "\\sin\\alpha = \\frac{\\sqrt{6}+\\sqrt{2}}{4} \\approx 0.9659",
                   "\\cos\\alpha = -\\frac{\\sqrt{6}-\\sqrt{2}}{4} \\approx -0.2588",
                   "\\tan\\alpha = -2-\\sqrt{3} \\approx -3.7321",
                   "\\text{Reference angle}\\; 75^{\\circ}", "\\text{Quadrant II}"}));
  // Whole numbers need no decimal; the vertical axis has no tangent.
  const Texts axis = cardLatex(270);
  EXPECT_EQ(axis.at(0), "\\alpha = 270^{\\circ} \\quad b = \\frac{3\\pi}{2} \\approx 4.7124");
  EXPECT_EQ(axis.at(1), "\\sin\\alpha = -1");
  EXPECT_EQ(axis.at(3), "\\tan\\alpha\\quad \\text{undefined}");
  EXPECT_EQ(cardLatex(0).at(0), "\\alpha = 0^{\\circ} \\quad b = 0");
  EXPECT_EQ(exactValuesCardTitle(), "Exact values");
}

// An angle on an axis lies in no quadrant: the card names the axis, coterminal angles and a
// rounding residue alike. The steps keep naming a quadrant.
TEST_F(ExactValuesCard, AxisAnglesNameTheirAxis) {
  const struct {
    double alpha;
    const char* line;
  } cases[] = {
      {0, "\\text{on the positive x-axis}"},
      {360, "\\text{on the positive x-axis}"},
      {-720, "\\text{on the positive x-axis}"},
      {90, "\\text{on the positive y-axis}"},
      {450, "\\text{on the positive y-axis}"},
      {-270, "\\text{on the positive y-axis}"},
      {180, "\\text{on the negative x-axis}"},
      {-180, "\\text{on the negative x-axis}"},
      {540, "\\text{on the negative x-axis}"},
      {270, "\\text{on the negative y-axis}"},
      {-90, "\\text{on the negative y-axis}"},
      {90.00000000000001, "\\text{on the positive y-axis}"},
      {89.9999, "\\text{Quadrant I}"},
      {90.0001, "\\text{Quadrant II}"},
      {-45, "\\text{Quadrant IV}"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.alpha);
    EXPECT_EQ(cardLatex(c.alpha).back(), c.line);
  }
  EXPECT_EQ(wholeLines(cardFor("", "π/2")).back(), "\\text{on the positive y-axis}");
  const SolveResult ninety = calculate("90", "");
  ASSERT_TRUE(ninety.solutionSteps);
  EXPECT_EQ(ninety.solutionSteps->back().latexString, "Q = II");
}

// Where a line may break when it is too wide for the card: between α and b, before each
// decimal, before "undefined" and before the reference angle's value. No part is empty, and a
// join stands between every two.
TEST_F(ExactValuesCard, LinesBreakBetweenTheirValues) {
  const std::vector<ExactValuesCardLine> lines = exactValuesCardLines(circleAt(90));
  EXPECT_EQ(lines.at(0).parts,
            (Texts{"\\alpha = 90^{\\circ}", "b = \\frac{\\pi}{2}", "\\approx 1.5708"}));
  EXPECT_EQ(lines.at(1).parts, Texts{"\\sin\\alpha = 1"});
  EXPECT_EQ(lines.at(3).parts, (Texts{"\\tan\\alpha", "\\text{undefined}"}));
  EXPECT_EQ(lines.at(4).parts.size(), 2u);
  EXPECT_EQ(exactValuesCardLines(circleAt(135)).at(1).parts,
            (Texts{"\\sin\\alpha = \\frac{\\sqrt{2}}{2}", "\\approx 0.7071"}));
  for (double alpha : {0.0, 90.0, 105.0, 57.29577951308232, -720.0}) {
    for (const ExactValuesCardLine& line : exactValuesCardLines(circleAt(alpha))) {
      EXPECT_EQ(line.joins.size() + 1, line.parts.size());
      for (const std::string& part : line.parts) EXPECT_FALSE(part.empty());
    }
  }
}

TEST_F(ExactValuesCard, OtherAnglesGetDecimalsOnly) {
  const Texts oneRadian = cardLatex(57.29577951308232);
  EXPECT_EQ(oneRadian.at(0), "\\alpha \\approx 57.2958^{\\circ} \\quad b = 1");
  EXPECT_EQ(oneRadian.at(1), "\\sin\\alpha \\approx 0.8415");
  EXPECT_TRUE(cardLatex(std::nan("")).empty());
  EXPECT_TRUE(exactValuesCardLines(ChartSteps{}).empty());
}

// Angles and sin, cos, tan alike: four places at most, "=" where they show the value (a
// rounding residue aside), "≈" where they round it.
TEST_F(ExactValuesCard, OneRuleForEveryDecimal) {
  const Texts typed = cardLatex(123.4561);
  EXPECT_EQ(typed.at(0), "\\alpha = 123.4561^{\\circ} \\quad b \\approx 2.1547");
  EXPECT_EQ(typed.at(1), "\\sin\\alpha \\approx 0.8343");
  EXPECT_EQ(typed.at(4), "\\text{Reference angle}\\; 56.5439^{\\circ}");
  EXPECT_EQ(cardLatex(57.29577951308232).at(4),
            "\\text{Reference angle}\\; \\approx 57.2958^{\\circ}");
  EXPECT_EQ(cardLatex(30).at(1), "\\sin\\alpha = \\frac{1}{2} = 0.5");
  EXPECT_EQ(wholeLines(cardFor("2π", "")).at(0),
            "\\alpha \\approx 6.2832^{\\circ} \\quad b \\approx 0.1097");
}

// "1,000°" reads as one degree in German: no number on the card is grouped.
TEST_F(ExactValuesCard, NoGroupingSeparator) {
  EXPECT_EQ(cardLatex(1000).at(0),
            "\\alpha = 1000^{\\circ} \\quad b = \\frac{50\\pi}{9} \\approx 17.4533");
  EXPECT_EQ(cardLatex(-1234.5).at(0).rfind("\\alpha = -1234.5^{\\circ}", 0), 0u);
  EXPECT_EQ(wholeLines(cardFor("", "1000")).at(0),
            "\\alpha \\approx 57295.7795^{\\circ} \\quad b = 1000");
  for (double alpha : {1000.0, 123456.789, -1e6, 9e18}) {
    for (const std::string& line : cardLatex(alpha)) {
      EXPECT_EQ(line.find(','), std::string::npos) << line;
    }
  }
}

// A typed b is shown as typed, beside its decimal where that differs; b worked out from α is
// shown as a multiple of π where it is one.
TEST_F(ExactValuesCard, BTypedIsShownAsTyped) {
  EXPECT_EQ(cardFor("", "2").at(0).parts, (Texts{"\\alpha \\approx 114.5916^{\\circ}", "b = 2"}));
  EXPECT_EQ(cardFor("", "e").at(0).parts,
            (Texts{"\\alpha \\approx 155.7461^{\\circ}", "b = e", "\\approx 2.7183"}));
  EXPECT_EQ(cardFor("", "π/e").at(0).parts.at(1), "b = \\frac{\\pi}{e}");
  EXPECT_EQ(cardFor("", "3π/4").at(0).parts,
            (Texts{"\\alpha = 135^{\\circ}", "b = \\frac{3\\pi}{4}", "\\approx 2.3562"}));
  // Near π/4 but typed as a decimal: not claimed to be π/4 (the hint offers that).
  EXPECT_EQ(cardFor("", "0.7853981634").at(0).parts.at(1), "b = 0.7853981634");
  // With both typed, α wins and b is worked out from it.
  EXPECT_EQ(cardFor("45", "2").at(0).parts.at(1), "b = \\frac{\\pi}{4}");
}

TEST_F(ExactValuesCard, GermanWords) {
  ASSERT_TRUE(installBundledTexts("de"));
  const Texts lines = cardLatex(90);
  EXPECT_EQ(lines.at(3), "\\tan\\alpha\\quad \\text{nicht definiert}");
  EXPECT_EQ(lines.at(4), "\\text{Bezugswinkel}\\; 90^{\\circ}");
  EXPECT_EQ(lines.at(5), "\\text{auf der positiven y-Achse}");
  EXPECT_EQ(cardLatex(-180).at(5), "\\text{auf der negativen x-Achse}");
  EXPECT_EQ(cardLatex(100).at(5), "\\text{Quadrant II}");
  EXPECT_EQ(exactValuesCardTitle(), "Exakte Werte");
}

}  // namespace
}  // namespace uc
