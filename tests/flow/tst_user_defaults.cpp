#include <sqlite3.h>

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonObject>
#include <QTemporaryDir>
#include <QTest>

#include "file_bytes.h"
#include "flow/user_defaults.h"

using uc::UserDefaults;
using Failure = UserDefaults::Failure;
using Change = UserDefaults::Change;

namespace {

QJsonObject record(const QString& latex) {
  return {{"inputParameters", QJsonObject{{"α", "1"}}},
          {"latexString", latex},
          {"solutionSteps", QJsonArray()},
          {"setupParameter", QJsonObject{{"appKey", "KV"}}}};
}

QStringList latexOf(const UserDefaults& defaults) {
  QStringList result;
  for (const QJsonValue element : defaults.value("Calculations").toArray()) {
    result << element.toObject().value("latexString").toString();
  }
  return result;
}

// A record line as the earlier store wrote it.
QByteArray insertLine(const char* latex, int at = 0) {
  return QByteArray("{\"insert\":\"Calculations\",\"at\":") + QByteArray::number(at) +
         ",\"value\":{\"inputParameters\":{\"α\":\"1\"},\"latexString\":\"" + latex +
         "\",\"setupParameter\":{\"appKey\":\"KV\"},\"solutionSteps\":[]}}\n";
}

const QByteArray kHeader = "{\"unitcircle-settings\":1}\n";

// Records failures as the app's listener would receive them.
struct Failures {
  explicit Failures(UserDefaults& defaults) {
    defaults.setFailureListener([this](Failure failure, Change change) {
      told.append({failure, change});
    });
  }
  QList<QPair<Failure, Change>> told;
};

}  // namespace

class TestUserDefaults : public QObject {
  Q_OBJECT

 private slots:
  void init() {
    QVERIFY(dir_.isValid());
    path_ = dir_.filePath(QStringLiteral("settings-%1.jsonl").arg(++counter_));
  }

  void settingsPathFromArgumentsAndEnvironment() {
    qputenv("UNITCIRCLE_SETTINGS", "/from/env.jsonl");
    QCOMPARE(UserDefaults::filePathFromArguments({"app", "--settings", "/a.jsonl"}),
             QStringLiteral("/a.jsonl"));
    QCOMPARE(UserDefaults::filePathFromArguments({"app", "--settings=/b.jsonl"}),
             QStringLiteral("/b.jsonl"));
    // A dangling option does not swallow the path; the environment applies.
    QCOMPARE(UserDefaults::filePathFromArguments({"app", "--settings"}),
             QStringLiteral("/from/env.jsonl"));
    qunsetenv("UNITCIRCLE_SETTINGS");
    QCOMPARE(UserDefaults::filePathFromArguments({"app"}), UserDefaults::defaultFilePath());
    QVERIFY(!UserDefaults::defaultFilePath().isEmpty());
  }

  void valuesSurviveReopening() {
    const QDateTime date = QDateTime::fromString("2024-03-01T10:20:30.456Z", Qt::ISODateWithMs);
    {
      UserDefaults defaults(path_);
      QVERIFY(defaults.isPersistent());
      QVERIFY(defaults.setBool("isOnboardingFinished", true));
      QVERIFY(defaults.setInt("counterForRating", 4));
      QVERIFY(defaults.setDate("firstAppStartAt", date));
      QVERIFY(defaults.setValue("map", QJsonObject{{"k", "v"}}));
      QVERIFY(defaults.setValue("gone", "x"));
      QVERIFY(defaults.remove("gone"));
      // The records are rows of their own, not a value to overwrite.
      QVERIFY(!defaults.setValue("Calculations", QJsonArray{1}));
    }
    UserDefaults reopened(path_);
    QCOMPARE(reopened.boolValue("isOnboardingFinished"), true);
    QCOMPARE(reopened.intValue("counterForRating"), 4);
    QCOMPARE(reopened.dateValue("firstAppStartAt").value(), date);
    QCOMPARE(reopened.value("map").toObject().value("k").toString(), QStringLiteral("v"));
    QVERIFY(!reopened.contains("gone"));
    QCOMPARE(reopened.keys(),
             QStringList({"counterForRating", "firstAppStartAt", "isOnboardingFinished", "map"}));
    QCOMPARE(reopened.value("Calculations"), QJsonValue(QJsonArray()));
  }

