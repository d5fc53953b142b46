#include <gtest/gtest.h>

#include <nlohmann/json.hpp>

#include "run_command.h"

namespace uc::cli {
namespace {

TEST(InverseCommand, JsonListsEveryAngleOfOneTurn) {
  const Outcome half = run({"inverse", "sin", "1/2", "--json"});
  EXPECT_EQ(half.status, kExitSolved);
  EXPECT_EQ(half.out,
            "{\"degrees\": [30, 150], \"exact\": [\"30^{\\\\circ}\", \"150^{\\\\circ}\"], "
            "\"period\": 360}\n");
  const nlohmann::json tangent = nlohmann::json::parse(run({"inverse", "tan", "1", "--json"}).out);
  EXPECT_EQ(tangent.at("degrees"), nlohmann::json::parse("[45, 225]"));
  EXPECT_EQ(tangent.at("period"), 180);
  const nlohmann::json none = nlohmann::json::parse(run({"inverse", "cos", "2", "--json"}).out);
  EXPECT_TRUE(none.at("degrees").empty());
  // A value may begin with "-"; away from the special values the angles are decimals.
  const nlohmann::json decimal =
      nlohmann::json::parse(run({"inverse", "--json", "sin", "-0.75"}).out);
  EXPECT_NEAR(decimal.at("degrees")[0].get<double>(), 228.5903778907291, 1e-9);
  EXPECT_EQ(decimal.at("exact")[1], "\\approx 311.41^{\\circ}");
}

TEST(InverseCommand, TextSaysEachAngleWithItsPeriod) {
  EXPECT_EQ(run({"inverse", "cos", "√3/2"}).out,
            "α = 30° + k · 360°\nα = 330° + k · 360°\n");
  EXPECT_EQ(run({"inverse", "tan", "2"}).out,
            "α ≈ 63.43° + k · 180°\nα ≈ 243.43° + k · 180°\n");
  EXPECT_EQ(run({"inverse", "sin", "-2"}).out, "practiceNoSolution\n");
}

TEST(InverseCommand, WrongUsageAndUnreadableValues) {
  for (const std::vector<std::string>& arguments :
       {std::vector<std::string>{"inverse"}, {"inverse", "sin"}, {"inverse", "cot", "1"},
        {"inverse", "sin", "1", "2"}, {"inverse", "sin", "1", "--exact"}}) {
    const Outcome r = run(arguments);
    EXPECT_EQ(r.status, kExitUsage) << arguments.size();
    EXPECT_TRUE(r.out.empty());
    EXPECT_NE(r.err.find("Usage:"), std::string::npos);
  }
  const Outcome unreadable = run({"inverse", "sin", "abc"});
  EXPECT_EQ(unreadable.status, kExitInputError);
  EXPECT_EQ(unreadable.err, "unitcircle: exploreValueUnreadable\n");
}

}  // namespace
}  // namespace uc::cli
