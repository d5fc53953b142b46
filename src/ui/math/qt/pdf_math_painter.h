#pragma once

#include <QFont>
#include <QPainter>
#include <QRawFont>
#include <QString>
#include <span>
#include <unordered_map>

#include "ui/math/painter.h"
#include "ui/math/qt/qt_painter.h"

namespace uc::math {

// The math font as Qt's PDF engine embeds it, and the characters of the glyphs its character
// map leaves out. Made after the QGuiApplication and dropped before it, as fonts must be.
struct PdfMathFonts {
  QRawFont math;
  QFont text;
  std::unordered_map<GlyphId, QString> hiddenText;

  static PdfMathFonts load();
};

// The app's backend draws with a QRawFont made from the font's bytes, which Qt's PDF engine
// cannot embed: it would draw the formulas as outlines, and no reader could find or copy their
// text. The same font registered with the font database embeds, with its character map.
//
// That map only names glyphs that a character of the Basic Multilingual Plane reaches; the
// math italic letters (𝜋 is U+1D70B), the taller radical signs and the script-size digits are
// reached by none, so they would copy as nothing. Each of those is followed by its character in
// invisible text, in drawing order, which is what readers copy and search.
class PdfMathPainter final : public Painter {
 public:
  PdfMathPainter(QPainter& painter, const PdfMathFonts& fonts)
      : painter_(painter), fonts_(fonts), fallback_(painter) {}

  void drawGlyphs(std::span<const GlyphId> glyphs, std::span<const PointF> positions,
                  float pixelSize, Argb color) override;
  void fillRect(float x, float y, float width, float height, Argb color) override;

 private:
  void drawRun(const QRawFont& font, std::span<const GlyphId> glyphs,
               std::span<const PointF> positions, Argb color);

  QPainter& painter_;
  const PdfMathFonts& fonts_;
  QtMathPainter fallback_;
};

}  // namespace uc::math
