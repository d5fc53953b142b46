#include <QtQuickTest/quicktest.h>

#include <QApplication>
#include <QFile>
#include <QQmlApplicationEngine>
#include <QQmlContext>
#include <QQmlProperty>
#include <QQuickItem>
#include <QQuickWindow>
#include <QTemporaryDir>
#include <QTest>
#include <algorithm>
#include <cmath>
#include <memory>

#include "app/app_startup.h"
#include "flow/calc_manager.h"
#include "flow/summary_line.h"
#include "flow/user_defaults.h"
#include "services/analytics.h"
#include "ui/charts/step_highlight.h"
#include "ui/shell/app_state.h"
#include "ui/shell/navigation.h"
#include "ui/shell/view_manager.h"
#include "window_driver.h"
#include "window_test.h"

// The real window, driven as a learner would: taps on its keys and buttons, typing on a
// keyboard. One window for the whole run, as in the app.
class TestMainWindow : public QObject {
  Q_OBJECT

 public:
  explicit TestMainWindow(const QString& settings) : settings_(settings) {}

 private:
  QQuickItem* item(const char* name) const { return driver_.item(name); }
  QVariant read(const char* name, const char* property) const {
    return driver_.read(name, property);
  }
  void tap(const char* name) { QVERIFY2(driver_.tap(name), name); }

  // Until the input page has slid back in and come to rest: a tap on a key that still moves
  // lands beside it on a busy machine.
  bool inputPageAtRest(const char* key) {
    QQuickItem* found = item(key);
    const QPointF now = found ? found->mapToScene({0, 0}) : QPointF(-1, -1);
    const bool rest = now == lastKeyPosition_ && now.x() >= 0;
    lastKeyPosition_ = now;
    return rest;
  }

  QObject* tabController() const {
    QQuickItem* pages = item("pageTabBarController");
    return pages ? qvariant_cast<QObject*>(pages->property("controller")) : nullptr;
  }

  // The view of the chart row of that kind (1 unit circle, 2 graph) on screen.
  QQuickItem* chartView(int kind) const {
    QList<QQuickItem*> stack{window_->contentItem()};
    while (!stack.isEmpty()) {
      QQuickItem* next = stack.takeLast();
      if (next->objectName() == QLatin1String("chartCell") && next->isVisible() &&
          next->property("kind").toInt() == kind) {
        if (auto* view = qvariant_cast<QQuickItem*>(next->property("chartView"))) return view;
      }
      stack << next->childItems();
    }
    return nullptr;
  }

  QObject* chartController(int kind) const {
    QQuickItem* view = chartView(kind);
    return view ? qvariant_cast<QObject*>(view->property("controller")) : nullptr;
  }

  // The accessible names of the visible items of that name, top to bottom.
  QStringList accessibleNames(const char* name) const {
    QList<QQuickItem*> found;
    QList<QQuickItem*> stack{window_->contentItem()};
    while (!stack.isEmpty()) {
      QQuickItem* next = stack.takeLast();
      if (!next->isVisible()) continue;
      if (next->objectName() == QLatin1String(name)) found << next;
      stack << next->childItems();
    }
    std::sort(found.begin(), found.end(), [](QQuickItem* a, QQuickItem* b) {
      return a->mapToScene({0, 0}).y() < b->mapToScene({0, 0}).y();
    });
    QStringList names;
    for (QQuickItem* i : found) {
      names << QQmlProperty::read(i, QStringLiteral("Accessible.name"), qmlContext(i)).toString();
    }
    return names;
  }

  int pageIndex() const {
    QObject* tabs = tabController();
    return tabs ? tabs->property("currentIndex").toInt() : -1;
  }

 private slots:
  void initTestCase() {
    recorder_ = std::make_shared<uc::RecordingAnalyticsSink>();
    window_ = startRecordedWindow(settings_, engine_, recorder_);
    QVERIFY(window_);
    driver_.setWindow(window_);
  }

  void startsOnTheEmptyInputPage() {
    QCOMPARE(uc::CalcManager::shared().count(), 1);  // the first start's sample
    QCOMPARE(pageIndex(), 0);
    QVERIFY(!read("resultTab", "enabled").toBool());
    QVERIFY(!read("pageSwipeView", "interactive").toBool());
    QCOMPARE(read("toolbarTitle", "text").toString(), QStringLiteral("Unit Circle"));
    QVERIFY(read("alphaTextField", "activeFocus").toBool());
  }

