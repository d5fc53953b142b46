#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace uc {

// An arc length typed as a plain number that lies within 1e-9 of p/q·π (q at most 12, p not
// 0) was most likely meant as that fraction of π: the text that types it, as the keypad writes
// it ("3π/4", "-π/2", "2π"). Nothing when the typed text already holds a constant (π or e) or
// the value is not near such a fraction.
std::optional<std::string> piFractionHint(std::string_view typedB, double radians);

}  // namespace uc
