// The worked solution as a PDF, written by the installed program and read back with poppler's
// tools the way any reader would: its text, its pages, its pictures (none) and its ink.
#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <nlohmann/json.hpp>
#include <regex>
#include <string>
#include <vector>

#include "shell_command.h"

namespace {

namespace fs = std::filesystem;
using namespace uc::cli::testing;

// The numbers a formula shows, in drawing order; a fraction's numerator comes before its
// denominator, so the order holds in the text a reader copies too.
std::vector<std::string> numbersOf(const std::string& formula) {
  static const std::regex colour("\\\\color\\{#[0-9a-fA-F]{6}\\}");
  static const std::regex number("[0-9]+(\\.[0-9]+)?");
  const std::string latex = std::regex_replace(formula, colour, "");
  std::vector<std::string> numbers;
  for (auto it = std::sregex_iterator(latex.begin(), latex.end(), number);
       it != std::sregex_iterator(); ++it) {
    numbers.push_back(it->str());
  }
  return numbers;
}

// The words a formula shows upright ("\text{undefined}").
std::vector<std::string> wordsOf(const std::string& latex) {
  static const std::regex word("\\\\text\\{([^}]*)\\}");
  std::vector<std::string> words;
  for (auto it = std::sregex_iterator(latex.begin(), latex.end(), word);
       it != std::sregex_iterator(); ++it) {
    words.push_back(withoutSpaces((*it)[1].str()));
  }
  return words;
}

std::string stepTitle(std::string title) {
  if (title.size() >= 5 && title.compare(title.size() - 5, 5, "#bold") == 0) {
    title.resize(title.size() - 5);
  }
  return withoutSpaces(title);
}

// A picture of page 1 as rows of RGB pixels, from pdftoppm's PPM.
struct Picture {
  int width = 0;
  int height = 0;
  std::vector<unsigned char> rgb;

  const unsigned char* at(int x, int y) const { return &rgb[(y * width + x) * 3]; }
};

Picture firstPage(const std::string& pdf, const std::string& base, int dpi) {
  shell("pdftoppm -r " + std::to_string(dpi) + " -f 1 -l 1 -singlefile " + quoted(pdf) + " " +
        quoted(base));
  std::ifstream in(base + ".ppm", std::ios::binary);
  std::string magic;
  int maxValue = 0;
  Picture picture;
  in >> magic >> picture.width >> picture.height >> maxValue;
  in.get();
  picture.rgb.assign(std::istreambuf_iterator<char>(in), {});
  if (magic != "P6" || picture.rgb.size() < std::size_t(picture.width) * picture.height * 3) {
    return {};
  }
  return picture;
}

class SolutionPdf : public ::testing::Test {
 protected:
  void SetUp() override {
    for (const char* tool : {"pdftotext", "pdfinfo", "pdfimages", "pdftoppm"}) {
      ASSERT_EQ(shell(std::string("command -v ") + tool).status, 0)
          << tool << " is missing: install poppler-utils (scripts/install-deps)";
    }
    dir_ = fs::temp_directory_path() / ("unitcircle-solution-pdf-" + std::to_string(getpid()));
    fs::create_directories(dir_);
  }
  void TearDown() override { fs::remove_all(dir_); }

  std::string path(const std::string& name) const { return (dir_ / name).string(); }

  static std::string pageText(const std::string& file, int page) {
    const std::string p = std::to_string(page);
    return shell("pdftotext -raw -enc UTF-8 -f " + p + " -l " + p + " " + quoted(file) + " -").text;
  }
  static int pages(const std::string& file) {
    const std::string info = shell("pdfinfo " + quoted(file)).text;
    const std::smatch match = [&] {
      std::smatch m;
      std::regex_search(info, m, std::regex("Pages: +([0-9]+)"));
      return m;
    }();
    return match.empty() ? 0 : std::stoi(match[1]);
  }

