#include <QAccessible>
#include <QDir>
#include <QFile>
#include <QJsonValue>
#include <QQmlApplicationEngine>
#include <QQmlContext>
#include <QQmlProperty>
#include <QQuickItem>
#include <QQuickWindow>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <chrono>
#include <cmath>
#include <memory>

#include "core/practice/repetition_schedule.h"
#include "flow/calc_manager.h"
#include "flow/error_manager.h"
#include "flow/user_defaults.h"
#include "i18n/translations.h"
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

// A schedule with sin 30° answered right today.
QString answeredSchedule() {
  uc::practice::RepetitionSchedule schedule([] { return kToday; });
  schedule.record(Card{QuestionKind::sin, "30"}, true);
  return QString::fromStdString(schedule.toJson());
}

QByteArray readAll(const QString& path) {
  QFile file(path);
  return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

}  // namespace

// The practice screen in the app's window, answered with the keypad and a keyboard.
class TestPracticeView : public QObject {
  Q_OBJECT

 public:
  explicit TestPracticeView(const QString& settings) : settings_(settings) {}

 private:
  void tap(const char* name) { QVERIFY2(driver_.tap(name), name); }
  // Below the fold on a phone: focused first, which scrolls it into view.
  void tapInView(const char* name) {
    QQuickItem* found = driver_.item(name);
    QVERIFY2(found, name);
    found->forceActiveFocus();
    QTRY_VERIFY2(QRectF(0, 0, window_->width(), window_->height()).contains(box(name)), name);
    tap(name);
  }
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

  QRectF box(const char* name) const {
    QQuickItem* found = driver_.item(name);
    return found ? found->mapRectToScene(QRectF(0, 0, found->width(), found->height())) : QRectF();
  }

  // The texts on screen that lost their end to an ellipsis, and the practice buttons wider than
  // the window.
  QStringList cutTexts() const {
    QStringList cut;
    QList<QQuickItem*> stack{window_->contentItem()};
    while (!stack.isEmpty()) {
      QQuickItem* next = stack.takeLast();
      if (!next->isVisible() || next->opacity() == 0) continue;
      if (next->inherits("QQuickText") && next->property("truncated").toBool()) {
        cut << next->property("text").toString();
      }
      if (next->objectName().startsWith("practice") && next->objectName().endsWith("Button") &&
          next->mapRectToScene(QRectF(0, 0, next->width(), 1)).right() > window_->width()) {
        cut << next->objectName();
      }
      stack << next->childItems();
    }
    return cut;
  }

  QString focusedName() const {
    return window_->activeFocusItem() ? window_->activeFocusItem()->objectName() : QString();
  }

  // Tab (or Shift+Tab) until the named item has the keys, and shows it.
  bool tabTo(const char* name, bool backward = false) {
    for (int step = 0; step < 80 && focusedName() != QLatin1String(name); ++step) {
      if (backward) {
        QTest::keyClick(window_, Qt::Key_Backtab, Qt::ShiftModifier);
      } else {
        QTest::keyClick(window_, Qt::Key_Tab);
      }
    }
    QQuickItem* focused = window_->activeFocusItem();
    if (!focused || focused->objectName() != QLatin1String(name)) return false;
    const QVariant visualFocus = focused->property("visualFocus");
    return visualFocus.isValid()
               ? visualFocus.toBool()
               : QQmlProperty::read(focused, QStringLiteral("border.width")).toDouble() > 0;
  }

  void press(Qt::Key key) { QTest::keyClick(window_, key); }

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
    // Laid out: the level choice under Start, which stays in sight.
    QTRY_VERIFY(box("practiceLevel_1").top() >= box("practiceStartButton").bottom());
    QVERIFY(box("practiceStartButton").bottom() <= window_->height());
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
    QVERIFY(accessibleName("practiceQuestion").startsWith(QStringLiteral("Give cosine of alpha exactly for alpha equals ")));
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
    QVERIFY(accessibleName("practiceQuestion").startsWith(QStringLiteral("Give cosine of alpha exactly for alpha equals ")));
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

