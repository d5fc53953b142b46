#pragma once

#include <string>
#include <string_view>

namespace uc::web {

// The calls the web edition makes besides solving: what its charts draw (the unit circle's
// turns and final states, the angle set by hand, the graphs and their ticks, what a tapped
// step stresses). Arguments and answer are JSON texts; an unknown method or arguments that do
// not fit answer {"error": "..."}, never an exception.
std::string call(std::string_view method, std::string_view argumentsJson);

}  // namespace uc::web
