// The printed worksheet as a teacher's script makes it: the installed program writes the PDF,
// and poppler's tools (poppler-utils) read it back the way any reader would.
#include <gtest/gtest.h>
#include <unistd.h>

#include <algorithm>
#include <filesystem>
#include <nlohmann/json.hpp>
#include <string>
#include <vector>

#include "shell_command.h"

namespace {

namespace fs = std::filesystem;
using namespace uc::cli::testing;

// What a reader copies out of a formula, glyph by glyph in drawing order: a fraction's
// numerator before its denominator, a radical sign before what it covers, and the typesetter's
// own characters (− for -, ∘ for the degree sign).
std::string drawnText(const std::string& latex) {
  if (latex == "\\text{undefined}") return "practiceUndefined";
  static const std::vector<std::pair<std::string, std::string>> glyphs = {
      {"\\frac", ""}, {"\\sqrt", "√"}, {"\\pi", "π"}, {"^{\\circ}", "∘"},
      {"{", ""},      {"}", ""},       {"-", "−"}};
  std::string text;
  for (std::size_t i = 0; i < latex.size();) {
    bool replaced = false;
    for (const auto& [from, to] : glyphs) {
      if (latex.compare(i, from.size(), from) == 0) {
        text += to;
        i += from.size();
        replaced = true;
        break;
      }
    }
    if (!replaced) text += latex[i++];
  }
  return text;
}

class WorksheetPdf : public ::testing::Test {
 protected:
  void SetUp() override {
    for (const char* tool : {"pdftotext", "pdfinfo", "pdfimages"}) {
      ASSERT_EQ(shell(std::string("command -v ") + tool).status, 0)
          << tool << " is missing: install poppler-utils (scripts/install-deps)";
    }
    dir_ = fs::temp_directory_path() / ("unitcircle-pdf-" + std::to_string(getpid()));
    fs::create_directories(dir_);
  }
  void TearDown() override { fs::remove_all(dir_); }

  std::string path(const std::string& name) const { return (dir_ / name).string(); }

  std::string pdfInfo(const std::string& file) { return shell("pdfinfo " + quoted(file)).text; }

