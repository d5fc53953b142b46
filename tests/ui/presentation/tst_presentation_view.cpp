#include <QQmlApplicationEngine>
#include <QQuickItem>
#include <QQuickWindow>
#include <QRegularExpression>
#include <QTest>
#include <memory>

#include "i18n/translations.h"
#include "services/analytics.h"
#include "ui/charts/step_highlight.h"
#include "ui/presentation/presentation_view_controller.h"
#include "ui/shell/app_state.h"
#include "ui/shell/navigation.h"
#include "ui/shell/view_manager.h"
#include "ui/solution/solution_view_controller.h"
#include "window_driver.h"
#include "window_test.h"

using uc::PresentationViewController;
using uc::SolutionViewController;
using uc::StepHighlight;

// The presentation in the app's window: opened from a solution of 135°, driven by the keys
// a clicker sends and by taps, and left again.
class TestPresentationView : public QObject {
  Q_OBJECT

 public:
  explicit TestPresentationView(const QString& settings) : settings_(settings) {}

 private:
  SolutionViewController* solution() const {
    QQuickItem* pages = driver_.item("pageTabBarController");
    auto* page = pages ? qvariant_cast<QObject*>(pages->property("solutionPage")) : nullptr;
    return page ? qobject_cast<SolutionViewController*>(
                      qvariant_cast<QObject*>(page->property("controller")))
                : nullptr;
  }

  PresentationViewController* presentation() const {
    QQuickItem* loader = driver_.item("presentationLoader");
    QObject* view = loader ? qvariant_cast<QObject*>(loader->property("item")) : nullptr;
    return view ? qobject_cast<PresentationViewController*>(
                      qvariant_cast<QObject*>(view->property("controller")))
                : nullptr;
  }

  bool presenting() const {
    return driver_.read("presentationLoader", "active").toBool() && presentation() &&
           presentation()->presenting();
  }

  // The title of the newest step on screen, which must be the solution's step `revealed`.
  QString newestTitle() const { return driver_.read("presentationNewestStep", "title").toString(); }

  QString solutionTitle(int step) const {
    return solution()->data(solution()->index(step), SolutionViewController::TitleRole).toString();
  }

  // What the solution page stresses on its circle for a tap on that step.
  int pageHighlight(int step) {
    SolutionViewController& page = *solution();
    page.tappedStep(step);
    const int highlight = page.chartHighlight();
    if (page.markedRow() >= 0) page.tappedStep(step);  // unmarked again
    return highlight;
  }

  void press(Qt::Key key) { QTest::keyClick(window_, key); }

  // Until the result page has slid in and come to rest: a tap on a button that still moves
  // lands beside it.
  bool presentButtonAtRest() {
    QQuickItem* button = driver_.item("presentButton");
    const QPointF now = button ? button->mapToScene({0, 0}) : QPointF(-1, -1);
    const bool rest =
        now == lastButtonPosition_ && now.x() >= 0 && now.x() + button->width() <= window_->width();
    lastButtonPosition_ = now;
    return rest;
  }

  void calculate135() {
    uc::Navigation::shared().calculateAngle(QStringLiteral("135"));
    QTRY_VERIFY(solution() && solution()->stepCount() > 10);
    QTRY_VERIFY(presentButtonAtRest());
  }

  void enterByButton() {
    QTRY_VERIFY(presentButtonAtRest());
    QVERIFY(driver_.tap("presentButton"));
    QTRY_VERIFY(presenting());
  }

 private slots:
  void initTestCase() {
    recorder_ = std::make_shared<uc::RecordingAnalyticsSink>();
    window_ = startRecordedWindow(settings_, engine_, recorder_);
    QVERIFY(window_);
    driver_.setWindow(window_);
    window_->resize(1280, 800);
    calculate135();
  }

  // Present opens the first step alone, full screen, with its count, and no warnings.
  void presentOpensTheFirstStepFullScreen() {
    QTest::failOnWarning(QRegularExpression("qrc:|qml|QML|Presentation"));
    QCOMPARE(window_->visibility(), QWindow::Windowed);
    enterByButton();
    QVERIFY(presentation());
    PresentationViewController& p = *presentation();
    QCOMPARE(p.stepCount(), solution()->stepCount());
    QCOMPARE(p.revealed(), 1);
    QCOMPARE(window_->visibility(), QWindow::FullScreen);
    QTRY_COMPARE(driver_.read("presentationCount", "text").toString(),
                 QStringLiteral("1 of %1 shown").arg(p.stepCount()));
    QTRY_COMPARE(newestTitle(), solutionTitle(0));
    QCOMPARE(driver_.read("presentationSteps", "count").toInt(), 1);
    QVERIFY(driver_.item("presentationCircle"));
    QVERIFY(driver_.item("presentationCloseButton"));
  }

