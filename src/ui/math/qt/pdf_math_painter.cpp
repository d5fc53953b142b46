#include "ui/math/qt/pdf_math_painter.h"

#include <QColor>
#include <QFontDatabase>
#include <QGlyphRun>
#include <QList>
#include <QPointF>
#include <QStringList>
#include <algorithm>
#include <string_view>
#include <unordered_set>

#include "ui/math/math_font.h"
#include "ui/math/qt/embedded_font.h"

namespace uc::math {
namespace {

// The characters of the glyphs that no character of the Basic Multilingual Plane maps to.
std::unordered_map<GlyphId, QString> unmappedGlyphTexts(const QRawFont& font) {
  QList<QChar> plane;
  for (char32_t c = 1; c < 0x10000; ++c) {
    if (c < 0xD800 || c > 0xDFFF) plane.append(QChar(static_cast<char16_t>(c)));
  }
  QList<quint32> reached = font.glyphIndexesForString(QString(plane.data(), plane.size()));
  const std::unordered_set<GlyphId> mapped(reached.begin(), reached.end());

  const MathFont& math = *embeddedMathFont();
  std::unordered_map<GlyphId, QString> texts;
  const auto add = [&](GlyphId glyph, const QString& text) {
    if (glyph != 0 && !mapped.count(glyph)) texts.emplace(glyph, text);
  };
  // A character, its script sizes, and for the ones that grow their taller forms.
  const auto addCharacter = [&](char32_t cp, const QString& text) {
    const GlyphId glyph = math.glyph(cp);
    add(glyph, text);
    for (int level : {1, 2}) add(math.scriptGlyph(glyph, cp, level), text);
    for (const GlyphVariant& variant : math.verticalVariants(glyph)) add(variant.glyph, text);
  };
  for (char32_t i = 0; i < 26; ++i) {
    addCharacter(0x1D434 + i, QChar(static_cast<char16_t>(u'A' + i)));  // math italic
    if (i != 7) addCharacter(0x1D44E + i, QChar(static_cast<char16_t>(u'a' + i)));
  }
  for (char32_t i = 0; i < 25; ++i) {
    addCharacter(0x1D6E2 + i, QChar(static_cast<char16_t>(0x0391 + i)));  // math italic Greek
    addCharacter(0x1D6FC + i, QChar(static_cast<char16_t>(0x03B1 + i)));
  }
  for (const char16_t c : std::u16string_view(u"0123456789+\u2212=()[]|{}\u221A\u2218\u2032.,")) {
    addCharacter(c, QChar(c));
  }
  return texts;
}

// Registered once while the application lives: every PDF after the first reuses the family.
QString mathFamily() {
  static int id = -1;
  QStringList families = QFontDatabase::applicationFontFamilies(id);
  if (families.isEmpty()) {
    id = QFontDatabase::addApplicationFont(
        QStringLiteral(":/unitcircle/fonts/latinmodern-math.otf"));
    families = QFontDatabase::applicationFontFamilies(id);
  }
  return families.isEmpty() ? QString() : families.front();
}

}  // namespace

PdfMathFonts PdfMathFonts::load() {
  PdfMathFonts f;
  const QString family = mathFamily();
  if (family.isEmpty()) return f;
  QFont font(family);
  font.setStyleStrategy(QFont::NoFontMerging);
  f.math = QRawFont::fromFont(font);
  f.text = QFont(QStringLiteral("DejaVu Sans"));
  if (f.math.isValid()) f.hiddenText = unmappedGlyphTexts(f.math);
  return f;
}

void PdfMathPainter::drawGlyphs(std::span<const GlyphId> glyphs, std::span<const PointF> positions,
                                float pixelSize, Argb color) {
  if (!fonts_.math.isValid()) {
    fallback_.drawGlyphs(glyphs, positions, pixelSize, color);
    return;
  }
  QRawFont font = fonts_.math;
  font.setPixelSize(pixelSize);
  std::size_t start = 0;
  for (std::size_t i = 0; i < glyphs.size(); ++i) {
    const auto hidden = fonts_.hiddenText.find(glyphs[i]);
    if (hidden == fonts_.hiddenText.end()) continue;
    drawRun(font, glyphs.subspan(start, i + 1 - start), positions.subspan(start, i + 1 - start),
            color);
    start = i + 1;
    QFont text = fonts_.text;
    text.setPixelSize(std::max(1, qRound(pixelSize)));
    painter_.setFont(text);
    painter_.setPen(QColor(0, 0, 0, 0));
    painter_.drawText(QPointF(positions[i].x, positions[i].y), hidden->second);
  }
  drawRun(font, glyphs.subspan(start), positions.subspan(start), color);
}

void PdfMathPainter::fillRect(float x, float y, float width, float height, Argb color) {
  fallback_.fillRect(x, y, width, height, color);
}

void PdfMathPainter::drawRun(const QRawFont& font, std::span<const GlyphId> glyphs,
                             std::span<const PointF> positions, Argb color) {
  if (glyphs.empty()) return;
  QList<quint32> ids(glyphs.begin(), glyphs.end());
  QList<QPointF> points;
  points.reserve(static_cast<qsizetype>(positions.size()));
  for (const PointF& p : positions) points.append(QPointF(p.x, p.y));
  QGlyphRun run;
  run.setRawFont(font);
  run.setGlyphIndexes(ids);
  run.setPositions(points);
  painter_.setPen(QColor::fromRgba(color));
  painter_.drawGlyphRun(QPointF(0, 0), run);
}

}  // namespace uc::math
