#include "math_font.h"

#include <hb-ot.h>
#include <hb.h>

namespace uc::math {

std::shared_ptr<const MathFont> MathFont::fromFile(const std::string& path) {
  hb_blob_t* blob = hb_blob_create_from_file_or_fail(path.c_str());
  if (!blob) return nullptr;
  return fromBlob(blob, {});
}

std::shared_ptr<const MathFont> MathFont::fromData(std::vector<char> data) {
  if (data.empty()) return nullptr;
  // The blob points into `data`, which the font keeps alive; moving a vector keeps its buffer.
  hb_blob_t* blob = hb_blob_create(data.data(), static_cast<unsigned>(data.size()),
                                   HB_MEMORY_MODE_READONLY, nullptr, nullptr);
  return fromBlob(blob, std::move(data));
}

std::shared_ptr<const MathFont> MathFont::fromBlob(hb_blob_t* blob, std::vector<char> data) {
  std::shared_ptr<MathFont> f(new MathFont());
  f->data_ = std::move(data);
  f->blob_ = blob;
  f->face_ = hb_face_create(blob, 0);
  if (!hb_ot_math_has_data(f->face_)) return nullptr;
  f->font_ = hb_font_create(f->face_);
  hb_font_make_immutable(f->font_);
  f->upem_ = static_cast<float>(hb_face_get_upem(f->face_));

  auto k = [&](hb_ot_math_constant_t c) {
    return static_cast<float>(hb_ot_math_get_constant(f->font_, c));
  };
  MathConstants& c = f->constants_;
  c.axis_height = k(HB_OT_MATH_CONSTANT_AXIS_HEIGHT);
  c.default_rule_thickness = k(HB_OT_MATH_CONSTANT_FRACTION_RULE_THICKNESS);
  c.num1 = k(HB_OT_MATH_CONSTANT_FRACTION_NUMERATOR_DISPLAY_STYLE_SHIFT_UP);
  c.num2 = k(HB_OT_MATH_CONSTANT_FRACTION_NUMERATOR_SHIFT_UP);
  c.denom1 = k(HB_OT_MATH_CONSTANT_FRACTION_DENOMINATOR_DISPLAY_STYLE_SHIFT_DOWN);
  c.denom2 = k(HB_OT_MATH_CONSTANT_FRACTION_DENOMINATOR_SHIFT_DOWN);
  c.num_gap1 = k(HB_OT_MATH_CONSTANT_FRACTION_NUM_DISPLAY_STYLE_GAP_MIN);
  c.num_gap2 = k(HB_OT_MATH_CONSTANT_FRACTION_NUMERATOR_GAP_MIN);
  c.denom_gap1 = k(HB_OT_MATH_CONSTANT_FRACTION_DENOM_DISPLAY_STYLE_GAP_MIN);
  c.denom_gap2 = k(HB_OT_MATH_CONSTANT_FRACTION_DENOMINATOR_GAP_MIN);
  c.sup1 = k(HB_OT_MATH_CONSTANT_SUPERSCRIPT_SHIFT_UP);
  c.sup3 = k(HB_OT_MATH_CONSTANT_SUPERSCRIPT_SHIFT_UP_CRAMPED);
  c.sub1 = k(HB_OT_MATH_CONSTANT_SUBSCRIPT_SHIFT_DOWN);
  c.sub2 = c.sub1;
  c.sup_drop = k(HB_OT_MATH_CONSTANT_SUPERSCRIPT_BASELINE_DROP_MAX);
  c.sub_drop = k(HB_OT_MATH_CONSTANT_SUBSCRIPT_BASELINE_DROP_MIN);
  c.sup_bottom_min = k(HB_OT_MATH_CONSTANT_SUPERSCRIPT_BOTTOM_MIN);
  c.sub_top_max = k(HB_OT_MATH_CONSTANT_SUBSCRIPT_TOP_MAX);
  c.sub_sup_gap_min = k(HB_OT_MATH_CONSTANT_SUB_SUPERSCRIPT_GAP_MIN);
  c.sup_bottom_max_with_sub = k(HB_OT_MATH_CONSTANT_SUPERSCRIPT_BOTTOM_MAX_WITH_SUBSCRIPT);
  c.script_space = k(HB_OT_MATH_CONSTANT_SPACE_AFTER_SCRIPT);
  c.display_operator_min_height = k(HB_OT_MATH_CONSTANT_DISPLAY_OPERATOR_MIN_HEIGHT);
  c.delimited_sub_formula_min_height = k(HB_OT_MATH_CONSTANT_DELIMITED_SUB_FORMULA_MIN_HEIGHT);
  c.radical_vertical_gap = k(HB_OT_MATH_CONSTANT_RADICAL_VERTICAL_GAP);
  c.radical_display_vertical_gap = k(HB_OT_MATH_CONSTANT_RADICAL_DISPLAY_STYLE_VERTICAL_GAP);
  c.radical_rule_thickness = k(HB_OT_MATH_CONSTANT_RADICAL_RULE_THICKNESS);
  c.radical_extra_ascender = k(HB_OT_MATH_CONSTANT_RADICAL_EXTRA_ASCENDER);
  c.script_scale = k(HB_OT_MATH_CONSTANT_SCRIPT_PERCENT_SCALE_DOWN) / 100.0f;
  c.script_script_scale = k(HB_OT_MATH_CONSTANT_SCRIPT_SCRIPT_PERCENT_SCALE_DOWN) / 100.0f;
  c.min_connector_overlap =
      static_cast<float>(hb_ot_math_get_min_connector_overlap(f->font_, HB_DIRECTION_TTB));
  if (c.script_scale <= 0) c.script_scale = 0.7f;
  if (c.script_script_scale <= 0) c.script_script_scale = 0.5f;

  // A few thousand glyphs: reading them all up front keeps layout lock-free.
  unsigned count = hb_face_get_glyph_count(f->face_);
  f->metrics_.resize(count);
  for (unsigned g = 0; g < count; ++g) {
    hb_glyph_extents_t e{};
    hb_font_get_glyph_extents(f->font_, g, &e);
    GlyphMetrics& m = f->metrics_[g];
    m.advance = static_cast<float>(hb_font_get_glyph_h_advance(f->font_, g));
    m.height = static_cast<float>(e.y_bearing);
    m.depth = static_cast<float>(-(e.y_bearing + e.height));
    m.italic = static_cast<float>(hb_ot_math_get_glyph_italics_correction(f->font_, g));
  }
  return f;
}

MathFont::~MathFont() {
  hb_font_destroy(font_);
  hb_face_destroy(face_);
  hb_blob_destroy(blob_);
}

GlyphId MathFont::glyph(char32_t cp) const {
  hb_codepoint_t g = 0;
  if (!hb_font_get_nominal_glyph(font_, cp, &g)) return 0;
  return g;
}

GlyphId MathFont::scriptGlyph(GlyphId glyph, char32_t cp, int level) const {
  if (level <= 0 || glyph == 0) return glyph;
  std::uint64_t key = (std::uint64_t{cp} << 2) | static_cast<std::uint64_t>(level);
  std::lock_guard lock(scriptMutex_);
  auto it = scriptCache_.find(key);
  if (it != scriptCache_.end()) return it->second;
  // ssty lives in the 'math' script; shaping one character is the portable way to apply it.
  hb_buffer_t* buf = hb_buffer_create();
  hb_buffer_add_utf32(buf, reinterpret_cast<const std::uint32_t*>(&cp), 1, 0, 1);
  hb_buffer_set_direction(buf, HB_DIRECTION_LTR);
  hb_buffer_set_script(buf, HB_SCRIPT_MATH);
  hb_feature_t feature{HB_TAG('s', 's', 't', 'y'), static_cast<unsigned>(level), 0, ~0u};
  hb_shape(font_, buf, &feature, 1);
  unsigned len = 0;
  hb_glyph_info_t* info = hb_buffer_get_glyph_infos(buf, &len);
  GlyphId result = len == 1 ? info[0].codepoint : glyph;
  hb_buffer_destroy(buf);
  if (result >= metrics_.size()) result = glyph;
  scriptCache_.emplace(key, result);
  return result;
}

const GlyphMetrics& MathFont::metrics(GlyphId glyph) const {
  static const GlyphMetrics kNone{};
  return glyph < metrics_.size() ? metrics_[glyph] : kNone;
}

std::vector<GlyphVariant> MathFont::verticalVariants(GlyphId glyph) const {
  hb_ot_math_glyph_variant_t buf[16];
  unsigned n = 16;
  hb_ot_math_get_glyph_variants(font_, glyph, HB_DIRECTION_TTB, 0, &n, buf);
  std::vector<GlyphVariant> out;
  out.reserve(n);
  for (unsigned i = 0; i < n; ++i)
    out.push_back({buf[i].glyph, static_cast<float>(buf[i].advance)});
  return out;
}

std::vector<AssemblyPart> MathFont::verticalAssembly(GlyphId glyph) const {
  hb_ot_math_glyph_part_t buf[16];
  unsigned n = 16;
  hb_ot_math_get_glyph_assembly(font_, glyph, HB_DIRECTION_TTB, 0, &n, buf, nullptr);
  std::vector<AssemblyPart> out;
  out.reserve(n);
  for (unsigned i = 0; i < n; ++i) {
    out.push_back({buf[i].glyph, static_cast<float>(buf[i].start_connector_length),
                   static_cast<float>(buf[i].end_connector_length),
                   static_cast<float>(buf[i].full_advance),
                   (buf[i].flags & HB_OT_MATH_GLYPH_PART_FLAG_EXTENDER) != 0});
  }
  return out;
}

}  // namespace uc::math
