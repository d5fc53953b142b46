#include <QDir>
#include <QFile>
#include <QJsonArray>
#include <QJsonObject>
#include <QProcess>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <QThread>
#include <cstdio>
#include <memory>
#include <vector>

#include "flow/calc_manager.h"
#include "flow/user_defaults.h"

using uc::CalcManager;
using uc::Calculation;
using uc::UserDefaults;

namespace {

Calculation record(const QString& alpha, const QString& latex) {
  Calculation calculation;
  calculation.inputParameters.insert(QStringLiteral("α"), alpha);
  calculation.latexString = latex;
  calculation.setupParameter.insert("appKey", "KV");
  return calculation;
}

QStringList latexOf(const CalcManager& manager) {
  QStringList result;
  for (const auto& calculation : manager.allCalculations()) result << calculation.latexString;
  return result;
}

// One app start: a fresh store over the same file, as after a restart.
struct Start {
  explicit Start(const QString& path) : defaults(path), manager(defaults) {}
  UserDefaults defaults;
  CalcManager manager;
};

constexpr char kChildEnv[] = "UC_TEST_KILLED_WRITER_FILE";
constexpr char kStartingWindowEnv[] = "UC_TEST_STARTING_WINDOW_FILE";
constexpr char kSecondWindowEnv[] = "UC_TEST_SECOND_WINDOW_FILE";
constexpr int kInsertsPerWindow = 150;

// The child of the killed-writer test: inserts until killed, reporting each insert that
// has returned.
int runInsertingChild(const QString& path) {
  UserDefaults defaults(path);
  CalcManager manager(defaults);
  for (int i = 0;; ++i) {
    manager.insertCalculation(record(QString::number(i), QStringLiteral("r%1").arg(i)));
    std::printf("%d\n", i);
    std::fflush(stdout);
  }
}

// One of several windows started at once: waits for the gate file, so that all open the
// store in the same moment, then starts as the app does and says what it sees.
int runStartingWindow(const QString& path) {
  while (!QFile::exists(path + ".gate")) QThread::msleep(1);
  UserDefaults defaults(path);
  CalcManager manager(defaults);
  manager.prepareFirstStart();
  std::printf("%d %d\n", defaults.isPersistent() ? 1 : 0, manager.count());
  return 0;
}

// The other window of the two-window test: inserts while the first one does, then drags
// "Z" to the top of the list as it sees it.
int runSecondWindow(const QString& path) {
  UserDefaults defaults(path);
  CalcManager manager(defaults);
  std::printf("started\n");
  std::fflush(stdout);
  for (int i = 0; i < kInsertsPerWindow; ++i) {
    if (!manager.insertCalculation(record("2", QStringLiteral("c%1").arg(i)))) return 1;
  }
  const int z = manager.count() - 1;  // Z is its oldest
  if (manager.calculationAt(z).latexString != QLatin1String("Z")) return 2;
  return manager.moveCalculation(z, 0) ? 0 : 3;
}

void failStoreWrites(UserDefaults& defaults, bool fail) {
  QVERIFY(defaults.executeForTesting(fail ? "PRAGMA query_only = 1" : "PRAGMA query_only = 0"));
}

}  // namespace

class TestCalcManager : public QObject {
  Q_OBJECT

 private slots:
  void init() {
    QVERIFY(dir_.isValid());
    path_ = dir_.filePath(QStringLiteral("store-%1.jsonl").arg(++counter_));
  }

  void recordDictionaryHasExactlyTheFourKeys() {
    const Calculation sample = CalcManager::firstStartSample();
    const QJsonObject dictionary = sample.asDictionary();
    QCOMPARE(dictionary.keys(),
             QStringList({"inputParameters", "latexString", "setupParameter", "solutionSteps"}));
    QCOMPARE(dictionary["inputParameters"].toObject()["α"].toString(), QStringLiteral("55"));
    QCOMPARE(dictionary["setupParameter"].toObject()["appKey"].toString(), QStringLiteral("KV"));
    QCOMPARE(Calculation::fromDictionary(dictionary), sample);
  }

