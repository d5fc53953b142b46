#include "ui/print/solution_pdf.h"

#include <QFontMetricsF>
#include <QPainter>
#include <algorithm>
#include <variant>
#include <vector>

#include "core/localization.h"
#include "core/solver/display_form.h"
#include "core/solver/exact_values_card.h"
#include "ui/math/display_list.h"
#include "ui/math/qt/embedded_font.h"
#include "ui/math/qt/pdf_math_painter.h"
#include "ui/print/pdf_file.h"
#include "ui/print/unit_circle_painter.h"

namespace uc::print {
namespace {

// Sizes in points.
constexpr double kMargin = 54;  // three quarters of an inch all round
constexpr double kFooterRoom = 14;
constexpr double kTitleSize = 17;
constexpr double kInputMathSize = 16;
constexpr double kCardTitleSize = 11;
constexpr double kCardMathSize = 12;
constexpr double kCardPadding = 10;
constexpr double kStepTitleSize = 9.5;
constexpr double kStepMathSize = 13;  // Latin Modern's x-height is smaller than the text font's
constexpr double kSmallestMath = 7;   // a formula wider than its column shrinks to this at most
constexpr double kTitleColumn = 150;
constexpr double kColumnGap = 10;
constexpr double kRowPadding = 6;

const QColor kCardFill(244, 244, 246);
const QColor kCardBorder(209, 209, 214);
const QColor kRule(229, 229, 234);

QString qs(const std::string& text) { return QString::fromStdString(text); }

struct Text {
  QString text;
  QFont font;
  QColor color;
  QPointF at;  // on the baseline
};

struct Formula {
  math::DisplayList list;
  double pixelSize;
  QPointF at;  // origin on the baseline
};

struct Line {
  QLineF line;
  QColor color;
};

struct Panel {
  QRectF rect;
};

struct Circle {
  CircleState state;
  QRectF box;
};

using Item = std::variant<Text, Formula, Line, Panel, Circle>;
using Page = std::vector<Item>;

// A formula laid out at a size; widths in device units.
struct SizedFormula {
  math::DisplayList list;
  double pixelSize = 0;
  double width = 0;
  double ascent = 0;
  double descent = 0;
};

SizedFormula sized(math::DisplayList list, double pixelSize) {
  SizedFormula f;
  f.width = list.pixels(list.width, static_cast<float>(pixelSize));
  f.ascent = list.pixels(list.height, static_cast<float>(pixelSize));
  f.descent = list.pixels(list.depth, static_cast<float>(pixelSize));
  f.pixelSize = pixelSize;
  f.list = std::move(list);
  return f;
}

// At its size, or smaller until it fits room.
SizedFormula fitted(const std::string& latex, double points, double room) {
  math::DisplayList list =
      math::layoutFormula(latex, *math::embeddedMathFont(), math::MathStyle::Display);
  SizedFormula f = sized(std::move(list), points * kPoint);
  if (f.width <= room || f.width <= 0) return f;
  const double smaller = std::max(kSmallestMath * kPoint, f.pixelSize * room / f.width);
  return sized(std::move(f.list), smaller);
}

// Words wrapped at spaces into lines no wider than room; a single long word stays whole.
std::vector<QString> wrapped(const QString& text, const QFontMetricsF& metrics, double room) {
  std::vector<QString> lines;
  QString line;
  for (const QString& word : text.split(QLatin1Char(' '), Qt::SkipEmptyParts)) {
    const QString longer = line.isEmpty() ? word : line + QLatin1Char(' ') + word;
    if (!line.isEmpty() && metrics.horizontalAdvance(longer) > room) {
      lines.push_back(line);
      line = word;
    } else {
      line = longer;
    }
  }
  if (!line.isEmpty() || lines.empty()) lines.push_back(line);
  return lines;
}

class SolutionLayout {
 public:
  SolutionLayout(QPaintDevice& device, QSizeF page)
      : device_(device),
        left_(kMargin * kPoint),
        right_(page.width() - kMargin * kPoint),
        top_(kMargin * kPoint),
        bottom_(page.height() - (kMargin + kFooterRoom) * kPoint),
        pageWidth_(page.width()) {
    newPage();
  }

