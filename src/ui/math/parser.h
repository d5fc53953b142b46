#pragma once

#include <cstddef>
#include <cstdint>
#include <string_view>
#include <vector>

#include "math_list.h"

namespace uc::math {

enum class ParseErrorKind : std::uint8_t {
  UnknownCommand,
  MissingCloseBrace,
  UnexpectedCloseBrace,
  MissingArgument,
  InvalidColor,
  MissingRight,
  UnexpectedRight,
  InvalidDelimiter,
  DoubleScript,
  NestingTooDeep,
  InvalidUtf8,
  UnsupportedCharacter,
};

struct ParseError {
  ParseErrorKind kind;
  std::size_t position;  // byte offset into the LaTeX text
  bool operator==(const ParseError&) const = default;
};

struct ParseResult {
  MathList list;
  // Only the first few errors are kept; the list still renders everything.
  std::vector<ParseError> errors;
};

// Never fails: whatever cannot be understood becomes an Error node drawn in red.
ParseResult parse(std::string_view latex);

}  // namespace uc::math
