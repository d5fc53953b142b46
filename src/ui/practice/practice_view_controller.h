#pragma once

#include <QtQml/qqmlregistration.h>

#include <QObject>
#include <QString>
#include <QStringList>
#include <QVariant>
#include <QVariantList>
#include <memory>
#include <optional>

#include "core/practice/practice_session.h"
#include "core/practice/question.h"
#include "core/practice/repetition_schedule.h"

namespace uc {

class UserDefaults;

// The practice screen: one session of questions at a time over the schedule kept in the store.
// The answer is typed on the practice keypad or a keyboard; Check judges it exactly. A right
// answer moves on at once, a wrong one shows the right answer until Continue, and a reply that
// asks for another try says why in a message and keeps the question.
class PracticeViewController : public QObject {
  Q_OBJECT
  // Its view, PracticeViewController.qml, has its name.
  QML_NAMED_ELEMENT(PracticeViewControllerLogic)
  Q_PROPERTY(Stage stage READ stage NOTIFY stageChanged)
  Q_PROPERTY(QString prompt READ prompt NOTIFY questionChanged)
  Q_PROPERTY(QString questionLatex READ questionLatex NOTIFY questionChanged)
  // The prompt and the given value as a screen reader says them, in the learner's language.
  Q_PROPERTY(QString spokenQuestion READ spokenQuestion NOTIFY questionChanged)
  Q_PROPERTY(QStringList choices READ choices NOTIFY questionChanged)
  Q_PROPERTY(int questionNumber READ questionNumber NOTIFY questionChanged)
  Q_PROPERTY(int sessionLength READ sessionLength NOTIFY questionChanged)
  Q_PROPERTY(QString answerText READ answerText NOTIFY answerChanged)
  Q_PROPERTY(QString spokenAnswer READ spokenAnswer NOTIFY answerChanged)
  // "Right" after a right answer, shown and said over the next question until a key is typed.
  Q_PROPERTY(QString rightNote READ rightNote NOTIFY answerChanged)
  Q_PROPERTY(QString rightAnswerLatex READ rightAnswerLatex NOTIFY stageChanged)
  Q_PROPERTY(QString spokenRightAnswer READ spokenRightAnswer NOTIFY stageChanged)
  Q_PROPERTY(QString solutionAngle READ solutionAngle NOTIFY questionChanged)
  // After a wrong answer: the angle on the unit circle and its exact values card.
  Q_PROPERTY(QVariant feedbackCircle READ feedbackCircle NOTIFY stageChanged)
  Q_PROPERTY(QVariantList feedbackLines READ feedbackLines NOTIFY stageChanged)
  Q_PROPERTY(QString feedbackTitle READ feedbackTitle CONSTANT)
  Q_PROPERTY(int scorePercent READ scorePercent NOTIFY stageChanged)
  Q_PROPERTY(int rightFirstTime READ rightFirstTime NOTIFY stageChanged)
  Q_PROPERTY(int cardCount READ cardCount NOTIFY stageChanged)
  Q_PROPERTY(int dayStreak READ dayStreak NOTIFY stageChanged)
  Q_PROPERTY(QString title READ title CONSTANT)
  Q_PROPERTY(QVariantList masteryAngles READ masteryAngles NOTIFY progressChanged)
  // 1 to 3, as the questions' levels; kept in the store.
  Q_PROPERTY(int level READ level WRITE setLevel NOTIFY progressChanged)

 public:
  // The mastery map comes first; a session goes from asking to its summary.
  enum Stage { Map, Asking, ShowingAnswer, Finished };
  Q_ENUM(Stage)

  // Where the store keeps the schedule, as its JSON text.
  static constexpr char kScheduleKey[] = "practiceSchedule";
  // Where the store keeps the chosen level.
  static constexpr char kLevelKey[] = "practiceLevel";

  explicit PracticeViewController(QObject* parent = nullptr);
  ~PracticeViewController() override;

  // The calendar day every controller made after this reads; the local day when empty.
  // Tests set a fake one.
  static void setClock(practice::DayClock clock);
  // The store the schedule lives in; UserDefaults::standard() unless set (tests).
  void setUserDefaults(UserDefaults* defaults);

