// Feeds arbitrary typed answers to the practice judge and arbitrary documents to the schedule.
// Every verdict must carry a known message key, and a document the schedule refuses must leave
// it as it was.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <set>
#include <string>

#include "core/practice/answer_judge.h"
#include "core/practice/repetition_schedule.h"

namespace {

void check(bool condition) {
  if (!condition) std::abort();
}

const std::set<std::string>& knownKeys() {
  static const std::set<std::string> keys{
      "practiceCorrect",        "practiceWrong",       "practiceClose",
      "practiceGiveRadians",    "practiceGiveDegrees", "practiceAngleRange",
      "practiceIncomplete",     "practiceEmptyAnswer", "practiceAnswerUnreadable",
      "practiceRootOfNegative", "fractionIncomplete",  "inputZeroInDenominator",
      "valueOutOfRange",        "practiceMarkDegrees"};
  return keys;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace uc::practice;
  const std::string text(reinterpret_cast<const char*>(data), size);
  static const std::vector<Question> questions = generateQuestions(1, 40, 3);
  for (const Question& question : questions) {
    const Verdict verdict = judgeAnswer(question, text);
    check(knownKeys().contains(verdict.key));
  }
  RepetitionSchedule schedule([] { return Day{std::chrono::days{20'000}}; });
  schedule.record({QuestionKind::sin, "30"}, true);
  const std::string before = schedule.toJson();
  if (!schedule.loadJson(text)) check(schedule.toJson() == before);
  return 0;
}