  // Screen readers hear the question, the answer and the right answer as words, not as LaTeX,
  // level 2's radicals with their brackets.
  void theQuestionAndTheRightAnswerAreReadAsWords() {
    PracticeViewController* practice = controller();
    practice->practiseCards({"sin:30", "inverseCos:\\frac{\\sqrt{6}-\\sqrt{2}}{4}"});
    const QString sine = accessibleName("practiceQuestion");
    QVERIFY2(sine == "Give sine of alpha exactly for alpha equals 30 degrees" ||
                 sine == "Give sine of alpha exactly for alpha equals pi over 6",
             qPrintable(sine));
    typeOnKeyboard("1/2");
    press(Qt::Key_Return);
    QCOMPARE(accessibleName("practiceQuestion"),
             QStringLiteral("Every alpha from 0 to under 360 degrees with cosine of alpha equals open "
                            "bracket square root of 6 minus square root of 2 close bracket over 4"));
    tapKeys({"("});
    typeOnKeyboard("r6");
    tapKeys({"+"});
    typeOnKeyboard("r2");
    tapKeys({")", "/", "4"});
    QCOMPARE(accessibleName("practiceAnswerField"),
             QStringLiteral("Answer: open bracket square root of 6 plus square root of 2 close "
                            "bracket over 4"));
    practice->deleteBackward();
    for (int i = 0; i < 9; ++i) practice->deleteBackward();
    typeOnKeyboard("0d");
    press(Qt::Key_Return);
    QCOMPARE(practice->stage(), PracticeViewController::ShowingAnswer);
    const QString right = accessibleName("practiceRightAnswerSpoken");
    QVERIFY2(right == "75 degrees and 285 degrees" || right == "5 pi over 12 and 19 pi over 12",
             qPrintable(right));

    // Quadrants by their numbers, not as letters.
    practice->practiseCards({"quadrant:150"});
    QCOMPARE(accessibleName("practiceChoice_II"), QStringLiteral("quadrant 2"));
    practice->chooseAnswer("IV");
    QCOMPARE(accessibleName("practiceAnswerField"), QStringLiteral("Answer: quadrant 4"));
    practice->showMap();
  }

  // Map, level, reset with its question, Start, a choice, Check, the feedback's buttons and the
  // summary's, with the keyboard alone; every stop shows its focus.
  void theWholeRoundGoesByKeys() {
    PracticeViewController* practice = controller();
    QCOMPARE(practice->level(), 1);
    practice->practiseCards({"sin:30"});
    typeOnKeyboard("1/2");
    press(Qt::Key_Enter);
    QCOMPARE(practice->stage(), PracticeViewController::Finished);
    press(Qt::Key_Escape);
    QCOMPARE(practice->stage(), PracticeViewController::Map);

    QVERIFY(tabTo("masteryAngle_90"));
    press(Qt::Key_Space);
    QCOMPARE(practice->stage(), PracticeViewController::Asking);
    QCOMPARE(practice->solutionAngle(), QStringLiteral("90"));
    press(Qt::Key_Escape);
    QCOMPARE(practice->stage(), PracticeViewController::Map);

    QVERIFY(tabTo("practiceLevel_2"));
    press(Qt::Key_Space);
    QCOMPARE(practice->level(), 2);
    QVERIFY(tabTo("practiceLevel_1", true));
    press(Qt::Key_Space);
    QCOMPARE(practice->level(), 1);

    // Escape keeps the progress; the confirmation forgets it.
    QVERIFY(tabTo("practiceResetButton"));
    press(Qt::Key_Return);
    QTRY_COMPARE(focusedName(), QStringLiteral("practiceResetCancelButton"));
    press(Qt::Key_Escape);
    QTRY_VERIFY(!driver_.read("practiceResetDialog", "visible").toBool());
    QVERIFY(storedSchedule().state(Card{QuestionKind::sin, "30"}).has_value());
    QVERIFY(tabTo("practiceResetButton"));
    press(Qt::Key_Return);
    QTRY_COMPARE(focusedName(), QStringLiteral("practiceResetCancelButton"));
    QVERIFY(tabTo("practiceResetConfirmButton"));
    press(Qt::Key_Return);
    QTRY_VERIFY(!driver_.read("practiceResetDialog", "visible").toBool());
    QVERIFY(!storedSchedule().state(Card{QuestionKind::sin, "30"}).has_value());

    QVERIFY(tabTo("practiceStartButton"));
    press(Qt::Key_Return);
    QCOMPARE(practice->sessionLength(), 10);
    press(Qt::Key_Escape);

    practice->practiseCards({"tan:90", "sin:30"});
    QVERIFY(tabTo("practiceChoice_undefined"));
    press(Qt::Key_Space);
    QCOMPARE(practice->answerText(), QStringLiteral("undefined"));
    press(Qt::Key_Return);
    QCOMPARE(practice->questionNumber(), 2);
    typeOnKeyboard("2");
    press(Qt::Key_Return);
    QCOMPARE(practice->stage(), PracticeViewController::ShowingAnswer);
    QVERIFY(tabTo("practiceShowSolutionButton"));
    QVERIFY(tabTo("practiceContinueButton", true));
    press(Qt::Key_Return);
    QCOMPARE(practice->stage(), PracticeViewController::Asking);
    typeOnKeyboard("1/2");
    press(Qt::Key_Return);
    QCOMPARE(practice->stage(), PracticeViewController::Finished);
    QVERIFY(tabTo("practiceAgainButton"));
    QVERIFY(tabTo("practiceDoneButton"));
    press(Qt::Key_Return);
    QCOMPARE(practice->stage(), PracticeViewController::Map);
  }