  void typedReadsFallBackOnOtherTypes() {
    UserDefaults defaults(path_);
    defaults.setValue("text", "yes");
    defaults.setValue("fraction", 2.5);
    QCOMPARE(defaults.boolValue("text", true), true);
    QCOMPARE(defaults.boolValue("missing"), false);
    QCOMPARE(defaults.intValue("fraction", 7), 7);
    QCOMPARE(defaults.intValue("text", 5), 5);
    QVERIFY(!defaults.dateValue("text").has_value());
    QCOMPARE(defaults.stringValue("fraction", "d"), QStringLiteral("d"));
  }

  void recordEditsNameRecordsById() {
    qint64 a = 0, b = 0, c = 0, d = 0;
    {
      UserDefaults defaults(path_);
      d = *defaults.insertRecord(record("D"));
      c = *defaults.insertRecord(record("C"));
      b = *defaults.insertRecord(record("B"));
      a = *defaults.insertRecord(record("A"));
      QCOMPARE(defaults.recordIds(), (QList<qint64>{a, b, c, d}));
      QVERIFY(defaults.moveRecord(a, d));  // down: B C D A
      QVERIFY(defaults.moveRecord(d, b));  // up: D B C A
      QVERIFY(defaults.removeRecord(c));   // D B A
      QVERIFY(defaults.removeRecord(c));   // gone already: nothing to do
      QCOMPARE(latexOf(defaults), QStringList({"D", "B", "A"}));
      QCOMPARE(defaults.record(b)->value("latexString").toString(), QStringLiteral("B"));
      QVERIFY(!defaults.record(c));
      // A move onto a record that is gone changes nothing and is no failure.
      QVERIFY(!defaults.moveRecord(a, c));
      QCOMPARE(defaults.lastFailure(), Failure::None);
      // A screenful from a given record on.
      const auto rows = defaults.rows(b, 5);
      QCOMPARE(rows.size(), 2);
      QCOMPARE(rows[0].id, b);
      QCOMPARE(rows[1].record.value("latexString").toString(), QStringLiteral("A"));
    }
    UserDefaults reopened(path_);
    QCOMPARE(reopened.recordIds(), (QList<qint64>{d, b, a}));
    // Ids are never given again, not even the newest one's after its deletion.
    QVERIFY(reopened.removeRecord(d));
    QVERIFY(*reopened.insertRecord(record("E")) > a);
    QVERIFY(reopened.clearRecords());
    QCOMPARE(reopened.recordCount(), 0);
  }

  void jsonLinesFileIsImportedOnceAndKeptAside() {
    const QByteArray old = kHeader + "{\"set\":\"isDsgvoAccepted\",\"value\":true}\n" +
                           "{\"set\":\"Calculations\",\"value\":[]}\n" + insertLine("C") +
                           insertLine("B") + insertLine("A") + insertLine("X", 1) +
                           "{\"removeAt\":\"Calculations\",\"at\":1}\n" +
                           "{\"move\":\"Calculations\",\"from\":0,\"to\":2}\n" +
                           "{\"set\":\"CurrentCalculation\",\"value\":{\"latexString\":\"\"}}\n";
    writeAll(path_, old);
    {
      UserDefaults defaults(path_);
      QVERIFY(defaults.isPersistent());
      QCOMPARE(defaults.importedFilePath(), path_ + ".jsonl-imported");
      QCOMPARE(latexOf(defaults), QStringList({"B", "C", "A"}));
      QCOMPARE(defaults.boolValue("isDsgvoAccepted"), true);
      QVERIFY(defaults.value("CurrentCalculation").isObject());
      QVERIFY(defaults.insertRecord(record("new")));
    }
    QCOMPARE(readAll(path_ + ".jsonl-imported"), old);
    QVERIFY(readAll(path_).startsWith("SQLite format 3"));
    QVERIFY(!QFile::exists(path_ + ".unreadable"));

    UserDefaults second(path_);
    QVERIFY(second.importedFilePath().isEmpty());
    QCOMPARE(latexOf(second), QStringList({"new", "B", "C", "A"}));
  }

