#include "core/practice/typed_form.h"

#include <cctype>
#include <string_view>

#include "core/localization.h"

namespace uc::practice {
namespace {

class Converter {
 public:
  explicit Converter(std::string_view latex) : latex_(latex) {}

  // Up to the closing brace of the group being read, or the end.
  std::string sequence() {
    std::string text;
    while (i_ < latex_.size() && latex_[i_] != '}') {
      if (take("\\frac")) {
        const std::string numerator = group();
        const std::string denominator = group();
        text += bracketed(numerator) + "/" + bracketed(denominator);
      } else if (take("\\sqrt")) {
        const std::string radicand = group();
        text += "\xE2\x88\x9A" + (isNumber(radicand) ? radicand : "(" + radicand + ")");
      } else if (take("\\pi")) {
        text += "\xCF\x80";
      } else if (take("^{\\circ}")) {
        text += "\xC2\xB0";
      } else if (take("\\text")) {
        const std::string word = group();
        text += word == "undefined" ? localized("practiceUndefined") : word;
      } else if (latex_[i_] == '\\') {
        skipCommand();  // spacing such as "\ " or "\quad" between answers types as nothing
      } else {
        text += latex_[i_++];
      }
    }
    return text;
  }

 private:
  bool take(std::string_view command) {
    if (latex_.substr(i_, command.size()) != command) return false;
    i_ += command.size();
    return true;
  }

  void skipCommand() {
    const std::size_t name = ++i_;
    while (i_ < latex_.size() && std::isalpha(static_cast<unsigned char>(latex_[i_]))) ++i_;
    if (i_ == name && i_ < latex_.size()) ++i_;
  }

  std::string group() {
    if (!take("{")) return {};
    std::string text = sequence();
    take("}");
    return text;
  }

  static bool isNumber(const std::string& text) {
    return !text.empty() && text.find_first_not_of("0123456789") == std::string::npos;
  }

  // A sum or difference in a fraction needs brackets; a leading minus or one under a root
  // (already bracketed) does not.
  static std::string bracketed(const std::string& text) {
    int depth = 0;
    for (std::size_t i = 0; i < text.size(); ++i) {
      depth += text[i] == '(' ? 1 : text[i] == ')' ? -1 : 0;
      if (i > 0 && depth == 0 && (text[i] == '+' || text[i] == '-')) return "(" + text + ")";
    }
    return text;
  }

  std::string_view latex_;
  std::size_t i_ = 0;
};

}  // namespace

std::string typedForm(const std::string& latex) { return Converter(latex).sequence(); }

}  // namespace uc::practice
