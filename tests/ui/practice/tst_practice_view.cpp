#include <QQmlApplicationEngine>
#include <QQmlContext>
#include <QQmlProperty>
#include <QQuickItem>
#include <QQuickWindow>
#include <QTest>
#include <chrono>
#include <memory>

#include "core/practice/repetition_schedule.h"
#include "flow/calc_manager.h"
#include "flow/user_defaults.h"
#include "services/analytics.h"
#include "ui/practice/practice_view_controller.h"
#include "ui/shell/navigation.h"
#include "ui/shell/text_scale.h"
#include "ui/shell/view_manager.h"
#include "window_driver.h"
#include "window_test.h"

using uc::PracticeViewController;
using uc::practice::Card;
using uc::practice::Day;
using uc::practice::QuestionKind;

namespace {

const Day kToday{std::chrono::year{2026} / 3 / 2};

}  // namespace

// The practice screen in the app's window, answered with the keypad and a keyboard.
class TestPracticeView : public QObject {
  Q_OBJECT

 public:
  explicit TestPracticeView(const QString& settings) : settings_(settings) {}

 private:
  void tap(const char* name) { QVERIFY2(driver_.tap(name), name); }
  void tapKeys(const QStringList& keys) {
    for (const QString& key : keys) tap(("practiceKey_" + key).toUtf8().constData());
  }

  void typeOnKeyboard(const char* text) {
    for (const char* c = text; *c; ++c) QTest::keyClick(window_, *c);
  }

  PracticeViewController* controller() const {
    QQuickItem* loader = driver_.item("practiceLoader");
    QObject* view = loader ? qvariant_cast<QObject*>(loader->property("item")) : nullptr;
    return view ? qobject_cast<PracticeViewController*>(
                      qvariant_cast<QObject*>(view->property("controller")))
                : nullptr;
  }

  QString accessibleName(const char* name) const {
    QQuickItem* found = driver_.item(name);
    return found ? QQmlProperty::read(found, QStringLiteral("Accessible.name"), qmlContext(found))
                       .toString()
                 : QString();
  }

  QString masteryOf(int degrees) const {
    for (const QVariant& angle : controller()->masteryAngles()) {
      if (angle.toMap().value("degrees").toInt() == degrees) {
        return angle.toMap().value("mastery").toString();
      }
    }
    return {};
  }

  // The schedule as the next start reads it from the store.
  uc::practice::RepetitionSchedule storedSchedule() const {
    uc::UserDefaults reread(settings_);
    uc::practice::RepetitionSchedule schedule([] { return kToday; });
    const QString json = reread.stringValue(PracticeViewController::kScheduleKey);
    [&] { QVERIFY(schedule.loadJson(json.toStdString())); }();
    return schedule;
  }

 private slots:
  void initTestCase() {
    PracticeViewController::setClock([] { return kToday; });
    recorder_ = std::make_shared<uc::RecordingAnalyticsSink>();
    window_ = startRecordedWindow(settings_, engine_, recorder_);
    QVERIFY(window_);
    driver_.setWindow(window_);
  }

  // The mastery map first: every angle new; Start asks ten questions.
  void theMenuOpensTheMapAndStartAsksTen() {
    uc::Navigation::shared().goToPractice();
    QTRY_VERIFY(driver_.read("practiceLoader", "status").toInt() == 1);  // Loader.Ready
    QCOMPARE(driver_.read("toolbarTitle", "text").toString(), QStringLiteral("Practice"));
    QVERIFY(driver_.item("pageTabBarController") == nullptr);
    QVERIFY(controller());
    QCOMPARE(controller()->stage(), PracticeViewController::Map);
    QCOMPARE(masteryOf(30), QStringLiteral("new"));
    QCOMPARE(accessibleName("masteryAngle_30"), QStringLiteral("30 degrees, new"));
    QCOMPARE(driver_.read("practiceMapStreak", "text").toString(), QStringLiteral("Days in a row: 0"));
    QVERIFY(driver_.item("practiceKeypad") == nullptr);
    tap("practiceStartButton");
    QCOMPARE(controller()->sessionLength(), 10);
    QCOMPARE(driver_.read("practiceProgress", "text").toString(), QStringLiteral("Question 1 of 10"));
    QVERIFY(!driver_.read("practiceQuestionFormula", "latex").toString().isEmpty());
    QCOMPARE(recorder_->count("practice_started"), 1);
  }

