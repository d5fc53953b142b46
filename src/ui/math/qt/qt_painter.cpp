#include "qt_painter.h"

#include <QGlyphRun>
#include <QList>
#include <cmath>

#include "embedded_font.h"

namespace uc::math {

void QtMathPainter::drawGlyphs(std::span<const GlyphId> glyphs, std::span<const PointF> positions,
                               float pixelSize, Argb color) {
  QList<quint32> ids(glyphs.begin(), glyphs.end());
  QList<QPointF> points;
  points.reserve(static_cast<qsizetype>(positions.size()));
  for (const PointF& p : positions) points.append(QPointF(p.x, p.y));
  QGlyphRun run;
  run.setRawFont(embeddedRawFont(pixelSize));
  run.setGlyphIndexes(ids);
  run.setPositions(points);
  painter_.setPen(QColor::fromRgba(color));
  painter_.drawGlyphRun(QPointF(0, 0), run);
}

void QtMathPainter::fillRect(float x, float y, float width, float height, Argb color) {
  // Fraction bars are snapped to whole device pixels and kept at least one pixel thick, so they
  // stay crisp instead of turning into a grey smear at small sizes.
  QTransform toDevice = painter_.deviceTransform();
  QRectF device = toDevice.mapRect(QRectF(x, y, width, height));
  qreal top = std::round(device.top());
  qreal h = std::max<qreal>(1.0, std::round(device.height()));
  QRectF snapped(device.left(), top, device.width(), h);
  // Back into the painter's own coordinates: resetting the transform would also drop an image's
  // device pixel ratio, which the paint engine applies on top.
  painter_.fillRect(toDevice.inverted().mapRect(snapped), QColor::fromRgba(color));
}

QImage renderImage(const DisplayList& list, const ImageOptions& options) {
  const float px = options.pixelSize;
  const float w = list.pixels(list.width, px) + 2 * options.padding;
  const float h = list.pixels(list.height + list.depth, px) + 2 * options.padding;
  const qreal dpr = options.devicePixelRatio;
  QImage image(std::max(1, static_cast<int>(std::ceil(w * dpr))),
               std::max(1, static_cast<int>(std::ceil(h * dpr))),
               QImage::Format_ARGB32_Premultiplied);
  image.setDevicePixelRatio(dpr);
  image.fill(QColor::fromRgba(options.background));
  QPainter painter(&image);
  painter.setRenderHint(QPainter::Antialiasing);
  painter.setRenderHint(QPainter::TextAntialiasing);
  QtMathPainter backend(painter);
  PaintOptions paintOptions;
  paintOptions.pixelSize = px;
  paintOptions.originX = options.padding;
  paintOptions.baselineY = options.padding + list.pixels(list.height, px);
  paintOptions.color = options.color;
  paint(list, backend, paintOptions);
  return image;
}

QImage renderImage(std::string_view latex, const ImageOptions& options) {
  return renderImage(layoutFormula(latex, *embeddedMathFont(), options.style), options);
}

}  // namespace uc::math
