#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <map>
#include <numbers>

#include "core/explore/dragged_value.h"
#include "core/explore/inverse_solutions.h"
#include "core/solver/exact_values.h"
#include "practice_typing.h"

namespace uc::explore {
namespace {

constexpr TrigFunction kFunctions[] = {TrigFunction::sin, TrigFunction::cos, TrigFunction::tan};

double valueAt(TrigFunction function, double degrees) {
  const double radians = degrees * std::numbers::pi / 180;
  switch (function) {
    case TrigFunction::cos:
      return std::cos(radians);
    case TrigFunction::tan:
      return std::tan(radians);
    case TrigFunction::sin:
      break;
  }
  return std::sin(radians);
}

std::vector<double> degreesOf(const InverseSolutions& solutions) {
  std::vector<double> degrees;
  for (const InverseAngle& angle : solutions.angles) degrees.push_back(angle.degrees);
  return degrees;
}

InverseSolutions solved(TrigFunction function, std::string_view typed) {
  const InverseReading reading = inverseSolutions(function, typed);
  EXPECT_TRUE(reading.solutions) << typed << ": " << reading.errorKey;
  return reading.solutions.value_or(InverseSolutions{});
}

TEST(ExploreInverse, SpecialValuesGiveTheirAnglesExactly) {
  const InverseSolutions half = solved(TrigFunction::sin, "1/2");
  EXPECT_EQ(degreesOf(half), (std::vector<double>{30, 150}));
  EXPECT_EQ(half.angles[1].latex, "150^{\\circ}");
  EXPECT_TRUE(half.angles[0].exact);
  EXPECT_EQ(half.periodDegrees, 360);
  EXPECT_EQ(degreesOf(solved(TrigFunction::sin, "0.5")), (std::vector<double>{30, 150}));
  EXPECT_EQ(degreesOf(solved(TrigFunction::cos, "-√2/2")), (std::vector<double>{135, 225}));
  EXPECT_EQ(degreesOf(solved(TrigFunction::cos, "−1")), (std::vector<double>{180}));
  EXPECT_EQ(degreesOf(solved(TrigFunction::sin, "0")), (std::vector<double>{0, 180}));
  const InverseSolutions one = solved(TrigFunction::tan, "1");
  EXPECT_EQ(degreesOf(one), (std::vector<double>{45, 225}));
  EXPECT_EQ(one.periodDegrees, 180);
  EXPECT_EQ(degreesOf(solved(TrigFunction::tan, "-√3")), (std::vector<double>{120, 300}));
  EXPECT_TRUE(solved(TrigFunction::sin, "2").angles.empty());
  EXPECT_TRUE(solved(TrigFunction::cos, "-√2").angles.empty());
}

// Every exact value of every multiple of 15° and 18°, typed as the keypad types it, gives
// back that angle among exact solutions only.
TEST(ExploreInverse, EveryExactValueFindsItsAngle) {
  for (int degrees = 0; degrees < 360; degrees += 3) {
    if (degrees % 15 != 0 && degrees % 18 != 0) continue;
    const ExactValues values = *exactValuesFor(degrees);
    for (const auto& [function, value] :
         {std::pair{TrigFunction::sin, values.sin}, std::pair{TrigFunction::cos, values.cos},
          std::pair{TrigFunction::tan, values.tan}}) {
      if (!value.latex || value.undefined()) continue;
      const InverseSolutions found = solved(function, uc::testing::typed(*value.latex));
      const std::vector<double> angles = degreesOf(found);
      EXPECT_NE(std::find(angles.begin(), angles.end(), degrees), angles.end())
          << rawValue(function) << " " << *value.latex << " at " << degrees;
      for (const InverseAngle& angle : found.angles) {
        EXPECT_TRUE(angle.exact) << angle.latex;
        // The point drawn for it lies at that angle on the circle.
        EXPECT_NEAR(angle.x, valueAt(TrigFunction::cos, angle.degrees), 1e-12) << angle.latex;
        EXPECT_NEAR(angle.y, valueAt(TrigFunction::sin, angle.degrees), 1e-12) << angle.latex;
      }
    }
  }
}

// Against an independent check over a grid: each solution satisfies the equation, there are
// as many as the function takes the value in one turn, and none is given twice.
TEST(ExploreInverse, AnyValueOverAGrid) {
  for (const TrigFunction function : kFunctions) {
    for (int step = -300; step <= 300; ++step) {
      const long double value = step / 100.0L;
      const InverseSolutions found = inverseSolutionsOfNumber(function, value);
      std::size_t expected = 2;
      if (function != TrigFunction::tan && std::fabs(value) > 1) expected = 0;
      if (function != TrigFunction::tan && std::fabs(value) == 1) expected = 1;
      ASSERT_EQ(found.angles.size(), expected) << rawValue(function) << " " << double(value);
      for (std::size_t i = 0; i < found.angles.size(); ++i) {
        const InverseAngle& angle = found.angles[i];
        EXPECT_GE(angle.degrees, 0);
        EXPECT_LT(angle.degrees, 360);
        EXPECT_NEAR(valueAt(function, angle.degrees), double(value), 1e-9) << angle.latex;
        EXPECT_NEAR(angle.x, valueAt(TrigFunction::cos, angle.degrees), 1e-9) << angle.latex;
        EXPECT_NEAR(angle.y, valueAt(TrigFunction::sin, angle.degrees), 1e-9) << angle.latex;
        if (i > 0) {
          EXPECT_GT(angle.degrees, found.angles[i - 1].degrees);
        }
        EXPECT_FALSE(std::signbit(angle.degrees));
      }
    }
    // Every whole degree, from its own value.
    for (int degrees = 0; degrees < 360; ++degrees) {
      if (function == TrigFunction::tan && degrees % 180 == 90) continue;
      const std::vector<double> angles =
          degreesOf(inverseSolutionsOfNumber(function, valueAt(function, degrees)));
      EXPECT_TRUE(std::any_of(angles.begin(), angles.end(),
                              [&](double a) { return std::fabs(a - degrees) < 1e-9; }))
          << rawValue(function) << " at " << degrees;
    }
  }
}

TEST(ExploreInverse, OtherValuesAreRoundedDecimals) {
  const InverseSolutions found = solved(TrigFunction::sin, "-0.75");
  ASSERT_EQ(found.angles.size(), 2u);
  EXPECT_EQ(found.angles[0].latex, "\\approx 228.59^{\\circ}");
  EXPECT_EQ(found.angles[1].latex, "\\approx 311.41^{\\circ}");
  EXPECT_FALSE(found.angles[0].exact);
  // A decimal near a radical value is not that value.
  EXPECT_FALSE(solved(TrigFunction::sin, "0.7071").angles[0].exact);
  EXPECT_EQ(solved(TrigFunction::tan, "π").angles[0].latex, "\\approx 72.34^{\\circ}");
}

TEST(ExploreInverse, OnlyOneNumberIsRead) {
  for (const char* typed : {"", "abc", "30°", "1;2", "undefined", "II", "1/"}) {
    const InverseReading reading = inverseSolutions(TrigFunction::sin, typed);
    EXPECT_FALSE(reading.solutions) << typed;
    EXPECT_EQ(reading.errorKey, "exploreValueUnreadable") << typed;
  }
  EXPECT_EQ(inverseSolutions(TrigFunction::cos, "√(-1)").errorKey, "practiceRootOfNegative");
  EXPECT_EQ(trigFunctionFromRawValue("tan"), TrigFunction::tan);
  EXPECT_FALSE(trigFunctionFromRawValue("cot"));
}

// A dragged line must always give a value the inverse question reads back as the same number,
// exactly where it snapped to a special value.
TEST(ExploreDraggedValue, EveryPositionReadsBackAsItsValue) {
  for (const TrigFunction function : kFunctions) {
    const double limit = draggedValueLimit(function);
    std::map<std::string, DraggedValue> distinct;
    for (double raw = -limit - 0.5; raw <= limit + 0.5; raw += 0.0007) {
      for (const bool snap : {true, false}) {
        const DraggedValue dragged = draggedValue(function, raw, snap);
        const double within = snap ? (function == TrigFunction::tan ? 0.08 : 0.04) : 0.005;
        ASSERT_LE(std::abs(dragged.value - std::clamp(raw, -limit, limit)), within + 1e-9)
            << raw << " " << dragged.typed;
        distinct.emplace(dragged.typed, dragged);
      }
    }
    for (const auto& [typed, dragged] : distinct) {
      const InverseReading reading = inverseSolutions(function, typed);
      ASSERT_TRUE(reading.solutions && reading.value) << typed;
      EXPECT_NEAR(*reading.value, dragged.value, 1e-12) << typed;
      for (const InverseAngle& angle : reading.solutions->angles) {
        EXPECT_EQ(angle.exact, dragged.special) << typed;
      }
    }
  }
}

TEST(ExploreDraggedValue, SnapsToTheSpecialValuesAndRoundsElsewhere) {
  EXPECT_EQ(draggedValue(TrigFunction::sin, 0.49, true).typed, "1/2");
  EXPECT_EQ(draggedValue(TrigFunction::cos, -0.88, true).typed, "-√3/2");
  EXPECT_EQ(draggedValue(TrigFunction::tan, 1.7, true).typed, "√3");
  EXPECT_EQ(draggedValue(TrigFunction::tan, 0.6, true).typed, "√3/3");
  EXPECT_EQ(draggedValue(TrigFunction::sin, 0.49, false).typed, "0.49");
  EXPECT_EQ(draggedValue(TrigFunction::sin, 0.37, true).typed, "0.37");
  EXPECT_EQ(draggedValue(TrigFunction::sin, -0.001, false).typed, "0");
  EXPECT_EQ(draggedValue(TrigFunction::cos, 0.3, false).typed, "0.3");
  // Beyond the circle the line stops a little outside it: no α reaches it.
  EXPECT_EQ(draggedValue(TrigFunction::sin, 7, true).typed, "1.25");
  EXPECT_TRUE(inverseSolutions(TrigFunction::sin, "1.25").solutions->angles.empty());
  EXPECT_EQ(draggedValue(TrigFunction::tan, -90, false).typed, "-4");
  EXPECT_EQ(draggedValue(TrigFunction::sin, std::nan(""), true).typed, "0");
}

}  // namespace
}  // namespace uc::explore
