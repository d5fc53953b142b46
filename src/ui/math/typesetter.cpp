#include "typesetter.h"

#include <algorithm>
#include <cmath>

namespace uc::math {
namespace {

struct Style {
  int level;  // 0 display, 1 text, 2 script, 3 scriptscript
  bool cramped;

  Style script() const { return {level < 2 ? 2 : 3, cramped}; }
  Style subscript() const { return {level < 2 ? 2 : 3, true}; }
  Style numerator() const { return {level == 0 ? 1 : level == 1 ? 2 : 3, cramped}; }
  Style denominator() const { return {numerator().level, true}; }
  bool tight() const { return level >= 2; }
};

// TeX's inter-atom spacing (The TeXbook, chapter 18): 1 thin, 2 medium, 3 thick; negative
// entries apply only in display and text style.
constexpr std::int8_t kSpacing[8][8] = {
    // Ord Op  Bin Rel Open Close Punct Inner
    {0, 1, -2, -3, 0, 0, 0, -1},      // Ord
    {1, 1, 0, -3, 0, 0, 0, -1},       // Op
    {-2, -2, 0, 0, -2, 0, 0, -2},     // Bin
    {-3, -3, 0, 0, -3, 0, 0, -3},     // Rel
    {0, 0, 0, 0, 0, 0, 0, 0},         // Open
    {0, 1, -2, -3, 0, 0, 0, -1},      // Close
    {-1, -1, 0, -1, -1, -1, -1, -1},  // Punct
    {-1, 1, -2, -3, -1, 0, -1, -1},   // Inner
};
constexpr float kMuPerSpace[4] = {0, 3, 4, 5};

// TeX's \delimiterfactor and \delimitershortfall (5pt of a 10pt font).
constexpr float kDelimiterFactor = 901.0f / 1000.0f;
constexpr float kDelimiterShortfallEm = 0.5f;
// \nulldelimiterspace (1.2pt of a 10pt font), the empty delimiters around every fraction.
constexpr float kNullDelimiterEm = 0.12f;

struct Item {
  const Node* node;
  Argb color;
};

class Typesetter {
 public:
  explicit Typesetter(const MathFont& font) : font_(font), k_(font.constants()) {}

  Box list(const MathList& nodes, Style style, Argb color) {
    std::vector<Item> items;
    items.reserve(nodes.size());
    flatten(nodes, color, items);

    // Atom classes with TeX's rules for binary operators without two operands (rules 5 and 6).
    std::vector<AtomType> types(items.size(), AtomType::Ord);
    int prev = -1;
    for (std::size_t i = 0; i < items.size(); ++i) {
      const Node& n = *items[i].node;
      if (n.kind == NodeKind::Space) continue;
      AtomType t = n.kind == NodeKind::Error ? AtomType::Ord : n.type;
      if (t == AtomType::Bin) {
        if (prev < 0) {
          t = AtomType::Ord;
        } else {
          AtomType p = types[static_cast<std::size_t>(prev)];
          if (p == AtomType::Bin || p == AtomType::Op || p == AtomType::Rel ||
              p == AtomType::Open || p == AtomType::Punct) {
            t = AtomType::Ord;
          }
        }
      } else if ((t == AtomType::Rel || t == AtomType::Close || t == AtomType::Punct) &&
                 prev >= 0 && types[static_cast<std::size_t>(prev)] == AtomType::Bin) {
        types[static_cast<std::size_t>(prev)] = AtomType::Ord;
      }
      types[i] = t;
      prev = static_cast<int>(i);
    }
    if (prev >= 0 && types[static_cast<std::size_t>(prev)] == AtomType::Bin) {
      types[static_cast<std::size_t>(prev)] = AtomType::Ord;
    }

    Box box;
    box.children.reserve(items.size());
    const float em = font_.unitsPerEm() * scale(style);
    const float mu = em / 18.0f;
    float x = 0;
    int prevType = -1;
    for (std::size_t i = 0; i < items.size(); ++i) {
      const Node& n = *items[i].node;
      if (n.kind == NodeKind::Space) {
        x += n.space * em;
        continue;
      }
      int t = static_cast<int>(types[i]);
      if (prevType >= 0) {
        int code = kSpacing[prevType][t];
        if (code > 0 || (code < 0 && !style.tight())) x += kMuPerSpace[std::abs(code)] * mu;
      }
      prevType = t;
      Box atom = this->atom(n, style, items[i].color);
      float shift = atom.y;
      float w = atom.width;
      box.place(std::move(atom), x, shift);
      x += w;
    }
    box.width = x;
    return box;
  }

