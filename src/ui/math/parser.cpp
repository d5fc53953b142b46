#include "parser.h"

#include <algorithm>
#include <array>
#include <optional>

namespace uc::math {
namespace {

// Deep enough for any real formula, shallow enough to keep the recursive typesetter off the
// end of the stack.
constexpr int kMaxDepth = 40;
constexpr std::size_t kMaxErrors = 16;

struct SymbolEntry {
  std::string_view name;
  char32_t cp;
  AtomType type;
};

// Lower-case Greek is italic like other variables (math italic block); capitals are upright.
constexpr std::array kSymbols = {
    SymbolEntry{"alpha", 0x1D6FC, AtomType::Ord},
    SymbolEntry{"beta", 0x1D6FD, AtomType::Ord},
    SymbolEntry{"gamma", 0x1D6FE, AtomType::Ord},
    SymbolEntry{"delta", 0x1D6FF, AtomType::Ord},
    SymbolEntry{"epsilon", 0x1D716, AtomType::Ord},
    SymbolEntry{"varepsilon", 0x1D700, AtomType::Ord},
    SymbolEntry{"zeta", 0x1D701, AtomType::Ord},
    SymbolEntry{"eta", 0x1D702, AtomType::Ord},
    SymbolEntry{"theta", 0x1D703, AtomType::Ord},
    SymbolEntry{"iota", 0x1D704, AtomType::Ord},
    SymbolEntry{"kappa", 0x1D705, AtomType::Ord},
    SymbolEntry{"lambda", 0x1D706, AtomType::Ord},
    SymbolEntry{"mu", 0x1D707, AtomType::Ord},
    SymbolEntry{"nu", 0x1D708, AtomType::Ord},
    SymbolEntry{"xi", 0x1D709, AtomType::Ord},
    SymbolEntry{"pi", 0x1D70B, AtomType::Ord},
    SymbolEntry{"rho", 0x1D70C, AtomType::Ord},
    SymbolEntry{"sigma", 0x1D70E, AtomType::Ord},
    SymbolEntry{"tau", 0x1D70F, AtomType::Ord},
    SymbolEntry{"upsilon", 0x1D710, AtomType::Ord},
    SymbolEntry{"phi", 0x1D719, AtomType::Ord},
    SymbolEntry{"varphi", 0x1D711, AtomType::Ord},
    SymbolEntry{"chi", 0x1D712, AtomType::Ord},
    SymbolEntry{"psi", 0x1D713, AtomType::Ord},
    SymbolEntry{"omega", 0x1D714, AtomType::Ord},
    SymbolEntry{"Gamma", 0x0393, AtomType::Ord},
    SymbolEntry{"Delta", 0x0394, AtomType::Ord},
    SymbolEntry{"Theta", 0x0398, AtomType::Ord},
    SymbolEntry{"Lambda", 0x039B, AtomType::Ord},
    SymbolEntry{"Xi", 0x039E, AtomType::Ord},
    SymbolEntry{"Pi", 0x03A0, AtomType::Ord},
    SymbolEntry{"Sigma", 0x03A3, AtomType::Ord},
    SymbolEntry{"Phi", 0x03A6, AtomType::Ord},
    SymbolEntry{"Psi", 0x03A8, AtomType::Ord},
    SymbolEntry{"Omega", 0x03A9, AtomType::Ord},
    SymbolEntry{"infty", 0x221E, AtomType::Ord},
    SymbolEntry{"circ", 0x2218, AtomType::Bin},
    SymbolEntry{"cdot", 0x22C5, AtomType::Bin},
    SymbolEntry{"times", 0x00D7, AtomType::Bin},
    SymbolEntry{"div", 0x00F7, AtomType::Bin},
    SymbolEntry{"pm", 0x00B1, AtomType::Bin},
    SymbolEntry{"mp", 0x2213, AtomType::Bin},
    SymbolEntry{"ast", 0x2217, AtomType::Bin},
    SymbolEntry{"leq", 0x2264, AtomType::Rel},
    SymbolEntry{"le", 0x2264, AtomType::Rel},
    SymbolEntry{"geq", 0x2265, AtomType::Rel},
    SymbolEntry{"ge", 0x2265, AtomType::Rel},
    SymbolEntry{"neq", 0x2260, AtomType::Rel},
    SymbolEntry{"ne", 0x2260, AtomType::Rel},
    SymbolEntry{"approx", 0x2248, AtomType::Rel},
    SymbolEntry{"equiv", 0x2261, AtomType::Rel},
    SymbolEntry{"to", 0x2192, AtomType::Rel},
    SymbolEntry{"rightarrow", 0x2192, AtomType::Rel},
    SymbolEntry{"Rightarrow", 0x21D2, AtomType::Rel},
    SymbolEntry{"mid", 0x2223, AtomType::Rel},
    SymbolEntry{"vert", 0x007C, AtomType::Ord},
    SymbolEntry{"degree", 0x00B0, AtomType::Ord},
    SymbolEntry{"cdots", 0x22EF, AtomType::Inner},
    SymbolEntry{"ldots", 0x2026, AtomType::Inner},
    SymbolEntry{"prime", 0x2032, AtomType::Ord},
    SymbolEntry{"{", 0x007B, AtomType::Open},
    SymbolEntry{"}", 0x007D, AtomType::Close},
    SymbolEntry{"%", 0x0025, AtomType::Ord},
    SymbolEntry{"_", 0x005F, AtomType::Ord},
    SymbolEntry{"#", 0x0023, AtomType::Ord},
    SymbolEntry{"&", 0x0026, AtomType::Ord},
    SymbolEntry{"$", 0x0024, AtomType::Ord},
    SymbolEntry{"|", 0x2016, AtomType::Ord},
};

constexpr std::array<std::string_view, 22> kOperatorNames = {
    "sin",  "cos", "tan", "cot", "sec", "csc", "arcsin", "arccos", "arctan", "sinh", "cosh",
    "tanh", "log", "ln",  "exp", "lim", "max", "min",    "det",    "gcd",    "deg",  "arg"};

struct SpaceEntry {
  std::string_view name;
  float ems;
};
// Math units are 1/18 em: \, = 3mu, \: = 4mu, \; = 5mu.
constexpr std::array kSpaces = {
    SpaceEntry{"quad", 1.0f},           SpaceEntry{"qquad", 2.0f},   SpaceEntry{",", 3.0f / 18},
    SpaceEntry{"thinspace", 3.0f / 18}, SpaceEntry{":", 4.0f / 18},  SpaceEntry{">", 4.0f / 18},
    SpaceEntry{";", 5.0f / 18},         SpaceEntry{"!", -3.0f / 18}, SpaceEntry{" ", 1.0f / 3},
};

struct NamedColor {
  std::string_view name;
  Argb argb;
};
constexpr std::array kNamedColors = {
    NamedColor{"black", 0xff000000u}, NamedColor{"white", 0xffffffffu},
    NamedColor{"red", 0xffff0000u},   NamedColor{"green", 0xff00ff00u},
    NamedColor{"blue", 0xff0000ffu},  NamedColor{"gray", 0xff808080u},
};

bool isAsciiLetter(char c) { return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z'); }

// Latin letters as TeX sets them: Mathematical Italic, with the hole at h filled by U+210E.
char32_t mathItalic(char c) {
  if (c >= 'A' && c <= 'Z') return 0x1D434 + static_cast<char32_t>(c - 'A');
  if (c == 'h') return 0x210E;
  return 0x1D44E + static_cast<char32_t>(c - 'a');
}

std::optional<int> hexDigit(char c) {
  if (c >= '0' && c <= '9') return c - '0';
  if (c >= 'a' && c <= 'f') return c - 'a' + 10;
  if (c >= 'A' && c <= 'F') return c - 'A' + 10;
  return std::nullopt;
}

std::optional<Argb> colorFromText(std::string_view s) {
  while (!s.empty() && s.front() == ' ') s.remove_prefix(1);
  while (!s.empty() && s.back() == ' ') s.remove_suffix(1);
  if (!s.empty() && s.front() == '#' && (s.size() == 7 || s.size() == 4)) {
    std::uint32_t rgb = 0;
    for (char c : s.substr(1)) {
      auto d = hexDigit(c);
      if (!d) return std::nullopt;
      rgb = rgb * 16 + static_cast<std::uint32_t>(*d);
      if (s.size() == 4) rgb = rgb * 16 + static_cast<std::uint32_t>(*d);
    }
    return 0xff000000u | rgb;
  }
  for (const auto& named : kNamedColors) {
    if (named.name == s) return named.argb;
  }
  return std::nullopt;
}

class Parser {
 public:
  explicit Parser(std::string_view src) : src_(src) {}

  ParseResult run() {
    ParseResult result;
    result.list = parseList(0, Stop::End);
    result.errors = std::move(errors_);
    return result;
  }

 private:
  enum class Stop { End, Brace, Right };

  std::string_view src_;
  std::size_t pos_ = 0;
  std::vector<ParseError> errors_;

  void error(ParseErrorKind kind, std::size_t at) {
    if (errors_.size() < kMaxErrors) errors_.push_back({kind, at});
  }

  static Node errorNode(std::string_view text) {
    Node n;
    n.kind = NodeKind::Error;
    n.text.reserve(text.size());
    // Bytes above ASCII are shown as-is only when they form valid UTF-8; the error text is a
    // hint for the author, so a replacement character is good enough otherwise.
    for (unsigned char c : text) n.text += c < 0x80 ? char32_t{c} : char32_t{0xFFFD};
    return n;
  }

  static Node symbol(char32_t cp, AtomType type) {
    Node n;
    n.kind = NodeKind::Symbol;
    n.type = type;
    n.text.assign(1, cp);
    return n;
  }

  bool atEnd() const { return pos_ >= src_.size(); }
  char peek() const { return src_[pos_]; }

  void skipSpace() {
    while (!atEnd()) {
      char c = peek();
      if (c == ' ' || c == '\t' || c == '\n' || c == '\r' || c == '\f' || c == '\v') {
        ++pos_;
      } else if (c == '%') {  // comment to end of line, as in TeX
        while (!atEnd() && peek() != '\n') ++pos_;
      } else {
        break;
      }
    }
  }

  // Reads \name (letters) or \x (one other character); pos_ is on the backslash.
  std::string_view readCommand() {
    std::size_t start = ++pos_;
    if (atEnd()) return {};
    if (isAsciiLetter(peek())) {
      while (!atEnd() && isAsciiLetter(peek())) ++pos_;
    } else {
      ++pos_;
    }
    return src_.substr(start, pos_ - start);
  }

  // Decodes one UTF-8 sequence; nullopt on malformed input (one byte is consumed).
  std::optional<char32_t> readCodePoint() {
    auto b0 = static_cast<unsigned char>(src_[pos_++]);
    if (b0 < 0x80) return b0;
    int extra = b0 >= 0xf0 ? 3 : b0 >= 0xe0 ? 2 : b0 >= 0xc0 ? 1 : -1;
    if (extra < 0 || b0 > 0xf4) return std::nullopt;
    char32_t cp = b0 & (0x3f >> extra);
    for (int i = 0; i < extra; ++i) {
      if (atEnd()) return std::nullopt;
      auto b = static_cast<unsigned char>(peek());
      if ((b & 0xc0) != 0x80) return std::nullopt;
      cp = (cp << 6) | (b & 0x3f);
      ++pos_;
    }
    static constexpr char32_t kMin[] = {0, 0x80, 0x800, 0x10000};
    if (cp < kMin[extra] || cp > 0x10FFFF || (cp >= 0xD800 && cp <= 0xDFFF)) return std::nullopt;
    return cp;
  }

  // Skips to the matching close brace without recursing; used past the nesting limit.
  bool skipBalanced() {
    int open = 1;
    while (!atEnd() && open > 0) {
      char c = src_[pos_++];
      if (c == '\\' && !atEnd()) {
        ++pos_;
      } else if (c == '{') {
        ++open;
      } else if (c == '}') {
        --open;
      }
    }
    return open == 0;
  }

  // The group after '{' (already consumed at `open`), up to and including its '}'.
  MathList parseGroupBody(int depth, std::size_t open) {
    if (depth >= kMaxDepth) {
      error(ParseErrorKind::NestingTooDeep, open);
      skipBalanced();
      MathList list;
      list.push_back(errorNode(src_.substr(open, pos_ - open)));
      return list;
    }
    MathList list = parseList(depth + 1, Stop::Brace);
    if (!atEnd() && peek() == '}') {
      ++pos_;
    } else {
      error(ParseErrorKind::MissingCloseBrace, open);
    }
    return list;
  }

  // A macro or script argument: a braced group, a command, or a single character.
  std::optional<MathList> parseArgument(int depth) {
    skipSpace();
    if (atEnd() || peek() == '}') return std::nullopt;
    if (peek() == '{') {
      std::size_t open = pos_++;
      return parseGroupBody(depth, open);
    }
    MathList list;
    if (depth >= kMaxDepth) {
      error(ParseErrorKind::NestingTooDeep, pos_);
      std::size_t start = pos_++;
      list.push_back(errorNode(src_.substr(start, pos_ - start)));
      return list;
    }
    parseAtom(depth + 1, list, Stop::End, /*single=*/true);
    return list;
  }

  MathList parseList(int depth, Stop stop) {
    MathList list;
    while (true) {
      skipSpace();
      if (atEnd()) break;
      char c = peek();
      if (c == '}') {
        if (stop == Stop::Brace) break;
        error(ParseErrorKind::UnexpectedCloseBrace, pos_);
        list.push_back(errorNode("}"));
        ++pos_;
        continue;
      }
      if (c == '\\' && stop == Stop::Right && src_.substr(pos_, 6) == "\\right" &&
          !(pos_ + 6 < src_.size() && isAsciiLetter(src_[pos_ + 6]))) {
        break;
      }
      parseAtom(depth, list, stop, /*single=*/false);
    }
    return list;
  }

  void attachScript(int depth, MathList& list, bool super) {
    std::size_t at = pos_++;
    auto arg = parseArgument(depth);
    if (!arg) {
      error(ParseErrorKind::MissingArgument, at);
      list.push_back(errorNode(super ? "^" : "_"));
      return;
    }
    bool needsBase =
        list.empty() || list.back().kind == NodeKind::Space || list.back().kind == NodeKind::Error;
    if (!needsBase && list.back().kind == NodeKind::Color) {
      // A script after a colour group belongs to the whole group.
      Node group;
      group.kind = NodeKind::Group;
      group.body.push_back(std::move(list.back()));
      list.back() = std::move(group);
    }
    if (!needsBase && (super ? list.back().hasSup : list.back().hasSub)) {
      error(ParseErrorKind::DoubleScript, at);
      list.push_back(errorNode(src_.substr(at, pos_ - at)));
      return;
    }
    if (needsBase) {
      Node empty;
      empty.kind = NodeKind::Group;
      list.push_back(std::move(empty));
    }
    Node& base = list.back();
    (super ? base.hasSup : base.hasSub) = true;
    (super ? base.sup : base.sub) = std::move(*arg);
  }

  std::optional<char32_t> parseDelimiter() {
    skipSpace();
    if (atEnd()) return std::nullopt;
    char c = peek();
    if (c == '\\') {
      std::size_t save = pos_;
      std::string_view name = readCommand();
      if (name == "{" || name == "lbrace") return U'{';
      if (name == "}" || name == "rbrace") return U'}';
      if (name == "langle") return U'\u27E8';
      if (name == "rangle") return U'\u27E9';
      if (name == "|" || name == "Vert") return U'\u2016';
      if (name == "vert" || name == "lvert" || name == "rvert") return U'|';
      pos_ = save;
      return std::nullopt;
    }
    static constexpr std::string_view kPlain = "()[]|./";
    if (kPlain.find(c) == std::string_view::npos) return std::nullopt;
    ++pos_;
    return c == '.' ? char32_t{0} : char32_t(c);
  }

  void parseLeftRight(int depth, MathList& list, std::size_t at) {
    auto left = parseDelimiter();
    if (!left) {
      error(ParseErrorKind::InvalidDelimiter, pos_);
      left = 0;
    }
    if (depth >= kMaxDepth) {
      error(ParseErrorKind::NestingTooDeep, at);
      list.push_back(errorNode(src_.substr(at, pos_ - at)));
      return;
    }
    Node n;
    n.kind = NodeKind::LeftRight;
    n.type = AtomType::Inner;
    n.left = *left;
    n.body = parseList(depth + 1, Stop::Right);
    if (atEnd() || peek() != '\\') {
      error(ParseErrorKind::MissingRight, at);
      n.right = 0;
    } else {
      pos_ += 6;  // "\right"
      auto right = parseDelimiter();
      if (!right) {
        error(ParseErrorKind::InvalidDelimiter, pos_);
        right = 0;
      }
      n.right = *right;
    }
    list.push_back(std::move(n));
  }

  void parseColor(int depth, MathList& list, std::size_t at, Stop stop) {
    skipSpace();
    std::optional<Argb> color;
    if (!atEnd() && peek() == '{') {
      // A colour name is short; looking further would make "\color{\color{..." quadratic.
      std::size_t close = src_.substr(0, std::min(src_.size(), pos_ + 64)).find('}', pos_);
      if (close != std::string_view::npos) {
        color = colorFromText(src_.substr(pos_ + 1, close - pos_ - 1));
        pos_ = close + 1;
      }
    }
    if (!color) {
      error(ParseErrorKind::InvalidColor, at);
      list.push_back(errorNode(src_.substr(at, pos_ - at)));
    }
    Node n;
    n.kind = color ? NodeKind::Color : NodeKind::Group;
    n.color = color.value_or(kInheritColor);
    skipSpace();
    if (!atEnd() && peek() == '{') {
      std::size_t open = pos_++;
      n.body = parseGroupBody(depth, open);
    } else if (depth < kMaxDepth) {
      // LaTeX's declaration form: the colour runs to the end of the enclosing group.
      n.body = parseList(depth + 1, stop);
    }
    list.push_back(std::move(n));
  }

  // \text{...} and friends: the braced text as it stands, upright, no math inside.
  void parseUprightText(MathList& list, std::string_view name, std::size_t at) {
    skipSpace();
    if (atEnd() || peek() != '{') {
      error(ParseErrorKind::MissingArgument, at);
      list.push_back(errorNode(src_.substr(at, pos_ - at)));
      return;
    }
    std::size_t open = pos_++;
    bool closed = skipBalanced();
    if (!closed) error(ParseErrorKind::MissingCloseBrace, open);
    std::size_t end = closed ? pos_ - 1 : pos_;
    Node n;
    n.kind = NodeKind::OperatorName;
    n.type = name == "operatorname" ? AtomType::Op : AtomType::Ord;
    Parser inner(src_.substr(open + 1, end - open - 1));
    while (!inner.atEnd()) {
      auto cp = inner.readCodePoint();
      if (cp == U'\\' && !inner.atEnd()) cp = inner.readCodePoint();  // \{ \} \%
      char32_t c = cp.value_or(0xFFFD);
      if (c == ' ' && name == "mathrm") continue;
      if (c != '{' && c != '}' && c >= 0x20) n.text += c;
    }
    list.push_back(std::move(n));
  }

  void parseCommand(int depth, MathList& list, Stop stop) {
    std::size_t at = pos_;
    std::string_view name = readCommand();
    if (name.empty()) {
      error(ParseErrorKind::UnknownCommand, at);
      list.push_back(errorNode("\\"));
      return;
    }
    for (const auto& s : kSymbols) {
      if (s.name == name) {
        list.push_back(symbol(s.cp, s.type));
        return;
      }
    }
    for (const auto& s : kSpaces) {
      if (s.name == name) {
        Node n;
        n.kind = NodeKind::Space;
        n.space = s.ems;
        list.push_back(std::move(n));
        return;
      }
    }
    for (auto op : kOperatorNames) {
      if (op == name) {
        Node n;
        n.kind = NodeKind::OperatorName;
        n.type = AtomType::Op;
        n.text.assign(op.begin(), op.end());
        list.push_back(std::move(n));
        return;
      }
    }
    if (name == "text" || name == "mathrm" || name == "operatorname") {
      parseUprightText(list, name, at);
      return;
    }
    if (name == "sum") {
      Node n = symbol(0x2211, AtomType::Op);
      n.kind = NodeKind::LargeOp;
      list.push_back(std::move(n));
      return;
    }
    if (name == "frac" || name == "dfrac" || name == "tfrac") {
      Node n;
      n.kind = NodeKind::Fraction;
      n.type = AtomType::Inner;
      n.forceStyle = name != "frac";
      n.displayStyle = name == "dfrac";
      auto num = parseArgument(depth);
      auto den = num ? parseArgument(depth) : std::nullopt;
      if (!num || !den) error(ParseErrorKind::MissingArgument, at);
      if (num) n.body = std::move(*num);
      if (den) n.denominator = std::move(*den);
      list.push_back(std::move(n));
      return;
    }
    if (name == "sqrt") {
      Node n;
      n.kind = NodeKind::Radical;
      auto radicand = parseArgument(depth);
      if (!radicand) error(ParseErrorKind::MissingArgument, at);
      if (radicand) n.body = std::move(*radicand);
      list.push_back(std::move(n));
      return;
    }
    if (name == "color") {
      parseColor(depth, list, at, stop);
      return;
    }
    if (name == "left") {
      parseLeftRight(depth, list, at);
      return;
    }
    if (name == "right") {
      error(ParseErrorKind::UnexpectedRight, at);
      parseDelimiter();
      list.push_back(errorNode(src_.substr(at, pos_ - at)));
      return;
    }
    error(ParseErrorKind::UnknownCommand, at);
    list.push_back(errorNode(src_.substr(at, pos_ - at)));
  }

  void parseAtom(int depth, MathList& list, Stop stop, bool single) {
    std::size_t at = pos_;
    char c = peek();
    switch (c) {
      case '{': {
        ++pos_;
        Node g;
        g.kind = NodeKind::Group;
        g.body = parseGroupBody(depth, at);
        list.push_back(std::move(g));
        return;
      }
      case '^':
      case '_':
        if (single) {  // "x^^" : a script cannot be an argument
          ++pos_;
          error(ParseErrorKind::MissingArgument, at);
          list.push_back(errorNode(src_.substr(at, 1)));
          return;
        }
        attachScript(depth, list, c == '^');
        return;
      case '\\':
        parseCommand(depth, list, stop);
        return;
      case '~': {
        ++pos_;
        Node n;
        n.kind = NodeKind::Space;
        n.space = 1.0f / 3;
        list.push_back(std::move(n));
        return;
      }
      case '&':
      case '#':
      case '$':
        ++pos_;
        error(ParseErrorKind::UnsupportedCharacter, at);
        list.push_back(errorNode(src_.substr(at, 1)));
        return;
      default:
        break;
    }
    if (isAsciiLetter(c)) {
      ++pos_;
      list.push_back(symbol(mathItalic(c), AtomType::Ord));
      return;
    }
    auto cp = readCodePoint();
    if (!cp) {
      error(ParseErrorKind::InvalidUtf8, at);
      list.push_back(errorNode(src_.substr(at, pos_ - at)));
      return;
    }
    switch (*cp) {
      case '+':
        list.push_back(symbol('+', AtomType::Bin));
        return;
      case '-':
        list.push_back(symbol(0x2212, AtomType::Bin));
        return;
      case '*':
        list.push_back(symbol(0x2217, AtomType::Bin));
        return;
      case '=':
      case '<':
      case '>':
      case ':':
        list.push_back(symbol(*cp, AtomType::Rel));
        return;
      case ',':
      case ';':
        list.push_back(symbol(*cp, AtomType::Punct));
        return;
      case '(':
      case '[':
        list.push_back(symbol(*cp, AtomType::Open));
        return;
      case ')':
      case ']':
      case '?':
      case '!':
        list.push_back(symbol(*cp, AtomType::Close));
        return;
      case '\'':
        list.push_back(symbol(0x2032, AtomType::Ord));
        return;
      default:
        break;
    }
    if (*cp < 0x20 || *cp == 0x7f) {
      error(ParseErrorKind::UnsupportedCharacter, at);
      return;  // invisible control characters are dropped
    }
    // Typed Greek (α, π) is set like \alpha, \pi.
    if (*cp >= 0x03B1 && *cp <= 0x03C9) {
      static constexpr char32_t kItalicGreek = 0x1D6FC;
      list.push_back(symbol(kItalicGreek + (*cp - 0x03B1), AtomType::Ord));
      return;
    }
    list.push_back(symbol(*cp, AtomType::Ord));
  }
};

}  // namespace

ParseResult parse(std::string_view latex) { return Parser(latex).run(); }

}  // namespace uc::math
