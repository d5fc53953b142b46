#pragma once

#include <string>

namespace uc::cli {

// The LaTeX of a practice question as plain text for a printed worksheet: "\frac{3\pi}{4}"
// is "3π/4", "\frac{\sqrt{6}-\sqrt{2}}{4}" is "(√6-√2)/4", "30^{\circ}" is "30°" and
// "\text{undefined}" the localised word.
std::string plainMathText(const std::string& latex);

}  // namespace uc::cli