  void tapsOnTheKeypadCalculate() {
    tap("key_4");
    tap("key_5");
    QCOMPARE(read("alphaTextField", "text").toString(), QStringLiteral("45"));
    QVERIFY(!read("bTextField", "enabled").toBool());
    QCOMPARE(read("alphaTextField", "cursorPosition").toInt(), 2);

    tap("calculateButton");
    QCOMPARE(pageIndex(), 1);
    QVERIFY(read("resultTab", "enabled").toBool());
    QTRY_VERIFY(read("solutionTable", "count").toInt() >= 23);
    QCOMPARE(uc::CalcManager::shared().count(), 2);
    QVERIFY(read("shareButton", "visible").toBool());
    QTRY_VERIFY(item("mathLabel") != nullptr);

    // Keys now scroll the steps and leave the hidden fields alone.
    QTest::keyClick(window_, '7');
    QTest::keyClick(window_, Qt::Key_PageDown);
    QCOMPARE(read("alphaTextField", "text").toString(), QStringLiteral("45"));
    QTRY_VERIFY(read("solutionTable", "contentY").toDouble() > 100);
  }

  void theChartRowsAreBuiltWhenTheyScrollIn() {
    // Nothing of the chart component is loaded until a graph is on screen.
    const auto chartsLoaded = [] {
      QFile maps(QStringLiteral("/proc/self/maps"));
      return maps.open(QIODevice::ReadOnly) && maps.readAll().contains("libQt6Charts");
    };
    QVERIFY(!item("chartCell"));
    QVERIFY(!chartsLoaded());

    QQuickItem* table = item("solutionTable");
    QVERIFY(table);
    QMetaObject::invokeMethod(table, "positionViewAtEnd");
    QObject* graph = nullptr;
    QTRY_VERIFY((graph = chartController(2)));
    QTRY_COMPARE(graph->property("pointCount").toInt(), 9);  // α = 45: b = π/4
    QVERIFY(chartsLoaded());
    // The unit circle's row is partly above; bring it in and let its turn run to the end.
    QMetaObject::invokeMethod(table, "positionViewAtIndex", Q_ARG(int, 22), Q_ARG(int, 1));
    QObject* circle = nullptr;
    QTRY_VERIFY((circle = chartController(1)));
    QVERIFY2(circle, "the unit circle's row");
    QTRY_VERIFY_WITH_TIMEOUT(circle->property("projectionsVisible").toBool(), 5000);
    QCOMPARE(circle->property("alphaText").toString(), QStringLiteral("45°"));
    QCOMPARE(circle->property("pXText").toString(), QStringLiteral("0.71"));
    QCOMPARE(circle->property("shownQuadrant").toInt(), 1);
  }

  void theCircleReplaysEachTimeItsRowScrollsBackIn() {
    QQuickItem* table = item("solutionTable");
    QQuickItem* circle = chartView(1);
    QVERIFY(circle);
    QObject* controller = qvariant_cast<QObject*>(circle->property("controller"));
    QTRY_VERIFY_WITH_TIMEOUT(!controller->property("isAnimationRunning").toBool(), 5000);
    const double contentY = table->property("contentY").toDouble();
    const double below = circle->mapToItem(table, QPointF(0, 0)).y();
    for (int pass = 0; pass < 2; ++pass) {
      // Just out of sight below, where the list keeps the row, and back.
      table->setProperty("contentY", contentY + below - table->height() - 50);
      QTest::qWait(50);
      table->setProperty("contentY", contentY);
      QTRY_VERIFY_WITH_TIMEOUT(controller->property("isAnimationRunning").toBool(), 3000);
      QCOMPARE(chartView(1), circle);  // the same row, not one built anew
      QTRY_VERIFY_WITH_TIMEOUT(!controller->property("isAnimationRunning").toBool(), 5000);
      QVERIFY(controller->property("projectionsVisible").toBool());
    }
  }

  void clearReturnsToAnEmptyInputPage() {
    tap("toolbarRemoveButton");
    QCOMPARE(pageIndex(), 0);
    QVERIFY(!read("resultTab", "enabled").toBool());
    QCOMPARE(read("alphaTextField", "text").toString(), QString());
    QCOMPARE(uc::CalcManager::shared().count(), 2);
  }

