#pragma once

#include <string>

namespace uc::practice {

// The LaTeX of a practice question or answer as the keypad types it, for a printed worksheet
// and for what a screen reader says: "\frac{3\pi}{4}" is "3π/4",
// "\frac{\sqrt{6}-\sqrt{2}}{4}" is "(√6-√2)/4", "30^{\circ}" is "30°" and "\text{undefined}"
// the localised word.
std::string typedForm(const std::string& latex);

}  // namespace uc::practice
