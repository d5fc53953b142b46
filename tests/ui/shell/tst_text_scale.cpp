#include <QFile>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

#include "flow/user_defaults.h"
#include "ui/shell/text_scale.h"

using uc::TextScale;
using uc::UserDefaults;

class TestTextScale : public QObject {
  Q_OBJECT

 private slots:
  void stepsBetweenTheLimitsAndKeepsTheChoice() {
    QTemporaryDir dir;
    const QString path = dir.filePath("settings.jsonl");
    {
      UserDefaults store(path);
      TextScale scale(store);
      QCOMPARE(scale.percent(), 100);
      QVERIFY(!scale.canReduce());
      QVERIFY(!scale.reduce());  // already the smallest: nothing changes, nothing is stored
      QVERIFY(!store.contains(TextScale::kTextScaleKey));

      QSignalSpy changed(&scale, &TextScale::factorChanged);
      for (int expected : {125, 150, 175, 200}) {
        QVERIFY(scale.enlarge());
        QCOMPARE(scale.percent(), expected);
      }
      QVERIFY(!scale.enlarge());
      QVERIFY(!scale.canEnlarge());
      QCOMPARE(changed.count(), 4);
      QCOMPARE(scale.factor(), 2.0);
      QVERIFY(scale.reduce());
    }
    // A later start reads the choice back.
    UserDefaults store(path);
    TextScale scale(store);
    QCOMPARE(scale.percent(), 175);
    QVERIFY(scale.reset());
    QCOMPARE(UserDefaults(path).intValue(TextScale::kTextScaleKey), 100);
  }

  // A hand-edited or damaged value never gives a size outside the steps.
  void storedValuesAreSnappedIntoTheRange() {
    QTemporaryDir dir;
    const QString path = dir.filePath("settings.jsonl");
    const QList<QPair<QJsonValue, int>> cases{
        {130, 125},  {138, 150},  {999, 200}, {-5, 100}, {0, 100}, {QStringLiteral("200"), 100},
        {true, 100}, {187.5, 100}};
    for (const auto& [stored, expected] : cases) {
      UserDefaults store(path);
      store.setValue(TextScale::kTextScaleKey, stored);
      TextScale scale(store);
      QCOMPARE(scale.percent(), expected);
    }
    UserDefaults store(path);
    TextScale scale(store);
    QVERIFY(scale.setPercent(1000));
    QCOMPARE(scale.percent(), 200);
    QVERIFY(!scale.setPercent(190));  // snaps to 200: no change
  }
};

QTEST_GUILESS_MAIN(TestTextScale)
#include "tst_text_scale.moc"
