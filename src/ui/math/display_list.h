#pragma once

#include <string_view>
#include <vector>

#include "box.h"
#include "painter.h"
#include "typesetter.h"

namespace uc::math {

struct DisplayGlyph {
  GlyphId glyph;
  float x;  // font units, relative to the formula's origin on its baseline
  float y;
  float scale;
  Argb color;
};

struct DisplayRect {
  float x;
  float y;  // top
  float width;
  float height;
  Argb color;
};

// The flat result of layout: what to draw where, independent of the pixel size.
struct DisplayList {
  float unitsPerEm = 1000;
  float width = 0;
  float height = 0;  // above the baseline
  float depth = 0;   // below the baseline
  std::vector<DisplayGlyph> glyphs;
  std::vector<DisplayRect> rects;

  float pixels(float fontUnits, float pixelSize) const {
    return fontUnits * pixelSize / unitsPerEm;
  }
};

DisplayList buildDisplayList(const Box& root, float unitsPerEm);

// Parse, typeset and flatten in one call.
DisplayList layoutFormula(std::string_view latex, const MathFont& font,
                          MathStyle style = MathStyle::Display);

struct PaintOptions {
  float pixelSize = 20;
  float originX = 0;    // pixels
  float baselineY = 0;  // pixels
  Argb color = 0xff000000u;
};

void paint(const DisplayList& list, Painter& painter, const PaintOptions& options);

}  // namespace uc::math
