#pragma once

#include <QImage>
#include <QPainter>
#include <string_view>

#include "ui/math/display_list.h"
#include "ui/math/painter.h"

namespace uc::math {

class QtMathPainter final : public Painter {
 public:
  explicit QtMathPainter(QPainter& painter) : painter_(painter) {}
  void drawGlyphs(std::span<const GlyphId> glyphs, std::span<const PointF> positions,
                  float pixelSize, Argb color) override;
  void fillRect(float x, float y, float width, float height, Argb color) override;

 private:
  QPainter& painter_;
};

struct ImageOptions {
  float pixelSize = 20;
  Argb color = 0xff000000u;
  Argb background = 0;  // transparent
  float padding = 2;    // pixels around the formula box
  qreal devicePixelRatio = 1;
  MathStyle style = MathStyle::Display;
};

QImage renderImage(const DisplayList& list, const ImageOptions& options);
QImage renderImage(std::string_view latex, const ImageOptions& options);

}  // namespace uc::math
