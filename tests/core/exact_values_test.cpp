#include "core/solver/exact_values.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <string_view>

#include "core/number/number_text.h"
#include "core/solver/pi_fraction_hint.h"
#include "core/solver/tiro_unit_circle.h"

namespace uc {
namespace {

constexpr double kPi = 3.14159265358979323846;

// Evaluates the LaTeX the exact values are written in (integers, + and -, \frac, \sqrt and
// a number before a root), so that every printed form is checked against the C library's
// sine rather than against the table it came from.
class LatexNumber {
 public:
  explicit LatexNumber(std::string_view text) : text_(text) {}

  double value() {
    const double result = sum();
    if (pos_ != text_.size()) ADD_FAILURE() << "unread: " << text_.substr(pos_);
    return result;
  }

 private:
  bool take(std::string_view token) {
    if (text_.substr(pos_, token.size()) != token) return false;
    pos_ += token.size();
    return true;
  }

  double sum() {
    double result = signedTerm();
    while (pos_ < text_.size() && (text_[pos_] == '+' || text_[pos_] == '-')) {
      result += signedTerm();
    }
    return result;
  }

  double signedTerm() {
    if (take("-")) return -product();
    take("+");
    return product();
  }

  double product() {
    double result = 1;
    bool any = false;
    while (pos_ < text_.size()) {
      if (std::isdigit(static_cast<unsigned char>(text_[pos_]))) {
        double number = 0;
        while (pos_ < text_.size() && std::isdigit(static_cast<unsigned char>(text_[pos_]))) {
          number = number * 10 + (text_[pos_++] - '0');
        }
        result *= number;
      } else if (take("\\sqrt{")) {
        result *= std::sqrt(group());
      } else if (take("\\frac{")) {
        const double numerator = group();
        if (!take("{")) ADD_FAILURE() << "no denominator in " << text_;
        result *= numerator / group();
      } else {
        break;
      }
      any = true;
    }
    if (!any) ADD_FAILURE() << "no number at " << pos_ << " in " << text_;
    return result;
  }

  double group() {
    const double result = sum();
    if (!take("}")) ADD_FAILURE() << "unclosed group in " << text_;
    return result;
  }

