#include <gtest/gtest.h>

#include <limits>

#include "core/localization.h"
#include "core/solver/tiro_string_output.h"

namespace uc {
namespace {

Digit digit(double z, double n, std::vector<NaturalConstant> zConstants = {},
            std::vector<NaturalConstant> nConstants = {}) {
  Digit d(z, n);
  d.zConstants = std::move(zConstants);
  d.nConstants = std::move(nConstants);
  return d;
}

std::string latex(const Digit& d) { return TiroStringOutput::shared().latexString(d); }

TEST(StringOutput, StepsAreNumberedFromOneWithFourBlanksBeforeTheName) {
  auto& output = TiroStringOutput::shared();
  output.reset();
  output.addStep("Convert", "a");
  output.addStep("", "b");
  output.reset();
  output.addStep("Insert", "c");
  ASSERT_EQ(output.solutionSteps.size(), 1u);
  EXPECT_EQ(output.solutionSteps[0].title, "Step 1    Insert");
  output.addStep("", "d");
  EXPECT_EQ(output.solutionSteps[1].title, "Step 2    ");
  EXPECT_EQ(output.solutionStepCounter, 2);

  setTranslateFunction([](const std::string& key, const std::string&) {
    return key == "Step" ? "Schritt" : key == "Insert" ? "Einsetzen" : "";
  });
  output.addStep("Insert", "e");
  setTranslateFunction({});
  EXPECT_EQ(output.solutionSteps[2].title, "Schritt 3    Einsetzen");
  output.reset();
}

TEST(StringOutput, DigitsAsFractionsOfConstants) {
  const auto pi = piConstant();
  EXPECT_EQ(latex(digit(1, 4, {pi})), "\\frac{\\pi}{4}");
  EXPECT_EQ(latex(digit(-1, 4, {pi})), "-\\frac{\\pi}{4}");
  EXPECT_EQ(latex(digit(5, 18, {pi})), "\\frac{5\\pi}{18}");
  EXPECT_EQ(latex(digit(1234.5, 1)), "1234.5");
  EXPECT_EQ(latex(digit(1, 3)), "\\frac{1}{3}");
  EXPECT_EQ(latex(digit(1, 1, {pi})), "\\pi");
  EXPECT_EQ(latex(digit(-1, 1, {pi})), "-\\pi");
  EXPECT_EQ(latex(digit(2, 1, {pi})), "2\\pi");
  EXPECT_EQ(latex(digit(1, 2, {}, {pi})), "\\frac{1}{2\\pi}");
  EXPECT_EQ(latex(digit(3, 1, {}, {pi})), "\\frac{3}{\\pi}");
  EXPECT_EQ(latex(digit(2, 1, {eConstant()})), "2e");
  EXPECT_EQ(latex(digit(1, -2)), "-\\frac{1}{2}");
}

TEST(StringOutput, NumberTextsOfDigits) {
  EXPECT_EQ(latex(digit(12345.678, 1)), "12345.678") << "no grouping comma";
  EXPECT_EQ(latex(digit(1.0 / 3.0, 1)), "0.3333333333");
  EXPECT_EQ(latex(digit(1e13, 1)), "\\infty");
  EXPECT_EQ(latex(digit(-1e13, 1)), "-\\infty");
  EXPECT_EQ(latex(digit(5e-11, 1)), "0");
  EXPECT_EQ(latex(digit(1, 0.8571428571428571)), "\\frac{1}{0.857143}")
      << "the denominator passes through its six-digit text";
  // Denominators whose six-digit text is in exponent form keep their own digits.
  EXPECT_EQ(latex(digit(1, 1234567)), "\\frac{1}{1234567}");
  EXPECT_EQ(latex(digit(1, 2000000, {piConstant()})), "\\frac{\\pi}{2000000}");
}

TEST(StringOutput, InfinitePartsAreWrittenAsTeX) {
  const double inf = std::numeric_limits<double>::infinity();
  const auto& output = TiroStringOutput::shared();
  EXPECT_EQ(output.latexString(digit(1, inf), {}, false, false, true), "\\frac{1}{\\infty}");
}

TEST(StringOutput, RawKeepsSignsAndZeros) {
  const auto& output = TiroStringOutput::shared();
  EXPECT_EQ(output.latexString(digit(1, -2), {}, false, false, true), "\\frac{1}{-2}");
  EXPECT_EQ(output.latexString(digit(-0.0, 1), {}, false, false, true), "-0");
  EXPECT_EQ(output.latexString(digit(1e-12, 1), {}, false, false, true), "0");
  EXPECT_EQ(output.latexString(digit(-0.0, 1), {}, false, false, false), "0");
}

TEST(StringOutput, ParenthesesUnitsForcedFractionsAndVariables) {
  const auto& output = TiroStringOutput::shared();
  EXPECT_EQ(output.latexString(digit(-1, 4, {piConstant()}), {}, std::nullopt),
            "\\left(-\\frac{\\pi}{4}\\right)");
  EXPECT_EQ(output.latexString(digit(1, 4), {}, std::nullopt), "\\frac{1}{4}");
  EXPECT_EQ(output.latexString(digit(3, 1), {}, true), "\\left(3\\right)");
  EXPECT_EQ(output.latexString(digit(3, 1), "m"), "3 m");
  EXPECT_EQ(output.latexString(digit(3, 1), {}, false, true), "\\frac{3}{1}");

  Digit x(1, 1);
  x.zVariable = "x";
  x.powerOfZVariable = 1;
  EXPECT_EQ(latex(x), "x");
  x.z = 2;
  EXPECT_EQ(latex(x), "2 x");
  x.powerOfZVariable = 2;
  EXPECT_EQ(latex(x), "2 x^{2}");
  Digit overX(1, 1);
  overX.nVariable = "x";
  overX.powerOfNVariable = 1;
  EXPECT_EQ(latex(overX), "\\frac{1}{x}");
}

TEST(StringOutput, PlainNumbersOfTheSideTexts) {
  const auto& output = TiroStringOutput::shared();
  EXPECT_EQ(output.plainNumberLatex(25, {}), "25");
  EXPECT_EQ(output.plainNumberLatex(-25, {}), "(-25)");
  EXPECT_EQ(output.plainNumberLatex(1, {piConstant()}), "\\pi");
  EXPECT_EQ(output.plainNumberLatex(-1, {piConstant()}), "(-\\pi)");
  EXPECT_EQ(output.plainNumberLatex(-2, {piConstant()}), "(-2\\pi)");
  EXPECT_EQ(output.plainNumberLatex(2e12, {}), "\\infty");
  EXPECT_EQ(output.plainNumberLatex(1e-11, {}), "0");
}

}  // namespace
}  // namespace uc
