#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

// Number <-> text conversions whose output appears character for character in formulas.
// None of them depends on the process locale.
namespace uc {

// Shortest text that reads back to the same double; whole numbers keep ".0" ("45.0"),
// exponent form below 1e-4 and above 2^53 ("1e-05", "1e+16"), "inf", "-inf", "nan".
std::string shortestText(double x);

// C's "%g" (six significant digits) in the C locale: 0.8571428571428571 -> "0.857143".
std::string printfG(double x);

// x rounded to `digits` significant digits, as printf rounds them, and read back:
// 0.8191520442889918 -> 0.819152044289 at 12.
double roundToSignificantDigits(double x, int digits);

// en_US decimal formatter: rounds the shortest decimal of x half to even at
// maximumFractionDigits, no trailing zeros, "," every three integer digits when grouping.
// A negative value that rounds to zero prints "-0".
std::string localeFormat(double x, int maximumFractionDigits, bool grouping = true);

// strtod in the C locale over the whole text; empty text, blanks, "inf", "nan" and
// hexadecimal forms do not read.
std::optional<double> parseDouble(std::string_view text);

// Truncation toward zero, defined only for finite x in [-2^63, 2^63).
std::optional<std::int64_t> truncateToInt64(double x);

// Splits at every separator, dropping empty pieces ("1//2" -> ["1", "2"]).
std::vector<std::string> splitDroppingEmpty(std::string_view text, std::string_view separator);

// Replaces every occurrence of `from` in text by `to`.
std::string replaceAll(std::string text, std::string_view from, std::string_view to);

}  // namespace uc
