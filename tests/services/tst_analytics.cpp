#include <sys/stat.h>

#include <QFile>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QRegularExpression>
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

  // The log never grows past its limit: the full file becomes the one older file.
  void fileSinkRotatesAndKeepsOneOlderFile() {
    QTemporaryDir dir;
    const QString path = dir.filePath("analytics.jsonl");
    const QString older = path + ".1";
    uc::JsonLinesAnalyticsSink sink(path);
    const QString padding(10 * 1024, 'x');
    const int events = 250;  // about 2.5 MiB in all
    for (int i = 0; i < events; ++i) {
      sink.record("tapped_clear", {{"n", i}, {"padding", padding}});
      QVERIFY(QFileInfo(path).size() <= uc::JsonLinesAnalyticsSink::kMaxFileBytes);
    }
    QVERIFY(QFileInfo::exists(older));
    QVERIFY(QFileInfo(older).size() <= uc::JsonLinesAnalyticsSink::kMaxFileBytes);
    QVERIFY(!QFileInfo::exists(path + ".2"));

    // The newest events, in order, with no gap between the two files.
    QList<QByteArray> lines;
    for (const QString& file : {older, path}) {
      QFile f(file);
      QVERIFY(f.open(QIODevice::ReadOnly));
      lines += f.readAll().trimmed().split('\n');
    }
    QVERIFY(lines.size() > 100);
    for (qsizetype i = 0; i < lines.size(); ++i) {
      const QJsonObject params = QJsonDocument::fromJson(lines[i]).object()["params"].toObject();
      QCOMPARE(params["n"].toInt(), events - lines.size() + i);
    }

    // An event too large for any file is dropped, not written.
    QTest::ignoreMessage(QtWarningMsg, QRegularExpression("Analytics: dropped an event of"));
    sink.record("huge", {{"padding", QString(2 * 1024 * 1024, 'y')}});
    QVERIFY(QFileInfo(path).size() <= uc::JsonLinesAnalyticsSink::kMaxFileBytes);
  }

  void unwritableFileIsReportedOnceAndIgnored() {
    QTemporaryDir dir;
    uc::JsonLinesAnalyticsSink sink(dir.path());  // a directory
    QTest::ignoreMessage(QtWarningMsg, QRegularExpression("Analytics: cannot write.*"));
    sink.record("a", {});
    sink.record("b", {});  // no second warning
    QVERIFY(QFileInfo(dir.path()).isDir());

    // Opening a FIFO without a reader would wait for good.
    const QString fifo = dir.filePath("fifo");
    QCOMPARE(::mkfifo(QFile::encodeName(fifo).constData(), 0600), 0);
    uc::JsonLinesAnalyticsSink fifoSink(fifo);
    QTest::ignoreMessage(QtWarningMsg, QRegularExpression("Analytics: cannot write.*regular"));
    fifoSink.record("a", {});
  }
};

QTEST_GUILESS_MAIN(TestAnalytics)
#include "tst_analytics.moc"
