#pragma once

#include <iosfwd>
#include <string>

#include "cli/cli_options.h"
#include "core/explore/inverse_solutions.h"

namespace uc::cli {

// {"degrees": [30, 150], "exact": ["30^{\\circ}", "150^{\\circ}"], "period": 360} on one line.
std::string inverseJson(const explore::InverseSolutions& solutions);

// One line per angle, "α = 30° + k · 360°" or "α ≈ 48.59° + k · 360°", or "no solution".
std::string inverseText(const explore::InverseSolutions& solutions);

// Prints every α in [0°, 360°) where the function takes the value; returns the exit status.
int runInverse(const InverseOptions& options, std::ostream& out, std::ostream& err);

}  // namespace uc::cli
