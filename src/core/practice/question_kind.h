#pragma once

#include <array>
#include <optional>
#include <string>
#include <string_view>

namespace uc::practice {

enum class QuestionKind {
  degreesToRadians,
  radiansToDegrees,
  sin,
  cos,
  tan,
  referenceAngle,
  quadrant,
  inverseSin,
  inverseCos,
  inverseTan,
};

inline constexpr std::array<QuestionKind, 10> kAllQuestionKinds{QuestionKind::degreesToRadians,
                                                                QuestionKind::radiansToDegrees,
                                                                QuestionKind::sin,
                                                                QuestionKind::cos,
                                                                QuestionKind::tan,
                                                                QuestionKind::referenceAngle,
                                                                QuestionKind::quadrant,
                                                                QuestionKind::inverseSin,
                                                                QuestionKind::inverseCos,
                                                                QuestionKind::inverseTan};

// "degreesToRadians", ..., as the command line and the stored schedule write them.
std::string_view rawValue(QuestionKind kind);
std::optional<QuestionKind> questionKindFromRawValue(std::string_view raw);

bool isInverse(QuestionKind kind);

// What the repetition schedule keeps apart: a kind and its subject, the angle in whole
// degrees ("-330") or, for the inverse kinds, the value's LaTeX ("\frac{1}{2}").
struct Card {
  QuestionKind kind = QuestionKind::sin;
  std::string subject;

  // "sin:30", "inverseSin:\frac{1}{2}".
  std::string key() const;
  static std::optional<Card> fromKey(std::string_view key);

  friend bool operator==(const Card&, const Card&) = default;
};

}  // namespace uc::practice
