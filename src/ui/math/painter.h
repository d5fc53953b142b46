#pragma once

#include <cstdint>
#include <span>

#include "math_font.h"
#include "math_list.h"

namespace uc::math {

struct PointF {
  float x;
  float y;
};

// What a backend must draw. Coordinates are in pixels, y down; glyph positions are baseline
// origins; colours are opaque ARGB.
class Painter {
 public:
  virtual ~Painter() = default;
  virtual void drawGlyphs(std::span<const GlyphId> glyphs, std::span<const PointF> positions,
                          float pixelSize, Argb color) = 0;
  virtual void fillRect(float x, float y, float width, float height, Argb color) = 0;
};

}  // namespace uc::math
