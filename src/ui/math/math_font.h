#pragma once

#include <cstdint>
#include <memory>
#include <mutex>
#include <string>
#include <unordered_map>
#include <vector>

struct hb_blob_t;
struct hb_face_t;
struct hb_font_t;

namespace uc::math {

using GlyphId = std::uint32_t;

// The MATH table constants the typesetter uses, in font units, named after the TeX font
// parameters they replace (sigma/xi numbers of Appendix G) where TeX has one.
struct MathConstants {
  float axis_height = 0;             // sigma22
  float default_rule_thickness = 0;  // xi8, the fraction bar
  float num1 = 0;                    // numerator shift, display style
  float num2 = 0;                    // numerator shift, other styles
  float denom1 = 0;                  // denominator shift, display style
  float denom2 = 0;
  float num_gap1 = 0;  // clearance numerator/bar, display (TeX: 3 xi8)
  float num_gap2 = 0;  // (TeX: xi8)
  float denom_gap1 = 0;
  float denom_gap2 = 0;
  float sup1 = 0;  // superscript shift (OpenType has one value for sigma13/sigma14)
  float sup3 = 0;  // cramped
  float sub1 = 0;  // subscript shift, sigma16
  float sub2 = 0;  // with a superscript, sigma17
  float sup_drop = 0;
  float sub_drop = 0;
  float sup_bottom_min = 0;                    // TeX: sigma5 / 4
  float sub_top_max = 0;                       // TeX: 4 sigma5 / 5
  float sub_sup_gap_min = 0;                   // TeX: 4 xi8
  float sup_bottom_max_with_sub = 0;           // TeX: 4 sigma5 / 5
  float script_space = 0;                      // \scriptspace
  float display_operator_min_height = 0;       // big operators in display style
  float delimited_sub_formula_min_height = 0;  // delim1/delim2 stand-in
  float script_scale = 0.7f;                   // script style size
  float script_script_scale = 0.5f;            // scriptscript style size
  float min_connector_overlap = 0;             // glyph assemblies
  float radical_vertical_gap = 0;              // TeX: xi8 + |phi| / 4, text style
  float radical_display_vertical_gap = 0;      // TeX: xi8 + |sigma5| / 4, display style
  float radical_rule_thickness = 0;            // the bar over the radicand
  float radical_extra_ascender = 0;            // room above the bar
};

struct GlyphMetrics {
  float advance = 0;
  float height = 0;  // above the baseline
  float depth = 0;   // below the baseline
  float italic = 0;  // italic correction
};

struct GlyphVariant {
  GlyphId glyph;
  float size;  // vertical advance
};

struct AssemblyPart {
  GlyphId glyph;
  float startConnector;
  float endConnector;
  float fullAdvance;
  bool extender;
};

// An OpenType math font read through HarfBuzz. Metrics are read once at load; safe to share
// between threads.
class MathFont {
 public:
  // Null when the data is not a font with a MATH table.
  static std::shared_ptr<const MathFont> fromFile(const std::string& path);
  static std::shared_ptr<const MathFont> fromData(std::vector<char> data);

  ~MathFont();
  MathFont(const MathFont&) = delete;
  MathFont& operator=(const MathFont&) = delete;

  float unitsPerEm() const { return upem_; }
  const MathConstants& constants() const { return constants_; }

  // 0 (.notdef) when the font has no glyph for the code point.
  GlyphId glyph(char32_t cp) const;
  // The optical variant for script (level 1) or scriptscript (level 2) size, via `ssty`.
  GlyphId scriptGlyph(GlyphId glyph, char32_t cp, int level) const;
  const GlyphMetrics& metrics(GlyphId glyph) const;
  std::vector<GlyphVariant> verticalVariants(GlyphId glyph) const;
  std::vector<AssemblyPart> verticalAssembly(GlyphId glyph) const;

 private:
  MathFont() = default;
  static std::shared_ptr<const MathFont> fromBlob(hb_blob_t* blob, std::vector<char> data);

  std::vector<char> data_;  // owns the bytes when loaded from memory
  hb_blob_t* blob_ = nullptr;
  hb_face_t* face_ = nullptr;
  hb_font_t* font_ = nullptr;
  float upem_ = 1000;
  MathConstants constants_;
  std::vector<GlyphMetrics> metrics_;
  mutable std::mutex scriptMutex_;
  mutable std::unordered_map<std::uint64_t, GlyphId> scriptCache_;
};

}  // namespace uc::math