  fs::path dir_;
};

// Keys instead of texts: the layout, not the translation, is under test.
TEST_F(SolutionPdf, EveryStepWithItsValuesInOrderEachOnOnePageAfterTheExactValues) {
  for (const std::string input :
       {"--alpha 135", "--alpha -750", "--b 3π/4", "--alpha 90", "--b=-0.5"}) {
    SCOPED_TRACE(input);
    const std::string file = path("solution.pdf");
    const Output written = unitcircle("solve " + input + " --no-translate --pdf " + quoted(file));
    ASSERT_EQ(written.status, 0) << written.text;
    EXPECT_EQ(written.text, "") << "nothing on the terminal when all is well";
    const Output json = unitcircle("solve " + input + " --no-translate --json");
    ASSERT_EQ(json.status, 0);
    const nlohmann::json solution = nlohmann::json::parse(json.text);

    const int count = pages(file);
    ASSERT_GE(count, 1);
    std::vector<std::string> texts;
    for (int page = 1; page <= count; ++page) {
      texts.push_back(withoutSpaces(pageText(file, page)));
      EXPECT_NE(texts.back().find(std::to_string(page) + "/" + std::to_string(count)),
                std::string::npos)
          << "page number on page " << page;
    }

    // The title, then the card: its title, each line's words and numbers.
    std::vector<std::string> overview = {"solutionPdfTitle", "exactValues"};
    for (const auto& line : solution.at("card").at("lines")) {
      for (const std::string part : line.at("parts")) {
        for (const std::string& word : wordsOf(part)) overview.push_back(word);
        for (const std::string& number : numbersOf(part)) overview.push_back(number);
      }
    }
    std::size_t at = 0;
    for (const std::string& piece : overview) {
      const std::size_t found = texts[0].find(piece, at);
      ASSERT_NE(found, std::string::npos) << "'" << piece << "' after " << at << " of\n"
                                          << texts[0];
      at = found + piece.size();
    }

    // Every step's title, then its numbers, on the same page: a step is never split.
    int page = 0;
    for (const auto& step : solution.at("steps")) {
      const std::string title = stepTitle(step.at("title"));
      std::size_t found = texts[page].find(title, at);
      while (found == std::string::npos && page + 1 < count) {
        at = 0;
        found = texts[++page].find(title);
      }
      ASSERT_NE(found, std::string::npos) << "'" << title << "' missing";
      at = found + title.size();
      for (const std::string& number : numbersOf(step.at("displayLatex"))) {
        const std::size_t value = texts[page].find(number, at);
        ASSERT_NE(value, std::string::npos)
            << number << " of '" << title << "' not on its page " << page + 1 << ":\n"
            << texts[page];
        at = value + number.size();
      }
    }
  }
}

TEST_F(SolutionPdf, GermanAndWithoutPictures) {
  const std::string file = path("lösung.pdf");
  const Output run = unitcircle("solve --alpha 90 --lang de --pdf " + quoted(file));
  ASSERT_EQ(run.status, 0) << run.text;
  const std::string text = pageText(file, 1) + pageText(file, 2);
  for (const std::string piece :
       {"Lösungsweg", "Exakte Werte", "tan α", "nicht definiert", "Schritt 1 ", "1 / 2"}) {
    EXPECT_NE(text.find(piece), std::string::npos) << piece << " in\n" << text;
  }
  // Only the heading line and its underline: not a single picture, the circle included.
  const Output images = shell("pdfimages -list " + quoted(file));
  ASSERT_EQ(images.status, 0);
  EXPECT_EQ(std::count(images.text.begin(), images.text.end(), '\n'), 2) << images.text;
  EXPECT_NE(shell("pdfinfo " + quoted(file)).text.find("Title:           Lösungsweg"),
            std::string::npos);
}

// The circle sits right of the exact values, in the top third of the first page: ink there, the
// cosine's blue and the sine's red among it; none in the margin beside it.
TEST_F(SolutionPdf, TheUnitCircleIsDrawn) {
  for (const std::string paper : {"a4", "letter"}) {
    SCOPED_TRACE(paper);
    const std::string file = path("circle.pdf");
    ASSERT_EQ(unitcircle("solve --alpha 135 --paper " + paper + " --pdf " + quoted(file)).status,
              0);
    const Picture picture = firstPage(file, path("circle"), 36);  // half a pixel a point
    ASSERT_GT(picture.width, 250);
    int ink = 0;
    int blue = 0;
    int red = 0;
    for (int y = picture.height * 8 / 100; y < picture.height * 35 / 100; ++y) {
      for (int x = picture.width * 55 / 100; x < picture.width * 90 / 100; ++x) {
        const unsigned char* p = picture.at(x, y);
        if (p[0] < 200 || p[1] < 200 || p[2] < 200) ++ink;
        if (p[2] > 180 && p[0] < 120 && p[1] < 160) ++blue;
        if (p[0] > 180 && p[1] < 120 && p[2] < 120) ++red;
      }
    }
    EXPECT_GT(ink, 150);
    EXPECT_GT(blue, 5);
    EXPECT_GT(red, 5);
    int margin = 0;
    for (int y = 0; y < picture.height / 3; ++y) {
      for (int x = picture.width * 92 / 100; x < picture.width; ++x) {
        const unsigned char* p = picture.at(x, y);
        if (p[0] < 200 || p[1] < 200 || p[2] < 200) ++margin;
      }
    }
    EXPECT_EQ(margin, 0);
  }
}

TEST_F(SolutionPdf, LetterPaperAndPageSizes) {
  const std::string file = path("letter.pdf");
  ASSERT_EQ(unitcircle("solve --alpha -750 --paper letter --pdf " + quoted(file)).status, 0);
  EXPECT_NE(shell("pdfinfo " + quoted(file)).text.find("612 x 792 pts (letter)"),
            std::string::npos);
  ASSERT_EQ(unitcircle("solve --alpha -750 --pdf " + quoted(file)).status, 0);
  EXPECT_NE(shell("pdfinfo " + quoted(file)).text.find("595 x 842 pts (A4)"), std::string::npos);
}

TEST_F(SolutionPdf, WrongUsageBadInputAndUnwritableFilesWriteNothing) {
  const std::string file = path("never.pdf");
  for (const std::string& arguments : std::vector<std::string>{
           "--alpha 1 --pdf",
           "--alpha 1 --pdf " + quoted(file) + " --paper a5",
           "--alpha 1 --paper letter",
           "--alpha 1 --pdf " + quoted(file) + " --json",
           "--batch --pdf " + quoted(file),
       }) {
    const Output run = unitcircle("solve " + arguments);
    EXPECT_EQ(run.status, 64) << arguments << "\n" << run.text;
    EXPECT_NE(run.text.find("Usage: unitcircle"), std::string::npos) << run.text;
  }
  // Bad input is told as `solve` tells it, and no file appears.
  const Output bad = unitcircle("solve --b 1/0 --pdf " + quoted(file));
  EXPECT_EQ(bad.status, 2) << bad.text;
  EXPECT_NE(bad.text.find("error: inputZeroInDenominator"), std::string::npos) << bad.text;

  // A folder that is not there, a folder where the file should be, and a full disk.
  for (const std::string& target :
       {path("missing/solution.pdf"), dir_.string(), std::string("/dev/full")}) {
    const Output run = unitcircle("solve --alpha 45 --lang de --pdf " + quoted(target));
    EXPECT_EQ(run.status, 64) << run.text;
    EXPECT_NE(run.text.find("Die Lösung lässt sich nicht nach " + target + " schreiben"),
              std::string::npos)
        << run.text;
  }
  EXPECT_FALSE(fs::exists(file));
  EXPECT_FALSE(fs::exists(path("missing")));
}

}  // namespace
