#include <cmath>
#include <optional>

#include "core/charts/angle_drag.h"
#include "core/charts/circle_state.h"
#include "core/charts/step_highlight.h"
#include "core/charts/trigonometric_graph.h"
#include "core/charts/unit_circle_turns.h"
#include "wasm/web_api_arguments.h"

// The charts' calls: the unit circle's turns and final states, the angle set by hand, the
// graphs and their ticks, what a tapped step stresses.
namespace uc::web {
namespace {

// The unit-circle data as the solve answer's "charts" carry it.
UnitCircleChartData circleData(const Json& args) {
  const auto fullCircles = optionalNumber(args, "fullCircles");
  if (fullCircles && !(std::fabs(*fullCircles) < 9e18)) throw BadArguments{"fullCircles"};
  UnitCircleChartData data(0, 0, 0, 0, Quadrant::first);
  data.alpha = optionalNumber(args, "alpha");
  data.b = optionalNumber(args, "b");
  data.angle = optionalNumber(args, "angle");
  data.fullCircles =
      fullCircles ? std::optional<long long>(static_cast<long long>(*fullCircles)) : std::nullopt;
  const auto quadrant = args.find("quadrant");
  data.quadrant = quadrant != args.end() && quadrant->is_string()
                      ? quadrantFromRawValue(quadrant->get<std::string>())
                      : std::nullopt;
  return data;
}

Json arcJson(const CircleArc& arc) {
  return {{"turn", arc.turn}, {"sweep", arc.sweep}, {"color", arc.color}};
}

Json stateJson(const CircleState& state) {
  Json arcs = Json::array();
  for (const CircleArc& arc : state.arcs) arcs.push_back(arcJson(arc));
  return {{"alphaText", state.alphaText},
          {"gammaText", state.gammaText},
          {"fullCirclesText", state.fullCirclesText},
          {"pXText", state.pXText},
          {"pYText", state.pYText},
          {"arcs", arcs},
          {"arrowDegrees", state.arrowDegrees},
          {"quadrant", state.quadrant},
          {"pointX", state.pointX},
          {"pointY", state.pointY}};
}

// One turn of the run with the texts of all its counting updates, k = 0 ... 20.
Json circleTurn(const Json& args) {
  const auto turns = UnitCircleTurns::plan(circleData(args));
  const double index = number(args, "turn");
  if (!turns || index < 0 || std::trunc(index) != index ||
      index > static_cast<double>(turns->fullCircles())) {
    return nullptr;
  }
  const UnitCircleTurns::Turn turn = turns->turn(static_cast<std::int64_t>(index));
  Json alpha = Json::array(), gamma = Json::array(), x = Json::array(), y = Json::array();
  for (int k = 0; k <= UnitCircleTurns::kCountingSteps; ++k) {
    alpha.push_back(turns->alphaText(turn, k));
    gamma.push_back(UnitCircleTurns::gammaText(turn, k));
    x.push_back(turns->pXText(turn, k));
    y.push_back(turns->pYText(turn, k));
  }
  return {{"index", turn.index},
          {"isLast", turn.isLast},
          {"isEmpty", turn.isEmpty()},
          {"fullCirclesText", UnitCircleTurns::fullCirclesText(turn)},
          {"arc", arcJson(circle_state::arcOf(turn))},
          {"alphaTexts", alpha},
          {"gammaTexts", gamma},
          {"pXTexts", x},
          {"pYTexts", y}};
}

Json circleFinal(const Json& args) {
  const auto turns = UnitCircleTurns::plan(circleData(args));
  if (!turns) return nullptr;
  return stateJson(circle_state::finalState(*turns));
}

// An angle set by hand: its drawing and the texts around it.
Json setAngle(int degrees) {
  Json state = stateJson(circle_state::setAngleState(degrees));
  state["degrees"] = degrees;
  state["valueText"] = angle_drag::valueText(degrees);
  state["alphaInput"] = std::to_string(degrees);
  return state;
}

Json angleStart(const Json& args) {
  return setAngle(angle_drag::startAngle(number(args, "shown")));
}

Json angleDrag(const Json& args) {
  const auto degrees =
      angle_drag::dragAngle(number(args, "dx"), number(args, "dy"), flag(args, "fine"));
  return degrees ? setAngle(*degrees) : Json(nullptr);
}

Json angleStep(const Json& args) {
  const int from = angle_drag::snapped(number(args, "degrees"), angle_drag::kFineStep);
  return setAngle(angle_drag::stepAngle(from, wholeNumber(args, "direction"), flag(args, "fine")));
}

TrigonometricChartData graphData(const Json& args) {
  const auto type = args.find("type");
  std::optional<TrigonometricType> kind;
  for (TrigonometricType t :
       {TrigonometricType::sin, TrigonometricType::cos, TrigonometricType::tan}) {
    if (type != args.end() && type->is_string() && type->get<std::string>() == name(t)) kind = t;
  }
  return TrigonometricChartData(optionalNumber(args, "lengthOfGraph"),
                                optionalNumber(args, "offset").value_or(0),
                                optionalNumber(args, "periodLength").value_or(6.283185307179586),
                                optionalNumber(args, "amplitude").value_or(1), kind);
}

Json ticksJson(const std::vector<AxisTick>& ticks) {
  Json list = Json::array();
  for (const AxisTick& tick : ticks) list.push_back({{"value", tick.value}, {"label", tick.label}});
  return list;
}

// A graph ready to draw, with the crosshair's texts of every point; null where it would be a
// solid band (or cannot be made).
Json graph(const Json& args) {
  const auto made = trigonometric_graph::make(graphData(args));
  if (!made) return nullptr;
  Json points = Json::array(), texts = Json::array();
  for (const GraphPoint& point : made->points) {
    points.push_back({point[0], point[1]});
    const auto shown = trigonometric_graph::pointTexts(made->identity, point);
    texts.push_back({shown.header, shown.body});
  }
  return {{"chartTitle", made->identity.chartTitle},
          {"seriesName", made->identity.seriesName},
          {"color", made->identity.colorHex},
          {"scatter", made->identity.isScatter},
          {"markerRadius", made->identity.markerRadius},
          {"points", points},
          {"pointTexts", texts},
          {"xMin", made->xMin},
          {"xMax", made->xMax},
          {"yMin", made->yMin},
          {"yMax", made->yMax},
          {"yTickInterval", made->yTickInterval},
          {"yTicks", ticksJson(made->yTicks)},
          {"yMinorTicks", made->yMinorTicks},
          {"xTicks", ticksJson(made->xTicks)}};
}

// The ticks whose labels fit an axis, given each label's measured width.
Json readableTicks(const Json& args) {
  std::vector<AxisTick> ticks;
  const auto given = args.find("ticks");
  if (given == args.end() || !given->is_array()) throw BadArguments{"ticks"};
  for (const Json& tick : *given) {
    if (!tick.is_object() || !tick.contains("label") || !tick["label"].is_string()) {
      throw BadArguments{"ticks"};
    }
    ticks.push_back({number(tick, "value"), tick["label"].get<std::string>()});
  }
  const auto widths = args.find("labelWidths");
  const auto width = [&](const std::string& label) {
    if (widths == args.end() || !widths->is_object()) return 0.0;
    const auto found = widths->find(label);
    return found != widths->end() && found->is_number() ? found->get<double>() : 0.0;
  };
  return ticksJson(trigonometric_graph::readableTicks(
      ticks, number(args, "min"), number(args, "max"), number(args, "width"), width));
}

// What each step shows on the circle when tapped: its highlight, the parts it stresses (1) or
// fades (-1), and how it shows the full turns' arcs and the last one.
Json stepHighlights(const Json& args) {
  const auto latex = args.find("latex");
  if (latex == args.end() || !latex->is_array()) throw BadArguments{"latex"};
  Json list = Json::array();
  for (const Json& formula : *latex) {
    const auto highlight =
        charts::highlightForStep(formula.is_string() ? formula.get<std::string>() : "");
    Json parts = Json::object();
    for (const char* part : {"alpha", "gamma", "n", "x", "y", "quadrant"}) {
      parts[part] = charts::stress(highlight, *charts::circlePartFrom(part));
    }
    list.push_back({{"highlight", charts::rawValue(highlight)},
                    {"parts", parts},
                    {"fullTurnArcs", charts::stress(highlight, charts::CirclePart::arc, 0, 1)},
                    {"lastArc", charts::stress(highlight, charts::CirclePart::arc, 1, 1)}});
  }
  return list;
}

}  // namespace

const MethodTable& chartMethods() {
  static const MethodTable table{
      {"circleTurn", circleTurn},       {"circleFinal", circleFinal},
      {"angleStart", angleStart},       {"angleDrag", angleDrag},
      {"angleStep", angleStep},         {"graph", graph},
      {"readableTicks", readableTicks}, {"stepHighlights", stepHighlights},
  };
  return table;
}

}  // namespace uc::web
