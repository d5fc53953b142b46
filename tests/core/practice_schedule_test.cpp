#include <gtest/gtest.h>

#include "core/practice/practice_session.h"
#include "core/practice/repetition_schedule.h"
#include "practice_typing.h"

namespace uc::practice {
namespace {

// A calendar the test turns by hand.
struct FakeCalendar {
  Day day{std::chrono::days{20'000}};
  DayClock clock() {
    return [this] { return day; };
  }
  void advance(int days) { day += std::chrono::days{days}; }
};

const Card kSin30{QuestionKind::sin, "30"};

TEST(RepetitionSchedule, RightAnswersComeBackAfterGrowingIntervals) {
  FakeCalendar calendar;
  RepetitionSchedule schedule(calendar.clock());
  EXPECT_EQ(schedule.mastery(kSin30), Mastery::fresh);
  EXPECT_FALSE(schedule.isDue(kSin30));

  std::vector<int> intervals;
  for (int i = 0; i < 6; ++i) {
    schedule.record(kSin30, true);
    const Day due = schedule.state(kSin30)->due;
    intervals.push_back(static_cast<int>((due - calendar.day).count()));
    EXPECT_FALSE(schedule.isDue(kSin30));
    calendar.day = due - std::chrono::days{1};
    EXPECT_FALSE(schedule.isDue(kSin30)) << "not before its day";
    calendar.day = due;
    EXPECT_TRUE(schedule.isDue(kSin30));
  }
  EXPECT_EQ(intervals, (std::vector<int>{1, 2, 4, 8, 16, 16}));
  EXPECT_EQ(schedule.mastery(kSin30), Mastery::known);
}

TEST(RepetitionSchedule, AWrongAnswerIsDueAgainTheSameDay) {
  FakeCalendar calendar;
  RepetitionSchedule schedule(calendar.clock());
  schedule.record(kSin30, true);
  calendar.advance(1);
  schedule.record(kSin30, true);
  calendar.advance(2);
  schedule.record(kSin30, false);
  EXPECT_TRUE(schedule.isDue(kSin30));
  EXPECT_EQ(schedule.state(kSin30)->box, 0);
  EXPECT_EQ(schedule.mastery(kSin30), Mastery::learning);
  schedule.record(kSin30, true);
  EXPECT_EQ(schedule.state(kSin30)->box, 1);
  EXPECT_EQ(schedule.state(kSin30)->due, calendar.day + std::chrono::days{1});
}

TEST(RepetitionSchedule, ARightAnswerBeforeTheDueDayChangesNothing) {
  FakeCalendar calendar;
  RepetitionSchedule schedule(calendar.clock());
  schedule.record(kSin30, true);
  const CardState before = *schedule.state(kSin30);
  schedule.record(kSin30, true);
  EXPECT_EQ(*schedule.state(kSin30), before);
}

TEST(RepetitionSchedule, TheStreakCountsDaysInARowUpToYesterday) {
  FakeCalendar calendar;
  RepetitionSchedule schedule(calendar.clock());
  EXPECT_EQ(schedule.dayStreak(), 0);
  schedule.record(kSin30, true);
  calendar.advance(2);  // a day without practice
  for (int day = 0; day < 3; ++day) {
    schedule.record(kSin30, day != 1);
    calendar.advance(1);
  }
  EXPECT_EQ(schedule.dayStreak(), 3) << "today has no answer yet";
  schedule.record(kSin30, true);
  schedule.record(kSin30, true);
  EXPECT_EQ(schedule.dayStreak(), 4);
  calendar.advance(2);
  EXPECT_EQ(schedule.dayStreak(), 0);
}

TEST(RepetitionSchedule, SurvivesARoundTripAndResets) {
  FakeCalendar calendar;
  RepetitionSchedule schedule(calendar.clock());
  schedule.record(kSin30, true);
  schedule.record({QuestionKind::inverseSin, "\\frac{1}{2}"}, false);
  calendar.advance(1);
  schedule.record(kSin30, true);

  RepetitionSchedule restored(calendar.clock());
  ASSERT_TRUE(restored.loadJson(schedule.toJson()));
  EXPECT_EQ(restored.toJson(), schedule.toJson());
  EXPECT_EQ(restored.state(kSin30), schedule.state(kSin30));
  EXPECT_EQ(restored.dayStreak(), 2);
  EXPECT_TRUE(restored.isDue({QuestionKind::inverseSin, "\\frac{1}{2}"}));

  RepetitionSchedule fromRows(calendar.clock());
  ASSERT_TRUE(fromRows.loadRecords(schedule.records(), schedule.answerDays()));
  EXPECT_EQ(fromRows.toJson(), schedule.toJson());

  restored.reset();
  EXPECT_EQ(restored.mastery(kSin30), Mastery::fresh);
  EXPECT_EQ(restored.dayStreak(), 0);
  EXPECT_EQ(restored.toJson(), R"({"answerDays":[],"cards":[],"version":1})");
}

TEST(RepetitionSchedule, ABadDocumentChangesNothing) {
  FakeCalendar calendar;
  RepetitionSchedule schedule(calendar.clock());
  schedule.record(kSin30, true);
  const std::string before = schedule.toJson();
  for (
      const char* bad : {
          "",
          "[]",
          "{",
          R"({"version":2,"cards":[],"answerDays":[]})",
          R"({"cards":[],"answerDays":[]})",
          R"({"version":1,"cards":{},"answerDays":[]})",
          R"({"version":1,"cards":[],"answerDays":[1.5]})",
          R"({"version":1,"cards":[],"answerDays":[-1]})",
          R"({"version":1,"cards":[{"card":"sin:30","box":6,"due":1,"answered":1}],"answerDays":[]})",
          R"({"version":1,"cards":[{"card":"sine:30","box":1,"due":1,"answered":1}],"answerDays":[]})",
          R"({"version":1,"cards":[{"card":"sin:30","box":1,"due":"1","answered":1}],"answerDays":[]})",
          R"({"version":1,"cards":[{"card":"sin:30","box":1,"due":1}],"answerDays":[]})",
          R"({"version":1,"cards":[{"card":"sin:30","box":1,"due":1,"answered":1},)"
          R"({"card":"sin:30","box":2,"due":1,"answered":1}],"answerDays":[]})",
          R"({"version":1,"cards":[{"card":"sin:30","box":1,"due":18446744073709551615,"answered":1}],"answerDays":[]})",
      }) {
    EXPECT_FALSE(schedule.loadJson(bad)) << bad;
    EXPECT_EQ(schedule.toJson(), before) << bad;
  }
}

TEST(PracticeSession, TenCardsWrongOnesReturnWithinTheSession) {
  FakeCalendar calendar;
  RepetitionSchedule schedule(calendar.clock());
  PracticeSession session(schedule, 1, 3);
  const Question* q = session.current();
  ASSERT_TRUE(q);
  const std::string firstCard = q->card.key();
  // The first card: not quite, then wrong.
  EXPECT_FALSE(session.answer("").graded());
  EXPECT_EQ(session.current()->card.key(), firstCard) << "an unreadable reply keeps the question";
  EXPECT_FALSE(schedule.state(q->card)) << "and changes nothing";
  EXPECT_EQ(session.answer("7/3").kind, VerdictKind::wrong);
  EXPECT_TRUE(schedule.isDue(Card::fromKey(firstCard).value()));
  int position = 0;
  int firstCardAgainAt = -1;
  while (const Question* current = session.current()) {
    ++position;
    if (current->card.key() == firstCard && firstCardAgainAt < 0) firstCardAgainAt = position;
    EXPECT_EQ(session.answer("7/3").kind, VerdictKind::wrong);
    ASSERT_LT(position, 100);
  }
  EXPECT_EQ(firstCardAgainAt, 3) << "after two other questions";
  const SessionSummary summary = session.summary();
  EXPECT_EQ(summary.cards, 10);
  EXPECT_EQ(summary.answers, 30) << "each card asked three times at most";
  EXPECT_EQ(summary.wrongAnswers, 30);
  EXPECT_EQ(summary.rightFirstTime, 0);
  EXPECT_EQ(summary.scorePercent, 0);
  EXPECT_EQ(summary.dayStreak, 1);
}

TEST(PracticeSession, DueCardsComeFirstThenNewOnes) {
  FakeCalendar calendar;
  RepetitionSchedule schedule(calendar.clock());
  const Card due{QuestionKind::cos, "120"};
  const Card later{QuestionKind::tan, "45"};
  schedule.record(due, true);
  schedule.record(later, true);
  calendar.advance(1);
  schedule.record(later, true);  // due in two more days
  const std::vector<Card> picked = pickCards(schedule, 1, 9, 10);
  ASSERT_EQ(picked.size(), 10u);
  EXPECT_EQ(picked.front(), due);
  EXPECT_EQ(std::find(picked.begin(), picked.end(), later), picked.end());
  for (std::size_t i = 1; i < picked.size(); ++i) EXPECT_FALSE(schedule.state(picked[i]));
  // All cards of the level, the not-yet-due one last.
  const std::vector<Card> all = pickCards(schedule, 1, 9, 100000);
  EXPECT_EQ(all.size(), cardsForLevel(1).size());
  EXPECT_EQ(all.back(), later);
}

TEST(PracticeSession, TheSummaryScoresRightFirstAnswers) {
  FakeCalendar calendar;
  RepetitionSchedule schedule(calendar.clock());
  PracticeSession session(schedule, 2, 11, 4);
  EXPECT_EQ(session.answer("7/3").kind, VerdictKind::wrong);
  int asked = 1;
  while (const Question* q = session.current()) {
    const Verdict v = session.answer(uc::testing::typedAnswer(*q));
    EXPECT_TRUE(v.correct()) << q->card.key() << " " << v.key;
    ++asked;
  }
  EXPECT_EQ(asked, 5) << "the wrong card once more";
  const SessionSummary summary = session.summary();
  EXPECT_EQ(summary.cards, 4);
  EXPECT_EQ(summary.answers, 5);
  EXPECT_EQ(summary.rightFirstTime, 3);
  EXPECT_EQ(summary.wrongAnswers, 1);
  EXPECT_EQ(summary.scorePercent, 75);
  EXPECT_EQ(session.answer("1").kind, VerdictKind::unreadable) << "over";
  EXPECT_EQ(PracticeSession(schedule, 1, 1).summary().cards, 0);
}

// A learner's pick: those cards in that order, a wrong one again before the end.
TEST(PracticeSession, ChosenCardsAreAskedInTheirOrder) {
  FakeCalendar calendar;
  RepetitionSchedule schedule(calendar.clock());
  const Card cos60{QuestionKind::cos, "60"};
  PracticeSession session(schedule, {kSin30, cos60}, 5);
  ASSERT_TRUE(session.current());
  EXPECT_EQ(session.current()->card, kSin30);
  EXPECT_TRUE(session.answer("1/2").correct());
  EXPECT_EQ(session.current()->card, cos60);
  EXPECT_EQ(session.answer("2").kind, VerdictKind::wrong);
  ASSERT_TRUE(session.current());
  EXPECT_EQ(session.current()->card, cos60);
  EXPECT_TRUE(session.answer("1/2").correct());
  EXPECT_TRUE(session.finished());
  EXPECT_EQ(session.summary().scorePercent, 50);
  EXPECT_TRUE(PracticeSession(schedule, std::vector<Card>{}, 1).finished());
}

}  // namespace
}  // namespace uc::practice