  void lenientReadingGivesEmptyFieldsNotErrors() {
    // Missing setupParameter, a number as latexString.
    Calculation c = Calculation::fromDictionary(
        QJsonObject{{"inputParameters", QJsonObject{{"b", "π"}}}, {"latexString", 5}});
    QCOMPARE(c.inputParameters.value("b"), QStringLiteral("π"));
    QVERIFY(c.latexString.isEmpty());
    QVERIFY(c.setupParameter.isEmpty());
    // A map of texts with one number in it, steps that are not all maps.
    c = Calculation::fromDictionary(
        QJsonObject{{"inputParameters", QJsonObject{{"α", "1"}, {"b", 2}}},
                    {"solutionSteps", QJsonArray{QJsonObject{{"title", "t"}}, "not a map"}},
                    {"setupParameter", "KV"}});
    QVERIFY(c.inputParameters.isEmpty());
    QVERIFY(c.solutionSteps.isEmpty());
    QVERIFY(c.setupParameter.isEmpty());
    QCOMPARE(Calculation::fromDictionary({}), Calculation{});
  }

  void firstStartSeedsTheSampleOnce() {
    {
      Start start(path_);
      start.manager.prepareFirstStart();
      QCOMPARE(start.manager.count(), 1);
      QCOMPARE(start.manager.calculationAt(0), CalcManager::firstStartSample());
      QVERIFY(start.defaults.dateValue("firstAppStartAt").has_value());
    }
    Start second(path_);
    second.manager.prepareFirstStart();
    QCOMPARE(second.manager.count(), 1);
    QCOMPARE(second.manager.calculationAt(0).latexString,
             QStringLiteral("\\alpha = 55^{\\circ} \\quad b = ?"));
  }

  void deletingEverythingStaysEmptyAfterRestart() {
    {
      Start start(path_);
      start.manager.prepareFirstStart();
      start.manager.insertCalculation(record("1", "one"));
      QVERIFY(start.manager.removeCalculation(1));
      QVERIFY(start.manager.removeCalculation(0));
    }
    Start restarted(path_);
    restarted.manager.prepareFirstStart();
    QCOMPARE(restarted.manager.count(), 0);
    QCOMPARE(restarted.defaults.value("Calculations"), QJsonValue(QJsonArray()));
  }

  void moveFirstToLastSurvivesRestart() {
    {
      Start start(path_);
      for (const char* name : {"C", "B", "A"}) start.manager.insertCalculation(record("1", name));
      QCOMPARE(latexOf(start.manager), QStringList({"A", "B", "C"}));
      QSignalSpy moved(&start.manager, &CalcManager::calculationMoved);
      QVERIFY(start.manager.moveCalculation(0, 2));
      QCOMPARE(latexOf(start.manager), QStringList({"B", "C", "A"}));
      QCOMPARE(moved.count(), 1);
      QVERIFY(start.manager.moveCalculation(2, 1));
      QCOMPARE(latexOf(start.manager), QStringList({"B", "A", "C"}));
    }
    Start restarted(path_);
    QCOMPARE(latexOf(restarted.manager), QStringList({"B", "A", "C"}));
  }

  void invalidIndicesChangeNothing() {
    Start start(path_);
    start.manager.insertCalculation(record("1", "A"));
    QSignalSpy changed(&start.manager, &CalcManager::calculationsChanged);
    QVERIFY(!start.manager.removeCalculation(1));
    QVERIFY(!start.manager.removeCalculation(-1));
    QVERIFY(!start.manager.moveCalculation(0, 1));
    QCOMPARE(changed.count(), 0);
    QCOMPARE(start.manager.calculationAt(5), Calculation{});
    Start restarted(path_);
    QCOMPARE(latexOf(restarted.manager), QStringList({"A"}));
  }

