#pragma once

#include <cstdint>
#include <vector>

#include "math_font.h"
#include "math_list.h"

namespace uc::math {

// A typeset box in font units. Coordinates grow rightwards and downwards from the box's
// origin on its baseline, as on screen.
struct Box {
  enum class Kind : std::uint8_t { List, Glyph, Rule };
  Kind kind = Kind::List;
  float x = 0;  // origin within the parent
  float y = 0;
  float width = 0;
  float height = 0;
  float depth = 0;
  GlyphId glyph = 0;
  float scale = 1;  // glyph size relative to the base size
  Argb color = kInheritColor;
  std::vector<Box> children;  // List only

  // Appends `child` at the pen position `x`, `shift` below the baseline, and grows the box.
  void place(Box child, float atX, float shift) {
    child.x = atX;
    child.y = shift;
    if (child.height - shift > height) height = child.height - shift;
    if (child.depth + shift > depth) depth = child.depth + shift;
    children.push_back(std::move(child));
  }
};

}  // namespace uc::math