  // Keys sent as a keyboard sends them: words spell signs and choices, the comma follows the
  // language, and a right answer is shown and said as an alert.
  void aKeyboardTypesWhatTheLearnerMeans() {
    PracticeViewController* practice = controller();
    practice->practiseCards({"tan:90", "sin:60", "sin:30"});
    typeOnKeyboard("undefined");
    QCOMPARE(practice->answerText(), QStringLiteral("undefined"));
    press(Qt::Key_Return);
    QCOMPARE(practice->questionNumber(), 2);
    QTRY_VERIFY(driver_.read("practiceRightNote", "visible").toBool());
    QCOMPARE(driver_.read("practiceRightNote", "text").toString(), QStringLiteral("Right"));
    QQuickItem* note = driver_.item("practiceRightNote");
    QCOMPARE(QQmlProperty::read(note, QStringLiteral("Accessible.role"), qmlContext(note)).toInt(),
             int(QAccessible::AlertMessage));
    QCOMPARE(accessibleName("practiceRightNote"), QStringLiteral("Right"));

    typeOnKeyboard("sqrt3/2");
    QCOMPARE(practice->answerText(), QStringLiteral("√3/2"));
    QVERIFY(!driver_.read("practiceRightNote", "visible").toBool());
    press(Qt::Key_Return);
    QCOMPARE(practice->questionNumber(), 3);

    const QLocale before;
    QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
    typeOnKeyboard("0,5");
    QLocale::setDefault(before);
    QCOMPARE(practice->answerText(), QStringLiteral("0.5"));
    press(Qt::Key_Return);
    QCOMPARE(practice->stage(), PracticeViewController::Finished);
  }

  // In German at twice the text size on the phone no practice text loses a word: not on the
  // map, the reset question, the choices, a wrong answer's feedback or the summary.
  void everyGermanTextFitsAtTwiceTheSize() {
    QVERIFY(uc::i18n::installTranslations("de"));
    engine_.retranslate();
    uc::TextScale::shared().setPercent(200);
    PracticeViewController* practice = controller();
    practice->showMap();
    QTRY_VERIFY(driver_.item("practiceResetButton"));
    QTest::qWait(50);
    QVERIFY2(cutTexts().isEmpty(), qPrintable(cutTexts().join(" | ")));
    QMetaObject::invokeMethod(driver_.item("practiceResetDialog"), "open");
    QTRY_VERIFY(driver_.item("practiceResetCancelButton"));
    QTest::qWait(300);
    QVERIFY2(cutTexts().isEmpty(), qPrintable(cutTexts().join(" | ")));
    QMetaObject::invokeMethod(driver_.item("practiceResetDialog"), "reject");
    QTRY_VERIFY(driver_.item("practiceResetCancelButton") == nullptr);

    practice->practiseCards({"quadrant:150", "inverseSin:2", "cos:60"});
    for (int step = 0; step < 20 && practice->stage() != PracticeViewController::Finished; ++step) {
      QTest::qWait(20);
      QVERIFY2(cutTexts().isEmpty(), qPrintable(cutTexts().join(" | ")));
      if (practice->stage() == PracticeViewController::ShowingAnswer) {
        practice->continueAfterAnswer();
      } else {
        // Wrong every time, so that the feedback shows too.
        if (practice->choices().size() == 4) {
          practice->chooseAnswer("IV");
        } else {
          practice->typeKey("0");
          if (practice->solutionAngle().isEmpty()) practice->typeKey("°");
        }
        practice->check();
      }
    }
    QCOMPARE(practice->stage(), PracticeViewController::Finished);
    QTest::qWait(20);
    QVERIFY2(cutTexts().isEmpty(), qPrintable(cutTexts().join(" | ")));

    uc::TextScale::shared().setPercent(100);
    QVERIFY(uc::i18n::installTranslations("en"));
    engine_.retranslate();
    practice->showMap();
  }

