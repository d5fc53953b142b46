#include "wasm/web_api.h"

#include <gtest/gtest.h>

#include <cmath>
#include <nlohmann/json.hpp>
#include <string>

namespace {

using Json = nlohmann::json;

Json result(const std::string& method, const Json& args) {
  const Json answer = Json::parse(uc::web::call(method, args.dump()));
  EXPECT_TRUE(answer.contains("result")) << answer.dump();
  return answer.value("result", Json());
}

std::string error(const std::string& method, const std::string& args) {
  const Json answer = Json::parse(uc::web::call(method, args));
  EXPECT_FALSE(answer.contains("result")) << answer.dump();
  return answer.value("error", std::string());
}

const Json k400 = {{"alpha", 400.0},
                   {"b", 6.981317007977318},
                   {"angle", 40.0},
                   {"fullCircles", 1},
                   {"quadrant", "I"}};

TEST(WebApi, TheCircleTurnsAsTheAppCountsThem) {
  Json args = k400;
  args["turn"] = 1;
  const Json turn = result("circleTurn", args);
  EXPECT_EQ(turn["isLast"], true);
  EXPECT_EQ(turn["fullCirclesText"], "1");
  EXPECT_EQ(turn["alphaTexts"].front(), "360°");
  EXPECT_EQ(turn["alphaTexts"].back(), "400°");
  EXPECT_EQ(turn["gammaTexts"].back(), "40°");
  EXPECT_EQ(turn["pXTexts"].size(), 21u);
  EXPECT_EQ(turn["arc"]["sweep"], 40.0);
  args["turn"] = 2;  // past the last turn
  EXPECT_TRUE(result("circleTurn", args).is_null());

  const Json final = result("circleFinal", k400);
  EXPECT_EQ(final["arcs"].size(), 2u);
  EXPECT_EQ(final["quadrant"], 1);
  EXPECT_EQ(final["alphaText"], "400°");
  // Data without b cannot be planned.
  EXPECT_TRUE(result("circleFinal", {{"alpha", 1.0}, {"fullCircles", 0}}).is_null());
}

TEST(WebApi, AnAngleDraggedOrSteppedComesWithItsDrawing) {
  const Json dragged = result("angleDrag", {{"dx", -1.0}, {"dy", 1.0}, {"fine", false}});
  EXPECT_EQ(dragged["degrees"], 135);
  EXPECT_EQ(dragged["valueText"], "α = 135°");
  EXPECT_EQ(dragged["alphaInput"], "135");
  EXPECT_EQ(dragged["pXText"], "-0.71");
  EXPECT_EQ(dragged["quadrant"], 2);
  EXPECT_TRUE(result("angleDrag", {{"dx", 0}, {"dy", 0}}).is_null());
  EXPECT_EQ(result("angleStart", {{"shown", 400.4}})["degrees"], 40);
  EXPECT_EQ(result("angleStep", {{"degrees", 40}, {"direction", 1}})["degrees"], 45);
  EXPECT_EQ(result("angleStep", {{"degrees", 40}, {"direction", -1}, {"fine", true}})["degrees"],
            39);
}

TEST(WebApi, GraphsCarryTheirPointsTicksAndCrosshairTexts) {
  const Json sine = result("graph", {{"lengthOfGraph", 0.7853981633974483}, {"type", "sin"}});
  EXPECT_EQ(sine["seriesName"], "sin(x)");
  EXPECT_EQ(sine["color"], "#FF0000");
  EXPECT_EQ(sine["points"].size(), 9u);
  EXPECT_EQ(sine["points"].back()[0], 0.784);
  EXPECT_EQ(sine["pointTexts"].back()[0], "x: 0.784");
  EXPECT_EQ(sine["pointTexts"].back()[1], "sin(x): 0.706");
  EXPECT_EQ(sine["pointTexts"].front()[1], "sin(x): 0");
  EXPECT_EQ(sine["xTicks"].front()["label"], "0");
  // A graph that would be a solid band is not drawn.
  EXPECT_TRUE(result("graph", {{"lengthOfGraph", 1e6}, {"type", "cos"}}).is_null());
  EXPECT_TRUE(result("graph", {{"lengthOfGraph", 1.0}}).is_null());

  const Json wide = result("graph", {{"lengthOfGraph", 100.0}, {"type", "sin"}});
  Json widths = Json::object();
  for (const Json& tick : wide["xTicks"]) widths[tick["label"].get<std::string>()] = 40;
  const Json kept = result("readableTicks", {{"ticks", wide["xTicks"]},
                                             {"min", wide["xMin"]},
                                             {"max", wide["xMax"]},
                                             {"width", 300},
                                             {"labelWidths", widths}});
  ASSERT_FALSE(kept.empty());
  EXPECT_LT(kept.size(), wide["xTicks"].size());
  EXPECT_LE(kept.size() * 40, 300u);
}

TEST(WebApi, StepsSayWhatTheyStress) {
  const Json steps = result("stepHighlights", {{"latex", {"\\sum = 1", "\\sin(\\alpha) = 1", 7}}});
  ASSERT_EQ(steps.size(), 3u);
  EXPECT_EQ(steps[0]["highlight"], "fullTurns");
  EXPECT_EQ(steps[0]["fullTurnArcs"], 1);
  EXPECT_EQ(steps[0]["lastArc"], -1);
  EXPECT_EQ(steps[0]["parts"]["n"], 1);
  EXPECT_EQ(steps[1]["parts"]["y"], 1);
  EXPECT_EQ(steps[1]["parts"]["x"], -1);
  EXPECT_EQ(steps[2]["highlight"], "none");
  EXPECT_EQ(steps[2]["parts"]["x"], 0);
}

// A presentation walks the steps with what a clicker sends and never leaves the solution's
// range: the first step always shows, the last is as far as it goes.
TEST(WebApi, PresentationKeysWalkTheStepsWithinTheSolution) {
  const auto press = [](const std::string& key, int revealed, int count) {
    return result("presentationKey", {{"key", key}, {"revealed", revealed}, {"stepCount", count}});
  };
  for (const char* key : {" ", "Enter", "ArrowRight", "ArrowDown", "PageDown"}) {
    EXPECT_EQ(press(key, 3, 9), (Json{{"command", "next"}, {"revealed", 4}})) << key;
    EXPECT_EQ(press(key, 9, 9)["revealed"], 9) << key;
  }
  for (const char* key : {"ArrowLeft", "ArrowUp", "PageUp", "Backspace"}) {
    EXPECT_EQ(press(key, 3, 9), (Json{{"command", "previous"}, {"revealed", 2}})) << key;
    EXPECT_EQ(press(key, 1, 9)["revealed"], 1) << key;
  }
  EXPECT_EQ(press("Home", 7, 9)["revealed"], 1);
  EXPECT_EQ(press("End", 2, 9)["revealed"], 9);
  EXPECT_EQ(press("Escape", 4, 9), (Json{{"command", "leave"}, {"revealed", 4}}));
  EXPECT_EQ(press("a", 4, 9), (Json{{"command", "none"}, {"revealed", 4}}));
  // A count that shrank under a stale position, and a solution without steps.
  EXPECT_EQ(press("ArrowRight", 12, 9)["revealed"], 9);
  EXPECT_EQ(press("ArrowLeft", 0, 9)["revealed"], 1);
  EXPECT_EQ(press("ArrowRight", 0, 0)["revealed"], 0);
  EXPECT_EQ(error("presentationKey", R"({"key": 32, "revealed": 1, "stepCount": 2})"),
            "bad argument: key");
}

TEST(WebApi, BadCallsAnswerWithAnErrorNeverAnException) {
  EXPECT_EQ(error("noSuchMethod", "{}"), "unknown method");
  EXPECT_EQ(error("graph", "[1, 2]"), "arguments are not an object");
  EXPECT_EQ(error("graph", "{not json"), "arguments are not an object");
  EXPECT_EQ(error("angleDrag", R"({"dx": "1", "dy": 0})"), "bad argument: dx");
  EXPECT_EQ(error("angleStep", R"({"degrees": 1, "direction": 0.5})"), "bad argument: direction");
  EXPECT_EQ(error("circleTurn", R"({"alpha": 1, "b": 1, "fullCircles": 1e300, "turn": 0})"),
            "bad argument: fullCircles");
  EXPECT_EQ(error("readableTicks", R"({"ticks": [{"value": 1}], "min": 0, "max": 1, "width": 1})"),
            "bad argument: ticks");
  // Deep nesting is refused by the parser's depth, not the stack.
  const std::string deep = std::string(100000, '[') + std::string(100000, ']');
  EXPECT_FALSE(uc::web::call("graph", deep).empty());
}

}  // namespace

