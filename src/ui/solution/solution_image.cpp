#include "ui/solution/solution_image.h"

#include <QFont>
#include <QFontMetricsF>
#include <QPainter>
#include <algorithm>
#include <cmath>

#include "ui/math/display_list.h"
#include "ui/math/qt/embedded_font.h"
#include "ui/math/qt/qt_painter.h"

namespace uc {
namespace {

constexpr qreal kPadding = 12;  // around a row's content
constexpr qreal kTitleGap = 8;  // between the title and the formula
constexpr qreal kIndent = 4;    // the formula sits slightly right of the title

QFont titleFont(const SolutionImageStyle& style, bool bold) {
  QFont font;
  font.setPixelSize(std::max(1, qRound(style.titlePixelSize)));
  font.setWeight(bold ? QFont::ExtraBold : QFont::Normal);
  return font;
}

QImage renderRow(const SolutionImageRow& row, const SolutionImageStyle& style) {
  const QFont title = titleFont(style, row.boldTitle);
  const QFontMetricsF titleMetrics(title);
  QFont message;
  message.setPixelSize(std::max(1, qRound(style.messagePixelSize)));
  const QFontMetricsF messageMetrics(message);

  math::DisplayList formula;
  const bool hasFormula = row.message.isEmpty() && !row.latex.isEmpty();
  if (hasFormula) {
    const QByteArray utf8 = row.latex.toUtf8();
    formula = math::layoutFormula(std::string_view(utf8.constData(), size_t(utf8.size())),
                                  *math::embeddedMathFont());
  }
  const auto px = static_cast<float>(style.formulaPixelSize);
  const qreal formulaWidth = hasFormula ? formula.pixels(formula.width, px) : 0;
  const qreal formulaAscent = hasFormula ? formula.pixels(formula.height, px) : 0;
  const qreal formulaHeight = hasFormula ? formula.pixels(formula.height + formula.depth, px) : 0;

  qreal contentWidth = titleMetrics.horizontalAdvance(row.title);
  qreal bodyHeight = 0;
  if (!row.message.isEmpty()) {
    contentWidth = std::max(contentWidth, messageMetrics.horizontalAdvance(row.message));
    bodyHeight = messageMetrics.height();
  } else if (hasFormula) {
    contentWidth = std::max(contentWidth, kIndent + formulaWidth);
    bodyHeight = formulaHeight;
  }
  const qreal width = std::max<qreal>(style.minimumWidth, std::ceil(contentWidth + 2 * kPadding));
  const qreal height = std::ceil(2 * kPadding + titleMetrics.height() +
                                 (bodyHeight > 0 ? kTitleGap : 0) + bodyHeight);

  QImage image(QSize(qCeil(width * style.scale), qCeil(height * style.scale)),
               QImage::Format_ARGB32_Premultiplied);
  image.fill(style.background);
  // Scaled by the painter rather than by the image's pixel ratio: the formula painter snaps
  // fraction bars in device space and expects the scale in the transform.
  QPainter painter(&image);
  painter.scale(style.scale, style.scale);
  painter.setRenderHint(QPainter::Antialiasing);
  painter.setRenderHint(QPainter::TextAntialiasing);
  painter.setPen(style.text);

  qreal y = kPadding;
  painter.setFont(title);
  painter.drawText(QPointF(kPadding, y + titleMetrics.ascent()), row.title);
  y += titleMetrics.height() + kTitleGap;

  if (!row.message.isEmpty()) {
    painter.setFont(message);
    painter.drawText(QPointF(kPadding, y + messageMetrics.ascent()), row.message);
  } else if (hasFormula) {
    math::QtMathPainter backend(painter);
    math::PaintOptions options;
    options.pixelSize = px;
    options.originX = static_cast<float>(kPadding + kIndent);
    options.baselineY = static_cast<float>(y + formulaAscent);
    options.color = style.text.rgba();
    math::paint(formula, backend, options);
  }

  // A hairline under each row, as between the cells on screen.
  painter.fillRect(QRectF(0, height - 1, width, 1), style.separator);
  painter.end();
  image.setDevicePixelRatio(style.scale);
  return image;
}

}  // namespace

QList<QImage> renderSolutionRows(const QList<SolutionImageRow>& rows,
                                 const SolutionImageStyle& style) {
  QList<QImage> images;
  images.reserve(rows.size());
  for (const SolutionImageRow& row : rows) images.append(renderRow(row, style));
  return images;
}

QImage stitchVertically(const QList<QImage>& images, const QColor& background) {
  if (images.isEmpty()) return {};
  int width = 0;
  int height = 0;
  for (const QImage& image : images) {
    width = std::max(width, image.width());
    height += image.height();
  }
  QImage stitched(width, height, QImage::Format_ARGB32_Premultiplied);
  stitched.fill(background);
  {
    // Device pixels throughout, so that no part is scaled.
    QPainter painter(&stitched);
    int y = 0;
    for (QImage part : images) {
      part.setDevicePixelRatio(1);
      painter.drawImage(QPoint(0, y), part);
      y += part.height();
    }
  }
  stitched.setDevicePixelRatio(images.first().devicePixelRatio());
  return stitched;
}

}  // namespace uc