  // sin 30°, then cos 60°: right moves on at once, unreadable keeps the question with a
  // message, wrong shows the right answer and is asked again; all of it lands in the store.
  void oneRightAndOneWrongAnswer() {
    PracticeViewController* practice = controller();
    QVERIFY(practice);
    practice->practiseCards({"sin:30", "cos:60"});
    QCOMPARE(practice->sessionLength(), 2);

    tapKeys({"1", "/", "2"});
    QCOMPARE(driver_.read("practiceAnswerText", "text").toString(), QStringLiteral("1/2"));
    QCOMPARE(accessibleName("practiceAnswerField"), QStringLiteral("Answer: 1 over 2"));
    tap("practiceKey_check");
    QCOMPARE(practice->stage(), PracticeViewController::Asking);
    QCOMPARE(driver_.read("practiceProgress", "text").toString(), QStringLiteral("Question 2 of 2"));
    QVERIFY(driver_.read("practiceAnswerText", "text").toString().isEmpty());
    QVERIFY(accessibleName("practiceQuestion").startsWith(QStringLiteral("Give cos α exactly")));
    const auto& answered = recorder_->events().last();
    QCOMPARE(answered.name, QStringLiteral("practice_answered"));
    QCOMPARE(answered.params.value("kind").toString(), QStringLiteral("sin"));
    QCOMPARE(answered.params.value("correct").toBool(), true);

    // Unreadable, typed on the keyboard: a message, the question and the store stay.
    const QString storedBefore =
        uc::UserDefaults(settings_).stringValue(PracticeViewController::kScheduleKey);
    uc::ToastModel& toasts = *uc::ViewManager::shared().toasts();
    const int toastsBefore = toasts.rowCount();
    typeOnKeyboard("1/");
    QCOMPARE(driver_.read("practiceAnswerText", "text").toString(), QStringLiteral("1/"));
    QTest::keyClick(window_, Qt::Key_Return);
    QCOMPARE(toasts.rowCount(), toastsBefore + 1);
    QCOMPARE(practice->stage(), PracticeViewController::Asking);
    QCOMPARE(driver_.read("practiceProgress", "text").toString(), QStringLiteral("Question 2 of 2"));
    QCOMPARE(uc::UserDefaults(settings_).stringValue(PracticeViewController::kScheduleKey),
             storedBefore);
    QTest::keyClick(window_, Qt::Key_Backspace);
    QTest::keyClick(window_, Qt::Key_Backspace);
    QVERIFY(driver_.read("practiceAnswerText", "text").toString().isEmpty());

    // Wrong: the right answer until Continue.
    tapKeys({"2"});
    tap("practiceKey_check");
    QCOMPARE(practice->stage(), PracticeViewController::ShowingAnswer);
    QVERIFY(driver_.item("practiceKeypad") == nullptr);
    QCOMPARE(driver_.read("practiceRightAnswerFormula", "latex").toString(), QStringLiteral("\\frac{1}{2}"));
    // Beside the question answered and the answer given, not the next ones.
    QVERIFY(accessibleName("practiceQuestion").startsWith(QStringLiteral("Give cos α exactly")));
    QCOMPARE(driver_.read("practiceAnswerText", "text").toString(), QStringLiteral("2"));
    QVERIFY(driver_.item("practiceFeedbackCircle"));
    const QStringList exact = practice->feedbackLines().isEmpty()
                                  ? QStringList()
                                  : practice->feedbackLines().first().toMap().value("parts").toStringList();
    QVERIFY2(!exact.isEmpty() && exact.first().contains("60"), qPrintable(exact.join(" | ")));
    QVERIFY(driver_.item("practiceExactValues"));
    QCOMPARE(recorder_->events().last().params.value("correct").toBool(), false);

    const uc::practice::RepetitionSchedule stored = storedSchedule();
    QCOMPARE(stored.state(Card{QuestionKind::sin, "30"})->box, 1);
    QCOMPARE(stored.state(Card{QuestionKind::cos, "60"})->box, 0);
    QCOMPARE(stored.dayStreak(), 1);

    // The wrong card again, then the summary.
    tap("practiceContinueButton");
    QCOMPARE(practice->stage(), PracticeViewController::Asking);
    typeOnKeyboard("1/2");
    QTest::keyClick(window_, Qt::Key_Enter);
    QCOMPARE(practice->stage(), PracticeViewController::Finished);
    QCOMPARE(driver_.read("practiceSummaryScore", "text").toString(),
             QStringLiteral("1 of 2 right at the first try: 50 %"));
    QCOMPARE(driver_.read("practiceSummaryStreak", "text").toString(), QStringLiteral("Days in a row: 1"));
    QCOMPARE(recorder_->count("practice_finished"), 1);
    QCOMPARE(recorder_->events().last().params.value("score").toInt(), 50);

    QCOMPARE(masteryOf(30), QStringLiteral("learning"));
    QCOMPARE(masteryOf(45), QStringLiteral("new"));

    // A fresh screen, as after a restart, reads the same schedule.
    PracticeViewController restarted;
    QCOMPARE(restarted.schedule().state(Card{QuestionKind::sin, "30"})->box, 1);
    QCOMPARE(restarted.dayStreak(), 1);
  }

