#include "cli/solution_json.h"

#include <cmath>
#include <cstdio>
#include <ostream>

#include "core/localization.h"
#include "core/number/number_text.h"
#include "core/solver/display_form.h"
#include "core/solver/exact_values.h"
#include "core/solver/exact_values_card.h"

namespace uc::cli {
namespace {

std::string jsonNumber(const std::optional<double>& value) {
  if (!value || !std::isfinite(*value)) return "null";
  return shortestText(*value);
}

std::string chartDataJson(const ChartData& data) {
  if (const auto* circle = dynamic_cast<const UnitCircleChartData*>(&data)) {
    return "{\"kind\": \"unitCircle\", \"frameRatio\": " + jsonNumber(circle->frameRatio) +
           ", \"alpha\": " + jsonNumber(circle->alpha) + ", \"b\": " + jsonNumber(circle->b) +
           ", \"angle\": " + jsonNumber(circle->angle) + ", \"fullCircles\": " +
           (circle->fullCircles ? std::to_string(*circle->fullCircles) : "null") +
           ", \"quadrant\": " +
           (circle->quadrant ? jsonString(rawValue(*circle->quadrant)) : "null") + "}";
  }
  if (const auto* graph = dynamic_cast<const TrigonometricChartData*>(&data)) {
    return "{\"kind\": \"trigonometric\", \"frameRatio\": " + jsonNumber(graph->frameRatio) +
           ", \"lengthOfGraph\": " + jsonNumber(graph->lengthOfGraph) +
           ", \"offset\": " + jsonNumber(graph->offset) +
           ", \"periodLength\": " + jsonNumber(graph->periodLength) +
           ", \"amplitude\": " + jsonNumber(graph->amplitude) +
           ", \"type\": " + (graph->type ? jsonString(name(*graph->type)) : "null") + "}";
  }
  return "{\"kind\": \"other\", \"frameRatio\": " + jsonNumber(data.frameRatio) + "}";
}

std::string optionalString(const std::optional<std::string>& text) {
  return text ? jsonString(*text) : "null";
}

// The exact values card: LaTeX forms where the angle has them, decimals, and the reference
// angle and quadrant. An undefined tangent has neither form nor decimal.
std::string exactJson(const std::optional<double>& alpha,
                      const std::optional<std::string>& typedArcLatex) {
  const std::optional<ExactValues> exact =
      alpha ? exactValuesFor(*alpha, typedArcLatex) : std::nullopt;
  if (!exact) return "null";
  const auto value = [](const ExactValue& v) {
    return "{\"latex\": " + optionalString(v.latex) + ", \"decimal\": " + jsonNumber(v.decimal) +
           "}";
  };
  return "{\"alpha\": " + jsonNumber(exact->alphaDegrees) +
         ", \"b\": " + optionalString(exact->bLatex) +
         ", \"referenceAngle\": " + jsonNumber(exact->referenceAngleDegrees) +
         ", \"quadrant\": " + jsonString(rawValue(exact->quadrant)) +
         ", \"sin\": " + value(exact->sin) + ", \"cos\": " + value(exact->cos) +
         ", \"tan\": " + value(exact->tan) + "}";
}

template <typename Items, typename Write>
std::string jsonArray(const Items& items, Write write) {
  std::string text = "[";
  for (std::size_t i = 0; i < items.size(); ++i) {
    if (i > 0) text += ", ";
    text += write(items[i]);
  }
  return text + "]";
}

std::string stringArray(const std::vector<std::string>& texts) {
  return jsonArray(texts, [](const std::string& text) { return jsonString(text); });
}

// The card as the app shows it: its title and its lines of LaTeX, each in the parts a narrow
// card breaks it into and the joins that stand between parts sharing a row.
std::string cardJson(const ChartSteps& charts, const std::optional<std::string>& typedArcLatex) {
  const std::vector<ExactValuesCardLine> lines = exactValuesCardLines(charts, typedArcLatex);
  if (lines.empty()) return "null";
  return "{\"title\": " + jsonString(exactValuesCardTitle()) + ", \"lines\": " +
         jsonArray(lines,
                   [](const ExactValuesCardLine& line) {
                     return "{\"parts\": " + stringArray(line.parts) +
                            ", \"joins\": " + stringArray(line.joins) + "}";
                   }) +
         "}";
}

}  // namespace

std::string_view fieldName(int tag) {
  if (tag == kAlphaFieldTag) return "alpha";
  if (tag == kBFieldTag) return "b";
  return "unknown";
}

std::string jsonString(std::string_view text) {
  std::string out = "\"";
  for (char c : text) {
    switch (c) {
      case '"':
        out += "\\\"";
        break;
      case '\\':
        out += "\\\\";
        break;
      case '\n':
        out += "\\n";
        break;
      case '\r':
        out += "\\r";
        break;
      case '\t':
        out += "\\t";
        break;
      default:
        if (static_cast<unsigned char>(c) < 0x20) {
          char escaped[8];
          std::snprintf(escaped, sizeof escaped, "\\u%04x", static_cast<unsigned char>(c));
          out += escaped;
        } else {
          out += c;
        }
    }
  }
  return out + "\"";
}

std::string solutionJson(const SolveResult& result) {
  std::string error = "null";
  if (result.errorKey) {
    const std::vector<int> tags = result.errorTags.value_or(std::vector<int>{});
    error = "{\"key\": " + jsonString(*result.errorKey) +
            ", \"message\": " + jsonString(localized(*result.errorKey)) +
            ", \"fields\": " + jsonArray(tags, [](int tag) { return jsonString(fieldName(tag)); }) +
            "}";
  }
  const SolutionSteps steps = result.solutionSteps.value_or(SolutionSteps{});
  const ChartSteps charts = result.chartSteps.value_or(ChartSteps{});

  // The numbers the solution used are the ones its unit-circle chart shows.
  std::optional<double> alpha;
  std::optional<double> b;
  if (!charts.empty() && !charts.front().empty()) {
    if (const auto* circle =
            dynamic_cast<const UnitCircleChartData*>(charts.front().front().get())) {
      alpha = circle->alpha;
      b = circle->b;
    }
  }
  return "{\"error\": " + error + ", \"steps\": " +
         jsonArray(steps,
                   [](const SolutionStep& step) {
                     return "{\"title\": " + jsonString(step.title) +
                            ", \"latexString\": " + jsonString(step.latexString) +
                            ", \"displayLatex\": " + jsonString(displayForm(step.latexString)) +
                            "}";
                   }) +
         ", \"alpha\": " + jsonNumber(alpha) + ", \"b\": " + jsonNumber(b) + ", \"chartSteps\": " +
         jsonArray(charts,
                   [](const ChartStep& step) {
                     return jsonArray(step,
                                      [](const ChartDataPtr& d) { return chartDataJson(*d); });
                   }) +
         ", \"exact\": " + exactJson(alpha, result.typedArcLatex) +
         ", \"card\": " + cardJson(charts, result.typedArcLatex) +
         ", \"hint\": " + optionalString(result.piHint) + "}";
}

std::string solutionText(const SolveResult& result) {
  std::string text;
  const SolutionSteps steps = result.solutionSteps.value_or(SolutionSteps{});
  for (std::size_t i = 0; i < steps.size(); ++i) {
    if (i > 0) text += "\n";
    text += steps[i].title + "\n" + steps[i].latexString + "\n";
  }
  return text;
}

void printSolveError(const SolveResult& result, std::ostream& err) {
  // A solution without steps and without a key is still an input the solver refused.
  const std::string key = result.errorKey.value_or("inputParameterError");
  std::string fields;
  for (int tag : result.errorTags.value_or(std::vector<int>{})) {
    fields += (fields.empty() ? "" : ", ") + std::string(fieldName(tag));
  }
  err << "error: " << key << ": " << localized(key);
  if (!fields.empty()) err << " (" << fields << ")";
  err << "\n";
}

}  // namespace uc::cli
