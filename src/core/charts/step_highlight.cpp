#include "core/charts/step_highlight.h"

#include <array>
#include <utility>

namespace uc::charts {
namespace {

bool startsWith(std::string_view text, std::string_view prefix) {
  return text.substr(0, prefix.size()) == prefix;
}

bool contains(std::string_view text, std::string_view part) {
  return text.find(part) != std::string_view::npos;
}

std::string_view trimmed(std::string_view text) {
  const auto blank = [](char c) { return c == ' ' || c == '\t' || c == '\n' || c == '\r'; };
  while (!text.empty() && blank(text.front())) text.remove_prefix(1);
  while (!text.empty() && blank(text.back())) text.remove_suffix(1);
  return text;
}

constexpr std::array<std::pair<StepHighlight, std::string_view>, 8> kNames{{
    {StepHighlight::none, "none"},
    {StepHighlight::arc, "arc"},
    {StepHighlight::fullTurns, "fullTurns"},
    {StepHighlight::reducedAngle, "reducedAngle"},
    {StepHighlight::sine, "sine"},
    {StepHighlight::cosine, "cosine"},
    {StepHighlight::tangent, "tangent"},
    {StepHighlight::quadrant, "quadrant"},
}};

constexpr std::array<std::pair<CirclePart, std::string_view>, 7> kParts{{
    {CirclePart::arc, "arc"},
    {CirclePart::alpha, "alpha"},
    {CirclePart::gamma, "gamma"},
    {CirclePart::fullCircles, "n"},
    {CirclePart::x, "x"},
    {CirclePart::y, "y"},
    {CirclePart::quadrant, "quadrant"},
}};

}  // namespace

StepHighlight highlightForStep(std::string_view latex) {
  const std::string_view formula = trimmed(latex);
  // The input row names both quantities and computes neither.
  if (contains(formula, "\\quad b =")) return StepHighlight::none;
  if (startsWith(formula, "\\sin")) return StepHighlight::sine;
  if (startsWith(formula, "\\cos")) return StepHighlight::cosine;
  if (startsWith(formula, "\\tan")) return StepHighlight::tangent;
  if (startsWith(formula, "\\sum")) return StepHighlight::fullTurns;
  if (startsWith(formula, "\\gamma")) return StepHighlight::reducedAngle;
  if (startsWith(formula, "Q =")) return StepHighlight::quadrant;
  // The conversion between α and b, in either direction.
  if (contains(formula, "\\frac{2\\pi}{360") || startsWith(formula, "b =") ||
      startsWith(formula, "\\alpha") || contains(formula, "= b")) {
    return StepHighlight::arc;
  }
  return StepHighlight::none;
}

std::string_view rawValue(StepHighlight highlight) {
  for (const auto& [value, name] : kNames) {
    if (value == highlight) return name;
  }
  return "none";
}

std::optional<StepHighlight> stepHighlightFrom(std::string_view raw) {
  for (const auto& [value, name] : kNames) {
    if (name == raw) return value;
  }
  return std::nullopt;
}

std::optional<CirclePart> circlePartFrom(std::string_view raw) {
  for (const auto& [value, name] : kParts) {
    if (name == raw) return value;
  }
  return std::nullopt;
}

int stress(StepHighlight highlight, CirclePart part, int arcIndex, int lastArcIndex) {
  bool on = false;
  switch (highlight) {
    case StepHighlight::none:
      return 0;
    case StepHighlight::arc:
      on = part == CirclePart::arc || part == CirclePart::alpha;
      break;
    case StepHighlight::fullTurns:
      on = (part == CirclePart::arc && arcIndex < lastArcIndex) || part == CirclePart::fullCircles;
      break;
    case StepHighlight::reducedAngle:
      on = (part == CirclePart::arc && arcIndex == lastArcIndex) || part == CirclePart::gamma;
      break;
    case StepHighlight::sine:
      on = part == CirclePart::y;
      break;
    case StepHighlight::cosine:
      on = part == CirclePart::x;
      break;
    case StepHighlight::tangent:
      on = part == CirclePart::x || part == CirclePart::y;
      break;
    case StepHighlight::quadrant:
      on = part == CirclePart::quadrant;
      break;
  }
  return on ? 1 : -1;
}

}  // namespace uc::charts
