#pragma once

#include <iosfwd>

#include "cli/cli_options.h"

namespace uc::cli {

// Writes the practice worksheet of the options to options.pdfPath as a PDF to print: the
// questions with room to write under each, typeset as the app shows them, then the answers on a
// page of their own. Text stays text and nothing is a picture, so the file is searchable and
// sharp at any size. Starts an offscreen QGuiApplication when there is none; returns the exit
// status (kExitUsage, after a message, when the file cannot be written).
int writeWorksheetPdf(const PracticeOptions& options, std::ostream& err);

}  // namespace uc::cli
