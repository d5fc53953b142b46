// libFuzzer target: any byte string must parse, typeset and paint without crashing, hanging or
// producing non-finite geometry.
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <string_view>

#include "ui/math/display_list.h"
#include "ui/math/parser.h"
#include "ui/math/spoken_text.h"
#include "ui/math/typesetter.h"

namespace {

class CheckingPainter final : public uc::math::Painter {
 public:
  void drawGlyphs(std::span<const uc::math::GlyphId> glyphs,
                  std::span<const uc::math::PointF> positions, float pixelSize,
                  uc::math::Argb) override {
    if (glyphs.size() != positions.size() || !std::isfinite(pixelSize)) __builtin_trap();
    for (const auto& p : positions) {
      if (!std::isfinite(p.x) || !std::isfinite(p.y)) __builtin_trap();
    }
  }
  void fillRect(float x, float y, float w, float h, uc::math::Argb) override {
    if (!std::isfinite(x) || !std::isfinite(y) || !(w >= 0) || !(h >= 0)) __builtin_trap();
  }
};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  static const auto font = uc::math::MathFont::fromFile(UC_MATH_FONT_PATH);
  if (!font) __builtin_trap();
  std::string_view latex(reinterpret_cast<const char*>(data), size);
  uc::math::ParseResult parsed = uc::math::parse(latex);
  for (auto style : {uc::math::MathStyle::Display, uc::math::MathStyle::ScriptScript}) {
    uc::math::DisplayList list = uc::math::buildDisplayList(
        uc::math::typeset(parsed.list, *font, style), font->unitsPerEm());
    if (!std::isfinite(list.width) || !std::isfinite(list.height) || !std::isfinite(list.depth))
      __builtin_trap();
    CheckingPainter painter;
    uc::math::paint(list, painter, {});
  }
  (void)uc::math::spokenText(parsed.list);
  (void)uc::math::describe(parsed.list);
  return 0;
}