 private:
  const MathFont& font_;
  const MathConstants& k_;

  float scale(Style s) const {
    return s.level < 2 ? 1.0f : s.level == 2 ? k_.script_scale : k_.script_script_scale;
  }

  // Colour changes are invisible to spacing: their atoms join the surrounding list.
  static void flatten(const MathList& nodes, Argb color, std::vector<Item>& out) {
    for (const Node& n : nodes) {
      if (n.kind == NodeKind::Color && !n.hasSup && !n.hasSub) {
        flatten(n.body, n.color == kInheritColor ? color : n.color, out);
      } else {
        out.push_back({&n, color});
      }
    }
  }

  Box glyphBox(GlyphId g, float s, Argb color) const {
    const GlyphMetrics& m = font_.metrics(g);
    Box b;
    b.kind = Box::Kind::Glyph;
    b.glyph = g;
    b.scale = s;
    b.color = color;
    b.width = m.advance * s;
    b.height = m.height * s;
    b.depth = m.depth * s;
    return b;
  }

  // A missing glyph shows as a red block rather than vanishing.
  Box tofu(float s) const {
    Box b;
    b.kind = Box::Kind::Rule;
    b.color = kErrorColor;
    b.width = 0.5f * font_.unitsPerEm() * s;
    b.height = 0.7f * font_.unitsPerEm() * s;
    return b;
  }

  Box text(std::u32string_view chars, Style style, Argb color) {
    Box box;
    float s = scale(style);
    int level = style.level - 1;
    float x = 0;
    for (char32_t c : chars) {
      GlyphId g = font_.glyph(c);
      Box b = g ? glyphBox(font_.scriptGlyph(g, c, level), s, color) : tofu(s);
      float w = b.width;
      box.place(std::move(b), x, 0);
      x += w;
    }
    box.width = x;
    return box;
  }

  Box atom(const Node& n, Style style, Argb color) {
    Box nucleus;
    float delta = 0;
    bool isChar = false;
    float s = scale(style);
    switch (n.kind) {
      case NodeKind::Symbol: {
        char32_t cp = n.text.empty() ? U'?' : n.text[0];
        GlyphId g = font_.glyph(cp);
        if (!g) {
          nucleus = tofu(s);
          break;
        }
        g = font_.scriptGlyph(g, cp, style.level - 1);
        nucleus = glyphBox(g, s, color);
        delta = font_.metrics(g).italic * s;
        isChar = true;
        break;
      }
      case NodeKind::LargeOp:
        nucleus = largeOp(n, style, color, delta);
        break;
      case NodeKind::OperatorName:
        nucleus = text(n.text, style, color);
        break;
      case NodeKind::Error:
        nucleus = text(n.text, style, kErrorColor);
        break;
      case NodeKind::Group:
      case NodeKind::Color:
        nucleus = list(n.body, style, n.kind == NodeKind::Color && n.color ? n.color : color);
        break;
      case NodeKind::Fraction:
        nucleus = fraction(n, style, color);
        break;
      case NodeKind::Radical:
        nucleus = radical(n, style, color);
        break;
      case NodeKind::LeftRight:
        nucleus = leftRight(n, style, color);
        break;
      case NodeKind::Space:
        break;
    }
    if (!n.hasSup && !n.hasSub) {
      // Rule 17: the italic correction follows a character unless a subscript claims it.
      nucleus.width += delta;
      return nucleus;
    }
    return scripts(std::move(nucleus), n, style, color, isChar, delta);
  }

  // Rule 13: a large operator is centred on the axis; display style takes a bigger variant.
  Box largeOp(const Node& n, Style style, Argb color, float& delta) {
    float s = scale(style);
    char32_t cp = n.text.empty() ? U'?' : n.text[0];
    GlyphId g = font_.glyph(cp);
    if (!g) return tofu(s);
    if (style.level == 0) {
      for (const GlyphVariant& v : font_.verticalVariants(g)) {
        g = v.glyph;
        if (v.size >= k_.display_operator_min_height) break;
      }
    }
    Box b = glyphBox(g, s, color);
    delta = font_.metrics(g).italic * s;
    b.y = (b.height - b.depth) / 2 - k_.axis_height * s;
    return b;
  }