  void aKeyboardWorksToo() {
    QTRY_VERIFY(read("alphaTextField", "activeFocus").toBool());
    QTest::keyClick(window_, Qt::Key_Tab);
    QTRY_VERIFY(read("bTextField", "activeFocus").toBool());
    for (char key : {'3', 'p', '/', '4', 'x'}) QTest::keyClick(window_, key);  // p: π; x: no key
    QCOMPARE(read("bTextField", "text").toString(), QStringLiteral("3π/4"));
    QTest::keyClick(window_, Qt::Key_Left);
    QTest::keyClick(window_, Qt::Key_Backspace);
    QCOMPARE(read("bTextField", "text").toString(), QStringLiteral("3π4"));
    QTest::keyClick(window_, '/');
    QTest::keyClick(window_, Qt::Key_Home);
    QTest::keyClick(window_, Qt::Key_Delete);
    QCOMPARE(read("bTextField", "text").toString(), QStringLiteral("π/4"));
    QTest::keyClick(window_, Qt::Key_Return);
    QCOMPARE(pageIndex(), 1);
    QCOMPARE(uc::CalcManager::shared().count(), 3);
  }

  void badInputShowsAToastAndStaysOnInput() {
    tap("toolbarRemoveButton");
    // The input page slides back in before its keys can be tapped.
    QTRY_VERIFY(inputPageAtRest("key_slash"));
    tap("key_slash");
    tap("calculateButton");
    QCOMPARE(pageIndex(), 0);
    QCOMPARE(uc::ViewManager::shared().toasts()->rowCount(), 1);
    QCOMPARE(uc::CalcManager::shared().count(), 3);
  }

  void theMenuButtonOpensTheDrawerUnlessCalculating() {
    QObject* drawer = qvariant_cast<QObject*>(window_->property("drawer"));
    QVERIFY(drawer);
    const qsizetype taps = recorder_->count("tapped_menu_button");
    uc::AppState::shared().setCalculating(true);
    tap("menuButton");
    QTest::qWait(400);
    QVERIFY(!drawer->property("visible").toBool());
    uc::AppState::shared().setCalculating(false);
    tap("menuButton");
    QTRY_VERIFY(drawer->property("opened").toBool());
    QCOMPARE(recorder_->count("tapped_menu_button"), taps + 2);

    // Left scrolled down, the menu opens at its top again.
    QQuickItem* list = item("leftMenuList");
    QVERIFY(list);
    const qreal top = list->property("originY").toReal();
    list->setProperty("contentY", top + 40);
    QMetaObject::invokeMethod(drawer, "close");
    QTRY_VERIFY(!drawer->property("visible").toBool());
    QMetaObject::invokeMethod(drawer, "open");
    QTRY_VERIFY(drawer->property("opened").toBool());
    QCOMPARE(list->property("contentY").toReal(), top);
    QMetaObject::invokeMethod(drawer, "close");
    QTRY_VERIFY(!drawer->property("visible").toBool());
  }

  // Phone and tablet, portrait and landscape: every key at least 48 × 48 and on screen, both
  // tabs in the tab bar.
  void everySizeKeepsKeysAndTabsUsable() {
    tap("toolbarRemoveButton");
    const QStringList keys = {
        "key_0",     "key_1",  "key_2", "key_3",        "key_4",          "key_5",     "key_6",
        "key_7",     "key_8",  "key_9", "key_point",    "key_slash",      "key_minus", "key_open",
        "key_close", "key_pi", "key_e", "deleteButton", "calculateButton"};
    for (const QSize size :
         {QSize(360, 640), QSize(640, 360), QSize(1024, 1366), QSize(1366, 1024)}) {
      window_->resize(size);
      QTRY_COMPARE(window_->size(), size);
      QTest::qWait(50);
      const QRectF screen(QPointF(0, 0), QSizeF(size));
      for (const QString& name : keys) {
        QQuickItem* key = item(name.toLatin1().constData());
        QVERIFY2(key, qPrintable(name));
        const QRectF box = key->mapRectToScene(QRectF(0, 0, key->width(), key->height()));
        QVERIFY2(box.width() >= 48 && box.height() >= 48 && screen.contains(box),
                 qPrintable(
                     QStringLiteral("%1 at %2x%3").arg(name).arg(size.width()).arg(size.height())));
      }
      for (const char* tab : {"inputTab", "resultTab"}) {
        QQuickItem* button = item(tab);
        QVERIFY2(button, tab);
        const QRectF box = button->mapRectToScene(QRectF(0, 0, button->width(), button->height()));
        QVERIFY2(box.width() >= size.width() / 3 && screen.contains(box), tab);
      }
    }
    window_->resize(360, 640);
  }

