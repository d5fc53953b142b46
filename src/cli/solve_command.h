#pragma once

#include <functional>
#include <iosfwd>
#include <string>

#include "cli/cli_options.h"

namespace uc::cli {

inline constexpr int kExitSolved = 0;
inline constexpr int kExitInputError = 2;
inline constexpr int kExitStoreUnreadable = 3;
inline constexpr int kExitUsage = 64;

// Switches the texts to a language; returns false when it has none for the code.
using LanguageInstaller = std::function<bool(const std::string& language)>;

// Lists a settings file's calculations; reading the store needs Qt, which builds without Qt
// do not have, so the program passes it in where it exists.
using HistoryCommand =
    std::function<int(const HistoryOptions& options, std::ostream& out, std::ostream& err)>;

// Writes a practice worksheet as a PDF file; drawing it needs Qt as well, so the program
// passes it in where it exists.
using WorksheetPdfCommand = std::function<int(const PracticeOptions& options, std::ostream& err)>;

// Writes a worked solution as a PDF file, the same way.
using SolutionPdfCommand = std::function<int(const SolveOptions& options, std::ostream& err)>;

// Runs the command line; returns the exit status.
int runCommandLine(const std::vector<std::string>& arguments, std::istream& in, std::ostream& out,
                   std::ostream& err, const LanguageInstaller& installLanguage,
                   const HistoryCommand& history = {}, const WorksheetPdfCommand& pdf = {},
                   const SolutionPdfCommand& solutionPdf = {});

}  // namespace uc::cli
