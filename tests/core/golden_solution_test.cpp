// Whole solutions compared with reviewed JSON files. To review a change on purpose, write the
// new files with UC_UPDATE_GOLDEN=1 and read the diff.
#include <gtest/gtest.h>

#include <cstdlib>
#include <fstream>
#include <sstream>

#include "cli/solution_json.h"

namespace uc {
namespace {

struct GoldenCase {
  const char* file;
  const char* alpha;
  const char* b;
};

class GoldenSolution : public ::testing::TestWithParam<GoldenCase> {};

TEST_P(GoldenSolution, MatchesTheReviewedJson) {
  const auto& c = GetParam();
  const std::string json = cli::solutionJson(calculate(c.alpha, c.b)) + "\n";
  const std::string path = std::string(UC_GOLDEN_DIR) + "/" + c.file;
  if (std::getenv("UC_UPDATE_GOLDEN")) {
    std::ofstream(path) << json;
    GTEST_SKIP() << "wrote " << path;
  }
  std::ifstream in(path);
  ASSERT_TRUE(in) << path;
  std::stringstream expected;
  expected << in.rdbuf();
  EXPECT_EQ(json, expected.str());
}

INSTANTIATE_TEST_SUITE_P(
    Solutions, GoldenSolution,
    ::testing::Values(GoldenCase{"alpha_45.json", "45", ""},
                      GoldenCase{"b_3pi_over_4.json", "", "3π/4"},
                      GoldenCase{"alpha_123456.789.json", "123456.789", ""},
                      GoldenCase{"alpha_fraction_1.5_over_2.json", "1.5/2", ""},
                      GoldenCase{"b_minus_e.json", "", "-e"},
                      GoldenCase{"b_near_3pi_over_4.json", "", "2.35619449019"},
                      GoldenCase{"error_both_empty.json", "", ""}));

}  // namespace
}  // namespace uc
