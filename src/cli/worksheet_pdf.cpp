#include "cli/worksheet_pdf.h"

#include <QColor>
#include <QFont>
#include <QFontMetricsF>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>
#include <QString>
#include <algorithm>
#include <optional>
#include <ostream>
#include <string>
#include <vector>

#include "cli/practice_command.h"
#include "cli/solve_command.h"
#include "core/localization.h"
#include "core/practice/printed_worksheet.h"
#include "core/practice/question.h"
#include "ui/math/display_list.h"
#include "ui/math/math_font.h"
#include "ui/math/qt/embedded_font.h"
#include "ui/math/qt/pdf_math_painter.h"
#include "ui/print/pdf_file.h"
#include "ui/print/print_application.h"
#include "ui/print/print_style.h"

namespace uc::cli {
namespace {

using print::kPoint;
using print::kResolution;
using print::textFont;

constexpr double kMargin = 54;      // three quarters of an inch all round
constexpr double kFooterRoom = 14;  // the page number's line inside the bottom margin
constexpr double kTitleSize = 17;
constexpr double kNoteSize = 9.5;
constexpr double kTextSize = 11.5;
constexpr double kMathSize = 13;       // Latin Modern's x-height is smaller than the text font's
constexpr double kNumberWidth = 24;    // the question numbers end here, right-aligned
constexpr double kTextIndent = 30;     // where prompts and answers begin
constexpr double kQuestionPitch = 60;  // a question and the room to write its answer
constexpr double kWriteLineGap = 12;   // from the line to write on to the next question
constexpr double kAnswerPitch = 27;
constexpr double kRunGap = 4;  // between a prompt and its formula

using print::kInk;
using print::kQuiet;
const QColor kWriteLine(170, 170, 170);

// A piece of a line: words in the text font, or a formula from the app's typesetter.
struct Run {
  QString text;
  QFont font;
  QColor color = kInk;
  std::optional<math::DisplayList> formula;
  double gapBefore = kRunGap * kPoint;  // from the run before it on the line
  double width = 0;                     // device units
  double ascent = 0;
  double descent = 0;
};

struct PlacedRun {
  Run run;
  double x;
  double baseline;
};

struct WriteLine {
  double left;
  double right;
  double y;
};

struct Page {
  std::vector<PlacedRun> runs;
  std::vector<WriteLine> lines;
};

Run textRun(const QString& text, const QFont& font, QPaintDevice& device,
            const QColor& color = kInk) {
  const QFontMetricsF metrics(font, &device);
  Run run;
  run.text = text;
  run.font = font;
  run.color = color;
  run.width = metrics.horizontalAdvance(text);
  run.ascent = metrics.ascent();
  run.descent = metrics.descent();
  return run;
}

// A practice formula; "\text{undefined}" is the localised word in the text font, as on the
// text worksheet.
Run formulaRun(const std::string& latex, QPaintDevice& device) {
  if (latex == "\\text{undefined}") {
    return textRun(QString::fromStdString(localized("practiceUndefined")), textFont(kTextSize),
                   device);
  }
  Run run;
  run.formula = math::layoutFormula(practice::printedLatex(latex), *math::embeddedMathFont(),
                                    math::MathStyle::Display);
  const float px = static_cast<float>(kMathSize * kPoint);
  run.width = run.formula->pixels(run.formula->width, px);
  run.ascent = run.formula->pixels(run.formula->height, px);
  run.descent = run.formula->pixels(run.formula->depth, px);
  return run;
}

void paintRun(QPainter& painter, const math::PdfMathFonts& fonts, const PlacedRun& placed) {
  const Run& run = placed.run;
  if (run.formula) {
    math::PdfMathPainter backend(painter, fonts);
    math::PaintOptions options;
    options.pixelSize = static_cast<float>(kMathSize * kPoint);
    options.originX = static_cast<float>(placed.x);
    options.baselineY = static_cast<float>(placed.baseline);
    options.color = run.color.rgba();
    math::paint(*run.formula, backend, options);
    return;
  }
  painter.setFont(run.font);
  painter.setPen(run.color);
  painter.drawText(QPointF(placed.x, placed.baseline), run.text);
}

// Lays the sheet out page by page before anything is drawn, so that every page knows how many
// there are.
class SheetLayout {
 public:
  SheetLayout(QPaintDevice& device, double pageWidth, double pageHeight)
      : device_(device),
        left_(kMargin * kPoint),
        right_(pageWidth - kMargin * kPoint),
        top_(kMargin * kPoint),
        bottom_(pageHeight - (kMargin + kFooterRoom) * kPoint) {
    newPage();
  }