  void importInterruptedBeforeItsRenameIsDoneAgain() {
    writeAll(path_, kHeader + insertLine("A"));
    // What a kill during the import leaves: a half-built database beside the old file.
    writeAll(path_ + ".importing", "SQLite format 3");
    writeAll(path_ + ".jsonl-imported", "an earlier import's copy");
    UserDefaults defaults(path_);
    QCOMPARE(latexOf(defaults), QStringList({"A"}));
    QCOMPARE(defaults.importedFilePath(), path_ + ".jsonl-imported.2");
    QCOMPARE(readAll(path_ + ".jsonl-imported"), QByteArray("an earlier import's copy"));
    QVERIFY(!QFile::exists(path_ + ".importing"));
  }

  // A settings file put back over a database (a backup restored, a test's fresh settings)
  // finds that database's log beside it; the import must not replay it over the new store.
  void importIgnoresTheLogOfTheDatabaseItReplaced() {
    const QString other = dir_.filePath("other.db");
    UserDefaults earlier(other);
    for (const char* latex : {"old 1", "old 2", "old 3"})
      QVERIFY(earlier.insertRecord(record(latex)));
    QVERIFY(QFile::exists(other + "-wal"));
    QVERIFY(QFile::copy(other + "-wal", path_ + "-wal"));
    QVERIFY(QFile::copy(other + "-shm", path_ + "-shm"));
    writeAll(path_, kHeader + insertLine("A"));

    UserDefaults defaults(path_);
    QVERIFY(defaults.isPersistent());
    QCOMPARE(latexOf(defaults), QStringList({"A"}));
    QVERIFY(defaults.insertRecord(record("B")));
    QCOMPARE(latexOf(UserDefaults(path_)), QStringList({"B", "A"}));
  }

  // Every kind of damage the earlier file could carry costs only the damaged lines.
  void damagedFilesImportWhatCanBeRead_data() {
    QTest::addColumn<QByteArray>("content");
    QTest::addColumn<QStringList>("records");
    QTest::addColumn<int>("skipped");
    const QByteArray abc = kHeader + insertLine("C") + insertLine("B") + insertLine("A");
    QTest::newRow("empty") << QByteArray() << QStringList() << 0;
    QTest::newRow("binary") << QByteArray("\x00\xff\xfe garbage", 12) << QStringList() << 1;
    QTest::newRow("JSON, not ours") << QByteArray("[1, 2, 3]\n") << QStringList() << 1;
    QTest::newRow("blank lines") << QByteArray("\n\n  \n") << QStringList() << 0;
    QTest::newRow("no header") << insertLine("B") + insertLine("A") << QStringList{"A", "B"} << 0;
    QTest::newRow("torn last line")
        << abc + "{\"insert\":\"Calculations\",\"at\":0,\"val" << QStringList{"A", "B", "C"} << 1;
    QTest::newRow("broken line inside")
        << kHeader + insertLine("C") + "{\"insert\":\"Calcul\n" + insertLine("A")
        << QStringList{"A", "C"} << 1;
    QTest::newRow("insert at an unknown place")
        << abc + insertLine("lost", 9) + insertLine("D") << QStringList{"D", "A", "B", "C"} << 1;
    QTest::newRow("removal out of range") << abc + "{\"removeAt\":\"Calculations\",\"at\":3}\n"
                                          << QStringList{"A", "B", "C"} << 1;
    QTest::newRow("move out of range") << abc + "{\"move\":\"Calculations\",\"from\":0,\"to\":-1}\n"
                                       << QStringList{"A", "B", "C"} << 1;
    QTest::newRow("unknown change") << abc + "{\"what\":1}\n{\"set\":5,\"value\":1}\n"
                                    << QStringList{"A", "B", "C"} << 2;
    QTest::newRow("records that are no records")
        << kHeader +
               "{\"set\":\"Calculations\",\"value\":[\"junk\",42,{\"latexString\":\"A\"},null]}\n" +
               insertLine("B")
        << QStringList{"B", "A"} << 0;
    QTest::newRow("record fields of other types")
        << kHeader +
               "{\"set\":\"Calculations\",\"value\":[{\"latexString\":3,\"inputParameters\":7}]}\n"
        << QStringList{""} << 0;
    QTest::newRow("list that is no list")
        << kHeader + "{\"set\":\"Calculations\",\"value\":\"text\"}\n" + insertLine("A")
        << QStringList{"A"} << 0;
    QTest::newRow("Windows line ends")
        << QByteArray(abc).replace("\n", "\r\n") << QStringList{"A", "B", "C"} << 0;
    QTest::newRow("hand-written object")
        << QByteArray("{\n  \"Calculations\": [{\"latexString\": \"A\"}],\n  \"x\": 1\n}\n")
        << QStringList{"A"} << 0;
  }

