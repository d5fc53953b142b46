#include "core/input/field_grammar.h"

#include <gtest/gtest.h>

#include "parse_helpers.h"

namespace uc {
namespace {

using testing::parseUnitCircle;

TEST(FieldGrammar, ConstantsAndVariablesStandAfterTheNumber) {
  const auto parsed = [](const std::string& text) {
    auto field = parseField(text);
    EXPECT_TRUE(std::holds_alternative<DigitPtr>(field)) << text;
    return *std::get<DigitPtr>(field);
  };
  Digit d = parsed("3π/4");
  EXPECT_EQ(d.z, 3.0);
  EXPECT_EQ(d.n, 4.0);
  EXPECT_EQ(d.zConstants, std::vector<NaturalConstant>{piConstant()});

  d = parsed("-π");
  EXPECT_EQ(d.z, -1.0);
  EXPECT_TRUE(d.hasPiOnNumerator());

  d = parsed("3/π");
  EXPECT_EQ(d.z, 3.0);
  EXPECT_EQ(d.n, 1.0);
  EXPECT_EQ(d.nConstants, std::vector<NaturalConstant>{piConstant()});

  d = parsed("2e");
  EXPECT_EQ(d.numericValue(), 2 * 2.718281828459045);

  d = parsed("2x");
  EXPECT_EQ(d.z, 2.0);
  EXPECT_EQ(d.zVariable, "x");
  EXPECT_EQ(d.powerOfZVariable, 1.0);

  d = parsed("1/x");
  EXPECT_EQ(d.n, 1.0);
  EXPECT_EQ(d.nVariable, "x");
  EXPECT_EQ(d.powerOfNVariable, 1.0);

  d = parsed("-x");
  EXPECT_EQ(d.z, -1.0);

  d = parsed("(-1)/2");
  EXPECT_EQ(d.z, -1.0);
  EXPECT_EQ(d.n, 2.0);

  d = parsed("1E5");
  EXPECT_EQ(d.z, 100000.0);

  d = parsed("()");
  EXPECT_FALSE(d.z);
}

TEST(FieldGrammar, EveryErrorKeyForItsFirstField) {
  struct Case {
    std::string alpha;
    std::string b;
    std::string key;
    std::vector<int> tags;
  };
  const Case cases[] = {
      {"", "", "notEnoughInputValues", {1, 2}},
      {"1//2", "", "inputParameterError", {1}},
      {"1/2/3", "", "inputParameterError", {1}},
      {"/2", "", "fractionIncomplete", {1}},
      {"2/", "", "fractionIncomplete", {1}},
      {"/", "", "fractionIncomplete", {1}},
      {"1/0", "", "inputZeroInDenominator", {1}},
      {"1/-0", "", "inputZeroInDenominator", {1}},
      {"ππ", "", "toManyNaturalConstantsInSubstring", {1}},
      {"2πe", "", "toManyNaturalConstantsInSubstring", {1}},
      {"π2", "", "naturalConstantInWrongPositionOfSubstring", {1}},
      {"1e5", "", "naturalConstantInWrongPositionOfSubstring", {1}},
      {"x2", "", "naturalConstantInWrongPositionOfSubstring", {1}},
      {"xy", "", "toManyVariablesInSubstring", {1}},
      {"1,5", "", "inputParameterError", {1}},
      {" 5", "", "inputParameterError", {1}},
      {"5 ", "", "inputParameterError", {1}},
      {"+π", "", "inputParameterError", {1}},
      {"abc", "", "inputParameterError", {1}},
      {"inf", "", "inputParameterError", {1}},
      {"nan", "", "inputParameterError", {1}},
      {"0X10", "", "inputParameterError", {1}},
      {"", "π/0", "inputZeroInDenominator", {2}},
      {"45", "abc", "inputParameterError", {2}},
      // All slashes are counted before any field is parsed.
      {"2/", "1//2", "inputParameterError", {2}},
  };
  for (const auto& c : cases) {
    const ParseResult result = parseUnitCircle(c.alpha, c.b);
    EXPECT_FALSE(result.allInputs) << c.alpha << " | " << c.b;
    EXPECT_EQ(result.errorKey, c.key) << c.alpha << " | " << c.b;
    EXPECT_EQ(result.errorTags, c.tags) << c.alpha << " | " << c.b;
    EXPECT_FALSE(result.solutionSteps);
    EXPECT_TRUE(TiroStringOutput::shared().solutionSteps.empty()) << "a failed parse adds no step";
  }
}

TEST(FieldGrammar, FractionFlagsStaySetWhenALaterFieldFails) {
  const ParseResult result = parseUnitCircle("1/2", "abc");
  EXPECT_TRUE(result.isWithFraction);
  EXPECT_TRUE(TiroMathOperation::shared().withFraction);
}

TEST(FieldGrammar, BracketsAloneCountAsFilledButCarryNoNumber) {
  const ParseResult result = parseUnitCircle("()", "");
  ASSERT_TRUE(result.allInputs);
  EXPECT_FALSE((*result.allInputs)[0]->z);
  EXPECT_EQ(testing::latexOf(*result.solutionSteps),
            std::vector<std::string>{"\\alpha =  ? ^{\\circ} \\quad b =  ? "});
}

TEST(FieldGrammar, ParseDigitsKeepsTheTypedForm) {
  TiroMathOperation::shared().withFraction = false;
  const auto digits = TiroInputManager::parseDigits({"2/4", ""}, true);
  ASSERT_TRUE(digits);
  EXPECT_EQ((*digits)[0]->z, 2.0);
  EXPECT_EQ((*digits)[0]->n, 4.0);
  EXPECT_FALSE((*digits)[1]->z);
  EXPECT_TRUE(TiroMathOperation::shared().withFraction);
  EXPECT_FALSE(TiroInputManager::parseDigits({"1//2", ""}, true));
  EXPECT_FALSE(TiroInputManager::parseDigits({"π2", ""}, true));
}

TEST(FieldGrammar, IdsAndRequiredFields) {
  TiroStringOutput::shared().reset();
  TiroInputManager manager;
  ParseOptions options;
  options.inputFormat = {"%0 %1 %2"};
  options.requiredIds = {"a", "c"};
  ParseResult result = manager.parseInputs({"1", "", ""}, {}, {"a", "b", "c"}, options);
  EXPECT_EQ(result.errorKey, "notEnoughInputValues");
  EXPECT_EQ(result.errorIds, std::vector<std::string>{"c"});
  EXPECT_FALSE(result.errorTags) << "tags are reported only when tags identify the fields";

  options.requiredIds.clear();
  options.isEveryFieldRequired = true;
  result = manager.parseInputs({"1", "", "3"}, {}, {"a", "b", "c"}, options);
  EXPECT_EQ(result.errorIds, std::vector<std::string>{"b"});

  options.isEveryFieldRequired = false;
  options.minimumFilledCount = 0;
  result = manager.parseInputs({}, {}, {}, options);
  EXPECT_EQ(result.errorKey, "notEnoughInputValues") << "no fields at all never pass";
}

}  // namespace
}  // namespace uc