  void heading(const QString& text) {
    const Run run = textRun(text, textFont(kTitleSize, true), device_);
    place(run, left_, y_ + run.ascent);
    y_ += run.ascent + run.descent + 6 * kPoint;
  }

  void note(const QString& text) {
    const Run run = textRun(text, textFont(kNoteSize), device_, kQuiet);
    place(run, left_, y_ + run.ascent);
    y_ += run.ascent + run.descent;
  }

  void space(double points) { y_ += points * kPoint; }

  // "12." then the runs, wrapped at run boundaries; with room to write under it when asked.
  void item(int number, const std::vector<Run>& runs, bool roomToWrite) {
    const Run label =
        textRun(QString::number(number) + QLatin1Char('.'), textFont(kTextSize), device_);
    std::vector<std::vector<const Run*>> lines(1);
    const double indent = left_ + kTextIndent * kPoint;
    double x = indent;
    for (const Run& run : runs) {
      if (!lines.back().empty()) x += run.gapBefore;
      if (x + run.width > right_ && !lines.back().empty()) {
        lines.emplace_back();
        x = indent;
      }
      lines.back().push_back(&run);
      x += run.width;
    }
    double height = 0;
    std::vector<std::pair<double, double>> extents;  // ascent and descent of each line
    for (const auto& line : lines) {
      double ascent = label.ascent;
      double descent = label.descent;
      for (const Run* run : line) {
        ascent = std::max(ascent, run->ascent);
        descent = std::max(descent, run->descent);
      }
      extents.emplace_back(ascent, descent);
      height += ascent + descent;
    }
    const double pitch = (roomToWrite ? kQuestionPitch : kAnswerPitch) * kPoint;
    const double writeRoom = roomToWrite ? kQuestionPitch * kPoint * 0.5 : 0;
    const double block = std::max(pitch, height + writeRoom + (roomToWrite ? 0 : 10 * kPoint));
    if (y_ + block > bottom_ && !pages_.back().runs.empty() && y_ > top_) newPage();

    // A question sits at the top of its room to write; an answer in the middle of its row, so
    // that a fraction keeps as much space above as below.
    double top = roomToWrite ? y_ : y_ + (block - height) / 2;
    for (std::size_t i = 0; i < lines.size(); ++i) {
      const double baseline = top + extents[i].first;
      if (i == 0) place(label, left_ + kNumberWidth * kPoint - label.width, baseline);
      double runX = left_ + kTextIndent * kPoint;
      for (const Run* run : lines[i]) {
        if (run != lines[i].front()) runX += run->gapBefore;
        place(*run, runX, baseline);
        runX += run->width;
      }
      top = baseline + extents[i].second;
    }
    if (roomToWrite) {
      pages_.back().lines.push_back({indent, right_, y_ + block - kWriteLineGap * kPoint});
    }
    y_ += block;
  }

  void newPage() {
    pages_.emplace_back();
    y_ = top_;
  }

  const std::vector<Page>& pages() const { return pages_; }
  double centre() const { return (left_ + right_) / 2; }
  double footerBaseline() const { return bottom_ + kFooterRoom * kPoint; }

 private:
  void place(const Run& run, double x, double baseline) {
    pages_.back().runs.push_back({run, x, baseline});
  }

