#include "core/input/formula_tables.h"

#include <gtest/gtest.h>

namespace uc {
namespace {

TEST(FormulaTables, DecodingIsStrictAboutRequiredMembers) {
  const auto units = decodeUnits(
      R"([{"key": "km", "latex": "\\mathrm{km}", "name": "Kilometre", "factor": 1000}])");
  ASSERT_TRUE(units);
  ASSERT_EQ(units->size(), 1u);
  EXPECT_EQ(units->front().factor, 1000);
  EXPECT_FALSE(decodeUnits(R"([{"key": "km", "latex": "km", "name": "Kilometre"}])"));
  EXPECT_FALSE(decodeUnits(R"([{"key": "km", "latex": "km", "name": "K", "factor": "1000"}])"));
  EXPECT_FALSE(decodeUnits(R"([{"key": 1, "latex": "km", "name": "K", "factor": 1}])"));
  EXPECT_FALSE(decodeUnits(R"({"key": "km"})"));
  EXPECT_FALSE(decodeUnits("not json"));

  const auto symbols = decodeSymbols(
      R"([{"category": "c", "subcategory": "s", "topic": "t", "key": "r", "latex": "r",
           "name": "Radius", "unit": "m"},
          {"category": "c", "subcategory": "s", "topic": "t", "key": "r", "latex": "r",
           "name": "Radius", "unit": "m", "rules": {"min": 0}}])");
  ASSERT_TRUE(symbols);
  EXPECT_FALSE((*symbols)[0].rules);
  EXPECT_EQ((*symbols)[1].rules->at("min"), 0);

  const auto formulas = decodeFormulas(
      R"([{"category": "c", "subcategory": "s", "topic": "t", "type": "x", "imageName": "i",
           "searched": "b", "given": ["r", "a"], "latex": "b = r a", "identifier": "arc",
           "description": "arc length"}])");
  ASSERT_TRUE(formulas);
  EXPECT_EQ(formulas->front().given.size(), 2u);
  EXPECT_FALSE(formulas->front().conditions);
}

TEST(FormulaTables, TheBundledUnitsOfLengthLoad) {
  const auto& table = TiroFormulaUnit::shared();
  EXPECT_FALSE(table.units.empty());
  EXPECT_EQ(table.defaultUnitKey, "m");
  TiroFormulaUnit other;
  EXPECT_EQ(other.loadUnits("noSuchResource"), FormulaError::configurationFailed);
}

TEST(FormulaTables, LookupsAreExact) {
  TiroFormulaSymbol symbols;
  symbols.symbols = {Symbol{"c", "s", "t", "r", "r", "Radius", "m", std::nullopt}};
  EXPECT_EQ(symbols.findSymbols("s", "t", "r").size(), 1u);
  EXPECT_TRUE(symbols.findSymbols("s", "t", "R").empty());

  TiroFormulaUnit units;
  EXPECT_EQ(units.convertUnitText("m", false), "m") << "no target unit: unchanged";
  units.targetUnit = Unit{"km", "\\mathrm{km}", "Kilometre", 1000};
  EXPECT_EQ(units.convertUnitText("m", true), "km");
  EXPECT_EQ(units.convertUnitText("mm", true), "mkm") << "a boundary only after the m";
  EXPECT_EQ(units.convertUnitText("m^{2}", false), "\\mathrm{km}^{2}");
}

}  // namespace
}  // namespace uc