  // Each key of a clicker or keyboard moves by the core's rule; the rows shown are the
  // solution's, in its order, the newest last.
  void keysRevealAndHideStepsInOrder() {
    QVERIFY(presenting());
    PresentationViewController& p = *presentation();
    const int count = p.stepCount();
    const struct {
      Qt::Key key;
      int revealed;
    } moves[] = {
        {Qt::Key_Space, 2},  {Qt::Key_PageDown, 3},  {Qt::Key_Right, 4},   {Qt::Key_Down, 5},
        {Qt::Key_Return, 6}, {Qt::Key_Enter, 7},     {Qt::Key_Left, 6},    {Qt::Key_Up, 5},
        {Qt::Key_PageUp, 4}, {Qt::Key_Backspace, 3}, {Qt::Key_End, count}, {Qt::Key_Space, count},
        {Qt::Key_Home, 1},   {Qt::Key_Left, 1},      {Qt::Key_A, 1},       {Qt::Key_F5, 1},
    };
    for (const auto& move : moves) {
      press(move.key);
      QCOMPARE(p.revealed(), move.revealed);
      QTRY_COMPARE(driver_.read("presentationSteps", "count").toInt(), move.revealed);
      QTRY_COMPARE(newestTitle(), solutionTitle(move.revealed - 1));
      QCOMPARE(p.countText(), QStringLiteral("%1 of %2 shown").arg(move.revealed).arg(count));
    }
    // Held with Ctrl, a key belongs to the window (the text size), not to the steps.
    QTest::keyClick(window_, Qt::Key_Right, Qt::ControlModifier);
    QCOMPARE(p.revealed(), 1);
    QVERIFY(presenting());
  }

  // The circle stresses what the newest step works out, as a tap on that step on the
  // solution page does, and the drawing follows.
  void theCircleFollowsTheNewestStep() {
    QVERIFY(presenting());
    PresentationViewController& p = *presentation();
    QQuickItem* circle = driver_.item("presentationCircle");
    QVERIFY(circle);
    bool sawSine = false;
    bool sawArc = false;
    for (int step = 1; step <= p.stepCount(); ++step) {
      if (step > 1) press(Qt::Key_Right);
      QCOMPARE(p.revealed(), step);
      QCOMPARE(p.chartHighlight(), pageHighlight(step - 1));
      QCOMPARE(circle->property("highlight").toInt(), p.chartHighlight());
      QVariant stressY;
      QMetaObject::invokeMethod(circle, "stress", Q_RETURN_ARG(QVariant, stressY),
                                Q_ARG(QVariant, QStringLiteral("y")), Q_ARG(QVariant, 0));
      if (p.chartHighlight() == int(StepHighlight::Sine)) {
        sawSine = true;
        QCOMPARE(stressY.toInt(), 1);
      }
      if (p.chartHighlight() == int(StepHighlight::Arc)) {
        sawArc = true;
        QCOMPARE(stressY.toInt(), -1);  // the projection fades while the arc is stressed
      }
      if (p.chartHighlight() == int(StepHighlight::None)) QCOMPARE(stressY.toInt(), 0);
    }
    QVERIFY(sawSine && sawArc);
    // The circle shows the end of the solution, not a turn still to run.
    QObject* drawing = qvariant_cast<QObject*>(circle->property("controller"));
    QVERIFY(drawing->property("projectionsVisible").toBool());
    QVERIFY(!drawing->property("isAnimationRunning").toBool());
  }

  // A tap on the page or on a step reveals the next one; the newest stays in sight.
  void aTapRevealsTheNextStep() {
    QVERIFY(presenting());
    PresentationViewController& p = *presentation();
    press(Qt::Key_Home);
    QTest::mouseClick(window_, Qt::LeftButton, {},
                      QPoint(window_->width() / 2, window_->height() - 5));
    QCOMPARE(p.revealed(), 2);
    QTRY_VERIFY(driver_.item("presentationNewestStep"));
    QVERIFY(driver_.tap("presentationNewestStep"));
    QCOMPARE(p.revealed(), 3);
    press(Qt::Key_End);
    QQuickItem* steps = driver_.item("presentationSteps");
    QTRY_VERIFY(driver_.item("presentationNewestStep"));
    QQuickItem* newest = driver_.item("presentationNewestStep");
    QTRY_VERIFY(newest->mapToItem(steps, QPointF(0, newest->height())).y() <= steps->height() + 1);
    QVERIFY(newest->mapToItem(steps, QPointF(0, 0)).y() >= -1);
  }

