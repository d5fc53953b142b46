#include "core/practice/repetition_schedule.h"

#include <nlohmann/json.hpp>

namespace uc::practice {
namespace {

constexpr int kKnownBox = 3;
constexpr int kFormatVersion = 1;
// Beyond any calendar a learner uses; keeps day arithmetic far from overflow.
constexpr long long kLatestDay = 10'000'000;

int intervalDays(int box) { return 1 << (box - 1); }

Day dayFrom(long long days) { return Day{std::chrono::days{days}}; }
long long daysOf(Day day) { return day.time_since_epoch().count(); }

bool validDay(long long day) { return day >= 0 && day <= kLatestDay; }

}  // namespace

Day utcToday() { return std::chrono::floor<std::chrono::days>(std::chrono::system_clock::now()); }

std::string_view rawValue(Mastery mastery) {
  switch (mastery) {
    case Mastery::fresh:
      return "new";
    case Mastery::learning:
      return "learning";
    case Mastery::known:
      return "known";
  }
  return "new";
}

RepetitionSchedule::RepetitionSchedule(DayClock clock) : clock_(std::move(clock)) {
  if (!clock_) clock_ = utcToday;
}

void RepetitionSchedule::record(const Card& card, bool correct) {
  const Day day = today();
  answerDays_.insert(day);
  const auto found = cards_.find(card.key());
  CardState state = found == cards_.end() ? CardState{} : found->second;
  const bool seen = found != cards_.end();
  state.lastAnswered = day;
  if (!correct) {
    state.box = 0;
    state.due = day;
  } else if (!seen || state.due <= day) {
    state.box = std::min(state.box + 1, kTopBox);
    state.due = day + std::chrono::days{intervalDays(state.box)};
  }
  cards_[card.key()] = state;
}

std::optional<CardState> RepetitionSchedule::state(const Card& card) const {
  const auto found = cards_.find(card.key());
  if (found == cards_.end()) return std::nullopt;
  return found->second;
}

bool RepetitionSchedule::isDue(const Card& card) const {
  const auto found = state(card);
  return found && found->due <= today();
}

Mastery RepetitionSchedule::mastery(const Card& card) const {
  const auto found = state(card);
  if (!found) return Mastery::fresh;
  return found->box >= kKnownBox ? Mastery::known : Mastery::learning;
}

int RepetitionSchedule::dayStreak() const {
  Day day = today();
  if (!answerDays_.contains(day)) day -= std::chrono::days{1};
  int streak = 0;
  while (answerDays_.contains(day)) {
    ++streak;
    day -= std::chrono::days{1};
  }
  return streak;
}

void RepetitionSchedule::reset() {
  cards_.clear();
  answerDays_.clear();
}

std::vector<CardRecord> RepetitionSchedule::records() const {
  std::vector<CardRecord> records;
  for (const auto& [key, state] : cards_) {
    records.push_back({key, state.box, daysOf(state.due), daysOf(state.lastAnswered)});
  }
  return records;
}

std::vector<long long> RepetitionSchedule::answerDays() const {
  std::vector<long long> days;
  for (Day day : answerDays_) days.push_back(daysOf(day));
  return days;
}

bool RepetitionSchedule::loadRecords(const std::vector<CardRecord>& records,
                                     const std::vector<long long>& days) {
  std::map<std::string, CardState> cards;
  std::set<Day> answerDays;
  for (const CardRecord& record : records) {
    const auto card = Card::fromKey(record.card);
    if (!card || card->key() != record.card || record.box < 0 || record.box > kTopBox ||
        !validDay(record.dueDay) || !validDay(record.answeredDay) ||
        !cards
             .emplace(record.card,
                      CardState{record.box, dayFrom(record.dueDay), dayFrom(record.answeredDay)})
             .second) {
      return false;
    }
  }
  for (long long day : days) {
    if (!validDay(day)) return false;
    answerDays.insert(dayFrom(day));
  }
  cards_ = std::move(cards);
  answerDays_ = std::move(answerDays);
  return true;
}

std::string RepetitionSchedule::toJson() const {
  nlohmann::json cards = nlohmann::json::array();
  for (const CardRecord& record : records()) {
    cards.push_back({{"card", record.card},
                     {"box", record.box},
                     {"due", record.dueDay},
                     {"answered", record.answeredDay}});
  }
  const nlohmann::json document = {
      {"version", kFormatVersion}, {"cards", cards}, {"answerDays", answerDays()}};
  return document.dump();
}

bool RepetitionSchedule::loadJson(std::string_view json) {
  const nlohmann::json document = nlohmann::json::parse(json, nullptr, false);
  if (document.is_discarded() || !document.is_object()) return false;
  const auto version = document.find("version");
  const auto cards = document.find("cards");
  const auto days = document.find("answerDays");
  if (version == document.end() || !version->is_number_integer() || *version != kFormatVersion ||
      cards == document.end() || !cards->is_array() || days == document.end() ||
      !days->is_array()) {
    return false;
  }
  std::vector<CardRecord> records;
  for (const nlohmann::json& card : *cards) {
    if (!card.is_object()) return false;
    const auto key = card.find("card");
    const auto box = card.find("box");
    const auto due = card.find("due");
    const auto answered = card.find("answered");
    if (key == card.end() || !key->is_string() || box == card.end() || !box->is_number_integer() ||
        due == card.end() || !due->is_number_integer() || answered == card.end() ||
        !answered->is_number_integer()) {
      return false;
    }
    const long long boxNumber = box->get<long long>();
    if (boxNumber < 0 || boxNumber > kTopBox) return false;
    records.push_back({key->get<std::string>(), static_cast<int>(boxNumber), due->get<long long>(),
                       answered->get<long long>()});
  }
  std::vector<long long> answerDays;
  for (const nlohmann::json& day : *days) {
    if (!day.is_number_integer()) return false;
    answerDays.push_back(day.get<long long>());
  }
  return loadRecords(records, answerDays);
}

}  // namespace uc::practice
