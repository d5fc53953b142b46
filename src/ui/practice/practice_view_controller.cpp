#include "ui/practice/practice_view_controller.h"

#include <QCoreApplication>
#include <QDate>
#include <QRandomGenerator>
#include <algorithm>
#include <charconv>
#include <utility>

#include "core/localization.h"
#include "core/practice/question.h"
#include "core/solver/tiro_unit_circle.h"
#include "flow/user_defaults.h"
#include "services/analytics.h"
#include "services/analytics_events.h"
#include "ui/charts/chart_manager.h"
#include "ui/practice/spoken_answer.h"
#include "ui/shell/navigation.h"
#include "ui/shell/view_manager.h"
#include "ui/solution/exact_values_card.h"

namespace uc {
namespace {

namespace event = analytics::event;

practice::DayClock& clockOverride() {
  static practice::DayClock clock;
  return clock;
}

practice::Day localToday() {
  const qint64 days = QDate::currentDate().toJulianDay() - QDate(1970, 1, 1).toJulianDay();
  return practice::Day{std::chrono::days{days}};
}

QString fromStd(const std::string& text) { return QString::fromStdString(text); }

// "undefined", "II" and the like: chosen whole, so replaced or deleted whole.
bool isChosenWord(const QString& answer) {
  return !answer.isEmpty() && std::all_of(answer.begin(), answer.end(), [](QChar c) {
           return (c.isLetter() && c != u'π') || c.isSpace();
         });
}

// Every accepted answer, as the result shows it.
QString answersLatex(const practice::Question& question) {
  if (question.answers.empty()) {
    return QStringLiteral("\\text{%1}").arg(fromStd(localized("practiceNoSolution")));
  }
  QStringList parts;
  for (const practice::CanonicalAnswer& answer : question.answers) {
    parts << fromStd(answer.latex);
  }
  return parts.join(QStringLiteral(";\\ "));
}

// The point of the map an angle ends on, in [0°, 360°).
int onOneTurn(int degrees) { return ((degrees % 360) + 360) % 360; }

// The cards about angles, not values, of a level.
std::vector<practice::Card> angleCards(int level) {
  std::vector<practice::Card> cards = practice::cardsForLevel(level);
  std::erase_if(cards, [](const practice::Card& card) { return practice::isInverse(card.kind); });
  return cards;
}

bool endsOn(const practice::Card& card, int degrees) {
  int subject = 0;
  const std::string& text = card.subject;
  const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), subject);
  return error == std::errc{} && end == text.data() + text.size() && onOneTurn(subject) == degrees;
}

}  // namespace

PracticeViewController::PracticeViewController(QObject* parent)
    : QObject(parent),
      schedule_([] { return clockOverride() ? clockOverride()() : localToday(); }) {
  loadSchedule();
}

PracticeViewController::~PracticeViewController() = default;

void PracticeViewController::setClock(practice::DayClock clock) {
  clockOverride() = std::move(clock);
}

void PracticeViewController::setUserDefaults(UserDefaults* defaults) {
  defaults_ = defaults;
  loadSchedule();
}

UserDefaults& PracticeViewController::userDefaults() const {
  return defaults_ ? *defaults_ : UserDefaults::standard();
}

void PracticeViewController::loadSchedule() {
  level_ = std::clamp(userDefaults().intValue(QString::fromLatin1(kLevelKey), practice::kLowestLevel),
                      practice::kLowestLevel, practice::kHighestLevel);
  schedule_.reset();
  const QString json = userDefaults().stringValue(QString::fromLatin1(kScheduleKey));
  // A damaged value starts afresh; it is overwritten with the next answer.
  if (!json.isEmpty()) schedule_.loadJson(json.toStdString());
}

void PracticeViewController::saveSchedule() {
  userDefaults().setValue(QString::fromLatin1(kScheduleKey), fromStd(schedule_.toJson()));
  emit progressChanged();
}

QString PracticeViewController::title() const {
  return QCoreApplication::translate("SideMenu", "Practice", "Left Menu: navigate to practice");
}

QString PracticeViewController::prompt() const {
  return shown_ ? fromStd(shown_->prompt()) : QString();
}

QString PracticeViewController::questionLatex() const {
  return shown_ ? fromStd(shown_->givenLatex) : QString();
}

