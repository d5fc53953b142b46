#include "core/practice/question.h"

#include <algorithm>
#include <charconv>
#include <cmath>

#include "core/localization.h"
#include "core/number/simple_fraction.h"
#include "core/solver/exact_values.h"

namespace uc::practice {
namespace {

constexpr const char* kUndefinedLatex = "\\text{undefined}";

// Values outside [-1, 1] that sin and cos never take.
struct ImpossibleValue {
  const char* latex;
  double value;
  int level;
};
constexpr ImpossibleValue kImpossibleValues[] = {
    {"2", 2.0, 1},
    {"-2", -2.0, 1},
    {"\\frac{3}{2}", 1.5, 1},
    {"\\sqrt{2}", 1.4142135623730951, 2},
    {"-\\sqrt{3}", -1.7320508075688772, 2},
};

int clampLevel(int level) { return std::clamp(level, kLowestLevel, kHighestLevel); }

std::string degreesLatex(long long degrees) { return std::to_string(degrees) + "^{\\circ}"; }

std::string radiansLatex(long long degrees) {
  return piMultipleLatex(static_cast<double>(degrees)).value_or("0");
}

std::string angleLatex(long long degrees, AngleUnit unit) {
  return unit == AngleUnit::degrees ? degreesLatex(degrees) : radiansLatex(degrees);
}

CanonicalAnswer angleAnswer(long long degrees, AngleUnit unit) {
  return {angleLatex(degrees, unit), static_cast<double>(degrees), Rational::make(degrees, 1)};
}

const ExactValue& valueOf(const ExactValues& values, QuestionKind kind) {
  switch (kind) {
    case QuestionKind::cos:
    case QuestionKind::inverseCos:
      return values.cos;
    case QuestionKind::tan:
    case QuestionKind::inverseTan:
      return values.tan;
    default:
      return values.sin;
  }
}

CanonicalAnswer valueAnswer(const ExactValue& value) {
  if (value.undefined() || !value.latex) return {kUndefinedLatex, std::nullopt, std::nullopt};
  CanonicalAnswer answer{*value.latex, value.decimal, std::nullopt};
  // Without a radical the special values are 0, ±1/2 and ±1.
  if (value.latex->find("\\sqrt") == std::string::npos) {
    if (const auto f = simplestFractionNear(*value.decimal, 12, 1e-12)) {
      answer.exact = Rational::make(f->numerator, f->denominator);
    }
  }
  return answer;
}

std::optional<long long> wholeDegrees(const std::string& subject) {
  long long degrees = 0;
  const char* end = subject.data() + subject.size();
  const auto [ptr, ec] = std::from_chars(subject.data(), end, degrees);
  if (ec != std::errc() || ptr != end || std::llabs(degrees) > 1'000'000) return std::nullopt;
  return degrees;
}

// Every angle in [0°, 360°) whose value of the kind's function has this exact form.
std::vector<CanonicalAnswer> solutionsOf(QuestionKind kind, const std::string& valueLatex) {
  std::vector<CanonicalAnswer> solutions;
  // Every multiple of 15° and 18° is one of 3°.
  for (int degrees = 0; degrees < 360; degrees += 3) {
    const auto values = exactValuesFor(degrees);
    const ExactValue& value = valueOf(*values, kind);
    if (value.latex && *value.latex == valueLatex) {
      solutions.push_back(angleAnswer(degrees, AngleUnit::degrees));
    }
  }
  return solutions;
}

std::optional<double> valueOfLatex(QuestionKind kind, const std::string& latex) {
  for (const ImpossibleValue& impossible : kImpossibleValues) {
    if (latex == impossible.latex) return impossible.value;
  }
  for (int degrees = 0; degrees < 360; degrees += 3) {
    const auto values = exactValuesFor(degrees);
    const ExactValue& value = valueOf(*values, kind);
    if (value.latex && *value.latex == latex) return value.decimal;
  }
  return std::nullopt;
}

const char* promptKeyOf(QuestionKind kind) {
  switch (kind) {
    case QuestionKind::degreesToRadians:
      return "practicePromptDegreesToRadians";
    case QuestionKind::radiansToDegrees:
      return "practicePromptRadiansToDegrees";
    case QuestionKind::sin:
      return "practicePromptSin";
    case QuestionKind::cos:
      return "practicePromptCos";
    case QuestionKind::tan:
      return "practicePromptTan";
    case QuestionKind::referenceAngle:
      return "practicePromptReferenceAngle";
    case QuestionKind::quadrant:
      return "practicePromptQuadrant";
    case QuestionKind::inverseSin:
      return "practicePromptInverseSin";
    case QuestionKind::inverseCos:
      return "practicePromptInverseCos";
    case QuestionKind::inverseTan:
      return "practicePromptInverseTan";
  }
  return "practicePromptSin";
}

std::optional<Question> inverseQuestion(const Card& card) {
  if (!valueOfLatex(card.kind, card.subject)) return std::nullopt;
  Question question;
  question.card = card;
  question.givenLatex = card.subject;
  question.answerUnit = AngleUnit::degrees;
  question.answers = solutionsOf(card.kind, card.subject);
  question.promptKey = promptKeyOf(card.kind);
  return question;
}

}  // namespace

std::string Question::prompt() const { return localized(promptKey); }

bool Question::acceptsEitherUnit() const {
  return kind() == QuestionKind::referenceAngle || isInverse(kind());
}

std::vector<int> anglesForLevel(int level) {
  level = clampLevel(level);
  std::vector<int> angles;
  for (int degrees = 0; degrees < 360; ++degrees) {
    const bool basic = degrees % 30 == 0 || degrees % 45 == 0;
    if (basic || (level >= 2 && (degrees % 15 == 0 || degrees % 18 == 0))) {
      angles.push_back(degrees);
    }
  }
  if (level >= 3) {
    const std::vector<int> turn = angles;
    for (int degrees : turn) angles.push_back(degrees - 360);
    for (int degrees : turn) angles.push_back(degrees + 360);
    std::sort(angles.begin(), angles.end());
  }
  return angles;
}

std::vector<Card> cardsFor(QuestionKind kind, int level) {
  level = clampLevel(level);
  std::vector<Card> cards;
  if (isInverse(kind)) {
    for (int degrees : anglesForLevel(std::min(level, 2))) {
      const auto values = exactValuesFor(degrees);
      const ExactValue& value = valueOf(*values, kind);
      if (!value.latex) continue;
      Card card{kind, *value.latex};
      if (std::find(cards.begin(), cards.end(), card) == cards.end()) cards.push_back(card);
    }
    if (kind != QuestionKind::inverseTan) {
      for (const ImpossibleValue& impossible : kImpossibleValues) {
        if (impossible.level <= level) cards.push_back({kind, impossible.latex});
      }
    }
    return cards;
  }
  for (int degrees : anglesForLevel(level)) {
    if (kind == QuestionKind::quadrant && degrees % 90 == 0) continue;
    cards.push_back({kind, std::to_string(degrees)});
  }
  return cards;
}

std::vector<Card> cardsForLevel(int level) {
  std::vector<Card> cards;
  for (QuestionKind kind : kAllQuestionKinds) {
    const std::vector<Card> ofKind = cardsFor(kind, level);
    cards.insert(cards.end(), ofKind.begin(), ofKind.end());
  }
  return cards;
}

std::optional<Question> questionFor(const Card& card, SeededRandom& random) {
  if (isInverse(card.kind)) return inverseQuestion(card);
  const std::optional<long long> degrees = wholeDegrees(card.subject);
  if (!degrees) return std::nullopt;
  const std::optional<ExactValues> values = exactValuesFor(static_cast<double>(*degrees));
  if (!values) return std::nullopt;

  Question question;
  question.card = card;
  question.promptKey = promptKeyOf(card.kind);
  AngleUnit shown = random.below(2) == 0 ? AngleUnit::degrees : AngleUnit::radians;
  switch (card.kind) {
    case QuestionKind::degreesToRadians:
      shown = AngleUnit::degrees;
      question.answerUnit = AngleUnit::radians;
      question.answers = {angleAnswer(*degrees, AngleUnit::radians)};
      break;
    case QuestionKind::radiansToDegrees:
      shown = AngleUnit::radians;
      question.answerUnit = AngleUnit::degrees;
      question.answers = {angleAnswer(*degrees, AngleUnit::degrees)};
      break;
    case QuestionKind::sin:
    case QuestionKind::cos:
    case QuestionKind::tan: {
      const ExactValue& value = valueOf(*values, card.kind);
      // Only the special angles have a form to type exactly.
      if (value.latex == std::nullopt && !value.undefined()) return std::nullopt;
      question.answers = {valueAnswer(value)};
      break;
    }
    case QuestionKind::referenceAngle:
      question.answerUnit = shown;
      question.answers = {
          angleAnswer(static_cast<long long>(values->referenceAngleDegrees), shown)};
      break;
    case QuestionKind::quadrant:
      if (*degrees % 90 == 0) return std::nullopt;  // on an axis: in no quadrant
      question.answers = {{std::string(rawValue(values->quadrant)), std::nullopt, std::nullopt}};
      break;
    default:
      return std::nullopt;
  }
  question.givenUnit = shown;
  question.givenLatex = angleLatex(*degrees, shown);
  return question;
}

std::vector<Question> generateQuestions(std::uint64_t seed, int count, int level) {
  SeededRandom random(seed);
  std::vector<Question> questions;
  while (static_cast<int>(questions.size()) < count) {
    const QuestionKind kind = kAllQuestionKinds[random.below(kAllQuestionKinds.size())];
    const std::vector<Card> cards = cardsFor(kind, level);
    if (auto question = questionFor(cards[random.below(cards.size())], random)) {
      questions.push_back(std::move(*question));
    }
  }
  return questions;
}

}  // namespace uc::practice
