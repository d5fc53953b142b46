#include <QSignalSpy>
#include <QTest>
#include <cmath>

#include "ui/charts/chart_manager.h"
#include "ui/charts/unit_circle_chart_view.h"

using uc::ChartManager;
using uc::UnitCircleChartView;

class TestUnitCircleChartView : public QObject {
  Q_OBJECT

 private:
  // A view on the data of one angle, with turns of 60 ms so that runs end quickly.
  static void load(UnitCircleChartView& view, double alpha, qint64 fullCircles, int quadrant) {
    const double b = alpha * 3.141592653589793 / 180;
    view.setChartStep(ChartManager::makeUnitCircleStep(alpha, b, 0, fullCircles, quadrant));
    view.setTurnDuration(60);
  }

 private slots:
  void fourHundredDegreesRunsTwoTurnsAndEndsInTheFirstQuadrant() {
    UnitCircleChartView view;
    load(view, 400, 1, 1);
    QStringList fullCircles;
    QList<int> arcCounts;
    connect(&view, &UnitCircleChartView::labelsChanged, this, [&] {
      if (fullCircles.isEmpty() || fullCircles.last() != view.fullCirclesText()) {
        fullCircles.append(view.fullCirclesText());
      }
    });
    connect(&view, &UnitCircleChartView::arcsChanged, this,
            [&] { arcCounts.append(static_cast<int>(view.arcs().size())); });
    QSignalSpy finished(&view, &UnitCircleChartView::finished);

    view.startAnimation();
    QVERIFY(view.isAnimationRunning());
    QVERIFY(!view.animateAgainEnabled());
    QCOMPARE(view.animateAgainOpacity(), 0.5);
    QCOMPARE(view.shownQuadrant(), -1);
    QCOMPARE(view.quadrantFadeDuration(), UnitCircleChartView::kQuadrantFadeOutMs);
    QCOMPARE(view.arrowDegrees(), 360.0);
    QVERIFY(view.arrowAnimated());

    QVERIFY(finished.wait(2000));
    QCOMPARE(fullCircles, (QStringList{"0", "1"}));
    QCOMPARE(view.alphaText(), QString("400°"));
    QCOMPARE(view.gammaText(), QString("40°"));
    QCOMPARE(view.pXText(), QString("0.77"));
    QCOMPARE(view.pYText(), QString("0.64"));
    QCOMPARE(view.arrowDegrees(), 40.0);
    const QVariantList arcs = view.arcs();
    QCOMPARE(arcs.size(), 2);
    QCOMPARE(arcs[0].toMap().value("sweep").toDouble(), 360.0);
    QCOMPARE(arcs[1].toMap().value("sweep").toDouble(), 40.0);
    QCOMPARE(arcs[1].toMap().value("hue").toDouble(), 0.18);
    QCOMPARE(view.shownQuadrant(), 1);
    QCOMPARE(view.quadrantFadeDuration(), UnitCircleChartView::kQuadrantFadeInMs);
    QVERIFY(view.projectionsVisible());
    QVERIFY(view.projectionsAnimated());
    QVERIFY(!view.isAnimationRunning());
    QCOMPARE(view.animateAgainOpacity(), 1.0);
  }

  void startingAgainWhileRunningChangesNothing() {
    UnitCircleChartView view;
    load(view, 1000, 2, 3);
    view.startAnimation();
    const int run = view.arrowRun();
    const QVariantList arcs = view.arcs();
    view.tappedAnimateAgain();
    view.startAnimation();
    QCOMPARE(view.arrowRun(), run);
    QCOMPARE(view.arcs(), arcs);

    // Once finished, a tap runs it again from an empty drawing.
    QSignalSpy finished(&view, &UnitCircleChartView::finished);
    QVERIFY(finished.wait(3000));
    QCOMPARE(view.arcs().size(), 2);  // never more than the last full circle and the rest
    view.tappedAnimateAgain();
    QVERIFY(view.isAnimationRunning());
    QCOMPARE(view.arcs().size(), 1);
    QVERIFY(!view.projectionsVisible());
  }

  void minusNinetyAndWholeTurns() {
    UnitCircleChartView negative;
    negative.setChartStep(ChartManager::makeUnitCircleStep(-90, -1.5707963267948966, -90, 0, 4));
    negative.setTurnDuration(40);
    negative.startAnimation();
    QCOMPARE(negative.arrowDegrees(), -90.0);
    QCOMPARE(negative.alphaText(), QString("-0°"));
    QSignalSpy finished(&negative, &UnitCircleChartView::finished);
    QVERIFY(finished.wait(2000));
    QCOMPARE(negative.alphaText(), QString("-90°"));
    QCOMPARE(negative.pYText(), QString("-1.0"));
    QCOMPARE(negative.shownQuadrant(), 4);
    QCOMPARE(negative.pointY(), -1.0);

    UnitCircleChartView full;
    load(full, 360, 1, 1);
    QSignalSpy fullFinished(&full, &UnitCircleChartView::finished);
    full.startAnimation();
    QVERIFY(fullFinished.wait(2000));
    QCOMPARE(full.fullCirclesText(), QString("1"));
    QCOMPARE(full.arcs().size(), 1);
    QCOMPARE(full.alphaText(), QString("360°"));
  }