  // Done leads back to the map; its reset asks first, and Cancel keeps everything.
  void resettingAsksAndForgetsTheStoredProgress() {
    tap("practiceDoneButton");
    QCOMPARE(controller()->stage(), PracticeViewController::Map);
    QCOMPARE(driver_.read("practiceMapStreak", "text").toString(), QStringLiteral("Days in a row: 1"));
    tap("practiceResetButton");
    QTRY_VERIFY(driver_.item("practiceResetCancelButton"));
    tap("practiceResetCancelButton");
    QTRY_VERIFY(driver_.item("practiceResetCancelButton") == nullptr);
    QVERIFY(storedSchedule().state(Card{QuestionKind::sin, "30"}).has_value());

    tap("practiceResetButton");
    QTRY_VERIFY(driver_.item("practiceResetConfirmButton"));
    tap("practiceResetConfirmButton");
    QTRY_VERIFY(driver_.item("practiceResetConfirmButton") == nullptr);
    QTRY_VERIFY(!driver_.read("practiceResetDialog", "visible").toBool());
    QTRY_VERIFY(!storedSchedule().state(Card{QuestionKind::sin, "30"}).has_value());
    QCOMPARE(masteryOf(30), QStringLiteral("new"));
    QCOMPARE(driver_.read("practiceMapStreak", "text").toString(), QStringLiteral("Days in a row: 0"));
  }

  // A wrong answer opens the angle's worked solution on fresh pages, calculated once.
  void aWrongAnswerOpensTheAnglesSolution() {
    controller()->practiseCards({"cos:60"});
    tapKeys({"2"});
    tap("practiceKey_check");
    QCOMPARE(controller()->solutionAngle(), QStringLiteral("60"));
    uc::CalcManager& store = uc::CalcManager::shared();
    const int before = store.count();
    tap("practiceShowSolutionButton");
    QTRY_COMPARE(store.count(), before + 1);
    QTRY_VERIFY(driver_.item("pageTabBarController") != nullptr);
    QObject* tabs = qvariant_cast<QObject*>(driver_.item("pageTabBarController")->property("controller"));
    QTRY_COMPARE(tabs->property("currentIndex").toInt(), 1);
    QCOMPARE(driver_.read("alphaTextField", "text").toString(), QStringLiteral("60"));
    QTest::qWait(50);
    QCOMPARE(store.count(), before + 1);
    uc::Navigation::shared().goToPractice();
    QTRY_VERIFY(controller() != nullptr);
  }

  // At twice the text size the formula wraps under the prompt and stays inside the question,
  // above the answer field.
  void theQuestionKeepsItsFormulaAtTwiceTheTextSize() {
    controller()->practiseCards({"degreesToRadians:135"});
    uc::TextScale::shared().setPercent(200);
    QTRY_VERIFY(driver_.item("practiceQuestionFormula"));
    const auto box = [this](const char* name) {
      QQuickItem* found = driver_.item(name);
      return found ? found->mapRectToScene(QRectF(0, 0, found->width(), found->height())) : QRectF();
    };
    QTRY_VERIFY(box("practiceQuestion").contains(box("practiceQuestionFormula")));
    QVERIFY(box("practiceQuestionFormula").bottom() <= box("practiceAnswerField").top());
    uc::TextScale::shared().setPercent(100);
    controller()->showMap();
  }

  // Tapping an angle asks its cards only.
  void anAngleOnTheMapPractisesIt() {
    tap("masteryAngle_45");
    PracticeViewController* practice = controller();
    QCOMPARE(practice->stage(), PracticeViewController::Asking);
    QVERIFY(practice->sessionLength() >= 6);
    QVERIFY(accessibleName("practiceQuestion").contains(QStringLiteral("45")) ||
            accessibleName("practiceQuestion").contains(QStringLiteral("pi")));
  }

 private:
  QString settings_;
  QQmlApplicationEngine engine_;
  QQuickWindow* window_ = nullptr;
  WindowDriver driver_;
  std::shared_ptr<uc::RecordingAnalyticsSink> recorder_;
};

int main(int argc, char* argv[]) { return runWindowTest<TestPracticeView>(argc, argv); }

#include "tst_practice_view.moc"