  void damagedFilesImportWhatCanBeRead() {
    QFETCH(QByteArray, content);
    QFETCH(QStringList, records);
    QFETCH(int, skipped);
    writeAll(path_, content);
    {
      UserDefaults defaults(path_);
      QVERIFY(defaults.isPersistent());
      QCOMPARE(defaults.skippedLinesOnLoad(), skipped);
      QCOMPARE(latexOf(defaults), records);
      QVERIFY(defaults.setValue("after", 1));
    }
    UserDefaults again(path_);
    QCOMPARE(again.intValue("after"), 1);
    QCOMPARE(latexOf(again), records);
    QCOMPARE(again.skippedLinesOnLoad(), 0);
    // What the import could not read is kept word for word beside the file, and the file
    // itself under another name.
    QCOMPARE(QFile::exists(path_ + ".unreadable"), skipped > 0);
    if (!content.isEmpty()) QCOMPARE(readAll(path_ + ".jsonl-imported"), content);
  }

  void unreadableLinesAreKeptWordForWord() {
    writeAll(path_, kHeader + "{\"set\":\"flag\",\"value\":tru}\n" + insertLine("A") +
                        "{\"insert\":\"Calculations\",\"at\":0,\"val");
    UserDefaults defaults(path_);
    const QByteArray kept = readAll(defaults.unreadableFilePath());
    QVERIFY(kept.startsWith("# "));
    QVERIFY(kept.contains("{\"set\":\"flag\",\"value\":tru}\n"));
    QVERIFY(kept.contains("{\"insert\":\"Calculations\",\"at\":0,\"val\n"));
  }

  void readOnlyAccessChangesNothing() {
    // A folder of its own, so that any file the reader left would show.
    const QDir folder(dir_.filePath("read-only-access"));
    QVERIFY(folder.mkpath("."));
    path_ = folder.filePath("settings");
    const QByteArray old = kHeader + insertLine("B") + insertLine("A") + "{broken\n";
    writeAll(path_, old);
    {
      UserDefaults reader(path_, UserDefaults::Access::ReadOnly);
      QCOMPARE(latexOf(reader), QStringList({"A", "B"}));
      QCOMPARE(reader.skippedLinesOnLoad(), 1);
    }
    QCOMPARE(readAll(path_), old);
    QCOMPARE(folder.entryList(QDir::Files), QStringList{"settings"});

    QFile::remove(path_);
    { UserDefaults(path_).insertRecord(record("A")); }
    const QByteArray database = readAll(path_);
    const QStringList files = folder.entryList(QDir::Files);
    {
      UserDefaults reader(path_, UserDefaults::Access::ReadOnly);
      QCOMPARE(latexOf(reader), QStringList({"A"}));
      QVERIFY(!reader.insertRecord(record("B")));
      QCOMPARE(reader.lastFailure(), Failure::ReadOnly);
    }
    QCOMPARE(readAll(path_), database);
    QCOMPARE(folder.entryList(QDir::Files), files);
  }

  void fullDiskFailsTheWriteAndTheNextOneWorks() {
    UserDefaults defaults(path_);
    Failures failures(defaults);
    QVERIFY(defaults.insertRecord(record("kept")));
    QVERIFY(defaults.executeForTesting("PRAGMA max_page_count = 1"));
    const QString big(20000, QLatin1Char('x'));
    QVERIFY(!defaults.insertRecord(record(big)));
    QVERIFY(!defaults.setValue("big", big));
    QCOMPARE(defaults.lastFailure(), Failure::Full);
    QCOMPARE(failures.told, (QList<QPair<Failure, Change>>{{Failure::Full, Change::InsertRecord},
                                                           {Failure::Full, Change::Setting}}));
    QVERIFY(!defaults.contains("big"));
    QCOMPARE(latexOf(defaults), QStringList({"kept"}));

    QVERIFY(defaults.executeForTesting("PRAGMA max_page_count = 100000"));
    QVERIFY(defaults.setValue("big", big));
    QVERIFY(defaults.insertRecord(record("after")));
    UserDefaults reopened(path_);
    QCOMPARE(latexOf(reopened), QStringList({"after", "kept"}));
  }

