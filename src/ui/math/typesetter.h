#pragma once

#include "box.h"
#include "math_font.h"
#include "math_list.h"

namespace uc::math {

enum class MathStyle : std::uint8_t { Display, Text, Script, ScriptScript };

// Appendix G of The TeXbook over the font's MATH table: atoms -> boxes.
Box typeset(const MathList& list, const MathFont& font, MathStyle style = MathStyle::Display);

}  // namespace uc::math