namespace {

TEST(WebApi, ExploreAnswersTheShapesThePageDraws) {
  const Json point = result("explorePoint", {{"degrees", 135}});
  EXPECT_EQ(point["sin"]["latex"], "\\frac{\\sqrt{2}}{2}");
  EXPECT_EQ(point["tan"]["decimal"], -1.0);
  EXPECT_EQ(point["quadrant"], 2);
  EXPECT_TRUE(point["axis"].is_null());
  EXPECT_EQ(point["sharedAngles"].size(), 4u);
  EXPECT_EQ(point["sharedAngles"][1]["isPoint"], true);
  const Json up = result("explorePoint", {{"degrees", 90}, {"language", "de"}});
  EXPECT_TRUE(up["tan"]["decimal"].is_null());
  EXPECT_EQ(up["axis"], "positiveY");
  EXPECT_EQ(up["valueText"], "α = 90°, sin α = 1, cos α = 0, tan α = nicht definiert");
  EXPECT_TRUE(up["sharedAngles"][0]["tan"].is_null());

  EXPECT_EQ(result("exploreFollow", {{"previous", 0}, {"dx", -1}, {"dy", 1}, {"snap", true}}), 135);
  EXPECT_TRUE(result("exploreFollow", {{"previous", 0}, {"dx", 0}, {"dy", 0}}).is_null());
  EXPECT_EQ(result("exploreStep", {{"degrees", 30}, {"direction", 1}, {"snap", true}}), 36);

  const Json half = result("exploreInverse", {{"function", "sin"}, {"value", "1/2"}});
  EXPECT_EQ(half["period"], 360);
  ASSERT_EQ(half["angles"].size(), 2u);
  EXPECT_EQ(half["angles"][1]["generalLatex"], "150^{\\circ} + k \\cdot 360^{\\circ}");
  EXPECT_NEAR(half["angles"][1]["x"].get<double>(), -std::sqrt(3.0) / 2, 1e-12);
  EXPECT_EQ(half["angles"][1]["y"], 0.5);
  EXPECT_EQ(result("exploreInverse", {{"function", "sin"}, {"value", "2"}})["angles"].size(), 0u);
  EXPECT_EQ(result("exploreInverse", {{"function", "tan"}, {"number", 1}})["period"], 180);
  EXPECT_EQ(result("exploreInverse", {{"function", "cos"}, {"value", "x"}})["errorKey"],
            "exploreValueUnreadable");

  const Json graph = result(
      "exploreGraph",
      {{"function", "tan"}, {"degrees", 45}, {"sweptFrom", 0}, {"sweptTo", 45}, {"value", "1"}});
  EXPECT_EQ(graph["curve"].size(), 3u);
  EXPECT_EQ(graph["tracer"][1], 1.0);
  EXPECT_EQ(graph["lineY"], 1.0);
  EXPECT_EQ(graph["crossings"].size(), 2u);
  EXPECT_TRUE(
      result("exploreGraph",
             {{"function", "sin"}, {"degrees", 0}, {"sweptFrom", 0}, {"sweptTo", 0}})["lineY"]
          .is_null());

  const Json dragged = result("exploreDragValue", {{"function", "cos"}, {"raw", -0.69}, {"snap", true}});
  EXPECT_EQ(dragged["typed"], "-√2/2");
  EXPECT_TRUE(dragged["special"]);
  EXPECT_EQ(dragged["limit"], 1.25);
}

// A drag's move in one call: the point, the swept range grown to it, and the graph, whose curve
// comes again only when the turn shown changes.
TEST(WebApi, ExploreMovesThePointAndTheGraphInOneCall) {
  const Json args = {{"previous", 30},   {"dx", -1},       {"dy", 1},
                     {"snap", true},     {"function", "sin"}, {"sweptFrom", 30},
                     {"sweptTo", 30},    {"value", "1/2"},  {"curveFrom", 0}};
  const Json move = result("exploreMove", args);
  EXPECT_EQ(move["degrees"], 135);
  EXPECT_EQ(move["sweptFrom"], 30);
  EXPECT_EQ(move["sweptTo"], 135);
  EXPECT_EQ(move["point"]["sin"]["latex"], "\\frac{\\sqrt{2}}{2}");
  EXPECT_EQ(move["graph"]["tracer"][0], 135.0);
  EXPECT_EQ(move["graph"]["lineY"], 0.5);
  EXPECT_EQ(move["graph"]["trail"].size(), 1u);
  EXPECT_FALSE(move["graph"].contains("curve"));

  // Clockwise past 0° the point enters the turn below: its curve and ticks come with it.
  Json below = args;
  below["previous"] = 10;
  below["dx"] = 1;
  below["dy"] = -0.2;
  below["sweptFrom"] = below["sweptTo"] = 10;
  const Json turned = result("exploreMove", below);
  EXPECT_LT(turned["degrees"], 0);
  EXPECT_EQ(turned["sweptFrom"], turned["degrees"]);
  EXPECT_EQ(turned["graph"]["xMin"], -360.0);
  EXPECT_FALSE(turned["graph"]["curve"].empty());
  EXPECT_FALSE(turned["graph"]["xTicks"].empty());

  // Staying on the same angle, or at the centre, moves nothing.
  Json still = args;
  still["previous"] = 135;
  EXPECT_TRUE(result("exploreMove", still).is_null());
  still["dx"] = still["dy"] = 0;
  EXPECT_TRUE(result("exploreMove", still).is_null());
  EXPECT_EQ(error("exploreMove", R"({"previous": 0, "dx": 1, "dy": 1, "function": "sec",
                                     "sweptFrom": 0, "sweptTo": 0})"),
            "bad argument: function");
}

