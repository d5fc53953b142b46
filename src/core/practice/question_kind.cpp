#include "core/practice/question_kind.h"

namespace uc::practice {
namespace {
constexpr std::array<std::string_view, 10> kRawValues{
    "degreesToRadians", "radiansToDegrees", "sin",        "cos",        "tan",
    "referenceAngle",   "quadrant",         "inverseSin", "inverseCos", "inverseTan"};
}

std::string_view rawValue(QuestionKind kind) { return kRawValues[static_cast<std::size_t>(kind)]; }

std::optional<QuestionKind> questionKindFromRawValue(std::string_view raw) {
  for (std::size_t i = 0; i < kRawValues.size(); ++i) {
    if (kRawValues[i] == raw) return static_cast<QuestionKind>(i);
  }
  return std::nullopt;
}

bool isInverse(QuestionKind kind) {
  return kind == QuestionKind::inverseSin || kind == QuestionKind::inverseCos ||
         kind == QuestionKind::inverseTan;
}

std::string Card::key() const { return std::string(rawValue(kind)) + ":" + subject; }

std::optional<Card> Card::fromKey(std::string_view key) {
  const auto colon = key.find(':');
  if (colon == std::string_view::npos || colon + 1 == key.size()) return std::nullopt;
  const auto kind = questionKindFromRawValue(key.substr(0, colon));
  if (!kind) return std::nullopt;
  return Card{*kind, std::string(key.substr(colon + 1))};
}

}  // namespace uc::practice