  Stage stage() const { return stage_; }
  QString prompt() const;
  QString questionLatex() const;
  QStringList choices() const;
  int questionNumber() const { return questionNumber_; }
  int sessionLength() const { return sessionLength_; }
  QString answerText() const { return answer_; }
  QString spokenAnswer() const;
  QString rightNote() const { return rightNote_; }
  QString rightAnswerLatex() const { return rightAnswerLatex_; }
  QString spokenQuestion() const;
  QString spokenRightAnswer() const;
  // α in degrees that the question is about ("60"), or its first solution for the inverse
  // kinds; empty when there is none.
  QString solutionAngle() const;
  QVariant feedbackCircle() const { return feedbackCircle_; }
  QVariantList feedbackLines() const { return feedbackLines_; }
  QString feedbackTitle() const;
  int scorePercent() const;
  int rightFirstTime() const;
  int cardCount() const;
  int dayStreak() const;
  QString title() const;

  const practice::RepetitionSchedule& schedule() const { return schedule_; }

  int level() const { return level_; }
  // Out of range is clamped, so a damaged store cannot leave the screen without questions.
  void setLevel(int level);

  // The level's angles on one turn, each as {degrees, ring, mastery: "new", "learning" or
  // "known"}: new until one of its cards is answered, known when every card is. Level 3's angles
  // beyond one turn share the point of the angle they end on. Ring 0 holds the multiples of
  // 15°, ring 1 the other multiples of 18°, which lie too close to them for one ring.
  QVariantList masteryAngles() const;

  // A session of the default length over the due cards, then new ones.
  Q_INVOKABLE void start();
  // A session over these cards ("sin:30", ...) in this order; unknown keys are left out.
  Q_INVOKABLE void practiseCards(const QStringList& cardKeys);

  // Every card of one point of the map: at level 3 its angles one turn either side too.
  Q_INVOKABLE void practiseAngle(int degrees);
  Q_INVOKABLE void showMap();
  // The worked solution of the answered question's angle, on fresh calculation pages.
  Q_INVOKABLE void showSolution();

  // Keypad and keyboard: a key's text is added at the end; a choice replaces the answer.
  Q_INVOKABLE void typeKey(const QString& key);
  // One character from a hardware keyboard: words spelled ("sqrt", "pi", "undefined") give
  // their sign or choice; "," is a decimal point where the language writes a decimal comma.
  Q_INVOKABLE void typeOnKeyboard(const QString& character);
  Q_INVOKABLE void chooseAnswer(const QString& choice);
  // A choice as a screen reader says it: "quadrant 2" for "II".
  Q_INVOKABLE QString spokenChoice(const QString& choice) const;
  Q_INVOKABLE void deleteBackward();
  Q_INVOKABLE void check();
  Q_INVOKABLE void continueAfterAnswer();
  // Forgets every card and the streak, in the store too.
  Q_INVOKABLE void resetProgress();

 signals:
  void stageChanged();
  void questionChanged();
  void answerChanged();
  void progressChanged();

 private:
  UserDefaults& userDefaults() const;
  // A stored schedule that cannot be read is set aside in the store's side file and told of
  // once; practice then starts afresh.
  void loadSchedule();
  void saveSchedule();
  void begin(std::unique_ptr<practice::PracticeSession> session, int length);
  void setStage(Stage stage);
  void setAnswer(const QString& answer);
  // The next question, once the last one's answer has been seen.
  void afterGraded();
  void showCurrent();
  // The answered question's angle solved, for the circle and the card.
  void prepareFeedback();

  UserDefaults* defaults_ = nullptr;
  practice::RepetitionSchedule schedule_;
  int level_ = practice::kLowestLevel;
  std::unique_ptr<practice::PracticeSession> session_;
  // The question on screen: still the answered one while its right answer shows.
  std::optional<practice::Question> shown_;
  Stage stage_ = Map;
  QString answer_;
  QString rightNote_;
  QString rightAnswerLatex_;
  QVariant feedbackCircle_;
  QVariantList feedbackLines_;
  int questionNumber_ = 0;
  int sessionLength_ = 0;
  bool finishedLogged_ = false;
};

}  // namespace uc
