#pragma once

#include <string>
#include <string_view>

#include "core/practice/question.h"

namespace uc::practice {

enum class VerdictKind {
  correct,
  wrong,
  close,       // the answer rounded or cut to a decimal: the exact value is asked for
  wrongUnit,   // degrees where radians are asked, or the other way round
  outOfRange,  // an inverse kind's solution given outside [0°, 360°)
  incomplete,  // only some of an inverse kind's solutions
  unreadable,  // not an answer at all; key is the reader's message
};

struct Verdict {
  VerdictKind kind = VerdictKind::wrong;
  std::string key;  // the message, a key in context "Core"

  std::string message() const;
  // Only right and wrong answers count; the others ask for another try.
  bool graded() const { return kind == VerdictKind::correct || kind == VerdictKind::wrong; }
  bool correct() const { return kind == VerdictKind::correct; }
};

// Judges a typed answer exactly. Every exact form of the answer counts (√2/2, 1/√2, √(1/2);
// 1/2 and 0.5; 2√3/6 and √3/3); a rational is compared as a fraction, a form with a root to
// within 1e-12 when none of its numbers has more than six significant digits (longer ones are
// rounded decimals). A decimal (or a decimal times π, for radians) that is the answer rounded or
// cut toward zero at its own places is "close": 0.71 and 0.70 for √2/2, 0.1667π for π/6, but
// not 0.49 or 0.51 for 1/2.
// Angles: "°" means degrees and π radians; a bare number is in the unit the question asks for,
// and one that can only be degrees where radians are asked ("30" for π/6) is the wrong unit.
// Reference angles and the inverse kinds take either unit, the conversions only the other one.
// The inverse kinds want every solution in [0°, 360°), separated by ";" (or ","), in any
// order, or "none" when there is none; 390° for 30° is out of range, not right. A quadrant is
// I to IV or 1 to 4.
Verdict judgeAnswer(const Question& question, std::string_view typed);

}  // namespace uc::practice
