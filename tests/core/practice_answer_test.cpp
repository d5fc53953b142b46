#include <gtest/gtest.h>

#include "core/localization.h"
#include "core/practice/answer_judge.h"
#include "core/practice/answer_reader.h"

namespace uc::practice {
namespace {

// The question for a card, with its angle shown in radians or degrees where it can be either.
Question question(QuestionKind kind, const std::string& subject, bool radians = false) {
  const bool fixedUnit = kind == QuestionKind::degreesToRadians ||
                         kind == QuestionKind::radiansToDegrees || isInverse(kind);
  for (std::uint64_t seed = 1; seed < 100; ++seed) {
    SeededRandom random(seed);
    auto q = questionFor({kind, subject}, random);
    if (!q) throw std::runtime_error("no question");
    if (fixedUnit || (*q->givenUnit == AngleUnit::radians) == radians) return *q;
  }
  throw std::runtime_error("no seed shows that unit");
}

VerdictKind judged(const Question& q, const std::string& typed) {
  return judgeAnswer(q, typed).kind;
}

TEST(PracticeAnswers, EveryExactFormOfAValueCounts) {
  const Question sin45 = question(QuestionKind::sin, "45");
  for (const char* form : {"√2/2", "1/√2", "√(1/2)", "√0.5", "(√2)/2", "√2·0.5", "2√2/4"}) {
    EXPECT_EQ(judged(sin45, form), VerdictKind::correct) << form;
  }
  const Question cos60 = question(QuestionKind::cos, "60");
  for (const char* form : {"1/2", "0.5", "0,5", ".5", "2/4", "√(1/4)", "√2·√2/4", "+1/2"}) {
    EXPECT_EQ(judged(cos60, form), VerdictKind::correct) << form;
  }
  EXPECT_EQ(judged(question(QuestionKind::tan, "30"), "1/√3"), VerdictKind::correct);
  EXPECT_EQ(judged(question(QuestionKind::tan, "30"), "√3/3"), VerdictKind::correct);
  EXPECT_EQ(judged(question(QuestionKind::sin, "75"), "(√6+√2)/4"), VerdictKind::correct);
  EXPECT_EQ(judged(question(QuestionKind::sin, "18"), "(√5−1)/4"), VerdictKind::correct);
  EXPECT_EQ(judged(question(QuestionKind::cos, "18"), "√(10+2√5)/4"), VerdictKind::correct);
  EXPECT_EQ(judged(question(QuestionKind::sin, "240"), "-√3/2"), VerdictKind::correct);
}

TEST(PracticeAnswers, ADecimalNearTheValueIsCloseNotWrong) {
  const Question sin45 = question(QuestionKind::sin, "45");
  EXPECT_EQ(judged(sin45, "0.707"), VerdictKind::close);
  EXPECT_EQ(judged(sin45, "0.7071"), VerdictKind::close);
  EXPECT_EQ(judged(sin45, "0.7"), VerdictKind::close);
  EXPECT_EQ(judged(sin45, "1.414/2"), VerdictKind::close);
  // Twelve digits are still a decimal, not the root.
  EXPECT_EQ(judged(sin45, "0.707106781187"), VerdictKind::close);
  EXPECT_EQ(judged(sin45, "0.70"), VerdictKind::close) << "cut, not rounded";
  EXPECT_EQ(judged(sin45, "0.71"), VerdictKind::close);
  EXPECT_EQ(judged(sin45, "0.72"), VerdictKind::wrong);
  EXPECT_EQ(judged(sin45, "0.8"), VerdictKind::wrong);
  EXPECT_EQ(judged(sin45, "1/2"), VerdictKind::wrong);
  EXPECT_EQ(judged(sin45, "√3/2"), VerdictKind::wrong);
  EXPECT_EQ(judged(sin45, "-√2/2"), VerdictKind::wrong);
  EXPECT_EQ(judged(question(QuestionKind::cos, "60"), "0.51"), VerdictKind::wrong);
  EXPECT_EQ(judgeAnswer(sin45, "0.707").key, "practiceClose");
}

TEST(PracticeAnswers, UndefinedAndQuadrantsAreChoices) {
  const Question tan90 = question(QuestionKind::tan, "90");
  EXPECT_EQ(judged(tan90, "undefined"), VerdictKind::correct);
  EXPECT_EQ(judged(tan90, " Undefined "), VerdictKind::correct);
  EXPECT_EQ(judged(tan90, "0"), VerdictKind::wrong);
  EXPECT_EQ(judged(question(QuestionKind::tan, "45"), "undefined"), VerdictKind::wrong);

  const Question q = question(QuestionKind::quadrant, "135");
  EXPECT_EQ(judged(q, "II"), VerdictKind::correct);
  EXPECT_EQ(judged(q, "ii"), VerdictKind::correct);
  EXPECT_EQ(judged(q, "2"), VerdictKind::correct);
  EXPECT_EQ(judged(q, "III"), VerdictKind::wrong);
  EXPECT_EQ(judged(q, "2°"), VerdictKind::wrong);
  EXPECT_EQ(judged(question(QuestionKind::quadrant, "-30"), "IV"), VerdictKind::correct);
}

TEST(PracticeAnswers, AnglesTakeTheUnitsTheQuestionAllows) {
  const Question toRadians = question(QuestionKind::degreesToRadians, "30");
  EXPECT_EQ(judged(toRadians, "π/6"), VerdictKind::correct);
  EXPECT_EQ(judged(toRadians, "1/6π"), VerdictKind::correct);
  EXPECT_EQ(judged(toRadians, "pi/6"), VerdictKind::correct);
  EXPECT_EQ(judged(toRadians, "2π/12"), VerdictKind::correct);
  EXPECT_EQ(judged(toRadians, "0.5236"), VerdictKind::close);
  EXPECT_EQ(judged(toRadians, "30°"), VerdictKind::wrongUnit);
  EXPECT_EQ(judgeAnswer(toRadians, "30°").key, "practiceGiveRadians");
  EXPECT_EQ(judged(toRadians, "π/3"), VerdictKind::wrong);

  const Question toDegrees = question(QuestionKind::radiansToDegrees, "390");
  EXPECT_EQ(judged(toDegrees, "390"), VerdictKind::correct);
  EXPECT_EQ(judged(toDegrees, "390°"), VerdictKind::correct);
  EXPECT_EQ(judged(toDegrees, "30°"), VerdictKind::wrong) << "the angle itself, not reduced";
  EXPECT_EQ(judged(toDegrees, "13π/6"), VerdictKind::wrongUnit);

  const Question reference = question(QuestionKind::referenceAngle, "150");
  EXPECT_EQ(judged(reference, "30"), VerdictKind::correct);
  EXPECT_EQ(judged(reference, "π/6"), VerdictKind::correct);
  const Question referenceRadians = question(QuestionKind::referenceAngle, "150", true);
  EXPECT_EQ(referenceRadians.answers.front().latex, "\\frac{\\pi}{6}");
  EXPECT_EQ(judged(referenceRadians, "π/6"), VerdictKind::correct);
  EXPECT_EQ(judged(referenceRadians, "30°"), VerdictKind::correct);
  EXPECT_EQ(judged(referenceRadians, "30"), VerdictKind::wrong) << "a bare 30 is 30 radians";
  EXPECT_EQ(judged(referenceRadians, "0.5236"), VerdictKind::close);
}

TEST(PracticeAnswers, InverseKindsWantEverySolutionInOneTurn) {
  const Question q = question(QuestionKind::inverseSin, "\\frac{1}{2}");
  EXPECT_EQ(judged(q, "30; 150"), VerdictKind::correct);
  EXPECT_EQ(judged(q, "150°, 30°"), VerdictKind::correct);
  EXPECT_EQ(judged(q, "π/6; 5π/6"), VerdictKind::correct);
  EXPECT_EQ(judged(q, "30"), VerdictKind::incomplete);
  EXPECT_EQ(judged(q, "30; 390"), VerdictKind::outOfRange);
  EXPECT_EQ(judged(q, "-330; 150"), VerdictKind::outOfRange);
  EXPECT_EQ(judged(q, "30; 150; 210"), VerdictKind::wrong);
  EXPECT_EQ(judged(q, "none"), VerdictKind::wrong);
  EXPECT_EQ(judged(q, "30; 150.0"), VerdictKind::correct);
  EXPECT_EQ(judged(q, "0.5236; 2.618"), VerdictKind::wrong) << "a bare number is in degrees";
  EXPECT_EQ(judged(q, "30.01; 150"), VerdictKind::wrong);

  const Question impossible = question(QuestionKind::inverseCos, "2");
  EXPECT_TRUE(impossible.answers.empty());
  EXPECT_EQ(judged(impossible, "none"), VerdictKind::correct);
  EXPECT_EQ(judged(impossible, "∅"), VerdictKind::correct);
  EXPECT_EQ(judged(impossible, "0"), VerdictKind::wrong);

  EXPECT_EQ(judged(question(QuestionKind::inverseTan, "-1"), "135; 315"), VerdictKind::correct);
  EXPECT_EQ(judged(question(QuestionKind::inverseCos, "\\frac{\\sqrt{5}+1}{4}"), "36; 324"),
            VerdictKind::correct);
}

TEST(PracticeAnswers, BadInputGetsALocalisedMessageAndNoGrade) {
  setTranslateFunction([](const std::string& key, const std::string&) {
    if (key == "practiceAnswerUnreadable") return std::string("Nur Ziffern");
    if (key == "practiceUndefined") return std::string("nicht definiert");
    return std::string();
  });
  const Question q = question(QuestionKind::cos, "60");
  const Verdict garbage = judgeAnswer(q, "abc");
  EXPECT_EQ(garbage.kind, VerdictKind::unreadable);
  EXPECT_FALSE(garbage.graded());
  EXPECT_EQ(garbage.message(), "Nur Ziffern");
  EXPECT_EQ(judged(question(QuestionKind::tan, "270"), "Nicht definiert"), VerdictKind::correct);
  setTranslateFunction({});

  const std::pair<const char*, const char*> cases[] = {
      {"", "practiceEmptyAnswer"},
      {"  ", "practiceEmptyAnswer"},
      {"()", "practiceEmptyAnswer"},
      {"1/", "fractionIncomplete"},
      {"1/0", "inputZeroInDenominator"},
      {"1/(π-π)", "inputZeroInDenominator"},
      {"√(-2)", "practiceRootOfNegative"},
      {"1e400", "practiceAnswerUnreadable"},
      {"99999999999999999999", "valueOutOfRange"},
      {"1..2", "practiceAnswerUnreadable"},
      {"(1/2", "practiceAnswerUnreadable"},
      {"1 2", "practiceAnswerUnreadable"},
      {"30°°", "practiceAnswerUnreadable"},
      {"1; 2", "practiceAnswerUnreadable"},
      {"--", "practiceAnswerUnreadable"},
      {"\xFF\xFE", "practiceAnswerUnreadable"},
  };
  for (const auto& [typed, key] : cases) {
    const Verdict v = judgeAnswer(q, typed);
    EXPECT_EQ(v.kind, VerdictKind::unreadable) << typed;
    EXPECT_EQ(v.key, key) << typed;
  }
  EXPECT_EQ(judgeAnswer(q, std::string(300, '(')).key, "practiceAnswerUnreadable");
  EXPECT_EQ(judgeAnswer(q, std::string(100, '(') + "1" + std::string(100, ')')).key,
            "practiceAnswerUnreadable")
      << "nested too deep";
}

TEST(PracticeAnswers, TheReaderKeepsExactFormsApart) {
  const auto read = [](const std::string& text) {
    const ReadAnswer r = readAnswer(text, false);
    EXPECT_TRUE(r.answer) << text << " " << r.errorKey;
    return r.answer->numbers.front();
  };
  EXPECT_EQ(read("3π/4").piPart, (Rational{3, 4}));
  EXPECT_EQ(read("3π/4").rationalPart, (Rational{0, 1}));
  EXPECT_EQ(read("1+π").piPart, (Rational{1, 1}));
  EXPECT_FALSE(read("π·π").hasExactForm());
  EXPECT_EQ(read("√(9/4)").rational(), (Rational{3, 2}));
  EXPECT_FALSE(read("√2").hasExactForm());
  EXPECT_EQ(read("0.125").rational(), (Rational{1, 8}));
  EXPECT_EQ(read("0.125").fractionDigits, 3);
  EXPECT_TRUE(read("1.2345678").longNumber);
  EXPECT_FALSE(read("1000000/2000000").longNumber);
  EXPECT_TRUE(read("45°").degreeSign);
  // Too many digits for 64 bits: a decimal value without an exact form.
  EXPECT_FALSE(read("0.1234567890123456789012").hasExactForm());
}

}  // namespace
}  // namespace uc::practice
