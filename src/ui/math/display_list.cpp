#include "display_list.h"

#include "parser.h"

namespace uc::math {
namespace {

void collect(const Box& box, float x, float y, DisplayList& out) {
  switch (box.kind) {
    case Box::Kind::Glyph:
      out.glyphs.push_back({box.glyph, x, y, box.scale, box.color});
      return;
    case Box::Kind::Rule:
      out.rects.push_back({x, y - box.height, box.width, box.height + box.depth, box.color});
      return;
    case Box::Kind::List:
      for (const Box& child : box.children) collect(child, x + child.x, y + child.y, out);
      return;
  }
}

}  // namespace

DisplayList buildDisplayList(const Box& root, float unitsPerEm) {
  DisplayList out;
  out.unitsPerEm = unitsPerEm;
  out.width = root.width;
  out.height = root.height;
  out.depth = root.depth;
  collect(root, 0, 0, out);
  return out;
}

DisplayList layoutFormula(std::string_view latex, const MathFont& font, MathStyle style) {
  ParseResult parsed = parse(latex);
  return buildDisplayList(typeset(parsed.list, font, style), font.unitsPerEm());
}

void paint(const DisplayList& list, Painter& painter, const PaintOptions& options) {
  const float unit = options.pixelSize / list.unitsPerEm;
  auto resolve = [&](Argb c) { return c == kInheritColor ? options.color : c; };
  for (const DisplayRect& r : list.rects) {
    painter.fillRect(options.originX + r.x * unit, options.baselineY + r.y * unit, r.width * unit,
                     r.height * unit, resolve(r.color));
  }
  // Neighbouring glyphs of one size and colour go out as one run.
  std::vector<GlyphId> ids;
  std::vector<PointF> positions;
  ids.reserve(list.glyphs.size());
  positions.reserve(list.glyphs.size());
  std::size_t i = 0;
  while (i < list.glyphs.size()) {
    const DisplayGlyph& first = list.glyphs[i];
    ids.clear();
    positions.clear();
    std::size_t j = i;
    for (; j < list.glyphs.size() && list.glyphs[j].scale == first.scale &&
           list.glyphs[j].color == first.color;
         ++j) {
      ids.push_back(list.glyphs[j].glyph);
      positions.push_back(
          {options.originX + list.glyphs[j].x * unit, options.baselineY + list.glyphs[j].y * unit});
    }
    painter.drawGlyphs(ids, positions, options.pixelSize * first.scale, resolve(first.color));
    i = j;
  }
}

}  // namespace uc::math
