#pragma once

#include <iosfwd>

#include "cli/cli_options.h"

namespace uc::cli {

// `unitcircle history`: the calculations stored in a settings file, newest first, as text
// lines or as {"calculations": [record, ...]} with each record in its stored dictionary
// form. Reads a database or an earlier version's JSON-lines file alike and changes neither.
int runHistory(const HistoryOptions& options, std::ostream& out, std::ostream& err);

}  // namespace uc::cli
