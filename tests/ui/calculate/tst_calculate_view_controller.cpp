#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <memory>

#include "flow/calc_manager.h"
#include "flow/error_manager.h"
#include "flow/user_defaults.h"
#include "i18n/translations.h"
#include "services/analytics.h"
#include "ui/calculate/calculate_view_controller.h"
#include "ui/pages/app_page_tab_bar_controller.h"
#include "ui/shell/app_state.h"
#include "ui/solution/solution_view_controller.h"

using uc::CalcManager;
using uc::CalculateViewController;
using uc::Calculation;
using uc::InputFieldState;
using uc::UserDefaults;
using Field = uc::CalculateViewController::Field;

namespace {

// The two main pages over a store in a file, as one start of the app builds them.
struct Screens {
  explicit Screens(const QString& path) : defaults(path), store(defaults) {
    calculate.setCalcManager(&store);
    tabs.setCalculateViewController(&calculate);
    tabs.setSolutionViewController(&solution);
    calculate.viewDidLoad();
  }

  // Types keys into the field being edited, the caret where it is.
  void type(const QStringList& keys) {
    for (const QString& key : keys) calculate.tappedKeypadButtonWithValue(key);
  }

  UserDefaults defaults;
  CalcManager store;
  CalculateViewController calculate;
  uc::SolutionViewController solution;
  uc::AppPageTabBarController tabs;
};

Calculation withInputs(const QMap<QString, QString>& inputs) {
  Calculation calculation;
  calculation.inputParameters = inputs;
  return calculation;
}

}  // namespace

class TestCalculateViewController : public QObject {
  Q_OBJECT

 private slots:
  void initTestCase() { uc::i18n::installTranslations(QStringLiteral("en")); }

  void init() {
    QVERIFY(dir_.isValid());
    path_ = dir_.filePath(QStringLiteral("settings-%1.jsonl").arg(++run_));
    recorder_ = std::make_shared<uc::RecordingAnalyticsSink>();
    uc::Analytics::setSink(recorder_);
  }

  void keypadEditsFollowTheCaretAndSelection() {
    Screens screens(path_);
    CalculateViewController& c = screens.calculate;
    QCOMPARE(c.currentField(), CalculateViewController::AlphaField);
    QSignalSpy carets(&c, &CalculateViewController::caretMoved);

    screens.type({"1", "2"});
    screens.type({"-"});
    QCOMPARE(c.text(Field::AlphaField), QStringLiteral("-12"));
    QCOMPARE(carets.last().at(1).toInt(), 3);
    screens.type({"-"});
    QCOMPARE(c.text(Field::AlphaField), QStringLiteral("12"));
    QCOMPARE(carets.last().at(1).toInt(), 2);

    c.tappedDeleteButton();
    c.tappedDeleteButton();
    screens.type({"1", "2", "3", "4"});
    c.setSelection(Field::AlphaField, 3, 1);  // a selection made backwards
    screens.type({"5"});
    QCOMPARE(c.text(Field::AlphaField), QStringLiteral("154"));
    QCOMPARE(c.selectionStart(Field::AlphaField), 2);
    QCOMPARE(c.selectionEnd(Field::AlphaField), 2);

    c.setSelection(Field::AlphaField, 0, 0);
    c.tappedDeleteButton();
    QCOMPARE(c.text(Field::AlphaField), QStringLiteral("154"));
    c.setSelection(Field::AlphaField, 1, 2);
    c.tappedDeleteButton();
    QCOMPARE(c.text(Field::AlphaField), QStringLiteral("14"));
    QCOMPARE(carets.last().at(1).toInt(), 1);

    // The Delete key of a keyboard removes forwards; at the end it does nothing.
    c.deleteForward();
    QCOMPARE(c.text(Field::AlphaField), QStringLiteral("1"));
    c.deleteForward();
    QCOMPARE(c.text(Field::AlphaField), QStringLiteral("1"));
  }

  // Constants enter the angle with their value, so π types into α as into b.
  void piKeyTypesIntoTheAngleToo() {
    Screens screens(path_);
    CalculateViewController& c = screens.calculate;
    screens.type({"2", "π"});
    QCOMPARE(c.text(Field::AlphaField), QStringLiteral("2π"));
  }

