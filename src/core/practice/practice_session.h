#pragma once

#include <cstdint>
#include <deque>
#include <optional>
#include <string_view>
#include <vector>

#include "core/practice/answer_judge.h"
#include "core/practice/question.h"
#include "core/practice/repetition_schedule.h"

namespace uc::practice {

struct SessionSummary {
  int cards = 0;           // distinct cards asked
  int answers = 0;         // right and wrong answers, repeats included
  int rightFirstTime = 0;  // cards answered right at their first asking
  int wrongAnswers = 0;
  int scorePercent = 0;  // rightFirstTime of cards, rounded
  int dayStreak = 0;
};

// One sitting: the cards due first (longest overdue first), then new ones, then those due
// soonest. A wrong answer asks the card again after two other questions, at most twice. Right and
// wrong answers go into the schedule; a reply that asks for another try (close, unit, range,
// incomplete, unreadable) keeps the question and changes nothing.
class PracticeSession {
 public:
  static constexpr int kDefaultLength = 10;

  PracticeSession(RepetitionSchedule& schedule, int level, std::uint64_t seed,
                  int length = kDefaultLength);
  // A sitting over these cards in this order, as when a learner picks an angle to practise.
  PracticeSession(RepetitionSchedule& schedule, std::vector<Card> cards, std::uint64_t seed);
  // A sitting over these very questions, as a printed worksheet of a seed asks them.
  PracticeSession(RepetitionSchedule& schedule, std::vector<Question> questions);

  bool finished() const { return queue_.empty(); }
  // The question to answer; nothing once finished.
  const Question* current() const { return finished() ? nullptr : &current_; }
  Verdict answer(std::string_view typed);
  SessionSummary summary() const;

 private:
  struct Asking {
    Card card;
    int repeats = 0;
    std::optional<Question> fixed;  // asked as it is, not drawn afresh
  };

  void prepareCurrent();

  RepetitionSchedule& schedule_;
  SeededRandom random_;
  std::deque<Asking> queue_;
  Question current_;
  std::vector<std::string> asked_;
  SessionSummary summary_;
};

// Due first (longest overdue first), then new, then the rest by due day; otherwise as given.
void sortDueFirst(const RepetitionSchedule& schedule, std::vector<Card>& cards);

// The cards a session of this length starts with, in order.
std::vector<Card> pickCards(const RepetitionSchedule& schedule, int level, std::uint64_t seed,
                            int length);

}  // namespace uc::practice