  void clearLeavesAnEmptyListStored() {
    Start start(path_);
    for (int i = 0; i < 3; ++i) start.manager.insertCalculation(record("1", "x"));
    start.manager.clearCalculations();
    QCOMPARE(start.manager.count(), 0);
    start.manager.insertCalculation(record("2", "after"));
    Start restarted(path_);
    QCOMPARE(latexOf(restarted.manager), QStringList({"after"}));
  }

  void manyInsertsKeepEveryRecordNewestFirst() {
    {
      Start start(path_);
      for (int i = 0; i < 3000; ++i)
        start.manager.insertCalculation(record("1", QString::number(i)));
      start.manager.removeCalculation(10);
    }
    Start restarted(path_);
    QCOMPARE(restarted.manager.count(), 2999);
    QCOMPARE(restarted.manager.calculationAt(0).latexString, QStringLiteral("2999"));
    QCOMPARE(restarted.manager.calculationAt(10).latexString, QStringLiteral("2988"));
    QCOMPARE(restarted.manager.calculationAt(2998).latexString, QStringLiteral("0"));
  }

  void importedRecordsAreRepairedOnRead() {
    QFile file(path_);
    QVERIFY(file.open(QIODevice::WriteOnly));
    // An earlier version's file: a junk element, a record with a number as its text.
    file.write(
        "{\"unitcircle-settings\":1}\n"
        "{\"set\":\"Calculations\",\"value\":[{\"inputParameters\":{\"α\":\"1\"},"
        "\"latexString\":\"A\",\"solutionSteps\":[],\"setupParameter\":{}},\"junk\","
        "{\"inputParameters\":{\"b\":\"2\"},\"latexString\":3}]}\n"
        "{\"set\":\"CurrentCalculation\",\"value\":\"not a record\"}\n");
    file.close();
    {
      Start start(path_);
      QCOMPARE(start.manager.count(), 2);
      QCOMPARE(start.manager.calculationAt(1).inputParameters.value("b"), QStringLiteral("2"));
      QVERIFY(start.manager.calculationAt(1).latexString.isEmpty());
      QVERIFY(!start.manager.currentCalculation().has_value());
      QVERIFY(!start.defaults.contains("CurrentCalculation"));
      QVERIFY(start.manager.removeCalculation(1));
      start.manager.insertCalculation(record("3", "B"));
    }
    Start restarted(path_);
    QCOMPARE(latexOf(restarted.manager), QStringList({"B", "A"}));
  }

  void failedWritesChangeNothingAndTheNextOneWorks() {
    Start start(path_);
    for (const char* name : {"C", "B", "A"}) start.manager.insertCalculation(record("1", name));
    start.manager.setCurrentCalculation(record("5", ""));
    QSignalSpy changed(&start.manager, &CalcManager::calculationsChanged);
    QSignalSpy current(&start.manager, &CalcManager::currentCalculationChanged);
    failStoreWrites(start.defaults, true);
    QVERIFY(!start.manager.insertCalculation(record("1", "new")));
    QVERIFY(!start.manager.removeCalculation(0));
    QVERIFY(!start.manager.moveCalculation(0, 2));
    QVERIFY(!start.manager.clearCalculations());
    QVERIFY(!start.manager.setCurrentCalculation(std::nullopt));
    QCOMPARE(changed.count(), 0);
    QCOMPARE(current.count(), 0);
    QCOMPARE(latexOf(start.manager), QStringList({"A", "B", "C"}));
    QVERIFY(start.manager.currentCalculation().has_value());
    // A selection whose emptying cannot be written stays, as it does on disk.
    failStoreWrites(start.defaults, false);
    start.manager.setCurrentSelectedCalculation(record("7", "S"));
    failStoreWrites(start.defaults, true);
    QVERIFY(start.manager.takeCurrentSelectedCalculation().has_value());
    QVERIFY(start.manager.currentSelectedCalculation().has_value());

    failStoreWrites(start.defaults, false);
    QVERIFY(start.manager.insertCalculation(record("1", "new")));
    QVERIFY(start.manager.moveCalculation(0, 3));
    Start restarted(path_);
    QCOMPARE(latexOf(restarted.manager), QStringList({"A", "B", "C", "new"}));
    QCOMPARE(latexOf(restarted.manager), latexOf(start.manager));
  }

