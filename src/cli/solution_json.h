#pragma once

#include <iosfwd>
#include <string>
#include <string_view>

#include "core/solver/tiro_unit_circle.h"

namespace uc::cli {

// The field names the command line reports errors with, for the tags of the two fields.
std::string_view fieldName(int tag);

// One line of JSON: error, steps, the angle and arc the solution used, the chart steps, the
// exact values and the hint of a fraction of π.
std::string solutionJson(const SolveResult& result);

// Each step's title and formula on lines of their own, a blank line between steps.
std::string solutionText(const SolveResult& result);

// "error: KEY: message (fields)", as a failed solve reports it on stderr.
void printSolveError(const SolveResult& result, std::ostream& err);

std::string jsonString(std::string_view text);

}  // namespace uc::cli
