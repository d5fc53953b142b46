#include <charconv>
#include <cmath>
#include <map>
#include <memory>
#include <string>

#include "core/localization.h"
#include "core/practice/answer_typing.h"
#include "core/practice/practice_board.h"
#include "core/practice/practice_session.h"
#include "core/practice/printed_worksheet.h"
#include "wasm/bundled_core_texts.h"
#include "wasm/typing_call.h"
#include "wasm/web_api_arguments.h"

// Practice: sittings kept here by id between calls, the schedule's JSON in at the start and out
// after every graded answer (the page stores it), the day from the browser's calendar.
namespace uc::web {
namespace {

using namespace uc::practice;
using practice::rawValue;

// Enough for a page and a few tabs sharing the worker; the oldest goes first.
constexpr std::size_t kMostSittings = 8;

struct Sitting {
  Day today{};
  RepetitionSchedule schedule{[this] { return today; }};
  std::unique_ptr<PracticeSession> session;
  int number = 1;
  int length = 0;
};

std::map<int, std::unique_ptr<Sitting>>& sittings() {
  static std::map<int, std::unique_ptr<Sitting>> all;
  return all;
}

std::string_view rawValue(VerdictKind kind) {
  switch (kind) {
    case VerdictKind::correct:
      return "correct";
    case VerdictKind::wrong:
      return "wrong";
    case VerdictKind::close:
      return "close";
    case VerdictKind::wrongUnit:
      return "wrongUnit";
    case VerdictKind::outOfRange:
      return "outOfRange";
    case VerdictKind::incomplete:
      return "incomplete";
    case VerdictKind::unreadable:
      return "unreadable";
  }
  return "unreadable";
}

Day dayOf(const Json& args) { return Day{std::chrono::days{wholeNumber(args, "today")}}; }

int levelOf(const Json& args) {
  const int level = wholeNumber(args, "level");
  if (level < kLowestLevel || level > kHighestLevel) throw BadArguments{"level"};
  return level;
}

// The seed as the command line reads it: a whole number, or its decimal digits for those past
// a double's precision.
std::uint64_t seedOf(const Json& args) {
  const auto found = args.find("seed");
  if (found != args.end() && found->is_string()) {
    const std::string digits = found->get<std::string>();
    std::uint64_t seed = 0;
    const auto [end, error] = std::from_chars(digits.data(), digits.data() + digits.size(), seed);
    if (digits.empty() || error != std::errc{} || end != digits.data() + digits.size()) {
      throw BadArguments{"seed"};
    }
    return seed;
  }
  const double seed = number(args, "seed");
  if (!(seed >= 0 && seed <= 9007199254740992.0) || std::trunc(seed) != seed) {
    throw BadArguments{"seed"};
  }
  return static_cast<std::uint64_t>(seed);
}

// How many questions a worksheet has: the command line's default unless given.
int countOf(const Json& args) {
  const int count =
      args.contains("count") ? wholeNumber(args, "count") : PracticeSession::kDefaultLength;
  if (count < 1 || count > 1000) throw BadArguments{"count"};
  return count;
}

// A stored schedule that does not load starts afresh, as in the app.
void loadSchedule(RepetitionSchedule& schedule, const Json& args) {
  const auto found = args.find("schedule");
  if (found != args.end() && found->is_string() && !found->get<std::string>().empty()) {
    schedule.loadJson(found->get<std::string>());
  }
}

Sitting& sittingOf(const Json& args) {
  const auto found = sittings().find(wholeNumber(args, "session"));
  if (found == sittings().end()) throw BadArguments{"session"};
  Sitting& sitting = *found->second;
  if (args.contains("today")) sitting.today = dayOf(args);
  return sitting;
}

Json questionJson(const Question& question) {
  Json answers = Json::array();
  for (const CanonicalAnswer& answer : question.answers) answers.push_back(answer.latex);
  return {{"kind", rawValue(question.kind())},
          {"given", question.givenLatex},
          {"prompt", question.prompt()},
          {"answers", answers}};
}

Json summaryJson(const Sitting& sitting) {
  const SessionSummary summary = sitting.session->summary();
  return {{"cards", summary.cards},
          {"answers", summary.answers},
          {"rightFirstTime", summary.rightFirstTime},
          {"wrongAnswers", summary.wrongAnswers},
          {"scorePercent", summary.scorePercent},
          {"dayStreak", summary.dayStreak}};
}

// Where a sitting stands: its question, or its summary once over.
Json stateJson(int id, const Sitting& sitting) {
  Json state = {{"session", id}, {"finished", sitting.session->finished()}};
  if (const Question* question = sitting.session->current()) {
    Json choices = Json::array();
    for (const std::string& choice : answerChoices(*question)) choices.push_back(choice);
    state["question"] = {{"number", sitting.number},
                         {"length", sitting.length},
                         {"card", question->card.key()},
                         {"kind", rawValue(question->kind())},
                         {"prompt", question->prompt()},
                         {"given", question->givenLatex},
                         {"choices", choices}};
  } else {
    state["summary"] = summaryJson(sitting);
  }
  return state;
}

// The questions of `unitcircle practice --seed N --level L --json`, question for question.
Json practiceQuestions(const Json& args) {
  useLanguage(args);
  const int count = countOf(args);
  Json questions = Json::array();
  for (const Question& question : generateQuestions(seedOf(args), count, levelOf(args))) {
    questions.push_back(questionJson(question));
  }
  return {{"questions", questions}};
}

// The worksheet of `unitcircle practice --seed N --level L --pdf FILE`, for the page to print:
// its title, the line with the web address, the answer key's heading, and each question with
// its answers as one formula.
Json practiceWorksheet(const Json& args) {
  useLanguage(args);
  const std::uint64_t seed = seedOf(args);
  const int level = levelOf(args);
  const int count = countOf(args);
  Json questions = Json::array();
  for (const Question& question : generateQuestions(seed, count, level)) {
    questions.push_back({{"prompt", question.prompt()},
                         {"given", printedLatex(question.givenLatex)},
                         {"answers", printedAnswers(question)}});
  }
  return {
      {"title",
       localizedWithArguments("practiceWorksheet", std::to_string(seed), std::to_string(level))},
      {"webAddress", localizedWithArguments("practiceWebAddress", practiceWebAddress(seed, level))},
      {"answerKey", localized("practiceAnswerKey")},
      {"questions", questions}};
}

Json practiceMap(const Json& args) {
  useLanguage(args);
  const Day today = dayOf(args);
  RepetitionSchedule schedule([today] { return today; });
  loadSchedule(schedule, args);
  Json angles = Json::array();
  for (const MapAngle& angle : masteryAngles(schedule, levelOf(args))) {
    angles.push_back(
        {{"degrees", angle.degrees}, {"ring", angle.ring}, {"mastery", rawValue(angle.mastery)}});
  }
  return {{"angles", angles}, {"dayStreak", schedule.dayStreak()}};
}

// A sitting of the due questions (with a seed), of one angle's cards ("angle"), or of the fixed
// questions of a seed ("fixed": true).
Json practiceStart(const Json& args) {
  useLanguage(args);
  const int level = levelOf(args);
  auto sitting = std::make_unique<Sitting>();
  sitting->today = dayOf(args);
  loadSchedule(sitting->schedule, args);
  if (args.contains("angle")) {
    std::vector<Card> cards = cardsOfAngle(sitting->schedule, level, wholeNumber(args, "angle"));
    sitting->length = static_cast<int>(cards.size());
    sitting->session =
        std::make_unique<PracticeSession>(sitting->schedule, std::move(cards), seedOf(args));
  } else if (flag(args, "fixed")) {
    sitting->length = PracticeSession::kDefaultLength;
    sitting->session = std::make_unique<PracticeSession>(
        sitting->schedule, generateQuestions(seedOf(args), sitting->length, level));
  } else {
    sitting->length = PracticeSession::kDefaultLength;
    sitting->session =
        std::make_unique<PracticeSession>(sitting->schedule, level, seedOf(args), sitting->length);
  }
  auto& all = sittings();
  const int id = all.empty() ? 1 : all.rbegin()->first + 1;
  while (all.size() >= kMostSittings) all.erase(all.begin());
  const Sitting& started = *all.emplace(id, std::move(sitting)).first->second;
  return stateJson(id, started);
}

// Judges the answer. A graded one moves the sitting on (see practiceContinue) and hands back the
// schedule to store; the others keep the question and say why.
Json practiceAnswer(const Json& args) {
  useLanguage(args);
  Sitting& sitting = sittingOf(args);
  const Question* current = sitting.session->current();
  if (!current) throw BadArguments{"session"};
  const Question asked = *current;
  const std::string typed = finishTyping(text(args, "answer"));
  const Verdict verdict = sitting.session->answer(typed);
  Json answer = {{"answer", typed},
                 {"kind", rawValue(verdict.kind)},
                 {"graded", verdict.graded()},
                 {"correct", verdict.correct()},
                 {"message", verdict.message()}};
  if (verdict.graded()) answer["schedule"] = sitting.schedule.toJson();
  if (verdict.kind == VerdictKind::wrong) {
    answer["rightAnswer"] = answersLatex(asked);
    answer["solutionAngle"] = solutionAngle(asked);
  }
  return answer;
}

// The answer after one key: "keypad" adds a key, "delete" takes the last character (a chosen word
// whole), "keyboard" reads a character typed on a keyboard for the sitting's question.
Json practiceType(const Json& args) {
  return typedAfterKey(args, text(args, "answer"), [&] {
    useLanguage(args);
    const Question* current = sittingOf(args).session->current();
    if (!current) throw BadArguments{"session"};
    return keyboardWords(*current);
  });
}

// After a graded answer has been seen: the next question, or the summary.
Json practiceContinue(const Json& args) {
  useLanguage(args);
  Sitting& sitting = sittingOf(args);
  // A card asked again after a wrong answer counts as one more question.
  if (!sitting.session->finished()) sitting.number = std::min(sitting.number + 1, sitting.length);
  return stateJson(wholeNumber(args, "session"), sitting);
}

Json practiceState(const Json& args) {
  useLanguage(args);
  return stateJson(wholeNumber(args, "session"), sittingOf(args));
}

Json practiceEnd(const Json& args) {
  sittings().erase(wholeNumber(args, "session"));
  return true;
}

// An empty schedule, to store in place of the old one.
Json practiceReset(const Json&) { return {{"schedule", RepetitionSchedule().toJson()}}; }

}  // namespace

const MethodTable& practiceMethods() {
  static const MethodTable table{
      {"practiceQuestions", practiceQuestions},
      {"practiceWorksheet", practiceWorksheet},
      {"practiceMap", practiceMap},
      {"practiceStart", practiceStart},
      {"practiceAnswer", practiceAnswer},
      {"practiceType", practiceType},
      {"practiceContinue", practiceContinue},
      {"practiceState", practiceState},
      {"practiceEnd", practiceEnd},
      {"practiceReset", practiceReset},
  };
  return table;
}

}  // namespace uc::web
