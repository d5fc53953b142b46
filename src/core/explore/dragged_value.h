#pragma once

#include <string>

#include "core/explore/inverse_solutions.h"

// The value of an inverse question set by dragging its line: y = c across the circle for sin,
// x = c for cos, a point on the tangent line x = 1 for tan. Near a special value it snaps to it,
// so that the solutions come out exact; elsewhere it is rounded to two places.
namespace uc::explore {

struct DraggedValue {
  std::string typed;  // as a learner would type it: "√3/2", "-1/2", "0.37"
  double value = 0;   // the number it stands for
  bool special = false;
};

// How far the line may go: a little beyond ±1 for sin and cos, to show that no α reaches it;
// ±4 for tan, the tangent's graph window.
double draggedValueLimit(TrigFunction function);

DraggedValue draggedValue(TrigFunction function, double raw, bool snap);

}  // namespace uc::explore
