#include <cmath>
#include <optional>

#include "core/explore/dragged_value.h"
#include "core/explore/explore_graph.h"
#include "core/explore/explore_point.h"
#include "core/explore/inverse_solutions.h"
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

Json explorePoint(const Json& args) {
  useLanguage(args);
  const explore::PointState state = explore::pointState(angle(args, "degrees"));
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

Json exploreGraph(const Json& args) {
  const explore::TrigFunction chosen = function(args);
  std::optional<explore::InverseReading> inverse;
  if (args.contains("value") || args.contains("number")) inverse = inverseReading(chosen, args);
  const explore::ExploreGraph graph = explore::exploreGraph(
      chosen, angle(args, "degrees"), angle(args, "sweptFrom"), angle(args, "sweptTo"),
      inverse ? inverse->solutions : std::nullopt, inverse ? inverse->value : std::nullopt);
  Json crossings = Json::array();
  for (const explore::GraphCrossing& c : graph.crossings) {
    crossings.push_back({{"degrees", c.degrees}, {"latex", c.latex}});
  }
  return {{"function", std::string(explore::rawValue(graph.function))},
          {"xMin", graph.xMin},
          {"xMax", graph.xMax},
          {"yMin", graph.yMin},
          {"yMax", graph.yMax},
          {"xTicks", ticksJson(graph.xTicks)},
          {"yTicks", ticksJson(graph.yTicks)},
          {"curve", linesJson(graph.curve)},
          {"trail", linesJson(graph.trail)},
          {"tracer", graph.tracer ? Json{(*graph.tracer)[0], (*graph.tracer)[1]} : Json(nullptr)},
          {"color", graph.colorHex},
          {"lineY", graph.lineY ? Json(*graph.lineY) : Json(nullptr)},
          {"crossings", crossings}};
}

}  // namespace

const MethodTable& exploreMethods() {
  static const MethodTable table{
      {"explorePoint", explorePoint}, {"exploreFollow", exploreFollow},
      {"exploreStep", exploreStep},   {"exploreInverse", exploreInverse},
      {"exploreGraph", exploreGraph}, {"exploreDragValue", exploreDragValue},
  };
  return table;
}

}  // namespace uc::web