  // Level 2 puts its 40 points on the phone's map apart and inside it; the level is kept, and
  // level 3's points stand for their angles one turn either side too.
  void theChosenLevelDecidesTheMapAndIsRemembered() {
    controller()->showMap();
    QTRY_VERIFY(box("practiceLevel_1").top() >= box("practiceStartButton").bottom());
    QCOMPARE(controller()->level(), 1);
    QVERIFY(driver_.item("masteryAngle_18") == nullptr);
    tapInView("practiceLevel_2");
    QCOMPARE(controller()->level(), 2);
    QCOMPARE(uc::UserDefaults(settings_).intValue(PracticeViewController::kLevelKey), 2);
    QCOMPARE(PracticeViewController().level(), 2);
    QTRY_VERIFY(driver_.item("masteryAngle_18"));

    QList<QRectF> points;
    for (const QVariant& angle : controller()->masteryAngles()) {
      const QByteArray name = "masteryAngle_" + angle.toMap().value("degrees").toByteArray();
      const QRectF point = box(name.constData());
      QVERIFY2(point.width() >= 24, name.constData());
      QVERIFY2(box("masteryMap").contains(point), name.constData());
      // Round dots: apart when their centres are further apart than their radii.
      for (const QRectF& other : points) {
        const QPointF between = other.center() - point.center();
        QVERIFY2(std::hypot(between.x(), between.y()) >= (other.width() + point.width()) / 2,
                 name.constData());
      }
      points << point;
    }
    QCOMPARE(points.size(), 40);

    tap("masteryAngle_18");
    QCOMPARE(controller()->stage(), PracticeViewController::Asking);
    QCOMPARE(controller()->solutionAngle(), QStringLiteral("18"));

    controller()->showMap();
    tapInView("practiceLevel_3");
    QVERIFY(accessibleName("masteryAngle_30").startsWith(QStringLiteral("30 degrees and one turn either side, ")));
    controller()->practiseAngle(30);
    const int threeTurns = controller()->sessionLength();
    controller()->showMap();
    // A damaged or hand-edited level is clamped.
    controller()->setLevel(9);
    QCOMPARE(controller()->level(), 3);
    tapInView("practiceLevel_1");
    controller()->practiseAngle(30);
    // Three turns' cards, but no longer a session than "Start" gives.
    QCOMPARE(threeTurns, uc::practice::PracticeSession::kDefaultLength);
    QVERIFY(controller()->sessionLength() < threeTurns);
    controller()->showMap();
  }

  // A stored schedule that cannot be read: practice starts afresh, the damaged text moves to
  // the side file, and the learner is told once however often the schedule is read again.
  void anUnreadableScheduleIsSetAsideAndToldOnce_data() {
    QTest::addColumn<QJsonValue>("damaged");
    QTest::addColumn<QByteArray>("kept");
    const QByteArray cut = R"({"version": 1, "cards": [{"card": "sin:30", "box")";
    const QByteArray mistyped = R"({"version": "1", "cards": {}, "answerDays": 7})";
    const QByteArray boxTooHigh =
        R"({"version": 1, "cards": [{"card": "sin:30", "box": 9, "due": 0, "answered": 0}],)"
        R"( "answerDays": []})";
    const QByteArray unclosed(200000, '[');
    const QByteArray closed = unclosed + QByteArray(200000, ']');
    QTest::newRow("invalid JSON") << QJsonValue(QString::fromLatin1(cut)) << cut;
    QTest::newRow("wrong types") << QJsonValue(QString::fromLatin1(mistyped)) << mistyped;
    QTest::newRow("box out of range") << QJsonValue(QString::fromLatin1(boxTooHigh)) << boxTooHigh;
    QTest::newRow("a number") << QJsonValue(42) << QByteArray("42");
    QTest::newRow("deep nesting, unclosed")
        << QJsonValue(QString::fromLatin1(unclosed)) << unclosed;
    QTest::newRow("deep nesting, closed") << QJsonValue(QString::fromLatin1(closed)) << closed;
  }
  void anUnreadableScheduleIsSetAsideAndToldOnce() {
    QFETCH(QJsonValue, damaged);
    QFETCH(QByteArray, kept);
    QTemporaryDir dir;
    const QString path = dir.filePath("store.db");
    uc::UserDefaults store(path);
    QVERIFY(store.setValue(PracticeViewController::kScheduleKey, answeredSchedule()));
    PracticeViewController practice;
    practice.setUserDefaults(&store);
    QVERIFY(practice.schedule().state(Card{QuestionKind::sin, "30"}).has_value());

    QCoreApplication::processEvents();
    QSignalSpy alerts(&uc::ErrorManager::shared(), &uc::ErrorManager::alertRequested);
    QVERIFY(store.setValue(PracticeViewController::kScheduleKey, damaged));
    practice.setUserDefaults(&store);
    QVERIFY(practice.schedule().records().empty());
    QCOMPARE(practice.dayStreak(), 0);

    QVERIFY(!store.contains(PracticeViewController::kScheduleKey));
    QVERIFY(!uc::UserDefaults(path).contains(PracticeViewController::kScheduleKey));
    const QByteArray side = readAll(store.unreadableFilePath());
    QVERIFY(side.contains(kept));
    QVERIFY(side.contains(PracticeViewController::kScheduleKey));

    // Read again by this screen and by a new one: nothing more to tell.
    practice.setUserDefaults(&store);
    PracticeViewController another;
    another.setUserDefaults(&store);
    QCoreApplication::processEvents();
    QCOMPARE(alerts.size(), 1);
    QCOMPARE(alerts.first().at(1).toString(),
             uc::ErrorManager::practiceResetPresentation("store.db.unreadable").message);
    while (uc::ViewManager::shared().alertVisible()) uc::ViewManager::shared().dismissAlert();
  }

