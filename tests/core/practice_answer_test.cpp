#include <gtest/gtest.h>

#include "core/localization.h"
#include "core/practice/answer_judge.h"
#include "core/practice/answer_reader.h"

namespace uc::practice {

// Names, not bytes, in failure messages.
void PrintTo(VerdictKind kind, std::ostream* out) {
  constexpr const char* kNames[] = {"correct",    "wrong",      "close",     "wrongUnit",
                                    "outOfRange", "incomplete", "unreadable"};
  *out << kNames[static_cast<int>(kind)];
}

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
  // Rounded or cut at the typed places, exactly: 1/2 to two places is 0.50, 1 is 1.00.
  for (const char* wrong : {"0.708", "0.706", "0.7072", "1.41/2", "0.7000", "√0.4999"}) {
    EXPECT_EQ(judged(sin45, wrong), VerdictKind::wrong) << wrong;
  }
  EXPECT_EQ(judged(sin45, "7.07/10"), VerdictKind::close) << "0.707";
  EXPECT_EQ(judged(question(QuestionKind::sin, "30"), "0.49"), VerdictKind::wrong);
  EXPECT_EQ(judged(question(QuestionKind::sin, "30"), "0.51"), VerdictKind::wrong);
  EXPECT_EQ(judged(question(QuestionKind::sin, "30"), "0.50"), VerdictKind::correct);
  EXPECT_EQ(judged(question(QuestionKind::sin, "90"), "0.99"), VerdictKind::wrong);
  EXPECT_EQ(judged(question(QuestionKind::sin, "90"), "0.999"), VerdictKind::wrong);
  // Cut toward zero -0.70, rounded -0.71.
  const Question cos135 = question(QuestionKind::cos, "135");
  for (const char* close : {"-0.70", "-0.71", "−0.7071"}) {
    EXPECT_EQ(judged(cos135, close), VerdictKind::close) << close;
  }
  for (const char* wrong : {"-0.708", "-0.72", "0.7071"}) {
    EXPECT_EQ(judged(cos135, wrong), VerdictKind::wrong) << wrong;
  }
  // More digits than 64 bits hold are still a decimal.
  EXPECT_EQ(judged(sin45, "0.70710678118654752440084436"), VerdictKind::close);
  EXPECT_EQ(judged(sin45, "0.70710678118655752440084436"), VerdictKind::wrong);
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
  EXPECT_EQ(judged(referenceRadians, "0.5236"), VerdictKind::close);
}

TEST(PracticeAnswers, ABareNumberThatCanOnlyBeDegreesIsTheWrongUnit) {
  const Question referenceRadians = question(QuestionKind::referenceAngle, "150", true);
  EXPECT_EQ(judged(referenceRadians, "30"), VerdictKind::wrongUnit);
  EXPECT_EQ(judgeAnswer(referenceRadians, "30").key, "practiceMarkDegrees");
  EXPECT_EQ(judged(referenceRadians, "60"), VerdictKind::wrongUnit) << "no right angle in radians";
  EXPECT_EQ(judged(referenceRadians, "1"), VerdictKind::wrong) << "could be radians";
  EXPECT_EQ(judged(referenceRadians, "100"), VerdictKind::wrong) << "neither unit";
  // Just above π/2, yet π/2 rounded.
  EXPECT_EQ(judged(question(QuestionKind::referenceAngle, "90", true), "1.5708"),
            VerdictKind::close);

  const Question toRadians = question(QuestionKind::degreesToRadians, "30");
  EXPECT_EQ(judged(toRadians, "30"), VerdictKind::wrongUnit);
  EXPECT_EQ(judgeAnswer(toRadians, "30").key, "practiceGiveRadians");
  EXPECT_EQ(judged(toRadians, "2"), VerdictKind::wrong);
}

TEST(PracticeAnswers, AnAngleIsCloseOnlyRoundedOrCutInDegreesOrAsAMultipleOfPi) {
  EXPECT_EQ(judged(question(QuestionKind::radiansToDegrees, "30"), "29.9"), VerdictKind::wrong);
  EXPECT_EQ(judged(question(QuestionKind::radiansToDegrees, "30"), "30.0"), VerdictKind::correct);
  EXPECT_EQ(judged(question(QuestionKind::radiansToDegrees, "45"), "44.9"), VerdictKind::wrong);
  EXPECT_EQ(judged(question(QuestionKind::referenceAngle, "135", true), "44.9°"),
            VerdictKind::wrong);

  const Question toRadians = question(QuestionKind::degreesToRadians, "30");
  for (const char* close : {"0.1667π", "0.166π", "0.17π", "0.2π", "π·0.167"}) {
    EXPECT_EQ(judged(toRadians, close), VerdictKind::close) << close;
  }
  for (const char* wrong : {"0.165π", "0.168π", "0.3π", "0.1667π+0.001"}) {
    EXPECT_EQ(judged(toRadians, wrong), VerdictKind::wrong) << wrong;
  }
  EXPECT_EQ(judged(question(QuestionKind::degreesToRadians, "-330"), "-1.8333π"),
            VerdictKind::close);
  EXPECT_EQ(judged(question(QuestionKind::inverseSin, "\\frac{1}{2}"), "0.1667π; 0.8333π"),
            VerdictKind::close);
}

// Every cut and every rounding of a few answers without a finite decimal form, at every number
// of places a learner might type, against digits worked out elsewhere.
TEST(PracticeAnswers, EveryCutAndRoundingOfTheTrueDigitsIsClose) {
  struct Case {
    QuestionKind kind;
    const char* subject;
    const char* digits;  // |answer|, to more places than typed here
    bool negative;
  };
  const Case cases[] = {
      {QuestionKind::sin, "45", "0.70710678118654752440084436", false},
      {QuestionKind::sin, "240", "0.86602540378443864676372317", true},
      {QuestionKind::sin, "15", "0.25881904510252076234889883", false},
      {QuestionKind::cos, "18", "0.95105651629515357211643933", false},
      {QuestionKind::degreesToRadians, "390", "6.80678408277788535000239399", false},
  };
  const auto decimal = [](std::uint64_t n, std::size_t places, bool negative) {
    std::string text = std::to_string(n);
    if (text.size() <= places) text.insert(0, places + 1 - text.size(), '0');
    text.insert(text.size() - places, ".");
    return (negative ? "-" : "") + text;
  };
  for (const Case& c : cases) {
    const Question q = question(c.kind, c.subject);
    const std::string digits = c.digits;
    const std::size_t point = digits.find('.');
    for (std::size_t places = 1; places <= 16; ++places) {
      std::string kept = digits.substr(0, point) + digits.substr(point + 1, places);
      const std::uint64_t cut = std::stoull(kept);
      const std::uint64_t rounded = cut + (digits[point + 1 + places] >= '5' ? 1 : 0);
      for (const std::uint64_t n : {cut, rounded}) {
        EXPECT_EQ(judged(q, decimal(n, places, c.negative)), VerdictKind::close)
            << decimal(n, places, c.negative);
      }
      for (const std::uint64_t n : {cut - 1, rounded + 1}) {
        EXPECT_EQ(judged(q, decimal(n, places, c.negative)), VerdictKind::wrong)
            << decimal(n, places, c.negative);
      }
    }
  }
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