  fs::path dir_;
};

TEST_F(WorksheetPdf, TextHoldsEveryQuestionAndThenEveryAnswerInOrder) {
  for (const std::string set : {"--seed 7 --count 40 --level 3", "--seed 11 --count 25 --level 2",
                                "--seed 0 --count 10 --level 1"}) {
    SCOPED_TRACE(set);
    const std::string file = path("sheet.pdf");
    ASSERT_EQ(unitcircle("practice " + set + " --no-translate --pdf " + quoted(file)).status, 0);
    const Output json = unitcircle("practice " + set + " --no-translate --json");
    ASSERT_EQ(json.status, 0);
    const nlohmann::json questions = nlohmann::json::parse(json.text).at("questions");

    // Keys instead of texts: the layout, not the translation, is under test.
    std::vector<std::string> expected = {"practiceWorksheet"};
    for (std::size_t i = 0; i < questions.size(); ++i) {
      expected.push_back(std::to_string(i + 1) + "." +
                         questions[i].at("prompt").get<std::string>() +
                         drawnText(questions[i].at("given")));
    }
    expected.push_back("practiceAnswerKey");
    for (std::size_t i = 0; i < questions.size(); ++i) {
      std::string answers;
      for (const std::string answer : questions[i].at("answers")) {
        answers += (answers.empty() ? "" : ";") + drawnText(answer);
      }
      expected.push_back(std::to_string(i + 1) + "." +
                         (answers.empty() ? "practiceNoSolution" : answers));
    }
    const Output text = shell("pdftotext -raw -enc UTF-8 " + quoted(file) + " -");
    ASSERT_EQ(text.status, 0);
    const std::string extracted = withoutSpaces(text.text);
    std::size_t at = 0;
    for (const std::string& piece : expected) {
      const std::size_t found = extracted.find(piece, at);
      ASSERT_NE(found, std::string::npos)
          << "'" << piece << "' missing after byte " << at << " of\n"
          << text.text;
      at = found + piece.size();
    }
  }
}

TEST_F(WorksheetPdf, GermanSheetNamesTheWebAddressAndHasNoPictures) {
  const std::string file = path("blatt.pdf");
  const Output run =
      unitcircle("practice --seed 7 --count 12 --level 2 --lang de --pdf " + quoted(file));
  ASSERT_EQ(run.status, 0);
  EXPECT_EQ(run.text, "") << "nothing on the terminal when all is well";
  const std::string text = shell("pdftotext -raw -enc UTF-8 " + quoted(file) + " -").text;
  for (const std::string piece :
       {"Arbeitsblatt 7, Stufe 2",
        "Dieselben Aufgaben in der Web-Ausgabe: #/practice?seed=7&level=2", "Lösungen",
        "11. keine Lösung", "2. III"}) {
    EXPECT_NE(text.find(piece), std::string::npos) << piece << " in\n" << text;
  }
  // Only the heading line and its underline: not a single picture.
  const Output images = shell("pdfimages -list " + quoted(file));
  ASSERT_EQ(images.status, 0);
  EXPECT_EQ(std::count(images.text.begin(), images.text.end(), '\n'), 2) << images.text;
  EXPECT_NE(pdfInfo(file).find("Title:           Arbeitsblatt 7, Stufe 2"), std::string::npos);
}

// Eleven questions fit the first A4 page (ten on Letter, which is shorter), twelve the next
// ones (eleven); the answers start a page of their own.
TEST_F(WorksheetPdf, PagesAndPaperAsDesigned) {
  struct Case {
    std::string options;
    int pages;
    std::string size;
  };
  for (const Case& c : std::vector<Case>{
           {"--count 10", 2, "595 x 842 pts (A4)"},
           {"--count 11", 2, "595 x 842 pts (A4)"},
           {"--count 12", 3, "595 x 842 pts (A4)"},
           {"--count 40 --paper a4", 6, "595 x 842 pts (A4)"},
           {"--count 10 --paper letter", 2, "612 x 792 pts (letter)"},
           {"--count 11 --paper letter", 3, "612 x 792 pts (letter)"},
           {"--count 40 --paper letter", 6, "612 x 792 pts (letter)"},
       }) {
    const std::string file = path("pages.pdf");
    ASSERT_EQ(
        unitcircle("practice --seed 5 --level 3 " + c.options + " --pdf " + quoted(file)).status,
        0);
    const std::string info = pdfInfo(file);
    EXPECT_NE(info.find("Pages:           " + std::to_string(c.pages) + "\n"), std::string::npos)
        << c.options << "\n"
        << info;
    EXPECT_NE(info.find("Page size:       " + c.size), std::string::npos) << c.options << info;
  }
}

TEST_F(WorksheetPdf, WrongUsageExitsWithSixtyFourAndWritesNothing) {
  const std::string file = path("never.pdf");
  for (const std::string& arguments : std::vector<std::string>{
           "--pdf",
           "--pdf " + quoted(file) + " --paper a5",
           "--paper letter",
           "--pdf " + quoted(file) + " --json",
       }) {
    const Output run = unitcircle("practice --seed 1 " + arguments);
    EXPECT_EQ(run.status, 64) << arguments << "\n" << run.text;
    EXPECT_NE(run.text.find("Usage: unitcircle"), std::string::npos) << run.text;
  }
  // A folder that is not there, a folder where the file should be, and a full disk.
  for (const std::string& target :
       {path("missing/sheet.pdf"), dir_.string(), std::string("/dev/full")}) {
    const Output run = unitcircle("practice --seed 1 --lang de --pdf " + quoted(target));
    EXPECT_EQ(run.status, 64) << run.text;
    EXPECT_NE(run.text.find("Das Arbeitsblatt lässt sich nicht nach " + target + " schreiben"),
              std::string::npos)
        << run.text;
  }
  EXPECT_FALSE(fs::exists(file));
  EXPECT_FALSE(fs::exists(path("missing")));
}

}  // namespace