  void storeThatCannotBeOpenedIsNoFirstStart() {
    QVERIFY(QDir().mkpath(path_));  // a folder where the file should be
    Start start(path_);
    start.manager.prepareFirstStart();
    QCOMPARE(start.manager.count(), 0);  // no sample: this is not known to be a first start
    QVERIFY(start.manager.insertCalculation(record("1", "A")));
    QCOMPARE(latexOf(start.manager), QStringList({"A"}));
  }

  void twoWindowsLoseNothingAndEditTheChosenRecords() {
    {
      Start start(path_);
      for (const char* name : {"Z", "Y", "X"}) start.manager.insertCalculation(record("1", name));
    }
    Start first(path_);
    QProcess second;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(kSecondWindowEnv, path_);
    second.setProcessEnvironment(environment);
    second.start(QCoreApplication::applicationFilePath(), {});
    QVERIFY(second.waitForReadyRead(10000));
    // Both insert at once.
    for (int i = 0; i < kInsertsPerWindow; ++i) {
      QVERIFY(first.manager.insertCalculation(record("1", QStringLiteral("p%1").arg(i))));
    }
    QVERIFY(second.waitForFinished(30000));
    QCOMPARE(second.exitCode(), 0);

    // Deleting Y from the rows this window shows, which lack the other's records.
    const int y = first.manager.count() - 2;
    QCOMPARE(first.manager.calculationAt(y).latexString, QStringLiteral("Y"));
    QVERIFY(first.manager.removeCalculation(y));
    QSignalSpy reset(&first.manager, &CalcManager::calculationsReset);
    QVERIFY(first.manager.reloadIfChanged());
    QCOMPARE(reset.count(), 1);
    QVERIFY(!first.manager.reloadIfChanged());

    const QStringList shown = latexOf(first.manager);
    Start restarted(path_);
    QCOMPARE(latexOf(restarted.manager), shown);
    QCOMPARE(shown.size(), 2 * kInsertsPerWindow + 2);
    QVERIFY(!shown.contains("Y"));
    QCOMPARE(shown.last(), QStringLiteral("X"));
    for (int i = 0; i < kInsertsPerWindow; ++i) {
      QVERIFY(shown.contains(QStringLiteral("p%1").arg(i)));
      QVERIFY(shown.contains(QStringLiteral("c%1").arg(i)));
    }
    // Z went where the other window's newest record was, just above it.
    QCOMPARE(shown.indexOf("Z") + 1,
             shown.indexOf(QStringLiteral("c%1").arg(kInsertsPerWindow - 1)));
  }

  void aRemovedRecordGoesBackBetweenItsNeighboursUnderItsId() {
    Start start(path_);
    for (const char* name : {"D", "C", "B", "A"})
      start.manager.insertCalculation(record("1", name));
    const QList<qint64> idsBefore = start.defaults.recordIds();
    std::optional<CalcManager::Removed> removed = start.manager.takeCalculation(2);
    QVERIFY(removed.has_value());
    QCOMPARE(removed->calculation.latexString, QStringLiteral("C"));
    QVERIFY(!start.manager.takeCalculation(4).has_value());

    QSignalSpy inserted(&start.manager, &CalcManager::calculationInserted);
    QVERIFY(start.manager.restoreCalculation(*removed));
    QCOMPARE(inserted.count(), 1);
    QCOMPARE(inserted.at(0).at(0).toInt(), 2);
    QCOMPARE(latexOf(start.manager), QStringList({"A", "B", "C", "D"}));
    QCOMPARE(start.defaults.recordIds(), idsBefore);
    // Twice changes nothing.
    QVERIFY(!start.manager.restoreCalculation(*removed));
    QCOMPARE(latexOf(Start(path_).manager), latexOf(start.manager));

    // The newest record, removed and put back after a new one came in, stays second.
    removed = start.manager.takeCalculation(0);
    QVERIFY(start.manager.insertCalculation(record("1", "N")));
    QVERIFY(start.manager.restoreCalculation(*removed));
    QCOMPARE(latexOf(start.manager), QStringList({"N", "A", "B", "C", "D"}));
  }

