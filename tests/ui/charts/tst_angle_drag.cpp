#include <QSignalSpy>
#include <QTest>

#include "ui/charts/angle_drag.h"

using uc::AngleDrag;

// α set by hand: where a drag points, how the keys step, what is shown.
class TestAngleDrag : public QObject {
  Q_OBJECT

 private slots:
  void aDragPointsTheAngleInSnappedSteps() {
    AngleDrag drag;
    QSignalSpy changed(&drag, &AngleDrag::changed);
    drag.dragTo(0, 0, false);  // the centre has no direction
    QVERIFY(!drag.isActive());
    QCOMPARE(changed.count(), 0);

    struct Case {
      double dx, dy;
      bool fine;
      int degrees;
    };
    for (const Case& c :
         {Case{1, 0, false, 0}, Case{0, 1, false, 90}, Case{-1, 0.001, false, 180},
          Case{0, -1, false, 270}, Case{1, -0.01, false, 0},  // just below: 0, not 360
          Case{-1, 1.2, false, 135}, Case{-1, 1.2, true, 130}, Case{1, 0.13, false, 0},
          Case{1, 0.14, false, 15}}) {
      drag.dragTo(c.dx, c.dy, c.fine);
      QCOMPARE(drag.degrees(), c.degrees);
    }
    QVERIFY(drag.isActive());
    QCOMPARE(drag.valueText(), QStringLiteral("α = 15°"));
    QCOMPARE(drag.alphaInput(), QStringLiteral("15"));
  }

  void keysStepToTheNextMarkAndWrapAround() {
    AngleDrag drag;
    drag.begin(400.4);  // the point of 400° sits at 40°
    QCOMPARE(drag.degrees(), 40);
    drag.step(1, false);
    QCOMPARE(drag.degrees(), 45);  // from between two marks, to the next one
    drag.step(-1, false);
    QCOMPARE(drag.degrees(), 30);
    drag.step(-1, true);
    QCOMPARE(drag.degrees(), 29);
    drag.begin(0);
    drag.step(-1, false);
    QCOMPARE(drag.degrees(), 345);
    drag.step(1, false);
    drag.step(1, true);
    QCOMPARE(drag.degrees(), 1);
    drag.begin(-90);
    QCOMPARE(drag.degrees(), 270);
    drag.end();
    QVERIFY(!drag.isActive());
  }
};

QTEST_GUILESS_MAIN(TestAngleDrag)
#include "tst_angle_drag.moc"