  // A store that turns read-only while open (a file read-only from the start is read into
  // memory instead: see the store's fault tests).
  void readOnlyStoreFailsEveryWrite() {
    UserDefaults defaults(path_);
    defaults.setBool("flag", true);
    Failures failures(defaults);
    QVERIFY(defaults.executeForTesting("PRAGMA query_only = 1"));
    QVERIFY(!defaults.setBool("flag", false));
    QVERIFY(!defaults.insertRecord(record("A")));
    QCOMPARE(failures.told.size(), 2);
    QCOMPARE(failures.told.first().first, Failure::ReadOnly);
    QCOMPARE(defaults.boolValue("flag"), true);
  }

  void storeLockedTooLongFailsAsBusy() {
    UserDefaults defaults(path_);
    Failures failures(defaults);
    sqlite3* other = nullptr;
    QCOMPARE(sqlite3_open(QFile::encodeName(path_).constData(), &other), SQLITE_OK);
    QCOMPARE(sqlite3_exec(other, "BEGIN IMMEDIATE", nullptr, nullptr, nullptr), SQLITE_OK);
    QVERIFY(!defaults.insertRecord(record("A")));
    QCOMPARE(failures.told.value(0).first, Failure::Busy);
    sqlite3_exec(other, "ROLLBACK", nullptr, nullptr, nullptr);
    sqlite3_close(other);
    QVERIFY(defaults.insertRecord(record("A")));
  }

  void storeThatCannotBeOpenedRunsInMemoryAsNoFirstStart() {
    const QString folder = dir_.filePath("a-folder");
    QVERIFY(QDir().mkpath(folder));
    UserDefaults defaults(folder);
    QVERIFY(!defaults.isPersistent());
    QCOMPARE(defaults.openFailure(), Failure::Unavailable);
    // Not a first start: no introduction, no privacy notice, no sample again.
    QVERIFY(defaults.contains("firstAppStartAt"));
    QVERIFY(defaults.boolValue("isOnboardingFinished"));
    QVERIFY(defaults.boolValue("isDsgvoAccepted"));
    QVERIFY(!defaults.contains("isYoutubeDsgvoAccepted"));  // a consent is never assumed
    // Told once, to the listener that comes.
    Failures failures(defaults);
    QCOMPARE(failures.told, (QList<QPair<Failure, Change>>{{Failure::Unavailable, Change::Open}}));
    defaults.setFailureListener([](Failure, Change) { QFAIL("told twice"); });
    // It works for this run.
    QVERIFY(defaults.insertRecord(record("A")));
    QVERIFY(defaults.setBool("x", true));
    QCOMPARE(latexOf(defaults), QStringList({"A"}));
    QVERIFY(QFileInfo(folder).isDir());
  }

  void foreignFileIsNeitherImportedNorOverwritten() {
    // A damaged database: our header, then garbage.
    QByteArray bytes("SQLite format 3\0", 16);
    bytes.append(QByteArray(4096, '\x7f'));
    writeAll(path_, bytes);
    UserDefaults defaults(path_);
    QVERIFY(!defaults.isPersistent());
    QCOMPARE(defaults.openFailure(), Failure::Unavailable);
    QVERIFY(defaults.setBool("x", true));
    QCOMPARE(readAll(path_), bytes);
  }

  void changesOfAnotherConnectionAreNoticed() {
    UserDefaults one(path_);
    UserDefaults two(path_);
    QVERIFY(!one.refreshIfChanged());
    QVERIFY(two.setBool("flag", true));
    QVERIFY(!two.refreshIfChanged());  // its own change
    QVERIFY(!one.boolValue("flag"));
    QVERIFY(one.refreshIfChanged());
    QVERIFY(one.boolValue("flag"));
    QVERIFY(!one.refreshIfChanged());
  }

 private:
  QTemporaryDir dir_;
  QString path_;
  int counter_ = 0;
};

QTEST_GUILESS_MAIN(TestUserDefaults)
#include "tst_user_defaults.moc"