  void heading(const QString& title, const std::optional<std::string>& inputLatex) {
    const QFont font = textFont(kTitleSize, true);
    const QFontMetricsF metrics(font, &device_);
    const double titleWidth = metrics.horizontalAdvance(title);
    std::optional<SizedFormula> input;
    if (inputLatex) input = fitted(*inputLatex, kInputMathSize, right_ - left_);
    const double gap = 10 * kPoint;
    const bool sameLine = !input || titleWidth + gap + input->width <= right_ - left_;
    double ascent = metrics.ascent();
    if (input && sameLine) ascent = std::max(ascent, input->ascent);
    const double baseline = y_ + ascent;
    place(Text{title, font, kInk, QPointF(left_, baseline)});
    y_ = baseline + metrics.descent();
    if (input) {
      if (sameLine) {
        place(Formula{input->list, input->pixelSize, QPointF(left_ + titleWidth + gap, baseline)});
        y_ = std::max(y_, baseline + input->descent);
      } else {
        const double below = y_ + 4 * kPoint + input->ascent;
        place(Formula{input->list, input->pixelSize, QPointF(left_, below)});
        y_ = below + input->descent;
      }
    }
    y_ += 16 * kPoint;
  }

  // The exact values card on the left, as wide as its widest row, the circle beside it.
  void overview(const QString& cardTitle, const std::vector<ExactValuesCardLine>& card,
                const std::optional<CircleState>& circle) {
    const double padding = kCardPadding * kPoint;
    const double widest = (right_ - left_) * (circle ? 0.5 : 1.0) - 2 * padding;
    const QFont titleFont = textFont(kCardTitleSize, true);
    const QFontMetricsF titleMetrics(titleFont, &device_);

    // Each line whole where it fits, else its parts one under the other.
    struct Row {
      SizedFormula formula;
      double indent;
    };
    std::vector<Row> rows;
    for (const ExactValuesCardLine& line : card) {
      SizedFormula whole = fitted(line.latex(), kCardMathSize, widest);
      if (whole.pixelSize >= kCardMathSize * kPoint || line.parts.size() < 2) {
        rows.push_back({std::move(whole), 0});
        continue;
      }
      for (std::size_t i = 0; i < line.parts.size(); ++i) {
        const double indent = i == 0 ? 0 : 12 * kPoint;
        rows.push_back({fitted(line.parts[i], kCardMathSize, widest - indent), indent});
      }
    }
    double cardWidth = titleMetrics.horizontalAdvance(cardTitle);
    double cardHeight = titleMetrics.height() + 4 * kPoint;
    for (const Row& row : rows) {
      cardWidth = std::max(cardWidth, row.indent + row.formula.width);
      cardHeight += row.formula.ascent + row.formula.descent + 5 * kPoint;
    }
    cardWidth += 2 * padding;
    cardHeight += 2 * padding - 5 * kPoint;

    const double gap = 18 * kPoint;
    const double circleLeft = left_ + (rows.empty() ? 0 : cardWidth + gap);
    const double circleWidth = right_ - circleLeft;
    // The labels beside the circle need about 60 points a side.
    const double circleHeight =
        circle ? std::clamp((circleWidth - 120 * kPoint) / 0.9, 120 * kPoint, 200 * kPoint) : 0;
    const double blockHeight = std::max(rows.empty() ? 0 : cardHeight, circleHeight);
    if (!rows.empty()) {
      const double top = y_ + (blockHeight - cardHeight) / 2;
      place(Panel{QRectF(left_, top, cardWidth, cardHeight)});
      double y = top + padding;
      place(Text{cardTitle, titleFont, kInk, QPointF(left_ + padding, y + titleMetrics.ascent())});
      y += titleMetrics.height() + 4 * kPoint;
      for (const Row& row : rows) {
        const double baseline = y + row.formula.ascent;
        place(Formula{row.formula.list, row.formula.pixelSize,
                      QPointF(left_ + padding + row.indent, baseline)});
        y = baseline + row.formula.descent + 5 * kPoint;
      }
    }
    if (circle) {
      place(Circle{*circle, QRectF(circleLeft, y_ + (blockHeight - circleHeight) / 2, circleWidth,
                                   circleHeight)});
    }
    y_ += blockHeight + 18 * kPoint;
  }