  // The menu's navigation: the history under the same toolbar, then the calculation on
  // fresh pages that load the entry picked in the history.
  void theHistoryAndFreshPagesAreReachedFromTheDrawer() {
    QQuickItem* pagesBefore = item("pageTabBarController");
    QVERIFY(pagesBefore);
    uc::Navigation::shared().goToHistory();
    QTRY_VERIFY(read("historyLoader", "status").toInt() == 1);  // Loader.Ready
    QCOMPARE(read("toolbarTitle", "text").toString(), QStringLiteral("History"));
    QVERIFY(item("pageTabBarController") == nullptr);
    QVERIFY(item("menuButton") != nullptr);

    uc::CalcManager& store = uc::CalcManager::shared();
    store.setCurrentSelectedCalculation(store.calculationAt(store.count() - 1));  // α = 55
    uc::Navigation::shared().goToCalculation();
    QTRY_VERIFY(item("pageTabBarController") != nullptr);
    QVERIFY(item("pageTabBarController") != pagesBefore);
    QCOMPARE(pageIndex(), 0);
    QVERIFY(!read("resultTab", "enabled").toBool());
    QCOMPARE(read("alphaTextField", "text").toString(), QStringLiteral("55"));
    QVERIFY(!store.currentSelectedCalculation().has_value());
    QCOMPARE(read("toolbarTitle", "text").toString(), QStringLiteral("Unit Circle"));
  }

  // A left mouse drag across a history row, as a real mouse sends it: a press, moves a few
  // pixels and milliseconds apart, a release.
  void dragRowLeft(int right, int y, int distance) {
    QTest::mousePress(window_, Qt::LeftButton, {}, {right, y});
    constexpr int kSteps = 12;
    for (int step = 1; step <= kSteps; ++step) {
      QTest::mouseMove(window_, {right - step * distance / kSteps, y}, 16);
    }
    QTest::mouseRelease(window_, Qt::LeftButton, {}, {right - distance, y}, 16);
    QTest::qWait(400);  // the swipe settles
  }

  // A long history scrolled down on a phone: the toolbar's buttons still take their taps, a
  // row is swiped away with a mouse drag, and the message's "Undo" puts it back. A row whose
  // formula scrolls sideways opens its delete once dragged on past the formula's end.
  void theHistoryScrollsUnderTheToolbarAndDeletesWithUndo() {
    window_->resize(360, 640);
    QTRY_COMPARE(window_->size(), QSize(360, 640));
    uc::CalcManager& store = uc::CalcManager::shared();
    constexpr int kAdded = 40;
    for (int i = 0; i < kAdded; ++i) {
      QVERIFY(store.insertCalculation(uc::calculationForStoring(QString::number(100 + i), {})));
    }
    const int stored = store.count();
    uc::Navigation::shared().goToHistory();
    QTRY_VERIFY(read("historyLoader", "status").toInt() == 1);  // Loader.Ready
    QObject* history = qvariant_cast<QObject*>(
        read("historyLoader", "item").value<QObject*>()->property("controller"));
    QVERIFY(history);
    QQuickItem* list = item("historyList");
    QVERIFY(list);
    // A row straddles the list's top, most of it above, under the toolbar's buttons.
    constexpr int kContentY = 650;
    list->setProperty("contentY", kContentY);
    QTest::qWait(100);

    tap("historyEditButton");
    QTRY_VERIFY(history->property("editing").toBool());
    QVERIFY(item("historyList") == list);  // no row under the button reopened
    tap("historyEditButton");
    QTRY_VERIFY(!history->property("editing").toBool());

    // Dragged with the mouse from right to left across the row under the list's top.
    const QPointF top = list->mapToScene({0, 0});
    const int y = qRound(top.y() + 30);
    const int right = qRound(top.x() + list->width() - 20);
    int row = -1;
    QMetaObject::invokeMethod(list, "indexAt", Q_RETURN_ARG(int, row), Q_ARG(qreal, 10),
                              Q_ARG(qreal, kContentY + 30));
    QVERIFY(row > 0);
    const QString swiped = store.calculationAt(row).latexString;
    dragRowLeft(right, y, 240);
    // The revealed delete button lies at the row's right end.
    QTest::mouseClick(window_, Qt::LeftButton, {}, {right, y});
    QTRY_COMPARE(store.count(), stored - 1);
    QVERIFY(store.calculationAt(row).latexString != swiped);

    QTRY_VERIFY(item("toastActionButton") != nullptr);
    QCOMPARE(read("toastActionButton", "text").toString(), QStringLiteral("Undo"));
    tap("toastActionButton");
    QTRY_COMPARE(store.count(), stored);
    QCOMPARE(store.calculationAt(row).latexString, swiped);
    QVERIFY(item("toastActionButton") == nullptr);

    // A formula wider than its row scrolls to its end first, then the row opens.
    QVERIFY(store.insertCalculation(uc::calculationForStoring(QStringLiteral("123456789.123456"),
                                                              QStringLiteral("987654321.987654"))));
    list->setProperty("contentY", 0);
    QTest::qWait(100);
    QQuickItem* longRow = nullptr;
    QMetaObject::invokeMethod(list, "itemAtIndex", Q_RETURN_ARG(QQuickItem*, longRow),
                              Q_ARG(int, 0));
    QVERIFY(longRow);
    QObject* swipe = qvariant_cast<QObject*>(longRow->property("swipe"));
    const int longY = qRound(top.y() + longRow->height() / 2);
    dragRowLeft(right, longY, 240);
    dragRowLeft(right, longY, 240);
    QTRY_COMPARE(swipe->property("position").toReal(), -1.0);
    // Its delete, where a short row's is.
    QTest::mouseClick(window_, Qt::LeftButton, {}, {right, longY});
    QTRY_COMPARE(store.count(), stored);

    for (int i = 0; i < kAdded; ++i) QVERIFY(store.removeCalculation(0));
    uc::Navigation::shared().goToCalculation();
    QTRY_VERIFY(item("pageTabBarController") != nullptr);
  }

