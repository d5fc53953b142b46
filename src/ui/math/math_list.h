#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace uc::math {

// TeX's atom classes; they decide the spacing between neighbours.
enum class AtomType : std::uint8_t { Ord, Op, Bin, Rel, Open, Close, Punct, Inner };

enum class NodeKind : std::uint8_t {
  Symbol,        // one character; `text` holds the code point to draw
  OperatorName,  // \sin and friends, upright letters in `text`
  LargeOp,       // \sum: grows in display style
  Group,         // {...}: `body`
  Fraction,      // \frac: `body` over `denominator`
  Radical,       // \sqrt: the square root of `body`
  LeftRight,     // \left( body \right): delimiters in `left`/`right`, 0 for "."
  Color,         // \color{#rrggbb}{body}: transparent for spacing
  Space,         // explicit glue of `space` ems
  Error,         // source text that could not be understood, drawn in red
};

// Fixed ARGB; alpha 0 means "the label colour".
using Argb = std::uint32_t;
inline constexpr Argb kInheritColor = 0;
inline constexpr Argb kErrorColor = 0xffff0000u;

struct Node {
  NodeKind kind = NodeKind::Symbol;
  AtomType type = AtomType::Ord;
  bool hasSup = false;
  bool hasSub = false;
  bool forceStyle = false;  // \dfrac / \tfrac
  bool displayStyle = false;
  std::u32string text;
  std::vector<Node> body;
  std::vector<Node> denominator;
  std::vector<Node> sup;
  std::vector<Node> sub;
  char32_t left = 0;
  char32_t right = 0;
  Argb color = kInheritColor;
  float space = 0;  // ems, for Space nodes
};

using MathList = std::vector<Node>;

// Compact, stable text of a list for tests and debugging, e.g.
// "ord(b) rel(=) frac[ord(π)|ord(4)]".
std::string describe(const MathList& list);

std::string toUtf8(std::u32string_view text);

}  // namespace uc::math