  // Rule 18.
  Box scripts(Box nucleus, const Node& n, Style style, Argb color, bool isChar, float delta) {
    float s = scale(style);
    Style supStyle = style.script();
    Style subStyle = style.subscript();
    float u = 0;
    float v = 0;
    float nucleusShift = nucleus.y;
    if (!isChar) {
      u = nucleus.height - nucleusShift - k_.sup_drop * scale(supStyle);
      v = nucleus.depth + nucleusShift + k_.sub_drop * scale(subStyle);
    }
    Box box;
    float nucleusWidth = nucleus.width;
    box.place(std::move(nucleus), 0, nucleusShift);
    float scriptSpace = k_.script_space * s;
    float right = nucleusWidth + (n.hasSub ? 0 : delta);

    Box sup;
    Box sub;
    if (n.hasSup) {
      sup = list(n.sup, supStyle, color);
      float p = style.cramped ? k_.sup3 : k_.sup1;
      u = std::max({u, p * s, sup.depth + k_.sup_bottom_min * s});
    }
    if (n.hasSub) {
      sub = list(n.sub, subStyle, color);
      if (!n.hasSup) {
        v = std::max({v, k_.sub1 * s, sub.height - k_.sub_top_max * s});
      } else {
        v = std::max(v, k_.sub2 * s);
        float gap = (u - sup.depth) - (sub.height - v);
        if (gap < k_.sub_sup_gap_min * s) v += k_.sub_sup_gap_min * s - gap;
        float psi = k_.sup_bottom_max_with_sub * s - (u - sup.depth);
        if (psi > 0) {
          u += psi;
          v -= psi;
        }
      }
    }
    if (n.hasSup) {
      float x = nucleusWidth + delta;
      right = std::max(right, x + sup.width);
      box.place(std::move(sup), x, -u);
    }
    if (n.hasSub) {
      right = std::max(right, nucleusWidth + sub.width);
      box.place(std::move(sub), nucleusWidth, v);
    }
    box.width = right + scriptSpace;
    return box;
  }

  // Rule 15.
  Box fraction(const Node& n, Style outer, Argb color) {
    Style style = outer;
    if (n.forceStyle) style.level = n.displayStyle ? 0 : 1;
    float s = scale(style);
    bool display = style.level == 0;
    Box num = list(n.body, style.numerator(), color);
    Box den = list(n.denominator, style.denominator(), color);
    float theta = k_.default_rule_thickness * s;
    float axis = k_.axis_height * s;
    float u = (display ? k_.num1 : k_.num2) * s;
    float v = (display ? k_.denom1 : k_.denom2) * s;
    float numGap = (display ? k_.num_gap1 : k_.num_gap2) * s;
    float denGap = (display ? k_.denom_gap1 : k_.denom_gap2) * s;
    if ((u - num.depth) - (axis + theta / 2) < numGap) u = axis + theta / 2 + numGap + num.depth;
    if ((axis - theta / 2) - (den.height - v) < denGap) v = den.height - axis + theta / 2 + denGap;

    float w = std::max(num.width, den.width);
    float pad = kNullDelimiterEm * font_.unitsPerEm() * s;
    Box box;
    float numWidth = num.width;
    float denWidth = den.width;
    box.place(std::move(num), pad + (w - numWidth) / 2, -u);
    box.place(std::move(den), pad + (w - denWidth) / 2, v);
    Box rule;
    rule.kind = Box::Kind::Rule;
    rule.color = color;
    rule.width = w;
    rule.height = theta;
    box.place(std::move(rule), pad, -(axis - theta / 2));
    box.width = w + 2 * pad;
    return box;
  }

  // Rule 11, with the MATH table's radical constants: the sign grows to cover the cramped
  // radicand and the gap above it, the bar runs over the radicand from the sign's top, and
  // what the sign is taller than needed goes to the gap.
  Box radical(const Node& n, Style style, Argb color) {
    float s = scale(style);
    Style inner = style;
    inner.cramped = true;
    Box radicand = list(n.body, inner, color);
    float theta = k_.radical_rule_thickness * s;
    float gap = (style.level == 0 ? k_.radical_display_vertical_gap : k_.radical_vertical_gap) * s;
    float target = radicand.height + radicand.depth + gap + theta;

    GlyphId g = font_.glyph(U'\u221A');
    if (!g) return tofu(s);
    Box sign;
    bool found = false;
    for (const GlyphVariant& v : font_.verticalVariants(g)) {
      if (v.size * s >= target) {
        sign = glyphBox(v.glyph, s, color);
        found = true;
        break;
      }
    }
    if (!found) {
      std::vector<AssemblyPart> parts = font_.verticalAssembly(g);
      std::vector<GlyphVariant> variants = font_.verticalVariants(g);
      sign = !parts.empty()     ? assembly(parts, target / s, s, color)
             : variants.empty() ? glyphBox(g, s, color)
                                : glyphBox(variants.back().glyph, s, color);
    }
    float signSize = sign.height + sign.depth;
    if (signSize > target) gap += (signSize - target) / 2;

    float ruleTop = radicand.height + gap + theta;  // above the baseline
    Box box;
    float signWidth = sign.width;
    float signShift = sign.height - ruleTop;
    box.place(std::move(sign), 0, signShift);
    float radicandWidth = radicand.width;
    box.place(std::move(radicand), signWidth, 0);
    Box rule;
    rule.kind = Box::Kind::Rule;
    rule.color = color;
    // A radicand of negative space alone (\sqrt\!) still gets a bar of no width, not less.
    rule.width = std::max(0.0f, radicandWidth);
    rule.height = theta;
    box.place(std::move(rule), signWidth, -(ruleTop - theta));
    box.height = std::max(box.height, ruleTop + k_.radical_extra_ascender * s);
    box.width = signWidth + radicandWidth;
    return box;
  }

