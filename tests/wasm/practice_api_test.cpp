#include <gtest/gtest.h>

#include <nlohmann/json.hpp>
#include <set>
#include <sstream>
#include <string>

#include "cli/solve_command.h"
#include "core/practice/typed_form.h"
#include "wasm/bundled_core_texts.h"
#include "wasm/web_api.h"

namespace {

using Json = nlohmann::json;

constexpr int kToday = 20'600;

Json result(const std::string& method, const Json& args) {
  const Json answer = Json::parse(uc::web::call(method, args.dump()));
  EXPECT_TRUE(answer.contains("result")) << method << ": " << answer.dump();
  return answer.value("result", Json());
}

std::string error(const std::string& method, const Json& args) {
  const Json answer = Json::parse(uc::web::call(method, args.dump()));
  EXPECT_FALSE(answer.contains("result")) << answer.dump();
  return answer.value("error", std::string());
}

Json commandLineQuestions(const std::string& seed, const std::string& level) {
  std::istringstream in;
  std::ostringstream out, err;
  const int status =
      uc::cli::runCommandLine({"practice", "--seed", seed, "--level", level, "--json"}, in, out,
                              err, uc::installBundledTexts);
  EXPECT_EQ(status, 0) << err.str();
  return Json::parse(out.str())["questions"];
}

// A right answer as the keypad types it: every solution, or the choice "no solution".
std::string rightAnswer(const Json& question, const Json& questions) {
  for (const Json& asked : questions) {
    if (asked["prompt"] == question["prompt"] && asked["given"] == question["given"]) {
      if (asked["answers"].empty()) return question["choices"].front();
      std::string typed;
      for (const Json& latex : asked["answers"]) {
        typed += (typed.empty() ? "" : ";") + uc::practice::typedForm(latex.get<std::string>());
      }
      return typed;
    }
  }
  ADD_FAILURE() << "not among the questions: " << question.dump();
  return {};
}

Json start(Json args) {
  args["today"] = kToday;
  args["language"] = args.value("language", "en");
  return result("practiceStart", args);
}

Json answer(int session, const std::string& typed, const std::string& language = "en") {
  return result(
      "practiceAnswer",
      {{"session", session}, {"answer", typed}, {"today", kToday}, {"language", language}});
}

Json next(int session) {
  return result("practiceContinue", {{"session", session}, {"language", "en"}});
}

TEST(PracticeApi, ASeedAsksWhatTheCommandLinePrintsForIt) {
  for (const int level : {1, 2, 3}) {
    const Json expected = commandLineQuestions("7", std::to_string(level));
    const Json questions = result("practiceQuestions", {{"seed", 7}, {"level", level}});
    EXPECT_EQ(questions["questions"], expected) << "level " << level;

    // The sitting of a link with that seed asks them in order; right answers move it on.
    Json state = start({{"seed", "7"}, {"level", level}, {"fixed", true}});
    const int session = state["session"];
    for (const Json& printed : expected) {
      ASSERT_FALSE(state["finished"].get<bool>());
      const Json& question = state["question"];
      EXPECT_EQ(question["prompt"], printed["prompt"]);
      EXPECT_EQ(question["given"], printed["given"]);
      EXPECT_EQ(question["kind"], printed["kind"]);
      const Json verdict = answer(session, rightAnswer(question, expected));
      EXPECT_EQ(verdict["kind"], "correct") << question.dump();
      state = next(session);
    }
    EXPECT_TRUE(state["finished"].get<bool>());
    EXPECT_EQ(state["summary"]["scorePercent"], 100);
    EXPECT_EQ(state["summary"]["cards"], 10);
  }
}

TEST(PracticeApi, AWrongAnswerShowsTheRightOneAndComesBack) {
  const Json expected = commandLineQuestions("3", "1");
  Json state = start({{"seed", 3}, {"level", 1}, {"fixed", true}, {"language", "de"}});
  const int session = state["session"];
  const Json first = state["question"];
  EXPECT_EQ(first["number"], 1);
  EXPECT_EQ(first["length"], 10);

  // Unreadable: the question stays, nothing is stored.
  const Json unreadable = answer(session, "(((", "de");
  EXPECT_FALSE(unreadable["graded"].get<bool>());
  EXPECT_FALSE(unreadable.contains("schedule"));
  EXPECT_FALSE(unreadable["message"].get<std::string>().empty());
  EXPECT_EQ(result("practiceState", {{"session", session}, {"language", "de"}})["question"], first);

  const Json wrong = answer(session, "12345", "de");
  EXPECT_EQ(wrong["kind"], "wrong");
  EXPECT_FALSE(wrong["rightAnswer"].get<std::string>().empty());
  EXPECT_FALSE(wrong["solutionAngle"].get<std::string>().empty());
  ASSERT_TRUE(wrong.contains("schedule"));

  // Asked again after two other questions.
  for (int i = 0; i < 2; ++i) {
    state = next(session);
    EXPECT_NE(state["question"]["card"], first["card"]);
    EXPECT_EQ(answer(session, rightAnswer(state["question"], expected))["kind"], "correct");
  }
  state = next(session);
  EXPECT_EQ(state["question"]["card"], first["card"]);
  EXPECT_EQ(state["question"]["number"], 4);

  // The stored schedule has today on the streak; tomorrow still counts it.
  const Json tomorrow = {{"schedule", wrong["schedule"]}, {"level", 1}, {"today", kToday + 1}};
  EXPECT_EQ(result("practiceMap", tomorrow)["dayStreak"], 1);
}

TEST(PracticeApi, TheMapHoldsTheLevelsAnglesOnTwoRings) {
  const Json level1 = result("practiceMap", {{"level", 1}, {"today", kToday}});
  EXPECT_EQ(level1["angles"].size(), 16u);  // 30° and 45° steps on one turn
  EXPECT_EQ(level1["dayStreak"], 0);
  for (const Json& angle : level1["angles"]) EXPECT_EQ(angle["mastery"], "new");

  const Json level3 = result("practiceMap", {{"level", 3}, {"today", kToday}});
  const Json level2 = result("practiceMap", {{"level", 2}, {"today", kToday}});
  EXPECT_EQ(level3["angles"], level2["angles"]) << "beyond one turn shares the points";
  bool ring1Has18 = false;
  for (const Json& angle : level2["angles"]) {
    const int degrees = angle["degrees"];
    EXPECT_EQ(angle["ring"], degrees % 15 == 0 ? 0 : 1) << degrees;
    ring1Has18 |= degrees == 18;
  }
  EXPECT_TRUE(ring1Has18);

  // A damaged schedule reads as a fresh one.
  const Json damaged =
      result("practiceMap", {{"schedule", "{\"version\": 9"}, {"level", 1}, {"today", kToday}});
  EXPECT_EQ(damaged["angles"], level1["angles"]);
}

TEST(PracticeApi, AnAnglesSittingAsksEachOfItsCardsAndMarksItOnTheMap) {
  Json state = start({{"seed", 1}, {"level", 1}, {"angle", 390}});  // ends on 30°
  const int session = state["session"];
  // Both conversions, sin, cos, tan, the reference angle and the quadrant.
  EXPECT_EQ(state["question"]["length"], 7);
  std::set<std::string> cards;
  std::string schedule;
  for (int i = 0; i < 30 && !state["finished"].get<bool>(); ++i) {
    cards.insert(state["question"]["card"].get<std::string>());
    schedule = answer(session, "12345")["schedule"];
    state = next(session);
  }
  EXPECT_TRUE(state["finished"].get<bool>());
  EXPECT_EQ(cards.size(), 7u);
  for (const std::string& card : cards) EXPECT_EQ(card.substr(card.find(':')), ":30") << card;
  EXPECT_EQ(state["summary"]["wrongAnswers"], 21) << "each card twice again";
  EXPECT_EQ(state["summary"]["scorePercent"], 0);

  const Json map = result("practiceMap", {{"schedule", schedule}, {"level", 1}, {"today", kToday}});
  for (const Json& angle : map["angles"]) {
    EXPECT_EQ(angle["mastery"], angle["degrees"] == 30 ? "learning" : "new") << angle.dump();
  }
}

TEST(PracticeApi, ChoicesAndResetAndRefusals) {
  // The due sitting of an empty schedule starts with new cards; tan offers "undefined".
  bool sawQuadrant = false;
  for (int seed = 0; seed < 40 && !sawQuadrant; ++seed) {
    const Json question = start({{"seed", seed}, {"level", 1}})["question"];
    if (question["kind"] == "quadrant") {
      sawQuadrant = true;
      EXPECT_EQ(question["choices"], Json({"I", "II", "III", "IV"}));
    }
  }
  EXPECT_TRUE(sawQuadrant);

  const std::string empty = result("practiceReset", Json::object())["schedule"];
  EXPECT_EQ(
      result("practiceMap", {{"schedule", empty}, {"level", 1}, {"today", kToday}})["dayStreak"],
      0);

  EXPECT_EQ(error("practiceStart", {{"seed", 1}, {"level", 4}, {"today", kToday}}),
            "bad argument: level");
  EXPECT_EQ(error("practiceStart", {{"seed", -1}, {"level", 1}, {"today", kToday}}),
            "bad argument: seed");
  EXPECT_EQ(error("practiceAnswer", {{"session", 999999}, {"answer", "1"}}),
            "bad argument: session");
}

// The page edits the answer through the core, key by key, as the app does.
TEST(PracticeApi, KeysEditTheAnswerAsInTheApp) {
  const auto typed = [](Json args) { return result("practiceType", args).get<std::string>(); };
  EXPECT_EQ(typed({{"how", "keypad"}, {"answer", "undefined"}, {"key", "3"}}), "3");
  EXPECT_EQ(typed({{"how", "delete"}, {"answer", "3π"}}), "3");

  const int session = start({{"seed", "7"}, {"level", 1}, {"fixed", true}})["session"];
  std::string edited;
  for (const char* key : {"s", "q", "r", "t", "3", ",", "5"}) {
    edited = typed({{"how", "keyboard"}, {"session", session}, {"answer", edited}, {"key", key},
                    {"decimalComma", true}, {"language", "de"}});
  }
  EXPECT_EQ(edited, "√3.5");
  EXPECT_EQ(error("practiceType", {{"how", "paste"}, {"answer", ""}}), "bad argument: how");
  // A spelling left unfinished is read as the sign it began.
  EXPECT_EQ(answer(session, "3p")["answer"], "3π");
}

}  // namespace