  void theAngleIsDraggedOnTheCircleAndCalculated() {
    tap("toolbarRemoveButton");
    QTRY_VERIFY(inputPageAtRest("key_3"));
    tap("key_3");
    tap("key_0");
    tap("calculateButton");
    QTRY_COMPARE(pageIndex(), 1);
    QQuickItem* table = item("solutionTable");
    QVERIFY(table);
    QQuickItem* circle = nullptr;
    for (int row = 0; row < 60 && !circle; ++row) {
      QMetaObject::invokeMethod(table, "positionViewAtIndex", Q_ARG(int, row),
                                Q_ARG(int, 1));  // ListView.Beginning
      QTest::qWait(20);
      circle = chartView(1);
    }
    QVERIFY2(circle, "the unit circle's row");
    QObject* controller = qvariant_cast<QObject*>(circle->property("controller"));
    QTRY_VERIFY_WITH_TIMEOUT(controller->property("projectionsVisible").toBool(), 5000);
    // The whole circle on screen, a little below the list's top.
    const double offset = circle->mapToItem(table, QPointF(0, 0)).y();
    table->setProperty("contentY", table->property("contentY").toDouble() + offset - 20);
    QTest::qWait(100);

    // Synthetic pointer events: from the point at 30° round to 150°, in small steps.
    const double cx = circle->property("cx").toDouble();
    const double cy = circle->property("cy").toDouble();
    const double r = circle->property("radius").toDouble();
    const auto at = [&](double degrees) {
      const double a = degrees * M_PI / 180;
      return circle->mapToScene({cx + r * std::cos(a), cy - r * std::sin(a)}).toPoint();
    };
    const double top = circle->mapToScene({0, 0}).y();
    // No empty band under the circle until a drag makes room for the button there.
    QQuickItem* row = chartCellOf(circle);
    QVERIFY(row);
    const double restHeight = row->height();
    QTest::mousePress(window_, Qt::LeftButton, {}, at(30));
    for (int degrees = 35; degrees <= 150; degrees += 5) QTest::mouseMove(window_, at(degrees));
    // The circle stays under the finger while the button appears, its row laid out anew.
    QVERIFY(QQuickTest::qWaitForPolish(window_));
    QCOMPARE(circle->mapToScene({0, 0}).y(), top);
    QTest::mouseRelease(window_, Qt::LeftButton, {}, at(150));
    QObject* drag = circle->findChild<QObject*>(QStringLiteral("angleDrag"));
    QVERIFY(drag);
    QCOMPARE(drag->property("degrees").toInt(), 150);
    QCOMPARE(circle->property("arrowAngle").toDouble(), 150.0);
    QCOMPARE(read("alphaLabel", "text").toString(), QStringLiteral("α = 150°"));  // live
    // The whole drawing is that of 150°, not of the solution's 30°.
    QCOMPARE(read("gammaLabel", "text").toString(), QStringLiteral("γ = 150°"));
    QCOMPARE(read("pXLabel", "text").toString(), QStringLiteral("x = -0.87"));
    QCOMPARE(read("pYLabel", "text").toString(), QStringLiteral("y = 0.5"));
    QCOMPARE(controller->property("shownQuadrant").toInt(), 2);
    QCOMPARE(controller->property("arrowDegrees").toDouble(), 150.0);
    QTRY_VERIFY(read("calculateAngleButton", "visible").toBool());
    // Under the circle, not over it, in room its row made for it.
    QQuickItem* button = item("calculateAngleButton");
    QVERIFY(button->mapToItem(circle, QPointF(0, 0)).y() >= circle->height());
    QVERIFY(row->height() > restHeight);
    QVERIFY(sceneBox(row).contains(sceneBox(button)));
    // And scrolled into sight once the point is let go.
    QTRY_VERIFY(
        button->mapRectToItem(table, QRectF(0, 0, button->width(), button->height())).bottom() <=
        table->height() + 0.5);
    QCOMPARE(read("calculateAngleButton", "text").toString(), QStringLiteral("Calculate α = 150°"));

    // The arrow keys turn it on: 15° a key, 1° with Shift.
    QTest::keyClick(window_, Qt::Key_Right);
    QTest::keyClick(window_, Qt::Key_Left, Qt::ShiftModifier);
    QCOMPARE(drag->property("degrees").toInt(), 164);

    // One tap calculates it.
    const qsizetype before = uc::CalcManager::shared().count();
    tap("calculateAngleButton");
    QTRY_COMPARE(uc::CalcManager::shared().count(), before + 1);
    QCOMPARE(uc::CalcManager::shared().calculationAt(0).inputParameters.value("α"),
             QStringLiteral("164"));
    QCOMPARE(pageIndex(), 1);
  }