  // Rule 19.
  Box leftRight(const Node& n, Style style, Argb color) {
    float s = scale(style);
    Box inner = list(n.body, style, color);
    float axis = k_.axis_height * s;
    float half = std::max(inner.height - axis, inner.depth + axis);
    float size = std::max(half * 2 * kDelimiterFactor,
                          2 * half - kDelimiterShortfallEm * font_.unitsPerEm() * s);
    Box left = delimiter(n.left, size, style, color);
    Box right = delimiter(n.right, size, style, color);
    Box box;
    float x = 0;
    for (Box* part : {&left, &inner, &right}) {
      float w = part->width;
      float shift = part->y;
      box.place(std::move(*part), x, shift);
      x += w;
    }
    box.width = x;
    return box;
  }

  Box delimiter(char32_t cp, float size, Style style, Argb color) {
    float s = scale(style);
    Box b;
    if (cp == 0) {
      b.width = kNullDelimiterEm * font_.unitsPerEm() * s;
      return b;
    }
    GlyphId g = font_.glyph(cp);
    if (!g) return tofu(s);
    bool found = false;
    for (const GlyphVariant& v : font_.verticalVariants(g)) {
      g = v.glyph;
      if (v.size * s >= size) {
        found = true;
        break;
      }
    }
    if (!found) {
      std::vector<AssemblyPart> parts = font_.verticalAssembly(font_.glyph(cp));
      if (!parts.empty()) {
        b = assembly(parts, size / s, s, color);
      } else {
        b = glyphBox(g, s, color);
      }
    } else {
      b = glyphBox(g, s, color);
    }
    b.y = (b.height - b.depth) / 2 - k_.axis_height * s;
    return b;
  }

  // Stacks the parts bottom to top, repeating extenders until the target is reached, with the
  // overlap shared evenly within what the connectors allow.
  Box assembly(const std::vector<AssemblyPart>& parts, float target, float s, Argb color) {
    const float minOverlap = k_.min_connector_overlap;
    std::vector<const AssemblyPart*> seq;
    for (int repeats = 1; repeats <= 64; ++repeats) {
      seq.clear();
      float total = 0;
      for (const AssemblyPart& p : parts) {
        int count = p.extender ? repeats : 1;
        for (int i = 0; i < count; ++i) {
          seq.push_back(&p);
          total += p.fullAdvance;
        }
      }
      float maxSize = total - minOverlap * static_cast<float>(seq.size() - 1);
      if (maxSize >= target) break;
    }
    float total = 0;
    float maxOverlap = 1e9f;
    for (std::size_t i = 0; i < seq.size(); ++i) {
      total += seq[i]->fullAdvance;
      if (i + 1 < seq.size()) {
        maxOverlap = std::min({maxOverlap, seq[i]->endConnector, seq[i + 1]->startConnector});
      }
    }
    float overlap = 0;
    if (seq.size() > 1) {
      overlap = (total - target) / static_cast<float>(seq.size() - 1);
      overlap = std::clamp(overlap, minOverlap, std::max(minOverlap, maxOverlap));
    }
    Box box;
    float bottom = 0;  // upwards from the assembly's foot
    for (const AssemblyPart* p : seq) {
      Box g = glyphBox(p->glyph, s, color);
      float shift = -(bottom * s + g.depth);
      box.width = std::max(box.width, g.width);
      box.place(std::move(g), 0, shift);
      bottom += p->fullAdvance - overlap;
    }
    box.depth = 0;
    box.height = (bottom + overlap) * s;
    return box;
  }
};

}  // namespace

Box typeset(const MathList& list, const MathFont& font, MathStyle style) {
  Typesetter t(font);
  return t.list(list, Style{static_cast<int>(style), false}, kInheritColor);
}

}  // namespace uc::math
