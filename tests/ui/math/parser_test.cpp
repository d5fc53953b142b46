#include "ui/math/parser.h"

#include <gtest/gtest.h>

#include <string>

namespace uc::math {
namespace {

std::string tree(std::string_view latex) { return describe(parse(latex).list); }

TEST(Parser, FormulasOfTheSolutionSteps) {
  EXPECT_EQ(tree("\\frac{2\\pi}{360^{\\circ}} = \\frac{b}{\\color{#ff3333}{ \\alpha }}\\quad| "
                 "\\cdot\\alpha"),
            "frac[ord(2) ord(𝜋)|ord(3) ord(6) ord(0)^{bin(∘)}] rel(=) "
            "frac[ord(𝑏)|color#ff3333[ord(𝛼)]] space(1) ord(|) bin(⋅) ord(𝛼)");
  EXPECT_EQ(tree("b = \\color{#009900}{ 0.78 }"),
            "ord(𝑏) rel(=) color#009900[ord(0) ord(.) ord(7) ord(8)]");
  EXPECT_EQ(tree("\\sin(\\alpha) = \\sin(45.0^{\\circ})"),
            "op(sin) open(() ord(𝛼) close()) rel(=) op(sin) open(() ord(4) ord(5) ord(.) "
            "ord(0)^{bin(∘)} close())");
  EXPECT_EQ(tree("\\sum = 0"), "op(∑) rel(=) ord(0)");
  EXPECT_EQ(tree("\\gamma = 45^{\\circ}"), "ord(𝛾) rel(=) ord(4) ord(5)^{bin(∘)}");
  EXPECT_EQ(tree("Q = IV"), "ord(𝑄) rel(=) ord(𝐼) ord(𝑉)");
  EXPECT_EQ(tree("\\alpha = 45^{\\circ} \\quad b =  ? "),
            "ord(𝛼) rel(=) ord(4) ord(5)^{bin(∘)} space(1) ord(𝑏) rel(=) close(?)");
  EXPECT_EQ(tree("\\left(-\\frac{\\pi}{4}\\right)"), "left([bin(−) frac[ord(𝜋)|ord(4)]]right)");
  EXPECT_EQ(tree("\\frac{25 : 25}{100 : 25} =  \\frac{1}{4}"),
            "frac[ord(2) ord(5) rel(:) ord(2) ord(5)|ord(1) ord(0) ord(0) rel(:) ord(2) ord(5)] "
            "rel(=) frac[ord(1)|ord(4)]");
  EXPECT_EQ(tree("\\tan(\\alpha) = \\infty"), "op(tan) open(() ord(𝛼) close()) rel(=) ord(∞)");
}

TEST(Parser, SquareRootsNestAndNeedTheirRadicand) {
  EXPECT_EQ(tree("\\frac{\\sqrt{10+2\\sqrt{5}}}{4}"),
            "frac[sqrt[ord(1) ord(0) bin(+) ord(2) sqrt[ord(5)]]|ord(4)]");
  const ParseResult r = parse("\\sqrt");
  ASSERT_EQ(r.errors.size(), 1u);
  EXPECT_EQ(r.errors[0].kind, ParseErrorKind::MissingArgument);
}

TEST(Parser, SuperscriptOnEmptyBaseGetsAnEmptyNucleus) {
  EXPECT_EQ(tree("0.5\\frac{1}{^{\\circ}}"), "ord(0) ord(.) ord(5) frac[ord(1)|{}^{bin(∘)}]");
  EXPECT_EQ(tree("^2"), "{}^{ord(2)}");
}

TEST(Parser, ScriptsTakeOneTokenWithoutBraces) {
  EXPECT_EQ(tree("x^2y"), "ord(𝑥)^{ord(2)} ord(𝑦)");
  EXPECT_EQ(tree("x_i^\\circ"), "ord(𝑥)_{ord(𝑖)}^{bin(∘)}");
}

TEST(Parser, DisplayFormSpacingAndColourCommands) {
  EXPECT_EQ(tree("\\;\\color{#f00}{x}\\,\\!\\ ~"),
            "space(0.277778) color#ff0000[ord(𝑥)] space(0.166667) space(-0.166667) "
            "space(0.333333) space(0.333333)");
  // The declaration form colours the rest of the group.
  EXPECT_EQ(tree("{a\\color{red} b c}d"), "{ord(𝑎) color#ff0000[ord(𝑏) ord(𝑐)]} ord(𝑑)");
}

TEST(Parser, UprightTextIsTakenLiterally) {
  EXPECT_EQ(tree("5\\text{ m/s}^2 \\mathrm{d x} \\operatorname{sgn}(x)"),
            "ord(5) ord( m/s)^{ord(2)} ord(dx) op(sgn) open(() ord(𝑥) close())");
  ParseResult r = parse("\\text{a{b}");
  EXPECT_EQ(r.errors.at(0), (ParseError{ParseErrorKind::MissingCloseBrace, 5}));
  EXPECT_EQ(describe(r.list), "ord(ab)");
}

TEST(Parser, TypedGreekAndLineFeedsAreAccepted) {
  EXPECT_EQ(tree("α = π\n"), "ord(𝛼) rel(=) ord(𝜋)");
  EXPECT_TRUE(parse("α = π\n").errors.empty());
}

TEST(Parser, ErrorsAreReportedWithTheirPositionAndKeptAsRedText) {
  ParseResult r = parse("a \\foo b");
  ASSERT_EQ(r.errors.size(), 1u);
  EXPECT_EQ(r.errors[0], (ParseError{ParseErrorKind::UnknownCommand, 2}));
  EXPECT_EQ(describe(r.list), "ord(𝑎) error(\\foo) ord(𝑏)");

  r = parse("\\frac{1}{2");
  ASSERT_EQ(r.errors.size(), 1u);
  EXPECT_EQ(r.errors[0], (ParseError{ParseErrorKind::MissingCloseBrace, 8}));
  EXPECT_EQ(describe(r.list), "frac[ord(1)|ord(2)]");

  r = parse("a}b");
  EXPECT_EQ(r.errors[0], (ParseError{ParseErrorKind::UnexpectedCloseBrace, 1}));
  EXPECT_EQ(describe(r.list), "ord(𝑎) error(}) ord(𝑏)");

  r = parse("\\color{nocolour}{x}");
  EXPECT_EQ(r.errors[0].kind, ParseErrorKind::InvalidColor);
  EXPECT_EQ(describe(r.list), "error(\\color{nocolour}) {ord(𝑥)}");

  r = parse("x^1^2");
  EXPECT_EQ(r.errors[0], (ParseError{ParseErrorKind::DoubleScript, 3}));

  r = parse("\\left( x");
  EXPECT_EQ(r.errors[0].kind, ParseErrorKind::MissingRight);
  EXPECT_EQ(describe(r.list), "left([ord(𝑥)]right.");

  r = parse("x \\right)");
  EXPECT_EQ(r.errors[0].kind, ParseErrorKind::UnexpectedRight);

  r = parse("x^");
  EXPECT_EQ(r.errors[0].kind, ParseErrorKind::MissingArgument);

  r = parse("\xff\xfe");
  EXPECT_EQ(r.errors[0], (ParseError{ParseErrorKind::InvalidUtf8, 0}));
}

TEST(Parser, DeepNestingStopsAtTheLimitWithoutRecursingFurther) {
  std::string deep(100000, '{');
  deep += 'x';
  deep += std::string(100000, '}');
  ParseResult r = parse(deep);
  ASSERT_FALSE(r.errors.empty());
  EXPECT_EQ(r.errors[0].kind, ParseErrorKind::NestingTooDeep);

  std::string fracs;
  for (int i = 0; i < 5000; ++i) fracs += "\\frac{1}{";
  EXPECT_FALSE(parse(fracs).errors.empty());
  std::string scripts;
  for (int i = 0; i < 5000; ++i) scripts += "x^";
  EXPECT_FALSE(parse(scripts).errors.empty());
  std::string lefts;
  for (int i = 0; i < 5000; ++i) lefts += "\\left(";
  EXPECT_FALSE(parse(lefts).errors.empty());
}

TEST(Parser, KeepsOnlyTheFirstErrors) {
  std::string bad(10000, '}');
  ParseResult r = parse(bad);
  EXPECT_LE(r.errors.size(), 16u);
  EXPECT_EQ(r.list.size(), 10000u);
}

}  // namespace
}  // namespace uc::math
