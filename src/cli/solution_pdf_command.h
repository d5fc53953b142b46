#pragma once

#include <iosfwd>

#include "cli/cli_options.h"

namespace uc::cli {

// `solve --pdf FILE`: solves the input and writes its worked solution to FILE as a PDF to
// print, the same file the app's "Save as PDF" writes. An input error is reported as by
// `solve` (exit 2) and writes nothing; a file that cannot be written exits with kExitUsage
// after a message. Starts an offscreen QGuiApplication when there is none.
int writeSolutionPdf(const SolveOptions& options, std::ostream& err);

}  // namespace uc::cli
