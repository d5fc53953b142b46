#pragma once

#include <cctype>
#include <cmath>
#include <cstring>
#include <numbers>
#include <optional>
#include <stdexcept>
#include <string>

namespace uc::testing {

// The number a LaTeX formula of the practice questions stands for, read without the
// production answer reader: \frac, \sqrt, \pi, digits, + and -, ^{\circ} (turned into the
// angle in degrees), \text{undefined} (nothing).
class LatexValue {
 public:
  static std::optional<double> of(const std::string& latex, bool* degrees = nullptr) {
    if (latex == "\\text{undefined}") return std::nullopt;
    LatexValue reader(latex);
    const double value = reader.sum();
    if (reader.at("^{\\circ}")) {
      reader.i_ += 8;
      if (degrees) *degrees = true;
    } else if (degrees) {
      *degrees = false;
    }
    if (reader.i_ != latex.size()) throw std::runtime_error("unread LaTeX: " + latex);
    return value;
  }

 private:
  explicit LatexValue(const std::string& text) : s_(text) {}

  bool at(const char* word) const { return s_.compare(i_, std::strlen(word), word) == 0; }

  double sum() {
    double value = product();
    while (i_ < s_.size() && (s_[i_] == '+' || s_[i_] == '-')) {
      const char op = s_[i_++];
      const double right = product();
      value = op == '+' ? value + right : value - right;
    }
    return value;
  }

  double product() {
    if (i_ < s_.size() && s_[i_] == '-') {
      ++i_;
      return -product();
    }
    double value = atom();
    while (i_ < s_.size() && (std::isdigit(static_cast<unsigned char>(s_[i_])) || at("\\"))) {
      if (at("\\text")) break;
      value *= atom();
    }
    return value;
  }

  double group() {
    expect('{');
    const double value = sum();
    expect('}');
    return value;
  }

  double atom() {
    if (at("\\frac")) {
      i_ += 5;
      const double numerator = group();
      return numerator / group();
    }
    if (at("\\sqrt")) {
      i_ += 5;
      return std::sqrt(group());
    }
    if (at("\\pi")) {
      i_ += 3;
      return std::numbers::pi;
    }
    const std::size_t start = i_;
    while (i_ < s_.size() && std::isdigit(static_cast<unsigned char>(s_[i_]))) ++i_;
    if (start == i_) throw std::runtime_error("unexpected LaTeX at " + s_.substr(start));
    return std::stod(s_.substr(start, i_ - start));
  }

  void expect(char c) {
    if (i_ >= s_.size() || s_[i_] != c) throw std::runtime_error("expected " + std::string(1, c));
    ++i_;
  }

  const std::string& s_;
  std::size_t i_ = 0;
};

}  // namespace uc::testing
