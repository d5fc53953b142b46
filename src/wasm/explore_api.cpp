#include <algorithm>
#include <cmath>
#include <optional>
#include <vector>

#include "core/explore/dragged_value.h"
#include "core/explore/explore_graph.h"
#include "core/explore/explore_point.h"
#include "core/explore/inverse_solutions.h"
#include "wasm/typing_call.h"
#include "wasm/web_api_arguments.h"

// The Explore screen's calls: where the point goes, what moves with it, the graph traced in
// step and the angles of an inverse question.
namespace uc::web {
namespace {

// A thousand turns either way is more than any finger turns; the limit keeps every step
// within an int.
constexpr int kMaxDegrees = 360'000;

int angle(const Json& args, const char* key) {
  const int degrees = wholeNumber(args, key);
  if (std::abs(degrees) > kMaxDegrees) throw BadArguments{key};
  return degrees;
}

explore::TrigFunction function(const Json& args) {
  const auto chosen = explore::trigFunctionFromRawValue(text(args, "function"));
  if (!chosen) throw BadArguments{"function"};
  return *chosen;
}

Json signJson(const explore::Sign& sign) { return sign ? Json(*sign) : Json(nullptr); }

Json valueJson(const explore::ShownValue& value) {
  return {{"decimal", value.decimal ? Json(*value.decimal) : Json(nullptr)},
          {"latex", value.latex},
          {"exact", value.exact}};
}

Json pointJson(const explore::PointState& state) {
  Json shared = Json::array();
  for (const explore::SharedAngle& a : state.sharedAngles) {
    shared.push_back({{"degrees", a.degrees},
                      {"latex", a.latex},
                      {"sin", signJson(a.sinSign)},
                      {"cos", signJson(a.cosSign)},
                      {"tan", signJson(a.tanSign)},
                      {"isPoint", a.isPoint}});
  }
  return {{"degrees", state.degrees},
          {"positionDegrees", state.positionDegrees},
          {"alphaLatex", state.alphaLatex},
          {"radiansLatex", state.radiansLatex},
          {"sin", valueJson(state.sin)},
          {"cos", valueJson(state.cos)},
          {"tan", valueJson(state.tan)},
          {"pointX", state.pointX},
          {"pointY", state.pointY},
          {"referenceDegrees", state.referenceDegrees},
          {"referenceLatex", state.referenceLatex},
          {"quadrant", state.quadrant},
          {"axis", state.axis ? Json(explore::rawValue(*state.axis)) : Json(nullptr)},
          {"sharedAngles", shared},
          {"valueText", state.valueText}};
}

Json explorePoint(const Json& args) {
  useLanguage(args);
  return pointJson(explore::pointState(angle(args, "degrees")));
}

Json exploreFollow(const Json& args) {
  const auto degrees = explore::followPointer(angle(args, "previous"), number(args, "dx"),
                                              number(args, "dy"), flag(args, "snap"));
  return degrees ? Json(*degrees) : Json(nullptr);
}

Json exploreStep(const Json& args) {
  return explore::stepAngle(angle(args, "degrees"), wholeNumber(args, "direction"),
                            flag(args, "snap"));
}

// The question as typed ("value") or as dragged ("number").
explore::InverseReading inverseReading(explore::TrigFunction chosen, const Json& args) {
  if (args.contains("value")) return explore::inverseSolutions(chosen, text(args, "value"));
  const double value = number(args, "number");
  return {explore::inverseSolutionsOfNumber(chosen, value), {}, value};
}

Json exploreInverse(const Json& args) {
  const explore::InverseReading reading = inverseReading(function(args), args);
  if (!reading.solutions) return {{"errorKey", reading.errorKey}};
  Json angles = Json::array();
  for (const explore::InverseAngle& a : reading.solutions->angles) {
    angles.push_back(
        {{"degrees", a.degrees},
         {"latex", a.latex},
         {"exact", a.exact},
         {"x", a.x},
         {"y", a.y},
         {"generalLatex", explore::generalSolutionLatex(a, reading.solutions->periodDegrees)}});
  }
  return {{"angles", angles}, {"period", reading.solutions->periodDegrees}};
}

// The value line dragged to raw (y for sin, x for cos, the height on x = 1 for tan).
Json exploreDragValue(const Json& args) {
  const explore::TrigFunction chosen = function(args);
  const explore::DraggedValue dragged =
      explore::draggedValue(chosen, number(args, "raw"), flag(args, "snap"));
  return {{"typed", dragged.typed},
          {"value", dragged.value},
          {"special", dragged.special},
          {"limit", explore::draggedValueLimit(chosen)}};
}

Json linesJson(const std::vector<explore::GraphLine>& lines) {
  Json all = Json::array();
  for (const explore::GraphLine& line : lines) {
    Json points = Json::array();
    for (const GraphPoint& point : line) points.push_back({point[0], point[1]});
    all.push_back(points);
  }
  return all;
}

Json ticksJson(const std::vector<AxisTick>& ticks) {
  Json list = Json::array();
  for (const AxisTick& tick : ticks) list.push_back({{"value", tick.value}, {"label", tick.label}});
  return list;
}

// The graph; the curve and the ticks only when withCurve, as they change only with the
// function and the turn.
Json graphJson(const explore::ExploreGraph& graph, bool withCurve) {
  Json crossings = Json::array();
  for (const explore::GraphCrossing& c : graph.crossings) {
    crossings.push_back({{"degrees", c.degrees}, {"latex", c.latex}});
  }
  Json json = {
      {"function", std::string(explore::rawValue(graph.function))},
      {"xMin", graph.xMin},
      {"xMax", graph.xMax},
      {"yMin", graph.yMin},
      {"yMax", graph.yMax},
      {"trail", linesJson(graph.trail)},
      {"tracer", graph.tracer ? Json{(*graph.tracer)[0], (*graph.tracer)[1]} : Json(nullptr)},
      {"color", graph.colorHex},
      {"lineY", graph.lineY ? Json(*graph.lineY) : Json(nullptr)},
      {"crossings", crossings}};
  if (withCurve) {
    json["xTicks"] = ticksJson(graph.xTicks);
    json["yTicks"] = ticksJson(graph.yTicks);
    json["curve"] = linesJson(graph.curve);
  }
  return json;
}

explore::ExploreGraph graphOf(const Json& args, int degrees, int sweptFrom, int sweptTo) {
  const explore::TrigFunction chosen = function(args);
  std::optional<explore::InverseReading> inverse;
  if (args.contains("value") || args.contains("number")) inverse = inverseReading(chosen, args);
  return explore::exploreGraph(chosen, degrees, sweptFrom, sweptTo,
                               inverse ? inverse->solutions : std::nullopt,
                               inverse ? inverse->value : std::nullopt);
}

Json exploreGraph(const Json& args) {
  return graphJson(
      graphOf(args, angle(args, "degrees"), angle(args, "sweptFrom"), angle(args, "sweptTo")),
      true);
}

// One pointer move of a drag in one call: where the point goes, the swept range grown to it,
// the point's values and the graph. The curve comes only when the turn shown differs from
// curveFrom (the xMin of the curve the page drew), or always without it. Null when the point
// stays (the pointer at the centre, or on the same angle).
Json exploreMove(const Json& args) {
  useLanguage(args);
  const int previous = angle(args, "previous");
  const auto degrees =
      explore::followPointer(previous, number(args, "dx"), number(args, "dy"), flag(args, "snap"));
  if (!degrees || *degrees == previous) return nullptr;
  const int sweptFrom = std::min(angle(args, "sweptFrom"), *degrees);
  const int sweptTo = std::max(angle(args, "sweptTo"), *degrees);
  const explore::ExploreGraph graph = graphOf(args, *degrees, sweptFrom, sweptTo);
  const std::optional<double> curveFrom = optionalNumber(args, "curveFrom");
  return {{"degrees", *degrees},
          {"sweptFrom", sweptFrom},
          {"sweptTo", sweptTo},
          {"point", pointJson(explore::pointState(*degrees))},
          {"graph", graphJson(graph, !curveFrom || *curveFrom != graph.xMin)}};
}

// The inverse question's value after one key, by the practice answer's editing rules: a keypad
// key, a character from a keyboard, or a deletion.
Json exploreType(const Json& args) {
  return typedAfterKey(args, text(args, "value"), [] { return std::vector<std::string>{}; });
}

}  // namespace

const MethodTable& exploreMethods() {
  static const MethodTable table{
      {"explorePoint", explorePoint}, {"exploreFollow", exploreFollow},
      {"exploreStep", exploreStep},   {"exploreInverse", exploreInverse},
      {"exploreGraph", exploreGraph}, {"exploreDragValue", exploreDragValue},
      {"exploreMove", exploreMove},   {"exploreType", exploreType},
  };
  return table;
}

}  // namespace uc::web
