#pragma once

#include <QString>
#include <optional>
#include <string>

#include "core/solver/chart_data.h"
#include "core/solver/solution_step.h"
#include "ui/print/print_style.h"

namespace uc::print {

// What a printed solution shows: its steps as the core wrote them, its charts (the first unit
// circle is drawn), and b as typed when the solution worked from it, for the exact values.
struct SolutionPdfContent {
  SolutionSteps steps;
  ChartSteps chartSteps;
  std::optional<std::string> typedArcLatex;
};

// Writes the worked solution to path as a PDF to print: a title with the input, the exact
// values card beside the unit circle in its final state, then every step with its title and
// formula, a step never split across pages, and "n / N" under each page. Everything is vectors
// and text, so readers find and copy it. Needs a QGuiApplication (see PrintApplication).
// Returns the reason when the file cannot be written; a file left half written is removed.
std::optional<QString> writeSolutionPdf(const SolutionPdfContent& content, const QString& path,
                                        Paper paper = Paper::a4);

}  // namespace uc::print
