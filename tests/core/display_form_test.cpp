#include "core/solver/display_form.h"

#include <gtest/gtest.h>

namespace uc {
namespace {

void expectDisplayForm(const char* latex, const char* expected) {
  EXPECT_EQ(displayForm(latex), expected) << latex;
}

TEST(DisplayForm, WholeNumbersLoseTheirPointZero) {
  expectDisplayForm("b = \\color{#009900}{ 45.0^{\\circ} } \\cdot \\frac{2\\pi}{360^{\\circ}}",
                    "b = \\;\\color{#009900}{ 45^{\\circ} } \\cdot \\frac{2\\pi}{360^{\\circ}}");
  expectDisplayForm("\\tan(\\alpha) = 1.0", "\\tan\\left(\\alpha\\right) = 1");
  expectDisplayForm("\\sin(\\alpha) = -0.0", "\\sin\\left(\\alpha\\right) = -0");
  // A ".0" followed by a digit is part of the number.
  expectDisplayForm("b = 0.017453292519943295\\frac{1}{^{\\circ}}",
                    "b = 0.017453292519943295\\frac{1}{^{\\circ}}");
  expectDisplayForm("x = 10.05", "x = 10.05");
  expectDisplayForm("a = 2.0\\quad b", "a = 2\\quad  b");
}

TEST(DisplayForm, BracketsStretchOnceAndSpacingSettles) {
  expectDisplayForm("\\sin(\\alpha) = \\sin(45.0^{\\circ})",
                    "\\sin\\left(\\alpha\\right) = \\sin\\left(45^{\\circ}\\right)");
  expectDisplayForm("\\left(-\\frac{\\pi}{4}\\right)", "\\left(-\\frac{\\pi}{4}\\right)");
  expectDisplayForm("\\alpha = 45^{\\circ} \\quad b =  ? ", "\\alpha = 45^{\\circ} \\quad  b = ? ");
  expectDisplayForm("a.  b", "a b");
}

TEST(DisplayForm, SignPairsProductsAndLeadingPlus) {
  expectDisplayForm("a +- b", "a - b");
  expectDisplayForm("a - + b", "a - b");
  expectDisplayForm("a -- b", "a + b");
  expectDisplayForm("a - - b", "a + b");
  expectDisplayForm("a +++ b", "a + b");
  expectDisplayForm("2*3", "2\\cdot 3");
  expectDisplayForm("x = +5", "x =5");
  expectDisplayForm("a 1x + 0x", "ax +");
}

TEST(DisplayForm, RomanNumeralsAtTheStartKeepPlainBrackets) {
  expectDisplayForm("IV) a (IV)", "IV) a \\left(IV)");
  expectDisplayForm("a (IV)", "a \\left(IV\\right)");
  expectDisplayForm("Q = IV", "Q = IV");
}

}  // namespace
}  // namespace uc