  // One step as a row of the table: its title on the left, its formula on the right, a rule
  // under it; a row that does not fit starts the next page.
  void step(const SolutionStep& step) {
    QString title = qs(step.title);
    static const QString boldMarker = QStringLiteral("#bold");
    const bool bold = title.endsWith(boldMarker);
    if (bold) title.chop(boldMarker.size());
    const QFont font = textFont(kStepTitleSize, bold);
    const QFontMetricsF metrics(font, &device_);
    const std::vector<QString> lines = wrapped(title, metrics, kTitleColumn * kPoint);
    const double formulaX = left_ + (kTitleColumn + kColumnGap) * kPoint;
    const SizedFormula formula =
        fitted(displayForm(step.latexString), kStepMathSize, right_ - formulaX);

    const double padding = kRowPadding * kPoint;
    const double ascent = std::max(metrics.ascent(), formula.ascent);
    const double textBottom = (lines.size() - 1) * metrics.lineSpacing() + metrics.descent();
    const double height = padding + ascent + std::max(textBottom, formula.descent) + padding;
    if (y_ + height > bottom_ && y_ > top_) newPage();
    if (firstRowOnPage_) {
      place(Line{QLineF(left_, y_, right_, y_), kRule});
      firstRowOnPage_ = false;
    }
    const double baseline = y_ + padding + ascent;
    for (std::size_t i = 0; i < lines.size(); ++i) {
      place(Text{lines[i], font, kQuiet,
                 QPointF(left_, baseline + static_cast<double>(i) * metrics.lineSpacing())});
    }
    place(Formula{formula.list, formula.pixelSize, QPointF(formulaX, baseline)});
    y_ += height;
    place(Line{QLineF(left_, y_, right_, y_), kRule});
  }

  const std::vector<Page>& pages() const { return pages_; }
  double centre() const { return pageWidth_ / 2; }
  double footerBaseline() const { return bottom_ + kFooterRoom * kPoint; }

 private:
  void newPage() {
    pages_.emplace_back();
    y_ = top_;
    firstRowOnPage_ = true;
  }
  void place(Item item) { pages_.back().push_back(std::move(item)); }

  QPaintDevice& device_;
  double left_;
  double right_;
  double top_;
  double bottom_;
  double pageWidth_;
  double y_ = 0;
  bool firstRowOnPage_ = true;
  std::vector<Page> pages_;
};

void paintItem(QPainter& painter, const math::PdfMathFonts& fonts, const Item& item) {
  if (const auto* text = std::get_if<Text>(&item)) {
    painter.setFont(text->font);
    painter.setPen(text->color);
    painter.drawText(text->at, text->text);
  } else if (const auto* formula = std::get_if<Formula>(&item)) {
    math::PdfMathPainter backend(painter, fonts);
    math::PaintOptions options;
    options.pixelSize = static_cast<float>(formula->pixelSize);
    options.originX = static_cast<float>(formula->at.x());
    options.baselineY = static_cast<float>(formula->at.y());
    options.color = kInk.rgba();
    math::paint(formula->list, backend, options);
  } else if (const auto* line = std::get_if<Line>(&item)) {
    painter.setPen(QPen(line->color, 0.6 * kPoint));
    painter.drawLine(line->line);
  } else if (const auto* panel = std::get_if<Panel>(&item)) {
    painter.setPen(QPen(kCardBorder, 0.6 * kPoint));
    painter.setBrush(kCardFill);
    painter.drawRoundedRect(panel->rect, 6 * kPoint, 6 * kPoint);
    painter.setBrush(Qt::NoBrush);
  } else if (const auto* circle = std::get_if<Circle>(&item)) {
    paintUnitCircle(painter, circle->state, circle->box, kPoint);
  }
}

}  // namespace

std::optional<QString> writeSolutionPdf(const SolutionPdfContent& content, const QString& path,
                                        Paper paper) {
  const math::PdfMathFonts fonts = math::PdfMathFonts::load();
  const QString title = qs(localized("solutionPdfTitle"));
  std::optional<SolutionLayout> layout;
  return writePdfFile(
      path, paper, title,
      [&](QPdfWriter& writer) {
        layout.emplace(writer, pageSize(paper).size(QPageSize::Point) * kPoint);
        // The first row is the input as the learner gave it.
        std::optional<std::string> input;
        if (!content.steps.empty()) input = displayForm(content.steps.front().latexString);
        layout->heading(title, input);
        layout->overview(qs(exactValuesCardTitle()),
                         exactValuesCardLines(content.chartSteps, content.typedArcLatex),
                         finalCircleState(content.chartSteps));
        for (const SolutionStep& step : content.steps) layout->step(step);
        return static_cast<int>(layout->pages().size());
      },
      [&](QPainter& painter, int page, int pageCount) {
        for (const Item& item : layout->pages()[page]) paintItem(painter, fonts, item);
        paintPageNumber(painter, page, pageCount,
                        QPointF(layout->centre(), layout->footerBaseline()));
      });
}

}  // namespace uc::print