  void screenReadersHearEachRowAsWords() {
    QCOMPARE(pageIndex(), 1);  // the result of the angle set by hand
    QQuickItem* table = item("solutionTable");
    QMetaObject::invokeMethod(table, "positionViewAtBeginning");
    // Read once the rows are laid out, top to bottom.
    QTRY_COMPARE(accessibleNames("solutionStepCell").value(0),
                 QStringLiteral("Your Input: alpha equals 164 degrees, b equals question mark"));
    const QString first = accessibleNames("solutionStepCell").value(1);
    QVERIFY2(first.endsWith(": 2 pi over 360 degrees equals b over alpha"), qPrintable(first));
    // The exact values card's lines, too.
    QTRY_COMPARE(accessibleNames("exactValuesLine").value(0).left(18),
                 QStringLiteral("alpha equals 164 d"));
    QCOMPARE(accessibleNames("exactValuesLine").value(5), QStringLiteral("Quadrant II"));
  }

  // Tab goes round the result page in reading order, each row scrolled into view as it
  // takes the focus; Shift+Tab goes back; Enter on a step does what a tap does.
  void theKeyboardGoesRoundTheResultPage() {
    QCOMPARE(pageIndex(), 1);
    QQuickItem* table = item("solutionTable");
    QQuickItem* page = table->parentItem()->parentItem();  // the loader, then the page
    page->forceActiveFocus();
    QStringList order;
    QQuickItem* circle = nullptr;
    for (int i = 0; i < 40; ++i) {
      QTest::keyClick(window_, Qt::Key_Tab);
      QQuickItem* focused = window_->activeFocusItem();
      QVERIFY(focused);
      const QRectF box = focused->mapRectToScene(QRectF(0, 0, focused->width(), focused->height()));
      QVERIFY2(
          box.intersects(table->mapRectToScene(QRectF(0, 0, table->width(), table->height()))) ||
              !table->isAncestorOf(focused),
          qPrintable(focused->objectName()));
      if (focused->objectName() == QLatin1String("unitCircleView")) circle = focused;
      order << focused->objectName();
      if (i > 0 && focused->objectName() == QLatin1String("shareButton")) break;
    }
    const QStringList expectedStart{"shareButton",   "manualButton",    "presentButton",
                                    "savePdfButton", "exactValuesCard", "solutionStepCell"};
    QCOMPARE(order.mid(0, 6), expectedStart);
    QCOMPARE(order.count(QStringLiteral("solutionStepCell")), 23);
    QVERIFY2(circle && order.indexOf("unitCircleView") > order.lastIndexOf("solutionStepCell"),
             qPrintable(order.join(' ')));
    QCOMPARE(order.last(), QStringLiteral("shareButton"));  // round again

    // Back: from the share button to the end of the page, and from the first step to the card.
    QTest::keyClick(window_, Qt::Key_Backtab);
    QVERIFY(window_->activeFocusItem()->objectName() != QLatin1String("manualButton"));
    for (int i = 0; i < 6; ++i) QTest::keyClick(window_, Qt::Key_Tab);  // share … first step
    QCOMPARE(window_->activeFocusItem()->objectName(), QStringLiteral("solutionStepCell"));
    QTest::keyClick(window_, Qt::Key_Tab);  // the chosen formula
    QObject* controller = qvariant_cast<QObject*>(page->property("controller"));
    const int before = controller->property("chartHighlight").toInt();
    QTest::keyClick(window_, Qt::Key_Return);
    QVERIFY(controller->property("chartHighlight").toInt() != before);
    // The circle, scrolled into sight, stresses the arcs and fades the projections.
    QTRY_VERIFY(chartView(1));
    const auto stressOf = [this](const char* part) {
      QVariant stress;
      QMetaObject::invokeMethod(chartView(1), "stress", Q_RETURN_ARG(QVariant, stress),
                                Q_ARG(QVariant, QString::fromLatin1(part)), Q_ARG(QVariant, 0));
      return stress.toInt();
    };
    QCOMPARE(stressOf("arc"), 1);
    QCOMPARE(stressOf("x"), -1);
    QTest::keyClick(window_, Qt::Key_Backtab);
    QTest::keyClick(window_, Qt::Key_Backtab);
    QCOMPARE(window_->activeFocusItem()->objectName(), QStringLiteral("exactValuesCard"));
    QQuickItem* card = window_->activeFocusItem();
    const QString spoken =
        QQmlProperty::read(card, QStringLiteral("Accessible.name"), qmlContext(card)).toString();
    QVERIFY2(spoken.startsWith(QStringLiteral("Exact values. alpha equals 164 degrees")),
             qPrintable(spoken));
  }

