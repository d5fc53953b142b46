#include "math_list.h"

#include <cstdio>

namespace uc::math {

std::string toUtf8(std::u32string_view text) {
  std::string out;
  out.reserve(text.size());
  for (char32_t c : text) {
    if (c < 0x80) {
      out += static_cast<char>(c);
    } else if (c < 0x800) {
      out += static_cast<char>(0xc0 | (c >> 6));
      out += static_cast<char>(0x80 | (c & 0x3f));
    } else if (c < 0x10000) {
      out += static_cast<char>(0xe0 | (c >> 12));
      out += static_cast<char>(0x80 | ((c >> 6) & 0x3f));
      out += static_cast<char>(0x80 | (c & 0x3f));
    } else {
      out += static_cast<char>(0xf0 | (c >> 18));
      out += static_cast<char>(0x80 | ((c >> 12) & 0x3f));
      out += static_cast<char>(0x80 | ((c >> 6) & 0x3f));
      out += static_cast<char>(0x80 | (c & 0x3f));
    }
  }
  return out;
}

namespace {

const char* typeName(AtomType t) {
  switch (t) {
    case AtomType::Ord:
      return "ord";
    case AtomType::Op:
      return "op";
    case AtomType::Bin:
      return "bin";
    case AtomType::Rel:
      return "rel";
    case AtomType::Open:
      return "open";
    case AtomType::Close:
      return "close";
    case AtomType::Punct:
      return "punct";
    case AtomType::Inner:
      return "inner";
  }
  return "?";
}

void describeInto(const MathList& list, std::string& out);

void describeNode(const Node& n, std::string& out) {
  switch (n.kind) {
    case NodeKind::Symbol:
    case NodeKind::OperatorName:
    case NodeKind::LargeOp:
      out += typeName(n.type);
      out += '(' + toUtf8(n.text) + ')';
      break;
    case NodeKind::Group:
      out += '{';
      describeInto(n.body, out);
      out += '}';
      break;
    case NodeKind::Fraction:
      out += "frac[";
      describeInto(n.body, out);
      out += '|';
      describeInto(n.denominator, out);
      out += ']';
      break;
    case NodeKind::Radical:
      out += "sqrt[";
      describeInto(n.body, out);
      out += ']';
      break;
    case NodeKind::LeftRight:
      out += "left" + toUtf8(std::u32string(1, n.left ? n.left : U'.')) + '[';
      describeInto(n.body, out);
      out += "]right" + toUtf8(std::u32string(1, n.right ? n.right : U'.'));
      break;
    case NodeKind::Color: {
      char hex[16];
      std::snprintf(hex, sizeof hex, "#%06x", static_cast<unsigned>(n.color & 0xffffffu));
      out += std::string("color") + hex + '[';
      describeInto(n.body, out);
      out += ']';
      break;
    }
    case NodeKind::Space: {
      char buf[32];
      std::snprintf(buf, sizeof buf, "space(%g)", static_cast<double>(n.space));
      out += buf;
      break;
    }
    case NodeKind::Error:
      out += "error(" + toUtf8(n.text) + ')';
      break;
  }
  if (n.hasSub) {
    out += "_{";
    describeInto(n.sub, out);
    out += '}';
  }
  if (n.hasSup) {
    out += "^{";
    describeInto(n.sup, out);
    out += '}';
  }
}

void describeInto(const MathList& list, std::string& out) {
  for (std::size_t i = 0; i < list.size(); ++i) {
    if (i) out += ' ';
    describeNode(list[i], out);
  }
}

}  // namespace

std::string describe(const MathList& list) {
  std::string out;
  describeInto(list, out);
  return out;
}

}  // namespace uc::math
