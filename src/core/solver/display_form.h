#pragma once

#include <string>
#include <string_view>

namespace uc {

// The form in which a step formula is drawn: tidied spacing, stretchy brackets, no ".0" on
// whole numbers, collapsed sign pairs, and a thin space before every colour change. The app and
// the web edition both draw this form, so it is made here once.
std::string displayForm(std::string_view latex);

}  // namespace uc