QStringList PracticeViewController::choices() const {
  if (!shown_) return {};
  switch (shown_->kind()) {
    case practice::QuestionKind::tan:
      return {fromStd(localized("practiceUndefined"))};
    case practice::QuestionKind::quadrant:
      return {QStringLiteral("I"), QStringLiteral("II"), QStringLiteral("III"),
              QStringLiteral("IV")};
    case practice::QuestionKind::inverseSin:
    case practice::QuestionKind::inverseCos:
    case practice::QuestionKind::inverseTan:
      return {fromStd(localized("practiceNoSolution"))};
    default:
      return {};
  }
}

QString PracticeViewController::spokenAnswer() const { return spokenPracticeAnswer(answer_); }

QString PracticeViewController::spokenQuestion() const {
  return shown_ ? spokenPracticeQuestion(prompt(), questionLatex()) : QString();
}

QString PracticeViewController::spokenRightAnswer() const {
  return rightAnswerLatex_.isEmpty() ? QString()
                                     : spokenPracticeAnswer(typedFormOfLatex(rightAnswerLatex_));
}

int PracticeViewController::scorePercent() const {
  return session_ ? session_->summary().scorePercent : 0;
}
int PracticeViewController::rightFirstTime() const {
  return session_ ? session_->summary().rightFirstTime : 0;
}
int PracticeViewController::cardCount() const { return session_ ? session_->summary().cards : 0; }
int PracticeViewController::dayStreak() const { return schedule_.dayStreak(); }

void PracticeViewController::setLevel(int level) {
  level = std::clamp(level, practice::kLowestLevel, practice::kHighestLevel);
  if (level == level_) return;
  level_ = level;
  userDefaults().setInt(QString::fromLatin1(kLevelKey), level_);
  emit progressChanged();
}

QVariantList PracticeViewController::masteryAngles() const {
  QVariantList angles;
  const std::vector<practice::Card> cards = angleCards(level_);
  for (const int degrees : practice::anglesForLevel(std::min(level_, 2))) {
    int seen = 0;
    int known = 0;
    int all = 0;
    for (const practice::Card& card : cards) {
      if (!endsOn(card, degrees)) continue;
      ++all;
      const practice::Mastery mastery = schedule_.mastery(card);
      seen += mastery != practice::Mastery::fresh;
      known += mastery == practice::Mastery::known;
    }
    const practice::Mastery mastery = seen == 0        ? practice::Mastery::fresh
                                      : known == all ? practice::Mastery::known
                                                     : practice::Mastery::learning;
    angles.append(QVariantMap{{QStringLiteral("degrees"), degrees},
                              {QStringLiteral("ring"), degrees % 15 == 0 ? 0 : 1},
                              {QStringLiteral("mastery"), fromStd(std::string(rawValue(mastery)))}});
  }
  return angles;
}

void PracticeViewController::practiseAngle(int degrees) {
  QStringList keys;
  for (const practice::Card& card : angleCards(level_)) {
    if (endsOn(card, onOneTurn(degrees))) keys << fromStd(card.key());
  }
  practiseCards(keys);
}

void PracticeViewController::start() {
  const int length = practice::PracticeSession::kDefaultLength;
  begin(std::make_unique<practice::PracticeSession>(schedule_, level_,
                                                    QRandomGenerator::global()->generate64(),
                                                    length),
        length);
}

void PracticeViewController::practiseCards(const QStringList& cardKeys) {
  std::vector<practice::Card> cards;
  for (const QString& key : cardKeys) {
    if (auto card = practice::Card::fromKey(key.toStdString())) cards.push_back(std::move(*card));
  }
  if (cards.empty()) return;
  const int length = static_cast<int>(cards.size());
  begin(std::make_unique<practice::PracticeSession>(schedule_, std::move(cards),
                                                    QRandomGenerator::global()->generate64()),
        length);
}

void PracticeViewController::begin(std::unique_ptr<practice::PracticeSession> session,
                                   int length) {
  session_ = std::move(session);
  showCurrent();
  sessionLength_ = length;
  questionNumber_ = 1;
  finishedLogged_ = false;
  rightAnswerLatex_.clear();
  setAnswer({});
  Analytics::log(QString::fromLatin1(event::kPracticeStarted), {{QStringLiteral("cards"), length}});
  emit questionChanged();
  setStage(session_->finished() ? Finished : Asking);
}