  void fillingOneFieldDisablesTheOther() {
    Screens screens(path_);
    CalculateViewController& c = screens.calculate;
    screens.type({"7"});
    QVERIFY(c.alphaField()->enabled());
    QVERIFY(!c.bField()->enabled());
    c.focusNextField();  // Tab cannot reach a disabled field
    QCOMPARE(c.currentField(), CalculateViewController::AlphaField);

    c.tappedDeleteButton();
    QVERIFY(c.bField()->enabled());
    c.focusNextField();
    QCOMPARE(c.currentField(), CalculateViewController::BField);
  }

  void badInputShowsItsMessageAndStoresNothing() {
    Screens screens(path_);
    CalculateViewController& c = screens.calculate;
    QSignalSpy toasts(&uc::ErrorManager::shared(), &uc::ErrorManager::toastRequested);
    const int stored = screens.store.count();
    screens.type({"5", "/"});

    QVERIFY(!c.calculate());
    QCOMPARE(toasts.count(), 1);
    const QString message = toasts.first().first().toString();
    QVERIFY2(!message.isEmpty() && message != QLatin1String("fractionIncomplete"),
             qPrintable(message));
    QCOMPARE(c.alphaField()->border(), InputFieldState::Error);
    QCOMPARE(screens.store.count(), stored);
    QCOMPARE(screens.tabs.currentIndex(), 0);
    QVERIFY(!screens.tabs.resultEnabled());
    QVERIFY(!uc::AppState::shared().isCalculating());
    QCOMPARE(recorder_->count("tiro_calculate"), 0);
    QCOMPARE(c.text(Field::AlphaField), QStringLiteral("5/"));  // the typed text stays

    // Nothing typed: both fields are marked as missing, the next try clears the marks.
    c.tappedDeleteButton();
    c.tappedDeleteButton();
    QVERIFY(!c.calculate());
    QCOMPARE(c.bField()->border(), InputFieldState::Warning);
    screens.type({"1"});
    QVERIFY(c.calculate());
    QCOMPARE(c.bField()->border(), InputFieldState::Normal);
  }

  void goodInputShowsTheResultAndAddsOneRecord() {
    Screens screens(path_);
    CalculateViewController& c = screens.calculate;
    const int stored = screens.store.count();
    c.textFieldShouldBeginEditing(Field::BField);
    screens.type({"π", "/", "4"});

    QVERIFY(c.calculate());
    QCOMPARE(screens.store.count(), stored + 1);
    const Calculation newest = screens.store.calculationAt(0);
    QCOMPARE(newest.inputParameters, (QMap<QString, QString>{{"b", "π/4"}}));
    QCOMPARE(newest.latexString, QStringLiteral("\\alpha = ?^{\\circ} \\quad b = \\frac{\\pi}{4}"));
    QCOMPARE(newest.setupParameter.value("appKey").toString(), QStringLiteral("KV"));

    QCOMPARE(screens.tabs.currentIndex(), 1);
    QVERIFY(screens.tabs.resultEnabled());
    QCOMPARE(screens.solution.stepCount(), 23);  // the input step and 22 numbered steps
    QCOMPARE(recorder_->count("tiro_calculate"), 1);
    QCOMPARE(recorder_->events().last().params.value("solutionStepsCount").toInt(), 23);

    // A second run numbers from 1 again.
    QVERIFY(c.calculate());
    QCOMPARE(screens.solution.solutionSteps().at(1).value("title").toString().left(6),
             QStringLiteral("Step 1"));
  }

  // The card shows b as it was typed, not as worked back from α.
  void theCardShowsATypedArcAsTyped() {
    Screens screens(path_);
    screens.calculate.textFieldShouldBeginEditing(Field::BField);
    screens.type({"2"});
    QVERIFY(screens.calculate.calculate());
    QCOMPARE(screens.solution.exactValuesLatex().at(0),
             QStringLiteral("\\alpha \\approx 114.5916^{\\circ} \\quad b = 2"));
  }