  // The step row's cell in the steps' list, scrolled to the list's middle.
  QQuickItem* stepCell(QQuickItem* steps, int row) {
    QMetaObject::invokeMethod(steps, "positionViewAtIndex", Q_ARG(int, row),
                              Q_ARG(int, 2));  // ListView.Center
    QQuickItem* loader = nullptr;
    QMetaObject::invokeMethod(steps, "itemAtIndex", Q_RETURN_ARG(QQuickItem*, loader),
                              Q_ARG(int, row));
    return loader ? qvariant_cast<QQuickItem*>(loader->property("item")) : nullptr;
  }

  // At the window's left edge, where it was at the last look too.
  bool atRest(const QQuickItem* i) {
    const QPointF now = i->mapToScene({0, 0});
    const bool rest = now == lastListPosition_ && now.x() == 0;
    lastListPosition_ = now;
    return rest;
  }

  // The list row (chartCell) that holds a chart's view.
  static QQuickItem* chartCellOf(QQuickItem* view) {
    QQuickItem* at = view;
    while (at && at->objectName() != QLatin1String("chartCell")) at = at->parentItem();
    return at;
  }

  static QRectF sceneBox(const QQuickItem* i) {
    return i->mapRectToScene(QRectF(0, 0, i->width(), i->height()));
  }

  void calculateAlpha400() {
    tap("toolbarRemoveButton");
    QTRY_VERIFY(inputPageAtRest("key_4"));
    for (const char* key : {"key_4", "key_0", "key_0", "calculateButton"}) tap(key);
    QTRY_COMPARE(pageIndex(), 1);
  }

  // A tablet held sideways: the steps on the left, the card and the charts on the right,
  // each scrolled on its own, so that a tapped step and the circle stressing its part (γ)
  // are both in sight.
  void aWideWindowShowsTheStepsBesideTheCharts() {
    window_->resize(1366, 1024);
    QTRY_COMPARE(window_->size(), QSize(1366, 1024));
    calculateAlpha400();
    QQuickItem* steps = item("solutionTable");
    QTRY_VERIFY(item("solutionChartsTable") != nullptr);
    QQuickItem* charts = item("solutionChartsTable");
    const QRectF screen(QPointF(0, 0), QSizeF(window_->size()));
    QVERIFY(steps->isVisible() && charts->isVisible());
    // Once the result page has slid in.
    QTRY_VERIFY(screen.contains(sceneBox(steps)) && screen.contains(sceneBox(charts)));
    QVERIFY(sceneBox(steps).right() <= sceneBox(charts).left());
    QVERIFY(sceneBox(steps).width() >= 400 && sceneBox(charts).width() >= 400);
    // The card heads the right pane, not the steps.
    QQuickItem* card = item("exactValuesCard");
    QVERIFY(card && card->isVisible() && sceneBox(charts).contains(sceneBox(card).center()));

    constexpr int kGammaRow = 21;
    QQuickItem* cell = stepCell(steps, kGammaRow);
    QVERIFY(cell);
    QTest::qWait(50);
    QTest::mouseClick(window_, Qt::LeftButton, {}, sceneBox(cell).center().toPoint());
    QTRY_VERIFY(cell->property("marked").toBool());
    QTRY_VERIFY(chartView(1) != nullptr);
    QQuickItem* circle = chartView(1);
    QCOMPARE(circle->property("highlight").toInt(), int(uc::StepHighlight::ReducedAngle));
    QTRY_VERIFY(screen.contains(sceneBox(circle)) && sceneBox(charts).contains(sceneBox(circle)));
    QVERIFY(screen.contains(sceneBox(cell)));  // the steps stayed where they were
    QVERIFY(!read("backToStepButton", "visible").toBool());

    window_->resize(360, 640);
    QTRY_COMPARE(window_->size(), QSize(360, 640));
  }

