#include "core/practice/practice_board.h"

#include <gtest/gtest.h>

#include <set>

#include "core/localization.h"
#include "core/practice/practice_session.h"

namespace uc::practice {
namespace {

Question inverse(QuestionKind kind, const std::string& value) {
  SeededRandom random(1);
  return *questionFor({kind, value}, random);
}

TEST(PracticeBoard, TheFeedbackNamesEverySolutionAndTheAngleToSolve) {
  const Question half = inverse(QuestionKind::inverseSin, "\\frac{1}{2}");
  EXPECT_EQ(answersLatex(half), "30^{\\circ};\\ 150^{\\circ}");
  EXPECT_EQ(solutionAngle(half), "30");

  const Question none = inverse(QuestionKind::inverseCos, "2");
  ASSERT_TRUE(none.answers.empty());
  EXPECT_EQ(answersLatex(none), "\\text{" + localized("practiceNoSolution") + "}");
  EXPECT_EQ(solutionAngle(none), "") << "nothing to draw";

  SeededRandom random(1);
  const Question beyond = *questionFor({QuestionKind::sin, "-330"}, random);
  EXPECT_EQ(solutionAngle(beyond), "-330") << "the angle as asked, not on one turn";
}

TEST(PracticeBoard, ChoicesFitTheKind) {
  SeededRandom random(1);
  EXPECT_EQ(answerChoices(*questionFor({QuestionKind::tan, "90"}, random)),
            std::vector<std::string>{localized("practiceUndefined")});
  EXPECT_EQ(answerChoices(*questionFor({QuestionKind::quadrant, "100"}, random)).size(), 4u);
  EXPECT_TRUE(answerChoices(*questionFor({QuestionKind::cos, "60"}, random)).empty());
  EXPECT_EQ(answerChoices(inverse(QuestionKind::inverseTan, "1")),
            std::vector<std::string>{localized("practiceNoSolution")});
}

TEST(PracticeBoard, APointOfTheMapIsKnownOnlyWhenAllItsCardsAre) {
  Day today{std::chrono::days{20'000}};
  RepetitionSchedule schedule([&today] { return today; });
  // 30°, -330° and 390°, each with both conversions, sin, cos, tan, reference angle, quadrant.
  std::vector<Card> cards = cardsForLevel(3);
  std::erase_if(cards, [](const Card& card) {
    return isInverse(card.kind) ||
           (card.subject != "30" && card.subject != "-330" && card.subject != "390");
  });
  ASSERT_EQ(cards.size(), 21u);
  const auto masteryOf30 = [&schedule] {
    for (const MapAngle& angle : masteryAngles(schedule, 3)) {
      if (angle.degrees == 30) return angle.mastery;
    }
    return Mastery::fresh;
  };
  EXPECT_EQ(masteryOf30(), Mastery::fresh);
  // Right on three due days in a row makes a card known.
  for (int day = 0; day < 7; ++day) {
    for (const Card& card : cards) {
      if (card.subject != "390" && (!schedule.state(card) || schedule.isDue(card))) {
        schedule.record(card, true);
      }
    }
    today += std::chrono::days{1};
  }
  EXPECT_EQ(masteryOf30(), Mastery::learning) << "390° still new";
  for (int day = 0; day < 7; ++day) {
    for (const Card& card : cards) {
      if (!schedule.state(card) || schedule.isDue(card)) schedule.record(card, true);
    }
    today += std::chrono::days{1};
  }
  EXPECT_EQ(masteryOf30(), Mastery::known);
}

TEST(PracticeBoard, ATappedPointAsksAtMostASessionsLengthDueAndNewFirst) {
  const std::vector<Card> first = cardsOfAngle(3, 30);
  ASSERT_EQ(first.size(), static_cast<std::size_t>(PracticeSession::kDefaultLength));
  std::set<QuestionKind> kinds;
  std::set<std::string> subjects;
  for (const Card& card : first) {
    kinds.insert(card.kind);
    subjects.insert(card.subject);
  }
  EXPECT_EQ(kinds.size(), 7u) << "every kind about angles";
  EXPECT_EQ((subjects), (std::set<std::string>{"-330", "30", "390"})) << "every turn";
  EXPECT_EQ(cardsOfAngle(3, -330), first) << "the same point";
  EXPECT_EQ(cardsOfAngle(2, 30).size(), 7u) << "fewer than ten: all of them";

  Day today{std::chrono::days{20'000}};
  RepetitionSchedule schedule([&today] { return today; });
  for (const Card& card : first) schedule.record(card, true);
  schedule.record(first[4], false);
  // first[4] is due again today, the other nine tomorrow; eleven cards are new.
  const std::vector<Card> next = cardsOfAngle(schedule, 3, 30);
  ASSERT_EQ(next.size(), 10u);
  EXPECT_EQ(next[0], first[4]);
  for (std::size_t i = 1; i < next.size(); ++i) EXPECT_FALSE(schedule.state(next[i])) << i;
}

TEST(PracticeSession, AFixedSetIsAskedAsGivenAndAWrongAnswerComesBack) {
  RepetitionSchedule schedule;
  const std::vector<Question> questions = generateQuestions(7, 4, 2);
  PracticeSession session(schedule, questions);
  ASSERT_NE(session.current(), nullptr);
  EXPECT_EQ(session.current()->givenLatex, questions[0].givenLatex);
  EXPECT_EQ(session.answer("12345").kind, VerdictKind::wrong);
  std::vector<std::string> asked;
  while (const Question* current = session.current()) {
    asked.push_back(current->card.key());
    session.answer("12345");
  }
  // q1 again after two others, then twice more at most.
  ASSERT_GE(asked.size(), 3u);
  EXPECT_EQ(asked[0], questions[1].card.key());
  EXPECT_EQ(asked[1], questions[2].card.key());
  EXPECT_EQ(asked[2], questions[0].card.key());
  EXPECT_EQ(session.summary().cards, 4);
  EXPECT_EQ(session.summary().wrongAnswers, 12);
}

}  // namespace
}  // namespace uc::practice