  void inputsSurviveARestart() {
    {
      Screens first(path_);
      first.calculate.textFieldShouldBeginEditing(Field::BField);
      first.type({"3", "π", "/", "4"});
      first.calculate.viewWillDisappear();
    }
    Screens second(path_);
    QCOMPARE(second.calculate.text(Field::BField), QStringLiteral("3π/4"));
    QCOMPARE(second.calculate.text(Field::AlphaField), QString());
    QVERIFY(!second.calculate.alphaField()->enabled());
    QCOMPARE(second.calculate.currentField(), CalculateViewController::BField);
    QCOMPARE(second.calculate.selectionStart(Field::BField), 4);  // caret after the text
  }

  void aSelectedHistoryEntryWinsAndIsConsumed() {
    {
      UserDefaults defaults(path_);
      CalcManager store(defaults);
      store.setCurrentCalculation(withInputs({{"b", "1"}}));
      store.setCurrentSelectedCalculation(withInputs({{"α", "30"}}));
    }
    {
      Screens screens(path_);
      QCOMPARE(screens.calculate.text(Field::AlphaField), QStringLiteral("30"));
      QCOMPARE(screens.calculate.text(Field::BField), QString());
      QVERIFY(!screens.store.currentSelectedCalculation());
    }
    Screens restarted(path_);
    QCOMPARE(restarted.calculate.text(Field::AlphaField),
             QString());  // the selection is gone; the unchanged current input is used
    QCOMPARE(restarted.calculate.text(Field::BField), QStringLiteral("1"));
  }

  void clearAllEmptiesEverything() {
    Screens screens(path_);
    CalculateViewController& c = screens.calculate;
    screens.type({"4", "5"});
    QVERIFY(c.calculate());
    const int stored = screens.store.count();
    screens.store.setCurrentSelectedCalculation(withInputs({{"α", "1"}}));
    c.viewWillDisappear();

    c.handleClearAllButton();
    QCOMPARE(c.text(Field::AlphaField), QString());
    QVERIFY(c.bField()->enabled());
    QVERIFY(!screens.solution.hasSteps());
    QCOMPARE(screens.tabs.currentIndex(), 0);
    QVERIFY(!screens.tabs.resultEnabled());
    QVERIFY(!screens.store.currentCalculation());
    QVERIFY(!screens.store.currentSelectedCalculation());
    QCOMPARE(recorder_->count("tapped_clear"), 1);
    QCOMPARE(screens.store.count(), stored);  // the history stays

    // Without a page tab bar the result page hears of it through the notification.
    uc::SolutionViewController detached;
    detached.showSolution({{{"title", "t"}, {"latexString", "x"}}}, {}, {}, std::nullopt, 100);
    CalculateViewController alone;
    alone.setCalcManager(&screens.store);
    alone.handleClearAllButton();
    QVERIFY(!detached.hasSteps());
  }

  void aDecimalNearAFractionOfPiGetsTheHint() {
    Screens screens(path_);
    CalculateViewController& c = screens.calculate;
    c.textFieldShouldBeginEditing(Field::BField);
    screens.type({"1", ".", "5", "7", "0", "7", "9", "6", "3", "2", "6", "8"});
    c.tappedCalculateButton();
    QVERIFY(screens.solution.hasSteps());
    QCOMPARE(screens.solution.piHintInput(), QStringLiteral("π/2"));

    c.handleClearAllButton();
    c.textFieldShouldBeginEditing(Field::BField);
    screens.type({"π", "/", "2"});  // typed with π: nothing to hint
    c.tappedCalculateButton();
    QVERIFY(screens.solution.hasSteps());
    QVERIFY(screens.solution.piHintInput().isEmpty());
  }

  void nothingActsWhileCalculating() {
    Screens screens(path_);
    CalculateViewController& c = screens.calculate;
    screens.type({"4"});
    uc::AppState::shared().setCalculating(true);
    screens.type({"5"});
    c.tappedDeleteButton();
    c.tappedCalculateButton();
    c.handleClearAllButton();
    uc::AppState::shared().setCalculating(false);

    QCOMPARE(c.text(Field::AlphaField), QStringLiteral("4"));
    QVERIFY(!screens.solution.hasSteps());
    QCOMPARE(recorder_->count("tapped_clear"), 1);  // clear-all still logs its tap
  }

 private:
  QTemporaryDir dir_;
  QString path_;
  int run_ = 0;
  std::shared_ptr<uc::RecordingAnalyticsSink> recorder_;
};

QTEST_MAIN(TestCalculateViewController)
#include "tst_calculate_view_controller.moc"