  // Side by side on a wide screen, the circle above the steps on a tall one.
  void theLayoutFollowsTheScreensShape() {
    QVERIFY(presenting());
    QQuickItem* view =
        qvariant_cast<QQuickItem*>(driver_.item("presentationLoader")->property("item"));
    const auto box = [&](const char* name) {
      QQuickItem* i = driver_.item(name);
      return i->mapRectToItem(view, QRectF(0, 0, i->width(), i->height()));
    };
    view->setSize(QSizeF(1600, 900));
    QTRY_VERIFY(box("presentationCircleBox").left() >= box("presentationSteps").right());
    view->setSize(QSizeF(900, 1600));
    QTRY_VERIFY(box("presentationCircleBox").bottom() <= box("presentationSteps").top());
    QVERIFY(box("presentationCircleBox").right() <= 900);
    view->setSize(window_->contentItem()->size());
  }

  // Escape leaves: the window as before, the focus on the button that started it.
  void escapeReturnsToTheSolutionPage() {
    press(Qt::Key_Escape);
    QTRY_VERIFY(!driver_.read("presentationLoader", "active").toBool());
    QCOMPARE(window_->visibility(), QWindow::Windowed);
    QTRY_COMPARE(window_->activeFocusItem(), driver_.item("presentButton"));
    // Enter on the focused button presents again; the close button leaves as Escape does.
    press(Qt::Key_Return);
    QTRY_VERIFY(presenting());
    QCOMPARE(presentation()->revealed(), 1);
    QVERIFY(driver_.tap("presentationCloseButton"));
    QTRY_VERIFY(!driver_.read("presentationLoader", "active").toBool());
    QCOMPARE(window_->visibility(), QWindow::Windowed);
    QTRY_COMPARE(window_->activeFocusItem(), driver_.item("presentButton"));
  }

  // F5 presents from anywhere on the solution page.
  void f5Presents() {
    QQuickItem* table = driver_.item("solutionTable");
    table->forceActiveFocus();
    press(Qt::Key_F5);
    QTRY_VERIFY(presenting());
    press(Qt::Key_Escape);
    QTRY_VERIFY(!driver_.read("presentationLoader", "active").toBool());
  }

  // The count speaks German in a German app.
  void theCountIsLocalised() {
    uc::i18n::installTranslations(QStringLiteral("de"));
    enterByButton();
    QVERIFY(presentation());
    QCOMPARE(presentation()->countText(),
             QStringLiteral("1 von %1 gezeigt").arg(presentation()->stepCount()));
    uc::i18n::installTranslations(QStringLiteral("en"));
    press(Qt::Key_Escape);
    QTRY_VERIFY(!driver_.read("presentationLoader", "active").toBool());
  }

  // A solution cleared under the presentation ends it; with nothing to show, a message says
  // so and the window stays as it was.
  void nothingToPresentIsToldAndLeavesTheWindowAlone() {
    enterByButton();
    uc::AppState::shared().postClearCurrentCalculation();
    QTRY_VERIFY(!driver_.read("presentationLoader", "active").toBool());
    QCOMPARE(window_->visibility(), QWindow::Windowed);

    uc::Navigation::shared().presentSolution(solution());
    uc::ToastModel& toasts = *uc::ViewManager::shared().toasts();
    QTRY_VERIFY(toasts.rowCount() > 0 &&
                toasts.textAt(toasts.rowCount() - 1) ==
                    QStringLiteral("This solution has no steps to present."));
    QTRY_VERIFY(!driver_.read("presentationLoader", "active").toBool());
    QCOMPARE(window_->visibility(), QWindow::Windowed);
  }

 private:
  QString settings_;
  QQmlApplicationEngine engine_;
  QQuickWindow* window_ = nullptr;
  WindowDriver driver_;
  std::shared_ptr<uc::RecordingAnalyticsSink> recorder_;
  QPointF lastButtonPosition_{-1, -1};
};

int main(int argc, char* argv[]) { return runWindowTest<TestPresentationView>(argc, argv); }

#include "tst_presentation_view.moc"
