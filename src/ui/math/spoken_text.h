#pragma once

#include <string>

#include "math_list.h"

namespace uc::math {

// The formula as English words for screen readers: "b equals pi over 4".
std::string spokenText(const MathList& list);

}  // namespace uc::math
