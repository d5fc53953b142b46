#include <iostream>
#include <memory>
#include <string>
#include <vector>

#include "cli/solve_command.h"

#ifdef UC_WITH_TRANSLATIONS
#include "i18n/translations.h"
#endif
#ifdef UC_WITH_STORE
#include "cli/history_command.h"
#endif
#ifdef UC_WITH_PDF
#include "cli/solution_pdf_command.h"
#include "cli/worksheet_pdf.h"
#endif

namespace {

bool installLanguage(const std::string& language) {
#ifdef UC_WITH_TRANSLATIONS
  std::shared_ptr<const QTranslator> translator =
      uc::i18n::loadTranslator(QString::fromStdString(language));
  if (!translator) return false;
  uc::i18n::setCoreTranslator(std::move(translator));
  return true;
#else
  // Built without the translations: English texts are the keys themselves.
  return language == "en";
#endif
}

}  // namespace

int main(int argc, char** argv) {
  std::ios::sync_with_stdio(false);
  const std::vector<std::string> arguments(argv + 1, argv + argc);
#ifdef UC_WITH_STORE
  const uc::cli::HistoryCommand history = uc::cli::runHistory;
#else
  const uc::cli::HistoryCommand history;
#endif
#ifdef UC_WITH_PDF
  const uc::cli::WorksheetPdfCommand pdf = uc::cli::writeWorksheetPdf;
  const uc::cli::SolutionPdfCommand solutionPdf = uc::cli::writeSolutionPdf;
#else
  const uc::cli::WorksheetPdfCommand pdf;
  const uc::cli::SolutionPdfCommand solutionPdf;
#endif
  return uc::cli::runCommandLine(arguments, std::cin, std::cout, std::cerr, installLanguage,
                                 history, pdf, solutionPdf);
}