  void undoingARemovalSurvivesAnotherWindowsChanges() {
    Start first(path_);
    for (const char* name : {"E", "D", "C", "B", "A"})
      first.manager.insertCalculation(record("1", name));
    const std::optional<CalcManager::Removed> removed = first.manager.takeCalculation(2);  // C
    {
      Start second(path_);
      QVERIFY(second.manager.insertCalculation(record("1", "N")));
      QVERIFY(second.manager.moveCalculation(4, 1));  // E between N and A
      QVERIFY(second.manager.removeCalculation(3));   // B
    }
    QSignalSpy reset(&first.manager, &CalcManager::calculationsReset);
    QVERIFY(first.manager.restoreCalculation(*removed));
    QCOMPARE(reset.count(), 1);
    QCOMPARE(latexOf(first.manager), QStringList({"N", "E", "A", "C", "D"}));
    QCOMPARE(latexOf(Start(path_).manager), latexOf(first.manager));

    // Removed by the other window first: nothing to put back.
    QVERIFY(Start(path_).manager.removeCalculation(4));  // D
    const std::optional<CalcManager::Removed> gone = first.manager.takeCalculation(4);
    QVERIFY(gone.has_value());
    QVERIFY(!first.manager.restoreCalculation(*gone));
    QCOMPARE(latexOf(Start(path_).manager), QStringList({"N", "E", "A", "C"}));
  }

  void aFailedUndoChangesNothing() {
    Start start(path_);
    for (const char* name : {"B", "A"}) start.manager.insertCalculation(record("1", name));
    const std::optional<CalcManager::Removed> removed = start.manager.takeCalculation(0);
    QSignalSpy changed(&start.manager, &CalcManager::calculationsChanged);
    failStoreWrites(start.defaults, true);
    QVERIFY(!start.manager.restoreCalculation(*removed));
    QCOMPARE(changed.count(), 0);
    QCOMPARE(latexOf(start.manager), QStringList({"B"}));
    failStoreWrites(start.defaults, false);
    QVERIFY(start.manager.restoreCalculation(*removed));
    QCOMPARE(latexOf(Start(path_).manager), QStringList({"A", "B"}));
  }

  void openCalculationsPersistEveryAssignment() {
    const Calculation typed = record("30", "");
    const Calculation picked = record("60", "\\alpha = 60^{\\circ} \\quad b = ?");
    {
      Start start(path_);
      start.manager.setCurrentCalculation(typed);
      start.manager.setCurrentCalculation(std::nullopt);
      start.manager.setCurrentCalculation(typed);
      start.manager.setCurrentSelectedCalculation(picked);
    }
    {
      Start restarted(path_);
      QCOMPARE(restarted.manager.currentCalculation().value(), typed);
      QCOMPARE(restarted.manager.takeCurrentSelectedCalculation().value(), picked);
      QVERIFY(!restarted.manager.currentSelectedCalculation().has_value());
      QVERIFY(!restarted.defaults.contains("CurrentSelectedCalculation"));
    }
    Start again(path_);
    QVERIFY(!again.manager.takeCurrentSelectedCalculation().has_value());
    QVERIFY(again.manager.currentCalculation().has_value());
  }

  // Windows started together on an earlier file that is not imported yet, or on no file at
  // all: one import, one first start, and none of them runs in memory meanwhile.
  void windowsStartedTogetherImportOnceAndKeepEverything_data() {
    QTest::addColumn<int>("records");  // in the earlier file; -1 for no file at all
    QTest::newRow("earlier file") << 300;
    QTest::newRow("first start") << -1;
  }

