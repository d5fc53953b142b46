#include "ui/math/typesetter.h"

#include <gtest/gtest.h>

#include <chrono>
#include <cmath>
#include <string>

#include "ui/math/display_list.h"
#include "ui/math/parser.h"

namespace uc::math {
namespace {

class Typesetter : public ::testing::Test {
 protected:
  static void SetUpTestSuite() {
    font_ = MathFont::fromFile(UC_MATH_FONT_PATH);
    ASSERT_NE(font_, nullptr);
  }
  static std::shared_ptr<const MathFont> font_;

  const MathConstants& k() const { return font_->constants(); }
  DisplayList layout(std::string_view latex, MathStyle style = MathStyle::Display) const {
    return layoutFormula(latex, *font_, style);
  }
  GlyphId glyph(char32_t cp) const { return font_->glyph(cp); }
  // The n-th glyph drawn for a character, matched by its nominal or script glyph.
  const DisplayGlyph& find(const DisplayList& d, char32_t cp, int nth = 0) const {
    GlyphId g = glyph(cp);
    for (const DisplayGlyph& dg : d.glyphs) {
      if (dg.glyph == g || dg.glyph == font_->scriptGlyph(g, cp, 1) ||
          dg.glyph == font_->scriptGlyph(g, cp, 2)) {
        if (nth-- == 0) return dg;
      }
    }
    ADD_FAILURE() << "glyph for U+" << std::hex << static_cast<unsigned>(cp) << " not drawn";
    static DisplayGlyph none{};
    return none;
  }
  float top(const DisplayGlyph& g) const { return g.y - font_->metrics(g.glyph).height * g.scale; }
  float bottom(const DisplayGlyph& g) const {
    return g.y + font_->metrics(g.glyph).depth * g.scale;
  }
  float advance(char32_t cp) const { return font_->metrics(glyph(cp)).advance; }
  float italic(char32_t cp) const { return font_->metrics(glyph(cp)).italic; }
};
std::shared_ptr<const MathFont> Typesetter::font_;

constexpr float kMu = 1000.0f / 18;

TEST_F(Typesetter, ARootSignCoversItsRadicandUnderTheBar) {
  const DisplayList d = layout("\\sqrt{2}");
  ASSERT_EQ(d.rects.size(), 1u);
  const DisplayRect& bar = d.rects[0];
  const DisplayGlyph& two = find(d, U'2');
  ASSERT_FALSE(d.glyphs.empty());
  const DisplayGlyph& sign = d.glyphs.front();
  EXPECT_NE(sign.glyph, glyph(U'2'));
  // The bar: over the whole radicand, at least the display gap above it, as thick as the font
  // says, and it starts where the sign ends, at the sign's top.
  EXPECT_GE(top(two) - (bar.y + bar.height), k().radical_display_vertical_gap - 0.5f);
  EXPECT_NEAR(bar.height, k().radical_rule_thickness, 0.5f);
  EXPECT_LE(bar.x, two.x);
  EXPECT_GE(bar.x + bar.width, two.x + advance(U'2') - 0.5f);
  EXPECT_NEAR(top(sign), bar.y, 1.0f);
  EXPECT_GE(bottom(sign), bottom(two));
  EXPECT_GE(d.height, -bar.y + k().radical_extra_ascender - 0.5f);
}

TEST_F(Typesetter, ARootOverNegativeSpaceHasABarOfNoWidth) {
  for (const char* latex : {"\\sqrt\\!", "\\sqrt{\\!\\!}", "\\sqrt{}"}) {
    const DisplayList d = layout(latex);
    ASSERT_EQ(d.rects.size(), 1u) << latex;
    EXPECT_GE(d.rects[0].width, 0) << latex;
  }
}

TEST_F(Typesetter, AnOuterRootGrowsOverAnInnerOne) {
  const DisplayList d = layout("\\sqrt{10+2\\sqrt{5}}");
  ASSERT_EQ(d.rects.size(), 2u);
  const DisplayRect& outer = d.rects[0].y < d.rects[1].y ? d.rects[0] : d.rects[1];
  const DisplayRect& inner = d.rects[0].y < d.rects[1].y ? d.rects[1] : d.rects[0];
  EXPECT_LT(outer.y + outer.height, inner.y);  // the outer bar lies above the inner one
  EXPECT_LT(outer.x, inner.x);
  EXPECT_GE(outer.x + outer.width, inner.x + inner.width - 0.5f);
}

TEST_F(Typesetter, FontProvidesTheConstantsWeRelyOn) {
  EXPECT_EQ(font_->unitsPerEm(), 1000);
  EXPECT_GT(k().axis_height, 0);
  EXPECT_GT(k().default_rule_thickness, 0);
  EXPECT_GT(k().num1, k().num2);
  EXPECT_FLOAT_EQ(k().script_scale, 0.7f);
  EXPECT_EQ(MathFont::fromFile("/nonexistent.otf"), nullptr);
  EXPECT_EQ(MathFont::fromData(std::vector<char>(64, 'x')), nullptr);
}

TEST_F(Typesetter, DisplayFractionSitsOnTheAxis) {
  DisplayList d = layout("\\frac{1}{2}");
  ASSERT_EQ(d.rects.size(), 1u);
  const DisplayRect& bar = d.rects[0];
  const float axis = -k().axis_height;
  EXPECT_NEAR(bar.y + bar.height / 2, axis, 0.01);
  EXPECT_NEAR(bar.height, k().default_rule_thickness, 0.01);
  const DisplayGlyph& num = find(d, '1');
  const DisplayGlyph& den = find(d, '2');
  // Text-style parts of a display fraction: full size, shifted at least num1/denom1.
  EXPECT_EQ(num.scale, 1.0f);
  EXPECT_LE(num.y, -k().num1);
  EXPECT_GE(den.y, k().denom1);
  EXPECT_GE(bar.y - bottom(num), k().num_gap1 - 0.01);
  EXPECT_GE(top(den) - (bar.y + bar.height), k().denom_gap1 - 0.01);
  // Null delimiter space on both sides, parts centred over the bar.
  EXPECT_NEAR(bar.x, 120, 0.01);
  EXPECT_NEAR(d.width, bar.width + 240, 0.01);
  EXPECT_NEAR(num.x, bar.x + (bar.width - advance('1')) / 2, 0.01);
}

TEST_F(Typesetter, TextStyleFractionUsesScriptSizeAndSmallerShifts) {
  DisplayList d = layout("\\frac{1}{2}", MathStyle::Text);
  const DisplayGlyph& num = find(d, '1');
  EXPECT_FLOAT_EQ(num.scale, k().script_scale);
  EXPECT_NE(num.glyph, glyph('1'));  // the ssty optical size
  EXPECT_GT(num.y, -k().num1);
  // A fraction inside a display numerator is in text style, so its parts are script size.
  DisplayList nested = layout("\\frac{\\frac{1}{2}}{3}");
  EXPECT_FLOAT_EQ(find(nested, '1').scale, k().script_scale);
  EXPECT_FLOAT_EQ(find(nested, '3').scale, 1.0f);
}

TEST_F(Typesetter, SuperscriptIsRaisedByTheFontShift) {
  DisplayList d = layout("x^{2}");
  const DisplayGlyph& x = find(d, U'\U0001D465');
  const DisplayGlyph& two = find(d, '2');
  EXPECT_FLOAT_EQ(two.scale, k().script_scale);
  EXPECT_EQ(two.glyph, font_->scriptGlyph(glyph('2'), '2', 1));
  EXPECT_NEAR(x.y - two.y, k().sup1, 0.01);
  EXPECT_NEAR(two.x, advance(U'\U0001D465') + italic(U'\U0001D465'), 0.01);
  EXPECT_NEAR(d.width, two.x + font_->metrics(two.glyph).advance * two.scale + k().script_space * 1,
              0.01);

  // Cramped in a denominator, and a degree sign on an empty base still goes up.
  DisplayList den = layout("\\frac{1}{x^{2}}");
  EXPECT_NEAR(find(den, U'\U0001D465').y - find(den, '2').y, k().sup3, 0.01);
  DisplayList degree = layout("\\frac{1}{^{\\circ}}");
  EXPECT_LT(find(degree, U'∘').y, find(degree, '1').y + 2 * k().denom1);
  EXPECT_GT(find(degree, U'∘').y, 0);
}

TEST_F(Typesetter, SubscriptAndSuperscriptKeepTheirGap) {
  DisplayList d = layout("x_{i}^{2}");
  const DisplayGlyph& sup = find(d, '2');
  const DisplayGlyph& sub = find(d, U'\U0001D456');
  EXPECT_GE(top(sub) - bottom(sup), k().sub_sup_gap_min * 0.7f - 0.01);  // script-size gap
  EXPECT_NEAR(sub.x, advance(U'\U0001D465'), 0.01);  // italic correction only on the superscript
  EXPECT_NEAR(sup.x, advance(U'\U0001D465') + italic(U'\U0001D465'), 0.01);
}

TEST_F(Typesetter, InterAtomSpacingFollowsTeX) {
  auto gapAfter = [&](const DisplayList& d, char32_t a, char32_t b) {
    return find(d, b).x - (find(d, a).x + advance(a) + italic(a));
  };
  DisplayList bin = layout("a+b");
  EXPECT_NEAR(gapAfter(bin, U'\U0001D44E', '+'), 4 * kMu, 0.01);
  DisplayList rel = layout("a=b");
  EXPECT_NEAR(gapAfter(rel, U'\U0001D44E', '='), 5 * kMu, 0.01);
  // A leading minus and one after a relation are unary: no space.
  DisplayList unary = layout("=-b");
  EXPECT_NEAR(gapAfter(unary, U'\u2212', U'\U0001D44F'), 0, 0.01);
  // Colour does not change spacing.
  DisplayList coloured = layout("a\\color{#ff3333}{=}b");
  EXPECT_NEAR(find(coloured, U'\U0001D44F').x, find(rel, U'\U0001D44F').x, 0.01);
  // Operator names get a thin space before an ordinary atom, none before an opening paren.
  DisplayList op = layout("\\sin x");
  EXPECT_NEAR(find(op, U'\U0001D465').x - find(op, 'n').x - advance('n'), 3 * kMu, 0.01);
  DisplayList paren = layout("\\sin(x)");
  EXPECT_NEAR(find(paren, '(').x - find(paren, 'n').x - advance('n'), 0, 0.01);
  // No relation spacing in scripts.
  DisplayList script = layout("x^{a=b}");
  const DisplayGlyph& a = find(script, U'\U0001D44E');
  const GlyphMetrics& am = font_->metrics(a.glyph);
  EXPECT_NEAR(find(script, '=').x - a.x, (am.advance + am.italic) * a.scale, 0.01);
  // \quad is one em, and \; five math units.
  DisplayList quad = layout("a\\quad b\\;c");
  EXPECT_NEAR(gapAfter(quad, U'\U0001D44E', U'\U0001D44F'), 1000, 0.01);
  EXPECT_NEAR(gapAfter(quad, U'\U0001D44F', U'\U0001D450'), 5 * kMu, 0.01);
}

TEST_F(Typesetter, DelimitersCoverTheirContent) {
  auto extent = [&](const DisplayList& d) {
    float lo = 1e9f, hi = -1e9f;
    for (const DisplayGlyph& g : d.glyphs) {
      lo = std::min(lo, top(g));
      hi = std::max(hi, bottom(g));
    }
    return std::pair{lo, hi};
  };
  DisplayList small = layout("\\left(x\\right)");
  EXPECT_EQ(small.glyphs.front().glyph, glyph('('));

  DisplayList inner = layout("\\frac{\\frac{1}{2}}{\\frac{3}{4}}");
  DisplayList wrapped = layout("\\left(\\frac{\\frac{1}{2}}{\\frac{3}{4}}\\right)");
  const DisplayGlyph& open = wrapped.glyphs.front();
  EXPECT_NE(open.glyph, glyph('('));  // a larger variant
  auto [innerTop, innerBottom] = extent(inner);
  const float axis = -k().axis_height;
  const float half = std::max(axis - innerTop, innerBottom - axis);
  EXPECT_GE(bottom(open) - top(open), 2 * half * 0.901f);
  EXPECT_NEAR((top(open) + bottom(open)) / 2, axis, 1.0);

  // Taller than the largest variant: an assembly of several glyphs.
  std::string tall = "\\left(";
  for (int i = 0; i < 6; ++i) tall += "\\dfrac{1}{";
  tall += "x" + std::string(6, '}') + "\\right)";
  DisplayList assembled = layout(tall);
  auto [contentTop, contentBottom] = extent(layout(tall.substr(6, tall.size() - 13)));
  float parenTop = 1e9f, parenBottom = -1e9f;
  int parts = 0;
  for (const DisplayGlyph& g : assembled.glyphs) {
    if (g.x > 1) break;  // the left delimiter's glyphs come first, at x = 0
    ++parts;
    parenTop = std::min(parenTop, top(g));
    parenBottom = std::max(parenBottom, bottom(g));
  }
  EXPECT_GE(parts, 3);
  EXPECT_GE(parenBottom - parenTop, (contentBottom - contentTop) * 0.9f);
}

TEST_F(Typesetter, DisplayStyleTakesTheLargeOperator) {
  DisplayList display = layout("\\sum");
  DisplayList text = layout("\\sum", MathStyle::Text);
  EXPECT_EQ(text.glyphs[0].glyph, glyph(U'∑'));
  EXPECT_NE(display.glyphs[0].glyph, text.glyphs[0].glyph);
  EXPECT_GE(bottom(display.glyphs[0]) - top(display.glyphs[0]), k().display_operator_min_height);
  EXPECT_NEAR((top(display.glyphs[0]) + bottom(display.glyphs[0])) / 2, -k().axis_height, 1.0);
}

TEST_F(Typesetter, ColourSpansReachEveryGlyphAndRule) {
  DisplayList d = layout("a\\color{#ff3333}{b \\frac{1}{2}}c");
  EXPECT_EQ(find(d, U'\U0001D44E').color, kInheritColor);
  EXPECT_EQ(find(d, U'\U0001D44F').color, 0xffff3333u);
  EXPECT_EQ(find(d, '1').color, 0xffff3333u);
  EXPECT_EQ(d.rects.at(0).color, 0xffff3333u);
  EXPECT_EQ(find(d, U'\U0001D450').color, kInheritColor);
  // Inner colours win.
  DisplayList nested = layout("\\color{#009900}{a\\color{#ff3333}{b}}");
  EXPECT_EQ(find(nested, U'\U0001D44E').color, 0xff009900u);
  EXPECT_EQ(find(nested, U'\U0001D44F').color, 0xffff3333u);
}

TEST_F(Typesetter, UnknownInputIsDrawnInRed) {
  DisplayList d = layout("x \\foo");
  EXPECT_EQ(find(d, U'\U0001D465').color, kInheritColor);
  EXPECT_EQ(find(d, 'f').color, kErrorColor);
  EXPECT_EQ(find(d, '\\').color, kErrorColor);
  // A character the font lacks shows as a red block.
  DisplayList missing = layout("\U0001F600");
  ASSERT_EQ(missing.rects.size(), 1u);
  EXPECT_EQ(missing.rects[0].color, kErrorColor);
}

TEST_F(Typesetter, HostileInputGivesFiniteLayout) {
  for (std::string_view s :
       {"", "{}", "^", "_", "^{}_{}", "\\frac", "\\frac{}{}", "\\left", "\\left.\\right.",
        "\\right)", "}}}{{{", "\\color", "\\color{", "\\color{#12345", "x^1^2_3_4", "\\\\",
        "\\left(\\frac{1}{\\left(x", "\xe2\x82", "\\sum^{\\sum^{\\sum}}"}) {
    DisplayList d = layout(s);
    EXPECT_TRUE(std::isfinite(d.width) && std::isfinite(d.height) && std::isfinite(d.depth)) << s;
    EXPECT_GE(d.width, 0) << s;
  }
}

// Long junk must cost time in proportion to its length, not its square.
TEST_F(Typesetter, LongInputStaysLinear) {
  for (std::string_view unit :
       {"x", "\\color{", "{", "}", "\\left(", "\\frac{1}{", "^{", "\\foo ", "\\right)", "x^1^"}) {
    std::string text;
    for (int i = 0; i < 20000; ++i) text += unit;
    auto start = std::chrono::steady_clock::now();
    DisplayList d = layout(text);
    auto seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    EXPECT_LT(seconds, 5.0) << unit;
    EXPECT_TRUE(std::isfinite(d.width)) << unit;
  }
}

}  // namespace
}  // namespace uc::math
