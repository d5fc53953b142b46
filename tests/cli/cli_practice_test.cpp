#include <gtest/gtest.h>

#include <nlohmann/json.hpp>

#include "cli/practice_command.h"
#include "core/practice/printed_worksheet.h"
#include "run_command.h"

namespace uc::cli {
namespace {

TEST(PracticeCommand, JsonListsKindGivenPromptAndAnswers) {
  const Outcome r = run({"practice", "--seed", "7", "--count", "25", "--level", "2", "--json"});
  EXPECT_EQ(r.status, kExitSolved);
  EXPECT_TRUE(r.err.empty());
  ASSERT_EQ(r.out.back(), '\n');
  EXPECT_EQ(r.out.find('\n'), r.out.size() - 1) << "one line";
  const nlohmann::json document = nlohmann::json::parse(r.out);
  ASSERT_EQ(document.size(), 1u);
  const nlohmann::json& questions = document.at("questions");
  ASSERT_EQ(questions.size(), 25u);
  for (const nlohmann::json& q : questions) {
    ASSERT_EQ(q.size(), 4u) << q.dump();
    const std::string kind = q.at("kind");
    const std::string given = q.at("given");
    const bool degrees = given.find("^{\\circ}") != std::string::npos;
    const bool inverse = kind.rfind("inverse", 0) == 0;
    // Degrees are given to convert to radians, radians to convert to degrees, values to invert.
    if (kind == "degreesToRadians") {
      EXPECT_TRUE(degrees) << given;
    } else if (kind == "radiansToDegrees" || inverse) {
      EXPECT_FALSE(degrees) << given;
    }
    EXPECT_EQ(q.at("prompt"), "practicePrompt" +
                                  std::string(1, static_cast<char>(std::toupper(kind[0]))) +
                                  kind.substr(1));
    const nlohmann::json& answers = q.at("answers");
    for (const std::string answer : answers) {
      const bool inDegrees = answer.find("^{\\circ}") != std::string::npos;
      if (kind == "degreesToRadians") {
        EXPECT_FALSE(inDegrees) << answer;
      } else if (kind == "radiansToDegrees" || inverse) {
        EXPECT_TRUE(inDegrees) << answer;
      } else if (kind == "referenceAngle") {
        EXPECT_EQ(inDegrees, degrees) << answer;
      } else if (kind == "quadrant") {
        EXPECT_TRUE(answer == "I" || answer == "II" || answer == "III" || answer == "IV");
      }
    }
    EXPECT_TRUE(inverse || answers.size() == 1u) << q.dump();
  }
  EXPECT_EQ(run({"practice", "--seed=7", "--level=2", "--count=25", "--json"}).out, r.out)
      << "the same seed, the same questions";
  EXPECT_NE(run({"practice", "--seed", "8", "--count", "25", "--level", "2", "--json"}).out, r.out);
}

TEST(PracticeCommand, TenQuestionsAtLevelOneByDefault) {
  const Outcome r = run({"practice", "--seed", "3", "--json"});
  const nlohmann::json questions = nlohmann::json::parse(r.out).at("questions");
  EXPECT_EQ(questions.size(), 10u);
  EXPECT_EQ(r.out, run({"practice", "--seed", "3", "--count", "10", "--level", "1", "--json"}).out);
}

TEST(PracticeCommand, TheWorksheetComesWithItsAnswers) {
  const Outcome r = run({"practice", "--seed", "7", "--count", "12", "--level", "2"});
  EXPECT_EQ(r.status, kExitSolved);
  EXPECT_EQ(r.out.rfind("practiceWorksheet\n\n1. practicePromptReferenceAngle 90°\n", 0), 0u)
      << r.out;
  EXPECT_NE(r.out.find("\n12. practicePromptQuadrant 285°\n\npracticeAnswerKey\n\n1. 90°\n"),
            std::string::npos)
      << r.out;
  EXPECT_NE(r.out.find("\n3. 108°; 288°\n"), std::string::npos);
  EXPECT_NE(r.out.find("\n11. practiceNoSolution\n"), std::string::npos);
}

TEST(PracticeCommand, WrongUsageExitsWithSixtyFour) {
  for (const auto& arguments : std::vector<std::vector<std::string>>{
           {"practice"},
           {"practice", "--count", "5"},
           {"practice", "--seed", "x"},
           {"practice", "--seed", "-1"},
           {"practice", "--seed", "18446744073709551616"},
           {"practice", "--seed", ""},
           {"practice", "--seed", "1", "--count", "0"},
           {"practice", "--seed", "1", "--count", "1001"},
           {"practice", "--seed", "1", "--count", "2.5"},
           {"practice", "--seed", "1", "--level", "4"},
           {"practice", "--seed", "1", "--level", "0"},
           {"practice", "--seed", "1", "--alpha", "3"},
           {"practice", "--seed", "1", "--lang", "xx"},
       }) {
    const Outcome r = run(arguments);
    EXPECT_EQ(r.status, kExitUsage) << ::testing::PrintToString(arguments);
    EXPECT_NE(r.err.find("unitcircle practice --seed N"), std::string::npos);
    EXPECT_TRUE(r.out.empty());
  }
  EXPECT_EQ(run({"practice", "--seed", "18446744073709551615", "--count", "1000"}).status,
            kExitSolved);
}

TEST(PracticeCommand, PdfOptionsAndTheirMistakes) {
  const ParsedCommandLine letter =
      parseCommandLine({"practice", "--seed", "7", "--pdf", "-sheet.pdf", "--paper", "letter"});
  ASSERT_TRUE(std::holds_alternative<PracticeOptions>(letter));
  EXPECT_EQ(std::get<PracticeOptions>(letter).pdfPath, "-sheet.pdf");
  EXPECT_EQ(std::get<PracticeOptions>(letter).paper, PaperSize::letter);
  const ParsedCommandLine a4 = parseCommandLine({"practice", "--seed=7", "--pdf=w.pdf"});
  ASSERT_TRUE(std::holds_alternative<PracticeOptions>(a4));
  EXPECT_EQ(std::get<PracticeOptions>(a4).paper, PaperSize::a4);
  EXPECT_EQ(std::get<PracticeOptions>(parseCommandLine({"practice", "--seed", "7"})).pdfPath,
            std::nullopt);

  for (const auto& arguments : std::vector<std::vector<std::string>>{
           {"practice", "--seed", "1", "--pdf"},
           {"practice", "--seed", "1", "--pdf="},
           {"practice", "--seed", "1", "--pdf", "w.pdf", "--paper", "a5"},
           {"practice", "--seed", "1", "--pdf", "w.pdf", "--paper"},
           {"practice", "--seed", "1", "--paper", "letter"},
           {"practice", "--seed", "1", "--pdf", "w.pdf", "--json"},
       }) {
    const Outcome r = run(arguments);
    EXPECT_EQ(r.status, kExitUsage) << ::testing::PrintToString(arguments);
    EXPECT_NE(r.err.find("--pdf FILE"), std::string::npos) << r.err;
  }
}

// Builds without Qt cannot draw the sheet; the program that can passes its writer in, which gets
// the options only once the language is in place.
TEST(PracticeCommand, PdfNeedsTheWriterOfTheProgram) {
  const Outcome without = run({"practice", "--seed", "7", "--pdf", "w.pdf"});
  EXPECT_EQ(without.status, kExitUsage);
  EXPECT_NE(without.err.find("cannot write PDF worksheets (it was built without Qt)"),
            std::string::npos);
  EXPECT_TRUE(without.out.empty());

  std::vector<PracticeOptions> written;
  const WorksheetPdfCommand writer = [&](const PracticeOptions& options, std::ostream&) {
    written.push_back(options);
    return kExitSolved;
  };
  std::istringstream in;
  std::ostringstream out;
  std::ostringstream err;
  const auto english = [](const std::string& language) { return language == "en"; };
  EXPECT_EQ(runCommandLine({"practice", "--seed", "7", "--level", "2", "--pdf", "w.pdf"}, in, out,
                           err, english, {}, writer),
            kExitSolved);
  EXPECT_EQ(runCommandLine({"practice", "--seed", "7", "--lang", "xx", "--pdf", "w.pdf"}, in, out,
                           err, english, {}, writer),
            kExitUsage);
  ASSERT_EQ(written.size(), 1u);
  EXPECT_EQ(written[0].level, 2);
  EXPECT_TRUE(out.str().empty()) << "the sheet goes to the file only";
  // The web edition opens the same questions from this address (web/src/practice/practiceRoute.ts).
  EXPECT_EQ(practice::practiceWebAddress(18446744073709551615u, 3),
            "#/practice?seed=18446744073709551615&level=3");
}

}  // namespace
}  // namespace uc::cli