  void zeroFinishesAtOnceWithoutAnArc() {
    UnitCircleChartView view;
    load(view, 0, 0, 1);
    QSignalSpy finished(&view, &UnitCircleChartView::finished);
    view.startAnimation();
    QCOMPARE(finished.count(), 1);
    QVERIFY(view.arcs().isEmpty());
    QCOMPARE(view.shownQuadrant(), 1);
    QCOMPARE(view.alphaText(), QString("0°"));
    QVERIFY(!view.isAnimationRunning());
  }

  void captureModeShowsTheEndAtOnceEvenForHugeAngles() {
    UnitCircleChartView view;
    view.setCaptureMode(true);
    load(view, 400, 1, 1);
    QSignalSpy finished(&view, &UnitCircleChartView::finished);
    view.startAnimation();
    QCOMPARE(finished.count(), 1);
    QCOMPARE(view.alphaText(), QString("400°"));
    QCOMPARE(view.gammaText(), QString("40°"));
    QCOMPARE(view.fullCirclesText(), QString("1"));
    QCOMPARE(view.arcs().size(), 2);
    QVERIFY(!view.arrowAnimated());
    QVERIFY(!view.projectionsAnimated());
    QCOMPARE(view.quadrantFadeDuration(), 0);

    // 10^12 degrees: billions of turns would take as many steps; the end is worked out directly.
    load(view, 1e12, 2777777777, 4);
    view.startAnimation();
    QCOMPARE(finished.count(), 2);
    QCOMPARE(view.alphaText(), QString("1000000000000°"));
    QCOMPARE(view.gammaText(), QString("280°"));
    QCOMPARE(view.fullCirclesText(), QString("2777777777"));
    QCOMPARE(view.shownQuadrant(), 4);
  }

  void anAngleSetByHandRedrawsEverythingAndIsDroppedForTheSolution() {
    UnitCircleChartView view;
    load(view, 400, 1, 1);
    view.startAnimation();
    const int run = view.arrowRun();

    // Mid-run, the point is dragged to 150°: the run ends and the drawing is that angle's.
    view.showSetAngle(150);
    QVERIFY(!view.isAnimationRunning());
    QCOMPARE(view.alphaText(), QString("150°"));
    QCOMPARE(view.gammaText(), QString("150°"));
    QCOMPARE(view.fullCirclesText(), QString("0"));
    QCOMPARE(view.pXText(), QString("-0.87"));
    QCOMPARE(view.pYText(), QString("0.5"));
    QCOMPARE(view.arcs().size(), 1);
    QCOMPARE(view.arcs()[0].toMap().value("sweep").toDouble(), 150.0);
    QVERIFY(!view.arcs()[0].toMap().value("animated").toBool());
    QCOMPARE(view.arrowDegrees(), 150.0);
    QVERIFY(!view.arrowAnimated());
    QVERIFY(view.arrowRun() > run);
    QVERIFY(view.projectionsVisible());
    QVERIFY(!view.projectionsAnimated());
    QCOMPARE(view.pointX(), std::cos(150 * M_PI / 180));
    QCOMPARE(view.pointY(), 0.5);
    QCOMPARE(view.shownQuadrant(), 2);
    QCOMPARE(view.quadrantFadeDuration(), 0);
    // The clock has stopped: nothing of the old run comes back.
    QTest::qWait(150);
    QCOMPARE(view.gammaText(), QString("150°"));

    view.showSetAngle(0);
    QVERIFY(view.arcs().isEmpty());
    QCOMPARE(view.pXText(), QString("1.0"));
    QCOMPARE(view.shownQuadrant(), 1);

    view.showSolution();
    QCOMPARE(view.alphaText(), QString("400°"));
    QCOMPARE(view.gammaText(), QString("40°"));
    QCOMPARE(view.fullCirclesText(), QString("1"));
    QCOMPARE(view.arrowDegrees(), 40.0);
    QCOMPARE(view.arcs().size(), 2);
    QCOMPARE(view.pointX(), std::cos(400 * M_PI / 180));
    QCOMPARE(view.shownQuadrant(), 1);
  }

  void dataThatIsNotAUnitCircleIsIgnored() {
    UnitCircleChartView view;
    view.setChartStep(ChartManager::makeGraphStep(1, 0));
    view.startAnimation();
    QVERIFY(!view.isAnimationRunning());
    view.setChartStep(QVariant());
    view.startAnimation();
    QVERIFY(!view.isAnimationRunning());
    QCOMPARE(view.shownQuadrant(), 0);
  }
};

QTEST_GUILESS_MAIN(TestUnitCircleChartView)
#include "tst_unit_circle_chart_view.moc"
