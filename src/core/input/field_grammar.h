#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <variant>

#include "core/number/digit.h"

namespace uc {

// The grammar of one input field. Each function returns its value or an error key.

// One numerator or denominator text: a number, optionally followed by one constant or one
// variable letter ("3π", "-π", "2e", "4x").
struct Term {
  double value = 0;
  std::vector<NaturalConstant> constants;
  std::string variable;
  double power = 0.0;
};
std::variant<Term, std::string> parseSubstring(std::string_view text);

// A whole field: empty (brackets only or nothing), a term, or "term/term". Fields holding
// more than one "/" must be rejected by the caller before, as all fields are scanned first.
std::variant<DigitPtr, std::string> parseField(std::string_view text);

// Number of "/" in a text.
std::size_t slashCount(std::string_view text);

}  // namespace uc
