// Whole solutions compared with reviewed JSON files. To review a change on purpose, write the
// new files with UC_UPDATE_GOLDEN=1 and read the diff.
#include <gtest/gtest.h>

#include <cctype>
#include <cstdlib>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "cli/solution_json.h"

namespace uc {
namespace {

// One line of cases.tsv: the file and the typed α and b, separated by tabs. The web edition's
// parity check solves the same cases.
struct GoldenCase {
  std::string file;
  std::string alpha;
  std::string b;
};

std::vector<GoldenCase> goldenCases() {
  std::ifstream in(std::string(UC_GOLDEN_DIR) + "/cases.tsv");
  std::vector<GoldenCase> cases;
  std::string line;
  while (std::getline(in, line)) {
    const auto first = line.find('\t');
    const auto second = line.find('\t', first + 1);
    if (first == std::string::npos || second == std::string::npos) continue;
    cases.push_back({line.substr(0, first), line.substr(first + 1, second - first - 1),
                     line.substr(second + 1)});
  }
  return cases;
}

class GoldenSolution : public ::testing::TestWithParam<GoldenCase> {};

TEST(GoldenSolutions, CasesAreListed) { EXPECT_GE(goldenCases().size(), 7u); }

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

INSTANTIATE_TEST_SUITE_P(Solutions, GoldenSolution, ::testing::ValuesIn(goldenCases()),
                         [](const auto& info) {
                           std::string name;
                           for (char c : info.param.file.substr(0, info.param.file.find(".json"))) {
                             name += std::isalnum(static_cast<unsigned char>(c)) ? c : '_';
                           }
                           return name;
                         });

}  // namespace
}  // namespace uc
