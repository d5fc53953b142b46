#include <QTest>

#include "flow/calc_manager.h"
#include "flow/summary_line.h"

class TestSummaryLine : public QObject {
  Q_OBJECT

 private slots:
  void lineFromTypedTexts_data() {
    QTest::addColumn<QString>("alpha");
    QTest::addColumn<QString>("b");
    QTest::addColumn<QString>("line");
    QTest::newRow("angle") << "55"
                           << ""
                           << "\\alpha = 55^{\\circ} \\quad b = ?";
    QTest::newRow("arc with pi") << ""
                                 << "π/2"
                                 << "\\alpha = ?^{\\circ} \\quad b = \\frac{\\pi}{2}";
    QTest::newRow("negative, no parentheses") << ""
                                              << "-π/4"
                                              << "\\alpha = ?^{\\circ} \\quad b = -\\frac{\\pi}{4}";
    QTest::newRow("decimal") << "1234.5"
                             << ""
                             << "\\alpha = 1234.5^{\\circ} \\quad b = ?";
    QTest::newRow("ten fraction digits") << "1/3"
                                         << ""
                                         << "\\alpha = \\frac{1}{3}^{\\circ} \\quad b = ?";
    QTest::newRow("unparsable keeps marks") << "1/0"
                                            << ""
                                            << "\\alpha = ?^{\\circ} \\quad b = ?";
    QTest::newRow("nothing typed") << ""
                                   << ""
                                   << "\\alpha = ?^{\\circ} \\quad b = ?";
  }

  void lineFromTypedTexts() {
    QFETCH(QString, alpha);
    QFETCH(QString, b);
    QFETCH(QString, line);
    QCOMPARE(uc::summaryLine(alpha, b), line);
  }

  void storedRecordKeepsOnlyFilledFields() {
    const uc::Calculation fromAngle = uc::calculationForStoring("55", "");
    // Exactly the first-start sample: the same shape as any stored calculation.
    QCOMPARE(fromAngle, uc::CalcManager::firstStartSample());

    const uc::Calculation fromArc = uc::calculationForStoring("", "2π");
    QCOMPARE(fromArc.inputParameters.keys(), QStringList({"b"}));
    QCOMPARE(fromArc.inputParameters.value("b"), QStringLiteral("2π"));
    QVERIFY(fromArc.solutionSteps.isEmpty());
  }
};

QTEST_GUILESS_MAIN(TestSummaryLine)
#include "tst_summary_line.moc"