  std::string_view text_;
  std::size_t pos_ = 0;
};

double evaluate(const std::string& latex) { return LatexNumber(latex).value(); }

TEST(ExactValues, EveryMultipleOf15And18DegreesHasItsRadicalForm) {
  int checked = 0;
  for (int alpha = -720; alpha <= 720; ++alpha) {
    if (alpha % 15 != 0 && alpha % 18 != 0) continue;
    SCOPED_TRACE("alpha = " + std::to_string(alpha));
    const auto values = exactValuesFor(alpha);
    ASSERT_TRUE(values);
    const double radians = alpha * kPi / 180;
    ASSERT_TRUE(values->sin.latex && values->cos.latex);
    EXPECT_NEAR(evaluate(*values->sin.latex), std::sin(radians), 1e-12);
    EXPECT_NEAR(evaluate(*values->cos.latex), std::cos(radians), 1e-12);
    EXPECT_NEAR(*values->sin.decimal, std::sin(radians), 1e-12);
    EXPECT_NEAR(*values->cos.decimal, std::cos(radians), 1e-12);
    if ((alpha - 90) % 180 == 0) {
      EXPECT_TRUE(values->tan.undefined());
      EXPECT_FALSE(values->tan.latex);
    } else {
      ASSERT_TRUE(values->tan.latex);
      EXPECT_NEAR(evaluate(*values->tan.latex), std::tan(radians), 1e-9);
      EXPECT_NEAR(*values->tan.decimal, std::tan(radians), 1e-9);
    }
    // The reference angle is the acute angle to the x axis.
    const double reference = std::asin(std::fabs(std::sin(radians))) * 180 / kPi;
    EXPECT_NEAR(values->referenceAngleDegrees, reference, 1e-6);
    ++checked;
  }
  EXPECT_EQ(checked, 97 + 81 - 17);  // multiples of 15, of 18, less those of 90
}

TEST(ExactValues, TextbookFormsAndSigns) {
  struct Case {
    double alpha;
    const char* sin;
    const char* cos;
    const char* tan;  // nullptr: undefined
  };
  for (const Case& c : {
           Case{135, "\\frac{\\sqrt{2}}{2}", "-\\frac{\\sqrt{2}}{2}", "-1"},
           Case{210, "-\\frac{1}{2}", "-\\frac{\\sqrt{3}}{2}", "\\frac{\\sqrt{3}}{3}"},
           Case{-30, "-\\frac{1}{2}", "\\frac{\\sqrt{3}}{2}", "-\\frac{\\sqrt{3}}{3}"},
           Case{105, "\\frac{\\sqrt{6}+\\sqrt{2}}{4}", "-\\frac{\\sqrt{6}-\\sqrt{2}}{4}",
                "-2-\\sqrt{3}"},
           Case{165, "\\frac{\\sqrt{6}-\\sqrt{2}}{4}", "-\\frac{\\sqrt{6}+\\sqrt{2}}{4}",
                "\\sqrt{3}-2"},
           Case{252, "-\\frac{\\sqrt{10+2\\sqrt{5}}}{4}", "-\\frac{\\sqrt{5}-1}{4}",
                "\\sqrt{5+2\\sqrt{5}}"},
           Case{270, "-1", "0", nullptr},
           Case{-90, "-1", "0", nullptr},
           Case{540, "0", "-1", "0"},
       }) {
    SCOPED_TRACE(c.alpha);
    const auto values = exactValuesFor(c.alpha);
    ASSERT_TRUE(values);
    EXPECT_EQ(values->sin.latex, c.sin);
    EXPECT_EQ(values->cos.latex, c.cos);
    if (c.tan) {
      EXPECT_EQ(values->tan.latex, c.tan);
    } else {
      EXPECT_TRUE(values->tan.undefined());
    }
  }
  // An axis value is exactly zero, not a rounding residue.
  EXPECT_EQ(*exactValuesFor(180)->sin.decimal, 0.0);
  EXPECT_EQ(exactValuesFor(135)->quadrant, Quadrant::second);
  EXPECT_EQ(exactValuesFor(-45)->quadrant, Quadrant::fourth);
}

TEST(ExactValues, AnglesFromArcLengthsAndOtherAnglesGetDecimalsOnly) {
  // 3π/4 typed as b comes back as 135 plus a rounding residue: still exact.
  const auto fromArc = exactValuesFor(3 * kPi / 4 * 180 / kPi);
  ASSERT_TRUE(fromArc && fromArc->sin.latex);
  EXPECT_EQ(*fromArc->sin.latex, "\\frac{\\sqrt{2}}{2}");

  // 2.35619449019 typed as b is close to 3π/4, but not it: the hint offers that instead.
  for (double alpha : {1.0, 57.29577951308232, 10.5, 135.000001, 2.35619449019 * 180 / kPi}) {
    SCOPED_TRACE(alpha);
    const auto values = exactValuesFor(alpha);
    ASSERT_TRUE(values);
    EXPECT_FALSE(values->sin.latex || values->cos.latex || values->tan.latex);
    EXPECT_NEAR(*values->sin.decimal, std::sin(alpha * kPi / 180), 1e-12);
    EXPECT_NEAR(*values->tan.decimal, std::tan(alpha * kPi / 180), 1e-9);
  }
  EXPECT_NEAR(exactValuesFor(200.5)->referenceAngleDegrees, 20.5, 1e-9);
  EXPECT_FALSE(exactValuesFor(std::nan("")));
  EXPECT_FALSE(exactValuesFor(INFINITY));
  EXPECT_TRUE(exactValuesFor(1e300));  // decimals still, no exact forms
  EXPECT_FALSE(exactValuesFor(1e300)->sin.latex);
}

// glibc's sin, cos and tan and the WebAssembly build's differ in the last bit: the decimals they
// give are cut to twelve digits, which both builds print alike.
TEST(ExactValues, ComputedDecimalsKeepTwelveDigits) {
  const auto values = exactValuesFor(55);
  ASSERT_TRUE(values);
  EXPECT_EQ(*values->sin.decimal, 0.819152044289);
  EXPECT_EQ(*values->cos.decimal, 0.573576436351);
  EXPECT_EQ(*values->tan.decimal, 1.42814800674);
  EXPECT_EQ(*exactValuesFor(-0.001)->sin.decimal, -1.7453292519e-05);
  for (double alpha = -1000.25; alpha < 1000; alpha += 7.125) {
    const auto each = exactValuesFor(alpha);
    for (const ExactValue* value : {&each->sin, &each->cos, &each->tan}) {
      EXPECT_EQ(*value->decimal, roundToSignificantDigits(*value->decimal, 12)) << alpha;
    }
  }
  // The radical forms' decimals come from square roots, which are exact everywhere.
  EXPECT_EQ(*exactValuesFor(45)->sin.decimal, std::sqrt(2.0) / 2);
}

// A constant typed in either field enters with its value: 2π degrees is no special angle.
TEST(ExactValues, TypedConstantsGiveNoExactForms) {
  const std::pair<const char*, const char*> typed[] = {
      {"2π", ""}, {"e", ""}, {"", "e"}, {"", "π/e"}, {"", "3/e"}};
  for (const auto& [alpha, b] : typed) {
    SCOPED_TRACE(std::string(alpha) + " | " + b);
    const SolveResult result = calculate(alpha, b);
    ASSERT_FALSE(result.errorKey);
    const auto& circle = dynamic_cast<const UnitCircleChartData&>(*(*result.chartSteps)[0][0]);
    const auto values = exactValuesFor(*circle.alpha);
    ASSERT_TRUE(values);
    EXPECT_FALSE(values->bLatex || values->sin.latex || values->cos.latex || values->tan.latex);
    EXPECT_NEAR(*values->sin.decimal, std::sin(*circle.b), 1e-12);
  }
}

TEST(ExactValues, ArcAsAMultipleOfPi) {
  EXPECT_EQ(piMultipleLatex(135), "\\frac{3\\pi}{4}");
  EXPECT_EQ(piMultipleLatex(180), "\\pi");
  EXPECT_EQ(piMultipleLatex(-180), "-\\pi");
  EXPECT_EQ(piMultipleLatex(720), "4\\pi");
  EXPECT_EQ(piMultipleLatex(0), "0");
  EXPECT_EQ(piMultipleLatex(-30), "-\\frac{\\pi}{6}");
  EXPECT_EQ(piMultipleLatex(100), "\\frac{5\\pi}{9}");
  EXPECT_EQ(piMultipleLatex(12.5), "\\frac{5\\pi}{72}");
  EXPECT_EQ(piMultipleLatex(0.1), "\\frac{\\pi}{1800}");
  EXPECT_FALSE(piMultipleLatex(57.29577951308232));  // b = 1
  EXPECT_FALSE(piMultipleLatex(0.01));               // π/18000: too fine to be meant
  EXPECT_FALSE(piMultipleLatex(std::nan("")));
}

TEST(PiFractionHint, EveryFractionUpToTwelfthsIsFoundFromItsDecimals) {
  int found = 0;
  for (long long q = 1; q <= 12; ++q) {
    for (long long p = -3 * q; p <= 3 * q; ++p) {
      if (p == 0) continue;
      const double b = double(p) * kPi / double(q);
      char typed[32];
      std::snprintf(typed, sizeof typed, "%.12f", b);  // what a learner copies from a calculator
      const auto hint = piFractionHint(typed, std::strtod(typed, nullptr));
      ASSERT_TRUE(hint) << typed;
      // The hint reads back to the same fraction, reduced.
      const std::string text = *hint;
      const std::size_t pi = text.find("π");
      ASSERT_NE(pi, std::string::npos);
      const std::string before = text.substr(0, pi);
      const double numerator = before.empty()  ? 1
                               : before == "-" ? -1
                                               : std::strtod(before.c_str(), nullptr);
      const std::string after = text.substr(pi + std::string("π").size());
      const double denominator = after.empty() ? 1 : std::strtod(after.c_str() + 1, nullptr);
      EXPECT_NEAR(numerator / denominator, double(p) / double(q), 1e-12) << text;
      ++found;
    }
  }
  EXPECT_GT(found, 400);
  EXPECT_EQ(piFractionHint("2.35619449019", 2.35619449019), "3π/4");
  EXPECT_EQ(piFractionHint("-1.5707963268", -1.5707963268), "-π/2");
  EXPECT_EQ(piFractionHint("6.28318530718", 6.28318530718), "2π");
  EXPECT_EQ(piFractionHint("3.14159265359", 3.14159265359), "π");
}

TEST(PiFractionHint, NothingWhenAConstantWasTypedOrTheValueIsNotNearAFraction) {
  EXPECT_FALSE(piFractionHint("3π/4", 3 * kPi / 4));
  // 5e-13 from 3π/4, but e was typed on purpose.
  EXPECT_FALSE(piFractionHint("0.866795512343e", 0.866795512343 * 2.718281828459045));
  EXPECT_FALSE(piFractionHint("", kPi));  // b was worked out, not typed
  EXPECT_FALSE(piFractionHint("1", 1));
  EXPECT_FALSE(piFractionHint("0", 0));
  EXPECT_FALSE(piFractionHint("3.14", 3.14));                  // 1.6e-3 off: a rounding, not a slip
  EXPECT_FALSE(piFractionHint("0.2243994753", 0.2243994753));  // π/14: thirteenths and up are out
  EXPECT_FALSE(piFractionHint("1e300", 1e300));
}

}  // namespace
}  // namespace uc
