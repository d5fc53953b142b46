#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTemporaryDir>
#include <QTest>
#include <memory>

#include "services/analytics.h"

class TestAnalytics : public QObject {
  Q_OBJECT

 private slots:
  void recordingSinkReceivesNamesAndParameters() {
    auto recorder = std::make_shared<uc::RecordingAnalyticsSink>();
    uc::Analytics::setSink(recorder);
    uc::Analytics::log(uc::analytics::event::kTappedHistoryClear,
                       {{uc::analytics::param::kCalcCount, 3}});
    uc::Analytics::log(QString());  // dropped
    uc::Analytics::log(uc::analytics::event::kTappedClear);
    QCOMPARE(recorder->events().size(), 2);
    QCOMPARE(recorder->events()[0].name, QStringLiteral("tapped_history_clear"));
    QCOMPARE(recorder->events()[0].params.value("calc_count").toInt(), 3);
    QCOMPARE(recorder->count("tapped_clear"), 1);
    uc::Analytics::setSink(nullptr);
    QVERIFY(std::dynamic_pointer_cast<uc::JsonLinesAnalyticsSink>(uc::Analytics::sink()));
  }

  void fileSinkAppendsOneJsonObjectPerLine() {
    QTemporaryDir dir;
    const QString path = dir.filePath("nested/analytics.jsonl");
    uc::JsonLinesAnalyticsSink sink(path);
    const QVariantList steps{QVariantMap{{"title", "Step 1"}, {"latexString", "x"}}};
    sink.record("tiro_calculate", {{"solutionSteps", steps}, {"solutionStepsCount", 1}});
    sink.record("tapped_clear", {});

    QFile file(path);
    QVERIFY(file.open(QIODevice::ReadOnly));
    const QList<QByteArray> lines = file.readAll().trimmed().split('\n');
    QCOMPARE(lines.size(), 2);
    const QJsonObject first = QJsonDocument::fromJson(lines[0]).object();
    QCOMPARE(first["event"].toString(), QStringLiteral("tiro_calculate"));
    QCOMPARE(first["params"].toObject()["solutionStepsCount"].toInt(), 1);
    QCOMPARE(first["params"].toObject()["solutionSteps"].toArray().size(), 1);
    QVERIFY(!first["time"].toString().isEmpty());
    QVERIFY(!QJsonDocument::fromJson(lines[1]).object().contains("params"));
  }

  void unwritableFileIsReportedOnceAndIgnored() {
    QTemporaryDir dir;
    uc::JsonLinesAnalyticsSink sink(dir.path());  // a directory
    QTest::ignoreMessage(QtWarningMsg, QRegularExpression("Analytics: cannot write.*"));
    sink.record("a", {});
    sink.record("b", {});  // no second warning
  }
};

QTEST_GUILESS_MAIN(TestAnalytics)
#include "tst_analytics.moc"