  // A phone: one list. The tap scrolls to the circle and the step stays marked; one tap on
  // "Back to step" brings it back into sight.
  void aMarkedStepIsOneTapAwayOnAPhone() {
    QCOMPARE(pageIndex(), 1);  // α = 400° from the wide window
    QTRY_VERIFY(item("solutionChartsTable") == nullptr);
    QQuickItem* steps = item("solutionTable");
    // The pages slide to their new width; until they rest, taps land beside the rows.
    QTRY_VERIFY(atRest(steps));
    constexpr int kSineRow = 12;
    QQuickItem* cell = stepCell(steps, kSineRow);
    QVERIFY(cell);
    QTest::qWait(50);
    // On its title: "Back to step 21" (γ, from the wide window) floats over the list's middle.
    const QString title = cell->property("title").toString();
    QTest::mouseClick(window_, Qt::LeftButton, {}, cell->mapToScene({40, 20}).toPoint());
    // The step before (γ) gave way to this one.
    QObject* solution = qvariant_cast<QObject*>(steps->property("controller"));
    QTRY_COMPARE(solution->property("markedRow").toInt(), kSineRow);
    QTRY_VERIFY(read("backToStepButton", "visible").toBool());  // scrolled to the circle
    QVERIFY(chartView(1) != nullptr);
    const QString number = read("backToStepButton", "text").toString().section(' ', -1);
    QVERIFY2(title.startsWith(QStringLiteral("Step ") + number + QLatin1Char(' ')) ||
                 title.startsWith(QStringLiteral("Step ") + number + QLatin1Char('\t')),
             qPrintable(title));

    // It lies below the list, not over it: neither a row's text nor the button that
    // calculates a set angle ever goes under it, and the circle scrolled to is whole.
    QQuickItem* backButton = item("backToStepButton");
    QVERIFY(!sceneBox(backButton).intersects(sceneBox(steps)));
    QQuickItem* circle = chartView(1);
    QTRY_VERIFY(sceneBox(steps).contains(sceneBox(circle)));
    QQuickItem* row = chartCellOf(circle);
    const double restHeight = row->height();
    circle->forceActiveFocus();
    QTest::keyClick(window_, Qt::Key_Right);
    QTRY_VERIFY(read("calculateAngleButton", "visible").toBool());
    QQuickItem* calculate = item("calculateAngleButton");
    QTRY_VERIFY(sceneBox(steps).adjusted(0, 0, 0, 0.5).contains(sceneBox(calculate)));
    QVERIFY(!sceneBox(calculate).intersects(sceneBox(backButton)));
    // Once no angle is set by hand, the band under the circle goes again.
    QVERIFY(row->height() > restHeight);
    QTest::keyClick(window_, Qt::Key_Escape);
    QTRY_VERIFY(!read("calculateAngleButton", "visible").toBool());
    QTRY_COMPARE(row->height(), restHeight);

    tap("backToStepButton");
    QTRY_VERIFY(!read("backToStepButton", "visible").toBool());
    QQuickItem* back = stepCell(steps, kSineRow);
    QVERIFY(back && back->property("marked").toBool());
    QVERIFY(QRectF(QPointF(0, 0), QSizeF(window_->size())).contains(sceneBox(back).center()));
  }

  void theLoadingOverlayCoversTheWindow() {
    uc::ViewManager::shared().showLoadingOverlay();
    QTRY_VERIFY(item("loadingIndicator") != nullptr);
    QVERIFY(read("loadingIndicator", "running").toBool());
    uc::ViewManager::shared().hideLoadingOverlay();
    QTRY_VERIFY(item("loadingIndicator") == nullptr);
  }

 private:
  QString settings_;
  QQmlApplicationEngine engine_;
  QQuickWindow* window_ = nullptr;
  WindowDriver driver_;
  std::shared_ptr<uc::RecordingAnalyticsSink> recorder_;
  QPointF lastListPosition_{-1, -1};
  QPointF lastKeyPosition_;
};

int main(int argc, char* argv[]) { return runWindowTest<TestMainWindow>(argc, argv); }

#include "tst_main_window.moc"