// The inverse value typed on the practice keypad and keyboard, by the same editing rules.
TEST(WebApi, ExploreTypesTheInverseValueAsPracticeDoes) {
  EXPECT_EQ(result("exploreType", {{"value", "1/"}, {"how", "keypad"}, {"key", "√"}}), "1/√");
  EXPECT_EQ(result("exploreType", {{"value", "√3/2"}, {"how", "delete"}}), "√3/");
  EXPECT_EQ(result("exploreType", {{"value", ""}, {"how", "keyboard"}, {"key", "r"}}), "√");
  EXPECT_EQ(result("exploreType",
                   {{"value", "0"}, {"how", "keyboard"}, {"key", ","}, {"decimalComma", true}}),
            "0.");
  EXPECT_EQ(error("exploreType", R"({"value": "", "how": "paste", "key": "1"})"),
            "bad argument: how");
}

TEST(WebApi, ExploreRefusesWhatDoesNotFit) {
  EXPECT_EQ(error("explorePoint", R"({"degrees": 1e12})"), "bad argument: degrees");
  EXPECT_EQ(error("exploreGraph", R"({"function": "cot", "degrees": 0, "sweptFrom": 0,
                                      "sweptTo": 0})"),
            "bad argument: function");
  EXPECT_EQ(error("exploreInverse", R"({"function": "sin"})"), "bad argument: number");
  EXPECT_EQ(error("exploreDragValue", R"({"function": "sin", "raw": "x"})"), "bad argument: raw");
}

}  // namespace