  void windowsStartedTogetherImportOnceAndKeepEverything() {
    QFETCH(int, records);
    constexpr int kWindows = 4;
    for (int round = 0; round < 3; ++round) {
      init();
      if (records >= 0) {
        QFile file(path_);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(
            "{\"unitcircle-settings\":1}\n"
            "{\"set\":\"firstAppStartAt\",\"value\":\"2026-01-01T00:00:00.000Z\"}\n");
        for (int i = 0; i < records; ++i) {
          file.write("{\"insert\":\"Calculations\",\"at\":0,\"value\":{\"latexString\":\"r" +
                     QByteArray::number(i) + "\"}}\n");
        }
      }
      std::vector<std::unique_ptr<QProcess>> windows;
      for (int i = 0; i < kWindows; ++i) {
        auto window = std::make_unique<QProcess>();
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert(kStartingWindowEnv, path_);
        window->setProcessEnvironment(environment);
        window->start(QCoreApplication::applicationFilePath(), {});
        QVERIFY(window->waitForStarted());
        windows.push_back(std::move(window));
      }
      QFile gate(path_ + ".gate");
      QVERIFY(gate.open(QIODevice::WriteOnly));
      const QByteArray expected = records >= 0 ? "1 " + QByteArray::number(records) : "1 1";
      for (auto& window : windows) {
        QVERIFY(window->waitForFinished(60000));
        QCOMPARE(window->readAllStandardOutput().trimmed(), expected);
      }
      Start after(path_);
      QVERIFY(after.defaults.isPersistent());
      QCOMPARE(after.manager.count(), records >= 0 ? records : 1);
      if (records >= 0) {
        QCOMPARE(after.manager.calculationAt(0).latexString,
                 QStringLiteral("r%1").arg(records - 1));
        QVERIFY(QFile::exists(path_ + ".jsonl-imported"));
        QVERIFY(!QFile::exists(path_ + ".jsonl-imported.2"));
      } else {
        QCOMPARE(after.manager.calculationAt(0), CalcManager::firstStartSample());
      }
    }
  }

  void killedWriterLeavesEveryReturnedInsertReadable() {
    QProcess child;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(kChildEnv, path_);
    child.setProcessEnvironment(environment);
    child.start(QCoreApplication::applicationFilePath(), {});
    QVERIFY(child.waitForStarted());

    // Let it write past the first compactions, then kill it mid-burst.
    QByteArray output;
    while (output.count('\n') < 1500 && child.state() == QProcess::Running) {
      child.waitForReadyRead(5000);
      output += child.readAllStandardOutput();
    }
    child.kill();
    child.waitForFinished();
    output += child.readAllStandardOutput();

    const QList<QByteArray> lines = output.trimmed().split('\n');
    const int lastReturned = lines.last().toInt();
    QVERIFY(lastReturned >= 1499);

    Start reader(path_);
    // Every insert that returned is there, newest first; at most one more got through.
    const int count = reader.manager.count();
    QVERIFY(count == lastReturned + 1 || count == lastReturned + 2);
    const QList<Calculation> calculations = reader.manager.allCalculations();
    for (int i = 0; i <= lastReturned; ++i) {
      QCOMPARE(calculations[count - 1 - i].latexString, QStringLiteral("r%1").arg(i));
    }
  }

 private:
  QTemporaryDir dir_;
  QString path_;
  int counter_ = 0;
};

int main(int argc, char** argv) {
  QCoreApplication app(argc, argv);
  const QString childFile = qEnvironmentVariable(kChildEnv);
  if (!childFile.isEmpty()) return runInsertingChild(childFile);
  const QString startingWindowFile = qEnvironmentVariable(kStartingWindowEnv);
  if (!startingWindowFile.isEmpty()) return runStartingWindow(startingWindowFile);
  const QString secondWindowFile = qEnvironmentVariable(kSecondWindowEnv);
  if (!secondWindowFile.isEmpty()) return runSecondWindow(secondWindowFile);
  TestCalcManager test;
  return QTest::qExec(&test, argc, argv);
}

#include "tst_calc_manager.moc"
