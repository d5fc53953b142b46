#include "spoken_text.h"

#include <array>
#include <string_view>

namespace uc::math {
namespace {

constexpr std::array<std::string_view, 25> kGreek = {
    "alpha", "beta",   "gamma",   "delta", "epsilon", "zeta",    "eta",  "theta", "iota",
    "kappa", "lambda", "mu",      "nu",    "xi",      "omicron", "pi",   "rho",   "sigma",
    "sigma", "tau",    "upsilon", "phi",   "chi",     "psi",     "omega"};

class Speaker {
 public:
  std::string result() && { return std::move(out_); }

  void list(const MathList& nodes) {
    for (const Node& n : nodes) node(n);
  }

 private:
  std::string out_;
  enum class Run { None, Number, Roman };
  Run last_ = Run::None;

  // Digits join into one number and I, V, X into one numeral (the quadrant "III").
  void word(std::string_view w, Run run = Run::None) {
    if (w.empty()) return;
    bool glue = w == "," || (run != Run::None && run == last_);
    if (!out_.empty() && !glue) out_ += ' ';
    out_ += w;
    last_ = run;
  }

  void symbol(char32_t c) {
    if ((c >= '0' && c <= '9') || c == '.') {
      char ch = static_cast<char>(c);
      word(std::string_view(&ch, 1), Run::Number);
      return;
    }
    if (c >= 0x1D434 && c < 0x1D434 + 26) {
      char ch = static_cast<char>('A' + (c - 0x1D434));
      bool roman = ch == 'I' || ch == 'V' || ch == 'X';
      word(std::string_view(&ch, 1), roman ? Run::Roman : Run::None);
      return;
    }
    if ((c >= 0x1D44E && c < 0x1D44E + 26) || c == 0x210E) {
      char ch = c == 0x210E ? 'h' : static_cast<char>('a' + (c - 0x1D44E));
      word(std::string_view(&ch, 1));
      return;
    }
    if (c >= 0x1D6FC && c < 0x1D6FC + kGreek.size()) {
      word(kGreek[c - 0x1D6FC]);
      return;
    }
    switch (c) {
      case '=':
        word("equals");
        return;
      case 0x2248:
        word("is approximately");
        return;
      case '+':
        word("plus");
        return;
      case 0x2212:
        word("minus");
        return;
      case 0x22C5:
      case 0x00D7:
      case 0x2217:
        word("times");
        return;
      case ':':
      case 0x00F7:
        word("divided by");
        return;
      case 0x221E:
        word("infinity");
        return;
      case 0x1D716:
        word("epsilon");
        return;
      case 0x1D719:
        word("phi");
        return;
      case 0x2211:
        word("sum");
        return;
      case 0x2218:
      case 0x00B0:
        word("degrees");
        return;
      case '?':
        word("question mark");
        return;
      case '|':
        word("vertical bar");
        return;
      case '<':
        word("less than");
        return;
      case '>':
        word("greater than");
        return;
      case '(':
      case ')':
      case '[':
      case ']':
        return;  // grouping is carried by the reading order
      default:
        break;
    }
    if (c < 0x80) {
      char ch = static_cast<char>(c);
      word(std::string_view(&ch, 1));
    } else {
      word(toUtf8(std::u32string(1, c)));
    }
  }

  static bool isDegree(const MathList& sup) {
    return sup.size() == 1 && sup[0].kind == NodeKind::Symbol && sup[0].text == U"\u2218";
  }

  void node(const Node& n) {
    if (n.kind != NodeKind::Symbol) last_ = Run::None;  // "2\frac{1}{2}" is not "21 over 2"
    switch (n.kind) {
      case NodeKind::Symbol:
      case NodeKind::LargeOp:
        symbol(n.text.empty() ? U'?' : n.text[0]);
        break;
      case NodeKind::OperatorName: {
        std::string name = toUtf8(n.text);
        if (n.type != AtomType::Op) {
          word(name);
        } else if (name == "sin") {
          word("sine of");
        } else if (name == "cos") {
          word("cosine of");
        } else if (name == "tan") {
          word("tangent of");
        } else {
          word(name + " of");
        }
        break;
      }
      case NodeKind::Group:
      case NodeKind::Color:
      case NodeKind::LeftRight:
        list(n.body);
        break;
      case NodeKind::Fraction:
        list(n.body);
        word("over");
        list(n.denominator);
        break;
      case NodeKind::Radical:
        word("the square root of");
        list(n.body);
        word(",");
        break;
      case NodeKind::Space:
        if (n.space >= 1.0f) word(",");
        break;
      case NodeKind::Error:
        word(toUtf8(n.text));
        break;
    }
    if (n.hasSub) {
      word("sub");
      list(n.sub);
    }
    if (n.hasSup) {
      if (isDegree(n.sup)) {
        word("degrees");
      } else {
        word("to the power of");
        list(n.sup);
      }
    }
  }
};

}  // namespace

std::string spokenText(const MathList& list) {
  Speaker s;
  s.list(list);
  return std::move(s).result();
}

}  // namespace uc::math
