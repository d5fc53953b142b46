#pragma once

#include <string>
#include <vector>

#include "core/practice/question.h"
#include "core/practice/repetition_schedule.h"

// What the practice screen shows of the schedule and of a question, the same in every edition.
namespace uc::practice {

// One point of the mastery map.
struct MapAngle {
  int degrees = 0;  // on one turn, [0°, 360°)
  // 0 for the multiples of 15°, 1 for the other multiples of 18°, which lie too close to them
  // for one ring.
  int ring = 0;
  // New until one of its cards is answered, known when every card is.
  Mastery mastery = Mastery::fresh;
};

// The level's angles on one turn; level 3's angles beyond one turn share the point of the angle
// they end on.
std::vector<MapAngle> masteryAngles(const RepetitionSchedule& schedule, int level);

// The cards about angles (not values) of the level that end on this point of the map, at most
// a session's length of them (level 3 has 21 at a point): due first, then new, then the rest.
std::vector<Card> cardsOfAngle(const RepetitionSchedule& schedule, int level, int degrees);
// The same before anything is answered: every kind and every turn among the first ten.
std::vector<Card> cardsOfAngle(int level, int degrees);

// The buttons that answer a question whole, localised: "undefined" for tan, the quadrants
// I to IV, "no solution" for the inverse kinds; none for the others.
std::vector<std::string> answerChoices(const Question& question);
// The words a keyboard may spell for it: its choices, and "undefined" and "none" besides the
// localised words, as the reader takes both.
std::vector<std::string> keyboardWords(const Question& question);

// Every accepted answer as LaTeX, "; " apart, or the localised "no solution".
std::string answersLatex(const Question& question);

// α in degrees that the question is about ("60"), or its first solution for the inverse kinds;
// empty when there is none.
std::string solutionAngle(const Question& question);

}  // namespace uc::practice
