#include "ui/math/spoken_text.h"

#include <gtest/gtest.h>

#include "ui/math/parser.h"

namespace uc::math {
namespace {

std::string speak(std::string_view latex) { return spokenText(parse(latex).list); }

TEST(SpokenText, ReadsStepFormulasAsWords) {
  EXPECT_EQ(speak("b = \\frac{\\pi}{4}"), "b equals pi over 4");
  EXPECT_EQ(speak("\\sin\\left(\\alpha\\right) = 0.707106781187"),
            "sine of alpha equals 0.707106781187");
  EXPECT_EQ(speak("\\alpha = 45^{\\circ} \\quad b = ?"),
            "alpha equals 45 degrees, b equals question mark");
  EXPECT_EQ(speak("b = 45^{\\circ} \\cdot \\;\\color{#009900}{ 0.0174\\frac{1}{^{\\circ}} }"),
            "b equals 45 degrees times 0.0174 1 over degrees");
  EXPECT_EQ(speak("\\tan(\\alpha) = -\\infty"), "tangent of alpha equals minus infinity");
  EXPECT_EQ(speak("\\frac{\\sqrt{6}-\\sqrt{2}}{4}"),
            "the square root of 6, minus the square root of 2, over 4");
  EXPECT_EQ(speak("b = \\frac{5\\pi}{4} \\approx 3.927"),
            "b equals 5 pi over 4 is approximately 3.927");
  EXPECT_EQ(speak("\\sum = 0 \\quad Q = III \\quad x^{2}"),
            "sum equals 0, Q equals III, x to the power of 2");
}

}  // namespace
}  // namespace uc::math