void PracticeViewController::setStage(Stage stage) {
  stage_ = stage;
  emit stageChanged();
}

void PracticeViewController::setAnswer(const QString& answer) {
  if (answer_ == answer) return;
  answer_ = answer;
  emit answerChanged();
}

void PracticeViewController::typeKey(const QString& key) {
  if (stage_ != Asking || key.isEmpty()) return;
  setAnswer((isChosenWord(answer_) ? QString() : answer_) + key);
}

void PracticeViewController::chooseAnswer(const QString& choice) {
  if (stage_ == Asking) setAnswer(choice);
}

QString PracticeViewController::spokenChoice(const QString& choice) const {
  return spokenPracticeAnswer(choice);
}

void PracticeViewController::deleteBackward() {
  if (stage_ != Asking || answer_.isEmpty()) return;
  setAnswer(isChosenWord(answer_) ? QString() : answer_.chopped(1));
}

void PracticeViewController::check() {
  if (stage_ != Asking || !session_ || session_->finished()) return;
  const practice::Question& asked = *shown_;
  const practice::Verdict verdict = session_->answer(answer_.toStdString());
  if (!verdict.graded()) {
    ViewManager::shared().showToast(fromStd(verdict.message()));
    return;
  }
  saveSchedule();
  Analytics::log(QString::fromLatin1(event::kPracticeAnswered),
                 {{QStringLiteral("kind"), fromStd(std::string(rawValue(asked.kind())))},
                  {QStringLiteral("correct"), verdict.correct()}});
  if (verdict.correct()) {
    afterGraded();
    return;
  }
  rightAnswerLatex_ = answersLatex(asked);
  prepareFeedback();
  setStage(ShowingAnswer);
}

void PracticeViewController::continueAfterAnswer() {
  if (stage_ == ShowingAnswer) afterGraded();
}

void PracticeViewController::showCurrent() {
  const practice::Question* current = session_ ? session_->current() : nullptr;
  shown_ = current ? std::optional(*current) : std::nullopt;
}

void PracticeViewController::afterGraded() {
  rightAnswerLatex_.clear();
  setAnswer({});
  showCurrent();
  if (session_->finished()) {
    if (!finishedLogged_) {
      finishedLogged_ = true;
      Analytics::log(QString::fromLatin1(event::kPracticeFinished),
                     {{QStringLiteral("score"), session_->summary().scorePercent}});
    }
    setStage(Finished);
    return;
  }
  // A card asked again after a wrong answer counts as one more question.
  questionNumber_ = std::min(questionNumber_ + 1, sessionLength_);
  emit questionChanged();
  setStage(Asking);
}

void PracticeViewController::showMap() { setStage(Map); }

QString PracticeViewController::solutionAngle() const {
  if (!shown_) return {};
  if (!practice::isInverse(shown_->kind())) return fromStd(shown_->card.subject);
  if (shown_->answers.empty() || !shown_->answers.front().value) return {};
  return QString::number(*shown_->answers.front().value);
}

QString PracticeViewController::feedbackTitle() const {
  return QString::fromStdString(exactValuesCardTitle());
}

void PracticeViewController::prepareFeedback() {
  feedbackCircle_ = {};
  feedbackLines_ = {};
  const QString alpha = solutionAngle();
  if (alpha.isEmpty()) return;
  const SolveResult result = calculate(alpha.toStdString(), std::nullopt);
  if (!result.chartSteps || result.chartSteps->empty()) return;
  feedbackCircle_ = ChartManager::wrap(result.chartSteps->front());
  feedbackLines_ = cardLineMaps(exactValuesCardLines(*result.chartSteps));
}

void PracticeViewController::showSolution() {
  const QString alpha = solutionAngle();
  if (alpha.isEmpty()) return;
  Navigation::shared().goToCalculation();
  // Queued behind the old pages' deletion, so that only the fresh input page calculates it.
  QMetaObject::invokeMethod(
      &Navigation::shared(), [alpha] { Navigation::shared().calculateAngle(alpha); },
      Qt::QueuedConnection);
}

void PracticeViewController::resetProgress() {
  schedule_.reset();
  saveSchedule();
  emit stageChanged();
}

}  // namespace uc
