#include <gtest/gtest.h>

#include "core/localization.h"
#include "run_command.h"
#include "wasm/bundled_core_texts.h"

namespace uc::cli {
namespace {

// With the texts the WebAssembly build compiles in, which are the app's translations.
Outcome runWithTexts(const std::vector<std::string>& arguments) {
  std::istringstream in;
  std::ostringstream out;
  std::ostringstream err;
  const int status = runCommandLine(arguments, in, out, err, installBundledTexts);
  setTranslateFunction({});
  return {status, out.str(), err.str()};
}

TEST(CommandLine, OptionValuesMayStartWithAMinusOrFollowAnEqualsSign) {
  const Outcome spaced = run({"solve", "--b", "-π/4", "--json"});
  const Outcome joined = run({"solve", "--b=-π/4", "--json"});
  EXPECT_EQ(spaced.status, kExitSolved);
  EXPECT_EQ(spaced.out, joined.out);
  EXPECT_NE(spaced.out.find("\"alpha\": -45.0, \"b\": -0.7853981633974483"), std::string::npos);
  EXPECT_EQ(run({"solve", "--alpha", "-45"}).status, kExitSolved);
}

TEST(CommandLine, JsonCarriesTheExactValuesApartFromTheSteps) {
  const Outcome r = run({"solve", "--alpha", "270", "--json"});
  EXPECT_EQ(r.status, kExitSolved);
  EXPECT_NE(r.out.find("\"exact\": {\"alpha\": 270.0, \"b\": \"\\\\frac{3\\\\pi}{2}\", "
                       "\"referenceAngle\": 90.0, \"quadrant\": \"IV\", "
                       "\"sin\": {\"latex\": \"-1\", \"decimal\": -1.0}, "
                       "\"cos\": {\"latex\": \"0\", \"decimal\": 0.0}, "
                       "\"tan\": {\"latex\": null, \"decimal\": null}}, \"card\": {"),
            std::string::npos)
      << r.out;
  EXPECT_EQ(r.out.find("sqrt"), std::string::npos);  // nothing of it among the steps
}

// The card's lines as the app draws them, in parts a narrow card breaks apart, and each step's
// formula in the form the app draws, beside the formula itself.
TEST(CommandLine, JsonCarriesTheCardAndTheDisplayForms) {
  const Outcome r = runWithTexts({"solve", "--alpha", "270", "--json", "--lang", "de"});
  EXPECT_NE(r.out.find("\"card\": {\"title\": \"Exakte Werte\", \"lines\": [{\"parts\": "
                       "[\"\\\\alpha = 270^{\\\\circ}\", \"b = \\\\frac{3\\\\pi}{2}\", "
                       "\"\\\\approx 4.7124\"], \"joins\": [\" \\\\quad \", \" \"]}"),
            std::string::npos)
      << r.out;
  EXPECT_NE(r.out.find("{\"parts\": [\"\\\\tan\\\\alpha\", "
                       "\"\\\\text{nicht definiert}\"], \"joins\": [\"\\\\quad \"]}"),
            std::string::npos)
      << r.out;
  EXPECT_NE(r.out.find("\"latexString\": \"\\\\sin(\\\\alpha) = \\\\sin(270.0^{\\\\circ})\", "
                       "\"displayLatex\": \"\\\\sin\\\\left(\\\\alpha\\\\right) = "
                       "\\\\sin\\\\left(270^{\\\\circ}\\\\right)\"}"),
            std::string::npos)
      << r.out;
}

// A b typed as a decimal near a fraction of π names the fraction; one typed with π has none.
TEST(CommandLine, JsonCarriesTheHintOfAFractionOfPi) {
  EXPECT_NE(run({"solve", "--b", "2.35619449019", "--json"}).out.find("\"hint\": \"3π/4\"}"),
            std::string::npos);
  EXPECT_NE(run({"solve", "--b", "3π/4", "--json"}).out.find("\"hint\": null}"), std::string::npos);
}

TEST(CommandLine, TextModePrintsTitleAndFormulaPerStep) {
  const Outcome r = run({"solve", "--alpha", "45"});
  EXPECT_EQ(r.out.rfind("Your Input\n\\alpha = 45^{\\circ} \\quad b =  ? \n\nStep 1    ", 0), 0u);
  EXPECT_NE(r.out.find("Step 22    Quadrant\nQ = I\n"), std::string::npos);
}

TEST(CommandLine, InputErrorsExitWithTwo) {
  Outcome r = run({"solve", "--alpha", "1/0"});
  EXPECT_EQ(r.status, kExitInputError);
  EXPECT_TRUE(r.out.empty());
  EXPECT_EQ(r.err, "error: inputZeroInDenominator: inputZeroInDenominator (alpha)\n");

  r = run({"solve", "--json"});
  EXPECT_EQ(r.status, kExitInputError);
  EXPECT_EQ(
      r.out,
      "{\"error\": {\"key\": \"notEnoughInputValues\", \"message\": \"notEnoughInputValues\", "
      "\"fields\": [\"alpha\", \"b\"]}, \"steps\": [], \"alpha\": null, \"b\": null, "
      "\"chartSteps\": [], \"exact\": null, \"card\": null, \"hint\": null}\n");
  // The message in the language asked for, so that no caller needs the texts of its own.
  r = runWithTexts({"solve", "--alpha", "1/0", "--json", "--lang", "de"});
  EXPECT_NE(r.out.find("{\"key\": \"inputZeroInDenominator\", \"message\": \"Der Nenner"),
            std::string::npos)
      << r.out;
}

TEST(CommandLine, WrongUsageExitsWithSixtyFourAndHelp) {
  for (const auto& arguments :
       std::vector<std::vector<std::string>>{{},
                                             {"solv"},
                                             {"solve", "--alpha"},
                                             {"solve", "--beta", "1"},
                                             {"solve", "--json=1"},
                                             {"solve", "--batch", "--alpha", "1"},
                                             {"solve", "--lang", "xx"},
                                             {"history"},
                                             {"history", "--settings"},
                                             {"history", "--json=1", "--settings", "f"}}) {
    const Outcome r = run(arguments);
    EXPECT_EQ(r.status, kExitUsage) << ::testing::PrintToString(arguments);
    EXPECT_NE(r.err.find("Usage: unitcircle solve"), std::string::npos);
  }
  const Outcome help = run({"--help"});
  EXPECT_EQ(help.status, kExitSolved);
  EXPECT_NE(help.out.find("Usage"), std::string::npos);
}

TEST(CommandLine, HistoryWithoutAStoreReaderSaysSo) {
  const Outcome r = run({"history", "--settings", "f"});
  EXPECT_EQ(r.status, kExitStoreUnreadable);
  EXPECT_NE(r.err.find("cannot read settings files"), std::string::npos);
}

// Builds without Qt cannot draw the solution; the program that can passes its writer in, which
// gets the options, paper included, once the language is in place.
TEST(CommandLine, SolutionPdfNeedsTheWriterOfTheProgram) {
  const Outcome without = run({"solve", "--alpha", "135", "--pdf", "s.pdf"});
  EXPECT_EQ(without.status, kExitUsage);
  EXPECT_NE(without.err.find("cannot write PDF files (it was built without Qt)"),
            std::string::npos);
  EXPECT_TRUE(without.out.empty());

  std::vector<SolveOptions> written;
  const SolutionPdfCommand writer = [&](const SolveOptions& options, std::ostream&) {
    written.push_back(options);
    return kExitSolved;
  };
  std::istringstream in;
  std::ostringstream out;
  std::ostringstream err;
  const auto english = [](const std::string& language) { return language == "en"; };
  EXPECT_EQ(runCommandLine({"solve", "--b=-π/4", "--pdf", "s.pdf", "--paper", "letter"}, in, out,
                           err, english, {}, {}, writer),
            kExitSolved);
  EXPECT_EQ(runCommandLine({"solve", "--alpha", "1", "--lang", "xx", "--pdf", "s.pdf"}, in, out,
                           err, english, {}, {}, writer),
            kExitUsage);
  ASSERT_EQ(written.size(), 1u);
  EXPECT_EQ(written[0].b, "-π/4");
  EXPECT_EQ(written[0].pdfPath, "s.pdf");
  EXPECT_EQ(written[0].paper, PaperSize::letter);
  EXPECT_TRUE(out.str().empty()) << "the solution goes to the file only";
}

TEST(CommandLine, BatchPrintsOneJsonLinePerInputLine) {
  const Outcome r = run({"solve", "--batch", "--json"}, "45\t\r\n\t3π/4\nabc\n90\n");
  EXPECT_EQ(r.status, kExitSolved);
  std::vector<std::string> lines;
  std::istringstream out(r.out);
  for (std::string line; std::getline(out, line);) lines.push_back(line);
  ASSERT_EQ(lines.size(), 4u);
  EXPECT_NE(lines[0].find("\"alpha\": 45.0"), std::string::npos);
  EXPECT_NE(lines[1].find("\"alpha\": 135.0"), std::string::npos);
  EXPECT_NE(lines[2].find("\"key\": \"inputParameterError\""), std::string::npos);
  EXPECT_NE(lines[3].find("\"title\": \"Step 1    Choosen Formula\""), std::string::npos)
      << "every line numbers its steps from 1";
  // The same answers as one run per input.
  EXPECT_EQ(lines[1] + "\n", run({"solve", "--b", "3π/4", "--json"}).out);
}

}  // namespace
}  // namespace uc::cli