  QPaintDevice& device_;
  double left_;
  double right_;
  double top_;
  double bottom_;
  double y_ = 0;
  std::vector<Page> pages_;
};

void layOutSheet(SheetLayout& layout, const std::vector<practice::Question>& questions,
                 const PracticeOptions& options, QPaintDevice& device) {
  const auto qs = [](const std::string& text) { return QString::fromStdString(text); };
  layout.heading(qs(localizedWithArguments("practiceWorksheet", std::to_string(options.seed),
                                           std::to_string(options.level))));
  layout.note(qs(localizedWithArguments(
      "practiceWebAddress", practice::practiceWebAddress(options.seed, options.level))));
  layout.space(18);
  for (std::size_t i = 0; i < questions.size(); ++i) {
    const practice::Question& q = questions[i];
    layout.item(
        static_cast<int>(i + 1),
        {textRun(qs(q.prompt()), textFont(kTextSize), device), formulaRun(q.givenLatex, device)},
        true);
  }

  layout.newPage();
  layout.heading(qs(localized("practiceAnswerKey")));
  layout.space(10);
  Run separator = textRun(QStringLiteral(";"), textFont(kTextSize), device);
  separator.gapBefore = 0.5 * kPoint;  // right after the answer before it
  for (std::size_t i = 0; i < questions.size(); ++i) {
    const practice::Question& q = questions[i];
    std::vector<Run> runs;
    for (const practice::CanonicalAnswer& answer : q.answers) {
      if (!runs.empty()) runs.push_back(separator);
      runs.push_back(formulaRun(answer.latex, device));
    }
    if (runs.empty())
      runs.push_back(textRun(qs(localized("practiceNoSolution")), textFont(kTextSize), device));
    layout.item(static_cast<int>(i + 1), runs, false);
  }
}

print::Paper paperOf(PaperSize paper) {
  return paper == PaperSize::letter ? print::Paper::letter : print::Paper::a4;
}

}  // namespace

int writeWorksheetPdf(const PracticeOptions& options, std::ostream& err) {
  const print::PrintApplication application;
  if (!application.canDraw()) {
    err << "unitcircle: the PDF worksheet needs a QGuiApplication\n";
    return kExitUsage;
  }

  const math::PdfMathFonts mathFonts = math::PdfMathFonts::load();
  const std::vector<practice::Question> questions =
      practice::generateQuestions(options.seed, options.count, options.level);
  const QString title = QString::fromStdString(localizedWithArguments(
      "practiceWorksheet", std::to_string(options.seed), std::to_string(options.level)));
  const print::Paper paper = paperOf(options.paper);
  std::optional<SheetLayout> layout;
  const std::optional<QString> failure = print::writePdfFile(
      QString::fromStdString(*options.pdfPath), paper, title,
      [&](QPdfWriter& writer) {
        const QSizeF points = print::pageSize(paper).size(QPageSize::Point);
        layout.emplace(writer, points.width() * kPoint, points.height() * kPoint);
        layOutSheet(*layout, questions, options, writer);
        return static_cast<int>(layout->pages().size());
      },
      [&](QPainter& painter, int page, int pageCount) {
        const Page& sheet = layout->pages()[page];
        for (const WriteLine& line : sheet.lines) {
          painter.setPen(QPen(kWriteLine, 0.6 * kPoint));
          painter.drawLine(QPointF(line.left, line.y), QPointF(line.right, line.y));
        }
        for (const PlacedRun& run : sheet.runs) paintRun(painter, mathFonts, run);
        print::paintPageNumber(painter, page, pageCount,
                               QPointF(layout->centre(), layout->footerBaseline()));
      });
  if (failure) {
    err << "unitcircle: "
        << localizedWithArguments("practicePdfCannotWrite", *options.pdfPath,
                                  failure->toStdString())
        << "\n";
    return kExitUsage;
  }
  return kExitSolved;
}

}  // namespace uc::cli
