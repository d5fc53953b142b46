#include "cli/solution_pdf_command.h"

#include <ostream>

#include "cli/solution_json.h"
#include "cli/solve_command.h"
#include "core/localization.h"
#include "core/solver/tiro_unit_circle.h"
#include "ui/print/print_application.h"
#include "ui/print/solution_pdf.h"

namespace uc::cli {

int writeSolutionPdf(const SolveOptions& options, std::ostream& err) {
  const SolveResult result = calculate(options.alpha, options.b);
  if (result.errorKey || !result.solutionSteps) {
    printSolveError(result, err);
    return kExitInputError;
  }

  const print::PrintApplication application;
  if (!application.canDraw()) {
    err << "unitcircle: the PDF needs a QGuiApplication\n";
    return kExitUsage;
  }
  const print::SolutionPdfContent content{
      *result.solutionSteps, result.chartSteps.value_or(ChartSteps{}), result.typedArcLatex};
  const std::optional<QString> failure = print::writeSolutionPdf(
      content, QString::fromStdString(*options.pdfPath),
      options.paper == PaperSize::letter ? print::Paper::letter : print::Paper::a4);
  if (failure) {
    err << "unitcircle: "
        << localizedWithArguments("solutionPdfCannotWrite", *options.pdfPath,
                                  failure->toStdString())
        << "\n";
    return kExitUsage;
  }
  return kExitSolved;
}

}  // namespace uc::cli
