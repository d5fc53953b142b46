#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "core/practice/question_kind.h"
#include "core/practice/rational.h"
#include "core/practice/seeded_random.h"

namespace uc::practice {

enum class AngleUnit { degrees, radians };

// Level 1: multiples of 30° and 45° in [0°, 360°); level 2 adds the multiples of 15° and
// 18°; level 3 adds those angles one turn either side, [-360°, 720°).
inline constexpr int kLowestLevel = 1;
inline constexpr int kHighestLevel = 3;

// One accepted answer in its canonical form.
struct CanonicalAnswer {
  std::string
      latex;  // "\frac{\sqrt{2}}{2}", "\frac{\pi}{6}", "30^{\circ}", "II", "\text{undefined}"
  // The value, or an angle in degrees whatever unit the LaTeX is in; nothing for a choice.
  std::optional<double> value;
  // The same exactly, where it is rational (every angle in degrees is).
  std::optional<Rational> exact;
};

struct Question {
  Card card;
  // An angle in degrees ("30^{\circ}") or radians ("\frac{\pi}{6}"), or the value the inverse
  // kinds start from ("\frac{1}{2}").
  std::string givenLatex;
  std::optional<AngleUnit> givenUnit;   // for the kinds given an angle
  std::optional<AngleUnit> answerUnit;  // for the kinds answered with angles
  // Every accepted answer; the inverse kinds list each solution in [0°, 360°), none when there
  // is none.
  std::vector<CanonicalAnswer> answers;
  std::string promptKey;  // a key in context "Core"

  QuestionKind kind() const { return card.kind; }
  std::string prompt() const;
  // Reference angles and the inverse kinds take degrees or radians; the conversions do not.
  bool acceptsEitherUnit() const;
};

// The levels' angles in whole degrees, in increasing order.
std::vector<int> anglesForLevel(int level);

// Every card of a kind at a level: its angles (a quadrant's only those off the axes) or, for the
// inverse kinds, the special values of the level's angles and a few without a solution.
std::vector<Card> cardsFor(QuestionKind kind, int level);
std::vector<Card> cardsForLevel(int level);

// The question for a card; the random source chooses whether an angle is shown in degrees or
// radians. Nothing for a card that names no such angle or value.
std::optional<Question> questionFor(const Card& card, SeededRandom& random);

// count questions of every kind at a level, the same for the same seed on every platform.
std::vector<Question> generateQuestions(std::uint64_t seed, int count, int level);

}  // namespace uc::practice