namespace {

const char* const kCatalogue = R"({"apps": [
  {"appIdentifiers": ["app.unitcircle.tutor"], "appName": {"en": "Unit Circle"},
   "appURL": "uc://", "appURLPro": "ucpro://", "ratingURL": "", "storeURL": "",
   "ratingURLPro": "https://store.test/rate", "storeURLPro": "", "shouldShow": true,
   "calculationsUntilInterstitial": 0},
  {"appIdentifiers": ["other"], "appName": {"en": "Other", "de": "Andere"}, "appURL": "other://",
   "appURLPro": "", "ratingURL": "", "ratingURLPro": "", "storeURL": "",
   "storeURLPro": "https://store.test/other", "shouldShow": true, "isMultiApp": true,
   "calculationsUntilInterstitial": 0}]})";

TEST(WebApi, TheConfigurationIsDecodedAsTheAppDecodesIt) {
  EXPECT_EQ(result("configDecodes", {{"key", "apps"}, {"json", kCatalogue}}), true);
  EXPECT_EQ(result("configDecodes", {{"key", "apps"}, {"json", "{\"apps\": [{}]}"}}), false);
  const Json menu = result("configMenu", {{"apps", kCatalogue}, {"language", "de"}});
  EXPECT_EQ(menu["single"].size(), 0u);
  ASSERT_EQ(menu["multi"].size(), 1u);
  EXPECT_EQ(menu["multi"][0]["name"], "Andere");
  EXPECT_EQ(menu["multi"][0]["link"], "https://store.test/other");
  EXPECT_EQ(menu["rating"], "https://store.test/rate");
  EXPECT_EQ(menu["community"], "https://community.unitcircle.app/join");
  EXPECT_TRUE(result("configMenu", {{"apps", "[]"}, {"language", "en"}}).is_null());
}