  // A side file that cannot be written leaves the damaged value in the store: the learner is
  // told once that practice starts afresh, with no file named, and not again on every read.
  void anUnreadableScheduleThatCannotBeSetAsideIsToldOnce() {
    QTemporaryDir dir;
    uc::UserDefaults store(dir.filePath("store.db"));
    QVERIFY(QDir().mkdir(store.unreadableFilePath()));
    QVERIFY(store.setValue(PracticeViewController::kScheduleKey, QStringLiteral("{")));
    QCoreApplication::processEvents();
    QSignalSpy alerts(&uc::ErrorManager::shared(), &uc::ErrorManager::alertRequested);

    PracticeViewController practice;
    practice.setUserDefaults(&store);
    practice.setUserDefaults(&store);
    PracticeViewController another;
    another.setUserDefaults(&store);
    QCoreApplication::processEvents();
    QCOMPARE(alerts.size(), 1);
    QCOMPARE(alerts.first().at(1).toString(),
             uc::ErrorManager::practiceResetPresentation({}).message);
    QCOMPARE(store.stringValue(PracticeViewController::kScheduleKey), QStringLiteral("{"));
    QVERIFY(practice.schedule().records().empty());
    while (uc::ViewManager::shared().alertVisible()) uc::ViewManager::shared().dismissAlert();

    // Another damaged value in its place is news.
    QVERIFY(store.setValue(PracticeViewController::kScheduleKey, QStringLiteral("[")));
    practice.setUserDefaults(&store);
    QCoreApplication::processEvents();
    QCOMPARE(alerts.size(), 2);
    while (uc::ViewManager::shared().alertVisible()) uc::ViewManager::shared().dismissAlert();
  }

  // A readable schedule, or none yet, is nothing to tell of and stays where it is.
  void aReadableOrAbsentScheduleTellsNothing_data() {
    QTest::addColumn<QString>("stored");
    QTest::newRow("answered") << answeredSchedule();
    QTest::newRow("absent") << QString();
  }
  void aReadableOrAbsentScheduleTellsNothing() {
    QFETCH(QString, stored);
    QTemporaryDir dir;
    uc::UserDefaults store(dir.filePath("store.db"));
    if (!stored.isNull()) QVERIFY(store.setValue(PracticeViewController::kScheduleKey, stored));
    QCoreApplication::processEvents();
    QSignalSpy alerts(&uc::ErrorManager::shared(), &uc::ErrorManager::alertRequested);

    PracticeViewController practice;
    practice.setUserDefaults(&store);
    QCoreApplication::processEvents();
    QCOMPARE(alerts.size(), 0);
    QCOMPARE(practice.schedule().state(Card{QuestionKind::sin, "30"}).has_value(),
             !stored.isNull());
    QCOMPARE(store.contains(PracticeViewController::kScheduleKey), !stored.isNull());
    QVERIFY(!QFile::exists(store.unreadableFilePath()));
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
