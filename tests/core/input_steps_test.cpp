#include <gtest/gtest.h>

#include "core/localization.h"
#include "parse_helpers.h"

namespace uc {
namespace {

using testing::latexOf;
using testing::parseUnitCircle;
using testing::titlesOf;
using Texts = std::vector<std::string>;

TEST(InputSteps, PlainInputShowsOnlyWhatWasTyped) {
  ParseResult r = parseUnitCircle("45", "");
  EXPECT_EQ(titlesOf(*r.solutionSteps), Texts{"Your Input"});
  EXPECT_EQ(latexOf(*r.solutionSteps), Texts{"\\alpha = 45^{\\circ} \\quad b =  ? "});

  r = parseUnitCircle("", "1/2");
  EXPECT_EQ(latexOf(*r.solutionSteps), Texts{"\\alpha =  ? ^{\\circ} \\quad b = \\frac{1}{2}"});

  r = parseUnitCircle("1.5", "");  // a decimal outside a fraction stays as it is
  EXPECT_EQ(r.solutionSteps->size(), 1u);
  r = parseUnitCircle("0.5/1", "");
  EXPECT_EQ(r.solutionSteps->size(), 1u);
}

TEST(InputSteps, DecimalsInAFractionAreExpandedThenCancelled) {
  const ParseResult r = parseUnitCircle("1.5/2", "");
  EXPECT_EQ(titlesOf(*r.solutionSteps),
            (Texts{"Your Input", "Expand", "Cancel (math)", "Modified Input"}));
  EXPECT_EQ(latexOf(*r.solutionSteps),
            (Texts{"\\alpha = \\frac{1.5}{2}^{\\circ} \\quad b =  ? ",
                   "\\frac{1.5}{2} = \\frac{1.5 \\cdot 10}{2 \\cdot 10} = \\frac{15}{20}",
                   "\\frac{15}{20}= \\frac{15 : 5}{20 : 5} =  \\frac{3}{4}",
                   "\\alpha = \\frac{3}{4}^{\\circ} \\quad b =  ? "}));
  EXPECT_TRUE(r.isWithFraction);
  EXPECT_EQ((*r.allInputs)[0]->z, 3.0);
  EXPECT_EQ((*r.allInputs)[0]->n, 4.0);
}

TEST(InputSteps, ExpansionPassesThroughSixSignificantDigits) {
  ParseResult r = parseUnitCircle("0.1234567/2", "");
  EXPECT_EQ((*r.solutionSteps)[1].latexString,
            "\\frac{0.1234567}{2} = \\frac{0.123457 \\cdot 1e+06}{2 \\cdot 1e+06} = "
            "\\frac{123457}{2000000}");

  r = parseUnitCircle("0.5/2", "");
  EXPECT_EQ((*r.allInputs)[0]->z, 1.0);
  EXPECT_EQ((*r.allInputs)[0]->n, 4.0);

  // 0.57 * 100 is 56.99999999999999: close enough to 57 to count as whole, which shares no
  // divisor with 200, so nothing is cancelled.
  r = parseUnitCircle("0.57/2", "");
  EXPECT_EQ(titlesOf(*r.solutionSteps), (Texts{"Your Input", "Expand", "Modified Input"}));
  EXPECT_EQ(r.solutionSteps->back().latexString,
            "\\alpha = \\frac{57}{200}^{\\circ} \\quad b =  ? ");
}

TEST(InputSteps, CancellingShowsDivisorAndResult) {
  ParseResult r = parseUnitCircle("", "2π/4");
  EXPECT_EQ(latexOf(*r.solutionSteps),
            (Texts{"\\alpha =  ? ^{\\circ} \\quad b = \\frac{2\\pi}{4}",
                   "\\frac{2\\pi}{4}= \\frac{2\\pi : 2}{4 : 2} =  \\frac{\\pi}{2}",
                   "\\alpha =  ? ^{\\circ} \\quad b = \\frac{\\pi}{2}"}));

  // Two cancellable fields: only the first cancelling step carries the title.
  r = parseUnitCircle("2/4", "3/9");
  EXPECT_EQ(titlesOf(*r.solutionSteps),
            (Texts{"Your Input", "Cancel (math)", "", "Modified Input"}));

  r = parseUnitCircle("π/π", "");
  EXPECT_EQ((*r.solutionSteps)[1].latexString,
            "\\frac{\\pi}{\\pi}= \\frac{\\pi : \\pi}{\\pi : \\pi} =  1");
}

TEST(InputSteps, NegativeDenominatorGivesItsSignToTheNumerator) {
  ParseResult r = parseUnitCircle("1/-2", "");
  EXPECT_EQ(titlesOf(*r.solutionSteps), (Texts{"Your Input", "Modified Input"}));
  EXPECT_EQ(latexOf(*r.solutionSteps), (Texts{"\\alpha = \\frac{1}{-2}^{\\circ} \\quad b =  ? ",
                                              "\\alpha = -\\frac{1}{2}^{\\circ} \\quad b =  ? "}));
  EXPECT_EQ((*r.allInputs)[0]->z, -1.0);
  EXPECT_EQ((*r.allInputs)[0]->n, 2.0);

  // Cancelling moves the sign along with the divisor.
  r = parseUnitCircle("25/-100", "");
  EXPECT_EQ((*r.solutionSteps)[1].latexString,
            "\\frac{25}{-100}= \\frac{25 : 25}{(-100) : 25} =  \\left(-\\frac{1}{4}\\right)");
}

TEST(InputSteps, TitlesAreLocalised) {
  setTranslateFunction([](const std::string& key, const std::string& comment) {
    if (key == "Your Input" && comment == "The input title in solution view")
      return "Deine Eingabe";
    return "";
  });
  const ParseResult r = parseUnitCircle("45", "");
  setTranslateFunction({});
  EXPECT_EQ((*r.solutionSteps)[0].title, "Deine Eingabe");
}

TEST(InputSteps, ForcedEliminationExpandsPlainDecimals) {
  TiroStringOutput::shared().reset();
  TiroInputManager manager;
  ParseOptions options;
  options.inputFormat = {"a = %0"};
  options.isDecimalEliminationForced = true;
  const ParseResult r = manager.parseInputs({"0.25"}, {7}, {}, options);
  EXPECT_EQ(
      latexOf(*r.solutionSteps),
      (Texts{"a = 0.25", "0.25 = \\frac{0.25 \\cdot 100}{1 \\cdot 100} = \\frac{25}{100}",
             "\\frac{25}{100}= \\frac{25 : 25}{100 : 25} =  \\frac{1}{4}", "a = \\frac{1}{4}"}));
}

TEST(InputSteps, VariablesLayoutShowsOneLinePerFieldWithItsUnit) {
  auto& symbols = TiroFormulaSymbol::shared().symbols;
  symbols = {Symbol{"geometry", "circle", "arc", "r", "r", "Radius", "m", std::nullopt},
             Symbol{"geometry", "circle", "arc", "s", "s", "Arc", "m", std::nullopt}};
  TiroStringOutput::shared().reset();
  TiroInputManager manager;
  ParseOptions options;
  options.inputFormat = {"r = %0", "s = %0"};
  options.inputFormatMode = FormatMode::variables;
  options.subcategory = "circle";
  options.topic = "arc";
  ParseResult r = manager.parseInputs({"1.5/2", "4/2"}, {1, 2}, {}, options);
  EXPECT_EQ(titlesOf(*r.solutionSteps), (Texts{"Your Input", "", "Cancel (math)", ""}))
      << "no Modified Input step in this layout";
  EXPECT_EQ((*r.solutionSteps)[0].latexString,
            "r = \\frac{1.5}{2} m = \\frac{1.5 \\cdot 10}{2 \\cdot 10} = \\frac{15}{20} m");
  EXPECT_EQ((*r.solutionSteps)[1].latexString, "s = \\frac{4}{2} m\n");

  options.inputFormat = {"q = %0", "s = %0"};
  r = manager.parseInputs({"1", "2"}, {1, 2}, {}, options);
  EXPECT_EQ(r.errorKey, "inputParameterError") << "a template without a known symbol is refused";
  EXPECT_EQ(r.errorTags, std::vector<int>{1});
  symbols.clear();
}

}  // namespace
}  // namespace uc
