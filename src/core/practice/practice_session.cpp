#include "core/practice/practice_session.h"

#include <algorithm>
#include <tuple>

namespace uc::practice {
namespace {

constexpr std::size_t kRepeatGap = 3;
constexpr int kMostRepeats = 2;

}  // namespace

void sortDueFirst(const RepetitionSchedule& schedule, std::vector<Card>& cards) {
  const auto rank = [&schedule](const Card& card) {
    const std::optional<CardState> state = schedule.state(card);
    if (!state) return std::tuple(1, Day{});
    return std::tuple(state->due <= schedule.today() ? 0 : 2, state->due);
  };
  std::stable_sort(cards.begin(), cards.end(),
                   [&rank](const Card& a, const Card& b) { return rank(a) < rank(b); });
}

std::vector<Card> pickCards(const RepetitionSchedule& schedule, int level, std::uint64_t seed,
                            int length) {
  std::vector<Card> cards = cardsForLevel(level);
  SeededRandom random(seed);
  for (std::size_t i = cards.size(); i > 1; --i) {
    std::swap(cards[i - 1], cards[random.below(i)]);
  }
  sortDueFirst(schedule, cards);
  cards.resize(std::min(cards.size(), static_cast<std::size_t>(std::max(length, 0))));
  return cards;
}

PracticeSession::PracticeSession(RepetitionSchedule& schedule, int level, std::uint64_t seed,
                                 int length)
    : schedule_(schedule), random_(seed) {
  for (Card& card : pickCards(schedule, level, seed, length)) {
    queue_.push_back({std::move(card), 0, std::nullopt});
  }
  prepareCurrent();
}

PracticeSession::PracticeSession(RepetitionSchedule& schedule, std::vector<Card> cards,
                                 std::uint64_t seed)
    : schedule_(schedule), random_(seed) {
  for (Card& card : cards) {
    queue_.push_back({std::move(card), 0, std::nullopt});
  }
  prepareCurrent();
}

PracticeSession::PracticeSession(RepetitionSchedule& schedule, std::vector<Question> questions)
    : schedule_(schedule), random_(0) {
  for (Question& question : questions) {
    Card card = question.card;
    queue_.push_back({std::move(card), 0, std::move(question)});
  }
  prepareCurrent();
}

void PracticeSession::prepareCurrent() {
  while (!queue_.empty()) {
    if (queue_.front().fixed) {
      current_ = *queue_.front().fixed;
      return;
    }
    if (auto question = questionFor(queue_.front().card, random_)) {
      current_ = std::move(*question);
      return;
    }
    queue_.pop_front();  // every card of a level has a question; this is only a guard
  }
}

Verdict PracticeSession::answer(std::string_view typed) {
  if (finished()) return {VerdictKind::unreadable, "practiceSessionOver"};
  const Verdict verdict = judgeAnswer(current_, typed);
  if (!verdict.graded()) return verdict;

  Asking asking = queue_.front();
  queue_.pop_front();
  schedule_.record(asking.card, verdict.correct());
  ++summary_.answers;
  const std::string key = asking.card.key();
  const bool first = std::find(asked_.begin(), asked_.end(), key) == asked_.end();
  if (first) {
    asked_.push_back(key);
    ++summary_.cards;
    if (verdict.correct()) ++summary_.rightFirstTime;
  }
  if (!verdict.correct()) {
    ++summary_.wrongAnswers;
    if (asking.repeats < kMostRepeats) {
      ++asking.repeats;
      const std::size_t at = std::min(kRepeatGap - 1, queue_.size());
      queue_.insert(queue_.begin() + static_cast<std::ptrdiff_t>(at), asking);
    }
  }
  prepareCurrent();
  return verdict;
}

SessionSummary PracticeSession::summary() const {
  SessionSummary summary = summary_;
  if (summary.cards > 0) {
    summary.scorePercent = (200 * summary.rightFirstTime + summary.cards) / (2 * summary.cards);
  }
  summary.dayStreak = schedule_.dayStreak();
  return summary;
}

}  // namespace uc::practice
