#include "cli/solve_command.h"

#include <istream>
#include <ostream>

#include "cli/inverse_command.h"
#include "cli/practice_command.h"
#include "cli/solution_json.h"
#include "core/localization.h"

namespace uc::cli {
namespace {

int solveOne(const SolveOptions& options, std::ostream& out, std::ostream& err) {
  const SolveResult result = calculate(options.alpha, options.b);
  if (options.json) {
    out << solutionJson(result) << "\n";
  } else if (result.errorKey) {
    printSolveError(result, err);
  } else {
    out << solutionText(result);
  }
  return result.errorKey ? kExitInputError : kExitSolved;
}

int solveBatch(const SolveOptions& options, std::istream& in, std::ostream& out,
               std::ostream& err) {
  std::string line;
  bool first = true;
  while (std::getline(in, line)) {
    if (!line.empty() && line.back() == '\r') line.pop_back();
    SolveOptions one = options;
    const auto tab = line.find('\t');
    one.alpha = line.substr(0, tab);
    one.b = tab == std::string::npos ? std::string() : line.substr(tab + 1);
    if (!options.json && !first) out << "\n";
    first = false;
    solveOne(one, out, err);
  }
  out.flush();
  return kExitSolved;
}

// The texts in the language asked for, or their keys; false (after the message) when the
// language is not shipped.
bool chooseLanguage(bool translate, const std::string& language,
                    const LanguageInstaller& installLanguage, std::ostream& err) {
  if (!translate) {
    setTranslateFunction({});
  } else if (installLanguage && !installLanguage(language)) {
    err << "unitcircle: no texts for language '" << language << "'\n\n" << usageText();
    return false;
  }
  return true;
}

}  // namespace

int runCommandLine(const std::vector<std::string>& arguments, std::istream& in, std::ostream& out,
                   std::ostream& err, const LanguageInstaller& installLanguage,
                   const HistoryCommand& history, const WorksheetPdfCommand& pdf,
                   const SolutionPdfCommand& solutionPdf) {
  const ParsedCommandLine parsed = parseCommandLine(arguments);
  if (std::holds_alternative<HelpRequest>(parsed)) {
    out << usageText();
    return kExitSolved;
  }
  if (const auto* usage = std::get_if<UsageError>(&parsed)) {
    err << "unitcircle: " << usage->message << "\n\n" << usageText();
    return kExitUsage;
  }
  if (const auto* historyOptions = std::get_if<HistoryOptions>(&parsed)) {
    if (!history) {
      err << "unitcircle: this build cannot read settings files (it was built without Qt)\n";
      return kExitStoreUnreadable;
    }
    if (!chooseLanguage(historyOptions->translate, historyOptions->language, installLanguage,
                        err)) {
      return kExitUsage;
    }
    return history(*historyOptions, out, err);
  }
  if (const auto* practiceOptions = std::get_if<PracticeOptions>(&parsed)) {
    if (practiceOptions->pdfPath && !pdf) {
      err << "unitcircle: this build cannot write PDF worksheets (it was built without Qt); "
             "leave out --pdf for the worksheet as text\n";
      return kExitUsage;
    }
    if (!chooseLanguage(practiceOptions->translate, practiceOptions->language, installLanguage,
                        err)) {
      return kExitUsage;
    }
    if (practiceOptions->pdfPath) return pdf(*practiceOptions, err);
    return runPractice(*practiceOptions, out);
  }
  if (const auto* inverseOptions = std::get_if<InverseOptions>(&parsed)) {
    if (!chooseLanguage(inverseOptions->translate, inverseOptions->language, installLanguage,
                        err)) {
      return kExitUsage;
    }
    return runInverse(*inverseOptions, out, err);
  }
  const auto& options = std::get<SolveOptions>(parsed);
  if (options.pdfPath && !solutionPdf) {
    err << "unitcircle: this build cannot write PDF files (it was built without Qt); leave out "
           "--pdf for the solution as text\n";
    return kExitUsage;
  }
  if (!chooseLanguage(options.translate, options.language, installLanguage, err)) {
    return kExitUsage;
  }
  if (options.pdfPath) return solutionPdf(options, err);
  return options.batch ? solveBatch(options, in, out, err) : solveOne(options, out, err);
}

}  // namespace uc::cli
