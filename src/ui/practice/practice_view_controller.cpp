#include "ui/practice/practice_view_controller.h"

#include <QCoreApplication>
#include <QDate>
#include <QFileInfo>
#include <QHash>
#include <QJsonValue>
#include <QLocale>
#include <QRandomGenerator>
#include <algorithm>
#include <utility>

#include "core/localization.h"
#include "core/practice/answer_typing.h"
#include "core/practice/practice_board.h"
#include "core/practice/question.h"
#include "core/solver/tiro_unit_circle.h"
#include "flow/error_manager.h"
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

// Per store file, the damaged schedule the learner was told of but that could not be set
// aside: every practice screen built later reads it again until an answer overwrites it.
QHash<QString, QJsonValue>& toldUnreadable() {
  static QHash<QString, QJsonValue> told;
  return told;
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
  UserDefaults& defaults = userDefaults();
  level_ = std::clamp(defaults.intValue(QString::fromLatin1(kLevelKey), practice::kLowestLevel),
                      practice::kLowestLevel, practice::kHighestLevel);
  schedule_.reset();
  const QString key = QString::fromLatin1(kScheduleKey);
  const QJsonValue stored = defaults.value(key);
  if (stored.isUndefined()) return;  // the first practice
  if (stored.isString() && schedule_.loadJson(stored.toString().toStdString())) return;
  // Unusable: practice starts afresh (a failed load changes nothing), but the damaged progress
  // is kept for a hand repair rather than overwritten by the next answer, and the learner
  // hears of it once.
  const auto told = toldUnreadable().constFind(defaults.filePath());
  if (told != toldUnreadable().cend() && *told == stored) return;
  QString keptIn;
  if (defaults.setValueAside(key)) {
    keptIn = QFileInfo(defaults.unreadableFilePath()).fileName();
  } else {
    toldUnreadable().insert(defaults.filePath(), stored);
  }
  ErrorManager::shared().showPracticeReset(keptIn);
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
  QStringList choices;
  if (!shown_) return choices;
  for (const std::string& choice : practice::answerChoices(*shown_)) choices << fromStd(choice);
  return choices;
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
  for (const practice::MapAngle& angle : practice::masteryAngles(schedule_, level_)) {
    angles.append(
        QVariantMap{{QStringLiteral("degrees"), angle.degrees},
                    {QStringLiteral("ring"), angle.ring},
                    {QStringLiteral("mastery"), fromStd(std::string(rawValue(angle.mastery)))}});
  }
  return angles;
}

void PracticeViewController::practiseAngle(int degrees) {
  QStringList keys;
  for (const practice::Card& card : practice::cardsOfAngle(schedule_, level_, degrees)) {
    keys << fromStd(card.key());
  }
  practiseCards(keys);
}

void PracticeViewController::start() {
  const int length = practice::PracticeSession::kDefaultLength;
  begin(std::make_unique<practice::PracticeSession>(
            schedule_, level_, QRandomGenerator::global()->generate64(), length),
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

void PracticeViewController::begin(std::unique_ptr<practice::PracticeSession> session, int length) {
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
  rightNote_.clear();
  emit answerChanged();
}

void PracticeViewController::typeKey(const QString& key) {
  if (stage_ != Asking || key.isEmpty()) return;
  setAnswer(fromStd(practice::typeKey(answer_.toStdString(), key.toStdString())));
}

void PracticeViewController::typeOnKeyboard(const QString& character) {
  if (stage_ != Asking || !shown_ || character.isEmpty()) return;
  const bool decimalComma = QLocale().decimalPoint() == QStringLiteral(",");
  setAnswer(fromStd(practice::typeOnKeyboard(answer_.toStdString(), character.toStdString(),
                                             practice::keyboardWords(*shown_), decimalComma)));
}

void PracticeViewController::chooseAnswer(const QString& choice) {
  if (stage_ == Asking) setAnswer(choice);
}

QString PracticeViewController::spokenChoice(const QString& choice) const {
  return spokenPracticeAnswer(choice);
}

void PracticeViewController::deleteBackward() {
  if (stage_ != Asking || answer_.isEmpty()) return;
  setAnswer(fromStd(practice::deleteBackward(answer_.toStdString())));
}

void PracticeViewController::check() {
  if (stage_ != Asking || !session_ || session_->finished()) return;
  const practice::Question& asked = *shown_;
  setAnswer(fromStd(practice::finishTyping(answer_.toStdString())));
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
    rightNote_ = QCoreApplication::translate("PracticeView", "Right", "Said and shown after a right answer");
    emit answerChanged();
    return;
  }
  rightAnswerLatex_ = fromStd(practice::answersLatex(asked));
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
  return shown_ ? fromStd(practice::solutionAngle(*shown_)) : QString();
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
