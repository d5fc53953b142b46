#include "core/charts/circle_state.h"

#include <algorithm>
#include <cmath>
#include <cstdio>

#include "core/solver/quadrant.h"

namespace uc::circle_state {

std::string hsvHex(double hue, double saturation, double brightness) {
  const double h = std::fmod(std::fmod(hue, 1.0) + 1.0, 1.0) * 6;
  const double s = std::clamp(saturation, 0.0, 1.0);
  const double v = std::clamp(brightness, 0.0, 1.0);
  const int sector = static_cast<int>(std::floor(h)) % 6;
  const double f = h - std::floor(h);
  const double p = v * (1 - s), q = v * (1 - s * f), t = v * (1 - s * (1 - f));
  const double rgb[6][3] = {{v, t, p}, {q, v, p}, {p, v, t}, {p, q, v}, {t, p, v}, {v, p, q}};
  char text[8];
  std::snprintf(text, sizeof text, "#%02x%02x%02x",
                static_cast<int>(std::lround(rgb[sector][0] * 255)),
                static_cast<int>(std::lround(rgb[sector][1] * 255)),
                static_cast<int>(std::lround(rgb[sector][2] * 255)));
  return text;
}

CircleArc arcOf(const UnitCircleTurns::Turn& turn) {
  return {turn.index,      turn.signedDegrees, turn.hue,
          turn.saturation, turn.brightness,    hsvHex(turn.hue, turn.saturation, turn.brightness)};
}

int quadrantNumber(std::optional<Quadrant> quadrant) {
  if (!quadrant) return -1;
  switch (*quadrant) {
    case Quadrant::first:
      return 1;
    case Quadrant::second:
      return 2;
    case Quadrant::third:
      return 3;
    case Quadrant::fourth:
      return 4;
  }
  return -1;
}

// Not by going through every turn: a large angle has millions of them.
CircleState finalState(const UnitCircleTurns& turns) {
  CircleState state;
  state.fullCirclesText = UnitCircleTurns::fullCirclesText(turns.turn(turns.fullCircles()));
  if (const auto drawn = turns.lastDrawnTurn()) {
    state.alphaText = turns.alphaFinalText(*drawn);
    state.gammaText = UnitCircleTurns::gammaFinalText(*drawn);
    state.pXText = turns.pXText(*drawn, UnitCircleTurns::kCountingSteps);
    state.pYText = turns.pYText(*drawn, UnitCircleTurns::kCountingSteps);
    if (drawn->index > 0) state.arcs.push_back(arcOf(turns.turn(drawn->index - 1)));
    state.arcs.push_back(arcOf(*drawn));
    state.arrowDegrees = drawn->signedDegrees;
  }
  state.quadrant = quadrantNumber(turns.quadrant());
  state.pointX = std::cos(turns.b());
  state.pointY = std::sin(turns.b());
  return state;
}

CircleState setAngleState(int degrees) {
  UnitCircleTurns::Turn turn;
  turn.endDegrees = turn.coveredDegrees = turn.signedDegrees = degrees;
  turn.isLast = true;
  CircleState state;
  state.alphaText = state.gammaText = UnitCircleTurns::degreeFinalText(degrees);
  state.pointX = UnitCircleTurns::cosineOfDegrees(degrees);
  state.pointY = UnitCircleTurns::sineOfDegrees(degrees);
  state.pXText = UnitCircleTurns::coordinateText(state.pointX);
  state.pYText = UnitCircleTurns::coordinateText(state.pointY);
  if (!turn.isEmpty()) state.arcs.push_back(arcOf(turn));
  state.arrowDegrees = degrees;
  state.quadrant = quadrantNumber(quadrantOfReducedAngle(degrees));
  return state;
}

}  // namespace uc::circle_state
