#include "core/practice/practice_board.h"

#include <algorithm>
#include <charconv>
#include <cmath>

#include "core/localization.h"
#include "core/practice/practice_session.h"

namespace uc::practice {
namespace {

int onOneTurn(int degrees) { return ((degrees % 360) + 360) % 360; }

std::vector<Card> angleCards(int level) {
  std::vector<Card> cards = cardsForLevel(level);
  std::erase_if(cards, [](const Card& card) { return isInverse(card.kind); });
  return cards;
}

bool endsOn(const Card& card, int degrees) {
  int subject = 0;
  const std::string& text = card.subject;
  const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), subject);
  return error == std::errc{} && end == text.data() + text.size() && onOneTurn(subject) == degrees;
}

}  // namespace

std::vector<MapAngle> masteryAngles(const RepetitionSchedule& schedule, int level) {
  const std::vector<Card> cards = angleCards(level);
  std::vector<MapAngle> angles;
  for (const int degrees : anglesForLevel(std::min(level, 2))) {
    int seen = 0;
    int known = 0;
    int all = 0;
    for (const Card& card : cards) {
      if (!endsOn(card, degrees)) continue;
      ++all;
      const Mastery mastery = schedule.mastery(card);
      seen += mastery != Mastery::fresh;
      known += mastery == Mastery::known;
    }
    const Mastery mastery = seen == 0      ? Mastery::fresh
                            : known == all ? Mastery::known
                                           : Mastery::learning;
    angles.push_back({degrees, degrees % 15 == 0 ? 0 : 1, mastery});
  }
  return angles;
}

std::vector<Card> cardsOfAngle(const RepetitionSchedule& schedule, int level, int degrees) {
  std::vector<Card> all = angleCards(level);
  std::erase_if(all, [degrees](const Card& card) { return !endsOn(card, onOneTurn(degrees)); });
  // Round by round one card of each kind, the kinds starting on different turns, so that a
  // capped sitting still asks every kind and every turn.
  std::vector<std::vector<Card>> byKind;
  for (const Card& card : all) {
    if (byKind.empty() || byKind.back().front().kind != card.kind) byKind.emplace_back();
    byKind.back().push_back(card);
  }
  std::vector<Card> cards;
  for (std::size_t round = 0; cards.size() < all.size(); ++round) {
    for (std::size_t kind = 0; kind < byKind.size(); ++kind) {
      const std::vector<Card>& ofKind = byKind[kind];
      if (round < ofKind.size()) cards.push_back(ofKind[(kind + round) % ofKind.size()]);
    }
  }
  sortDueFirst(schedule, cards);
  cards.resize(std::min(cards.size(), static_cast<std::size_t>(PracticeSession::kDefaultLength)));
  return cards;
}

std::vector<Card> cardsOfAngle(int level, int degrees) {
  return cardsOfAngle(RepetitionSchedule{}, level, degrees);
}

std::vector<std::string> answerChoices(const Question& question) {
  switch (question.kind()) {
    case QuestionKind::tan:
      return {localized("practiceUndefined")};
    case QuestionKind::quadrant:
      return {"I", "II", "III", "IV"};
    case QuestionKind::inverseSin:
    case QuestionKind::inverseCos:
    case QuestionKind::inverseTan:
      return {localized("practiceNoSolution")};
    default:
      return {};
  }
}

std::vector<std::string> keyboardWords(const Question& question) {
  std::vector<std::string> words = answerChoices(question);
  if (question.kind() == QuestionKind::tan) words.emplace_back("undefined");
  if (question.kind() == QuestionKind::inverseSin || question.kind() == QuestionKind::inverseCos ||
      question.kind() == QuestionKind::inverseTan) {
    words.emplace_back("none");
  }
  return words;
}

std::string answersLatex(const Question& question) {
  if (question.answers.empty()) return "\\text{" + localized("practiceNoSolution") + "}";
  std::string latex;
  for (const CanonicalAnswer& answer : question.answers) {
    latex += (latex.empty() ? "" : ";\\ ") + answer.latex;
  }
  return latex;
}

std::string solutionAngle(const Question& question) {
  if (!isInverse(question.kind())) return question.card.subject;
  if (question.answers.empty() || !question.answers.front().value) return {};
  // Every solution of the inverse kinds is a special angle, a whole number of degrees.
  return std::to_string(std::llround(*question.answers.front().value));
}

}  // namespace uc::practice
