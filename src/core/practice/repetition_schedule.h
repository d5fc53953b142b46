#pragma once

#include <chrono>
#include <functional>
#include <map>
#include <optional>
#include <set>
#include <string>
#include <string_view>
#include <vector>

#include "core/practice/question_kind.h"

namespace uc::practice {

// Leitner boxes rather than SM-2: an answer here is right or wrong, with no graded recall for
// SM-2's ease factor to learn from, and a box is what the mastery map shows and a learner can
// follow ("box 3: again in 4 days"). A wrong answer puts the card into box 0, due again the
// same day (the session asks it again); a right answer on a due card moves it up one box, due
// after 1, 2, 4, 8 or 16 days; a right answer before it is due changes nothing.
inline constexpr int kTopBox = 5;

// Days since 1970-01-01. The app passes its local calendar day, tests a fake one.
using Day = std::chrono::sys_days;
using DayClock = std::function<Day()>;

// Today in UTC, for callers without a calendar of their own.
Day utcToday();

enum class Mastery { fresh, learning, known };

// "new", "learning", "known".
std::string_view rawValue(Mastery mastery);

struct CardState {
  int box = 0;
  Day due{};
  Day lastAnswered{};
  friend bool operator==(const CardState&, const CardState&) = default;
};

// A card's state as plain values, for stores that keep rows.
struct CardRecord {
  std::string card;  // Card::key()
  int box = 0;
  long long dueDay = 0;       // days since 1970-01-01
  long long answeredDay = 0;  // likewise
};

class RepetitionSchedule {
 public:
  explicit RepetitionSchedule(DayClock clock = utcToday);

  Day today() const { return clock_(); }

  void record(const Card& card, bool correct);

  std::optional<CardState> state(const Card& card) const;
  // Seen and due today or earlier.
  bool isDue(const Card& card) const;
  // New until answered; known from box 3 on (right on three due days in a row).
  Mastery mastery(const Card& card) const;
  // Days in a row with an answer, ending today, or yesterday while today has none yet.
  int dayStreak() const;

  void reset();

  // {"version": 1, "cards": [{"card", "box", "due", "answered"}], "answerDays": [...]}.
  std::string toJson() const;
  // Strict: a document with anything missing, mistyped or out of range changes nothing and
  // gives false.
  bool loadJson(std::string_view json);

  std::vector<CardRecord> records() const;
  std::vector<long long> answerDays() const;
  bool loadRecords(const std::vector<CardRecord>& records, const std::vector<long long>& days);

 private:
  DayClock clock_;
  std::map<std::string, CardState> cards_;
  std::set<Day> answerDays_;
};

}  // namespace uc::practice
