#include <QQuickWindow>
#include <QSignalSpy>
#include <QTest>

#include "ui/shell/icon.h"
#include "ui/shell/view_manager.h"

using uc::ViewManager;

class TestViewManager : public QObject {
  Q_OBJECT

 private slots:
  void nothingHappensWithoutAWindow() {
    ViewManager& views = ViewManager::shared();
    views.setWindow(nullptr);
    views.showLoadingOverlay();
    views.showToast("x");
    views.showAlert("t", "m");
    QTest::qWait(50);
    QVERIFY(!views.loadingOverlayVisible());
    QCOMPARE(views.toasts()->rowCount(), 0);
    QVERIFY(!views.alertVisible());
  }

  void theOverlayIsPostedAndNeverDoubled() {
    QQuickWindow window;
    ViewManager& views = ViewManager::shared();
    views.setWindow(&window);
    QSignalSpy changes(&views, &ViewManager::loadingOverlayChanged);

    views.showLoadingOverlay();
    QVERIFY2(!views.loadingOverlayVisible(), "shown from the event loop, not at once");
    views.showLoadingOverlay();
    QTRY_VERIFY(views.loadingOverlayVisible());
    QTest::qWait(20);
    QCOMPARE(changes.count(), 1);

    views.hideLoadingOverlay();
    QVERIFY(views.loadingOverlayVisible());
    QTRY_VERIFY(!views.loadingOverlayVisible());
    views.setWindow(nullptr);
  }

  void alertsWaitInLine() {
    QQuickWindow window;
    ViewManager& views = ViewManager::shared();
    views.setWindow(&window);
    views.showAlert("first", "1");
    views.showAlert("second", "2");
    QCOMPARE(views.alertTitle(), QStringLiteral("first"));
    views.dismissAlert();
    QCOMPARE(views.alertTitle(), QStringLiteral("second"));
    QCOMPARE(views.alertMessage(), QStringLiteral("2"));
    views.dismissAlert();
    QVERIFY(!views.alertVisible());
    views.setWindow(nullptr);
  }

  void aToastActionRunsOnceAndClosesItsToast() {
    QQuickWindow window;
    ViewManager& views = ViewManager::shared();
    views.setWindow(&window);
    uc::ToastModel& toasts = *views.toasts();
    int runs = 0;
    views.showToast("plain");
    views.showToast("deleted", {"Undo", [&runs] { ++runs; }});
    QCOMPARE(toasts.actionTitleAt(0), QString());
    QCOMPARE(toasts.actionTitleAt(1), QStringLiteral("Undo"));
    const int id = toasts.idAt(1);
    views.triggerToastAction(id);
    views.triggerToastAction(id);
    QCOMPARE(runs, 1);
    QCOMPARE(toasts.rowCount(), 1);
    QCOMPARE(toasts.textAt(0), QStringLiteral("plain"));
    views.triggerToastAction(toasts.idAt(0));  // no button: only closes
    QCOMPARE(toasts.rowCount(), 0);
    views.setWindow(nullptr);
  }

  void iconPathsFollowTheSvgCommands() {
    QCOMPARE(uc::svgPath("M3 18h18v-2H3v2z").boundingRect(), QRectF(3, 16, 18, 2));
    // Numbers run together as SVG writes them: ".5.5" is two numbers.
    QCOMPARE(uc::svgPath("M1 1l.5.5").currentPosition(), QPointF(1.5, 1.5));
    // Pairs after a move are lines; "m" after a closed path starts from its start.
    QCOMPARE(uc::svgPath("M0 0 10 0 10 10z").boundingRect(), QRectF(0, 0, 10, 10));
    QCOMPARE(uc::svgPath("M2 2h2v2zm0 5h1").currentPosition(), QPointF(3, 7));
    // "s" mirrors the last control point: the second arch bends the other way.
    const QRectF wave = uc::svgPath("M0 0c0 8 10 8 10 0s10-8 10 0").boundingRect();
    QVERIFY(wave.top() < -5 && wave.bottom() > 5);
    QVERIFY(uc::svgPath("M0 0 x 5 5").elementCount() == 1);  // stops at what it cannot read

    for (const char* name : {"menu", "backspace", "check", "share", "help", "videoHelp"}) {
      const QRectF box = uc::Icon::pathFor(name).boundingRect();
      QVERIFY2(!box.isEmpty() && QRectF(0, 0, 24, 24).contains(box), name);
    }
    QVERIFY(uc::Icon::pathFor("nothing").isEmpty());
    // The two help buttons side by side look different.
    QVERIFY(uc::Icon::pathFor("help") != uc::Icon::pathFor("videoHelp"));
  }

  // Real time: each toast stays 3 s, fades for 2 s and is then removed on its own.
  void toastsStackAndRemoveThemselves() {
    QQuickWindow window;
    ViewManager& views = ViewManager::shared();
    views.setWindow(&window);
    uc::ToastModel& toasts = *views.toasts();

    views.showToast("older");
    QTest::qWait(500);
    views.showToast("newer");
    QCOMPARE(toasts.rowCount(), 2);
    QCOMPARE(toasts.textAt(1), QStringLiteral("newer"));  // drawn last, on top
    QVERIFY(!toasts.fadingAt(0));

    QTRY_VERIFY_WITH_TIMEOUT(toasts.fadingAt(0), 4000);
    // The older toast goes first. A loaded machine may stall past the half second between the
    // two removals, so the moment with one toast left is checked only when it is seen.
    QTRY_VERIFY_WITH_TIMEOUT(toasts.rowCount() < 2, 4000);
    if (toasts.rowCount() == 1) QCOMPARE(toasts.textAt(0), QStringLiteral("newer"));
    QTRY_COMPARE_WITH_TIMEOUT(toasts.rowCount(), 0, 4000);
    views.setWindow(nullptr);
  }
};

QTEST_MAIN(TestViewManager)
#include "tst_view_manager.moc"