// The strip's items in the web edition: the app's reading of the lists, where the image and the
// player are, and an item that says "unavailable" for an address that names no video.
TEST(WebApi, VideosComeAsTheAppReadsThem) {
  const Json items = result(
      "configVideos",
      {{"videos", R"({"KV": {"en": ["https://www.youtube.com/watch?v=abcdefghijk&t=90s",
                                    "javascript:x"],
                             "de": ["https:www.youtube.com/shorts/ABCDEFGHIJ_",
                                    "https://www.youtube.com/watch?v=abc\"><scrip"]},
                      "XY": {"de": ["https://www.youtube.com/watch?v=zzzzzzzzzzz"]}})"},
       {"language", "de"}});
  const Json none = {{"thumbnail", nullptr}, {"embed", nullptr}};
  EXPECT_EQ(items, Json::array({
                       {{"thumbnail", "https://i.ytimg.com/vi/ABCDEFGHIJ_/hqdefault.jpg"},
                        {"embed",
                         "https://www.youtube-nocookie.com/embed/"
                         "ABCDEFGHIJ_?autoplay=1&playsinline=1&iv_load_policy=1"}},
                       none,
                       {{"thumbnail", "https://i.ytimg.com/vi/abcdefghijk/hqdefault.jpg"},
                        {"embed",
                         "https://www.youtube-nocookie.com/embed/"
                         "abcdefghijk?autoplay=1&playsinline=1&iv_load_policy=1&start=90"}},
                       none,
                   }));
  EXPECT_TRUE(result("configVideos", {{"videos", "[]"}, {"language", "en"}}).is_null());
}

// The printed worksheet: the command line's title, address line and heading in the learner's
// language, the questions of the seed in order, and the answers as the sheet sets them.
TEST(WebApi, TheWorksheetToPrintIsTheCommandLinesSheet) {
  const Json sheet = result("practiceWorksheet", {{"seed", 7}, {"level", 2}, {"language", "en"}});
  EXPECT_EQ(sheet["title"], "Worksheet 7, level 2");
  EXPECT_EQ(sheet["webAddress"],
            "The same questions in the web edition: #/practice?seed=7&level=2");
  EXPECT_EQ(sheet["answerKey"], "Answers");
  const Json asked = result("practiceQuestions", {{"seed", 7}, {"level", 2}})["questions"];
  ASSERT_EQ(sheet["questions"].size(), 10u);  // the command line's count
  for (std::size_t i = 0; i < asked.size(); ++i) {
    EXPECT_EQ(sheet["questions"][i]["prompt"], asked[i]["prompt"]);
    EXPECT_EQ(sheet["questions"][i]["given"], asked[i]["given"]);
  }

  const Json german =
      result("practiceWorksheet",
             {{"seed", "18446744073709551615"}, {"level", 3}, {"count", 400}, {"language", "de"}});
  EXPECT_EQ(german["title"], "Arbeitsblatt 18446744073709551615, Stufe 3");
  EXPECT_EQ(german["webAddress"],
            "Dieselben Aufgaben in der Web-Ausgabe: #/practice?seed=18446744073709551615&level=3");
  EXPECT_EQ(german["answerKey"], "Lösungen");
  const Json raw = result("practiceQuestions", {{"seed", "18446744073709551615"},
                                                {"level", 3},
                                                {"count", 400},
                                                {"language", "de"}})["questions"];
  ASSERT_EQ(german["questions"].size(), raw.size());
  bool undefinedSeen = false, noneSeen = false, quadrantSeen = false, severalSeen = false;
  for (std::size_t i = 0; i < raw.size(); ++i) {
    const Json& answers = raw[i]["answers"];
    const std::string printed = german["questions"][i]["answers"];
    if (answers.empty()) {
      noneSeen = true;
      EXPECT_EQ(printed, "\\text{keine Lösung}");
    } else if (answers[0] == "\\text{undefined}") {
      undefinedSeen = true;
      EXPECT_EQ(printed, "\\text{nicht definiert}");
    } else if (raw[i]["kind"] == "quadrant") {
      quadrantSeen = true;
      EXPECT_EQ(printed, "\\text{" + answers[0].get<std::string>() + "}");
    } else if (answers.size() == 2) {
      severalSeen = true;
      EXPECT_EQ(printed, answers[0].get<std::string>() + ";\\ " + answers[1].get<std::string>());
    }
  }
  EXPECT_TRUE(undefinedSeen && noneSeen && quadrantSeen && severalSeen);
  EXPECT_FALSE(error("practiceWorksheet", R"({"seed": 7, "level": 2, "count": 0})").empty());
  EXPECT_FALSE(error("practiceWorksheet", R"({"seed": -1, "level": 2})").empty());
}

}  // namespace
