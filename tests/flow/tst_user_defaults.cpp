#include <QFile>
#include <QJsonArray>
#include <QJsonObject>
#include <QTemporaryDir>
#include <QTest>

#include "flow/user_defaults.h"

using uc::UserDefaults;

namespace {

QByteArray readAll(const QString& path) {
  QFile file(path);
  return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

void writeAll(const QString& path, const QByteArray& bytes) {
  QFile file(path);
  QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
  file.write(bytes);
}

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
      QVERIFY(!QFile::exists(path_));  // nothing written yet, nothing created
      QVERIFY(defaults.setBool("isOnboardingFinished", true));
      QVERIFY(defaults.setInt("counterForRating", 4));
      QVERIFY(defaults.setDate("firstAppStartAt", date));
      QVERIFY(defaults.setValue("map", QJsonObject{{"k", "v"}}));
      QVERIFY(defaults.setValue("gone", "x"));
      QVERIFY(defaults.remove("gone"));
    }
    UserDefaults reopened(path_);
    QCOMPARE(reopened.skippedLinesOnLoad(), 0);
    QCOMPARE(reopened.boolValue("isOnboardingFinished"), true);
    QCOMPARE(reopened.intValue("counterForRating"), 4);
    QCOMPARE(reopened.dateValue("firstAppStartAt").value(), date);
    QCOMPARE(reopened.value("map").toObject().value("k").toString(), QStringLiteral("v"));
    QVERIFY(!reopened.contains("gone"));
    QCOMPARE(reopened.keys(),
             QStringList({"counterForRating", "firstAppStartAt", "isOnboardingFinished", "map"}));
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

  void listEditsReplayInOrder() {
    {
      UserDefaults defaults(path_);
      QVERIFY(defaults.insertIntoArray("list", 0, "c"));
      QVERIFY(defaults.insertIntoArray("list", 0, "a"));
      QVERIFY(defaults.insertIntoArray("list", 1, "b"));
      QVERIFY(defaults.insertIntoArray("list", 3, "d"));  // append
      QVERIFY(defaults.moveInArray("list", 0, 3));        // b c d a
      QVERIFY(defaults.removeFromArray("list", 1));       // b d a
      // Out of range: nothing changes, nothing is written.
      QVERIFY(!defaults.insertIntoArray("list", 9, "x"));
      QVERIFY(!defaults.removeFromArray("list", 3));
      QVERIFY(!defaults.moveInArray("list", -1, 0));
      QVERIFY(!defaults.removeFromArray("absent", 0));
      QVERIFY(!defaults.insertIntoArray("absent", 1, "x"));
      QVERIFY(!defaults.contains("absent"));
    }
    UserDefaults reopened(path_);
    QCOMPARE(reopened.value("list").toArray(), (QJsonArray{"b", "d", "a"}));
  }

  void damagedLinesCostOnlyThemselvesAndAreRepaired() {
    {
      UserDefaults defaults(path_);
      for (int i = 0; i < 5; ++i) defaults.insertIntoArray("list", i, i);
      defaults.setValue("flag", true);
      defaults.compact();
    }
    QByteArray bytes = readAll(path_);
    // Break the line of element 2 and append a torn line, as a killed writer would.
    bytes.replace("\"value\":2}", "\"value\":2");
    bytes.append("{\"insert\":\"list\",\"at\":0,\"val");
    writeAll(path_, bytes);

    {
      UserDefaults damaged(path_);
      QCOMPARE(damaged.skippedLinesOnLoad(), 2);
      QCOMPARE(damaged.value("list").toArray(), (QJsonArray{0, 1, 3, 4}));
      QCOMPARE(damaged.boolValue("flag"), true);
    }
    UserDefaults repaired(path_);
    QCOMPARE(repaired.skippedLinesOnLoad(), 0);
    QVERIFY(readAll(path_).endsWith('\n'));
    // What the repair dropped from the file is kept word for word beside it.
    const QByteArray kept = readAll(repaired.unreadableFilePath());
    QVERIFY(kept.contains("\"value\":2\n"));
    QVERIFY(kept.contains("{\"insert\":\"list\",\"at\":0,\"val\n"));
  }

  void insertAtAnUnknownPlaceIsSkippedNotAppended() {
    writeAll(path_,
             "{\"unitcircle-settings\":1}\n{\"set\":\"list\",\"value\":[\"a\",\"b\"]}\n"
             "{\"insert\":\"list\",\"at\":7,\"value\":\"lost\"}\n"
             "{\"insert\":\"list\",\"at\":0,\"value\":\"first\"}\n");
    {
      UserDefaults defaults(path_);
      QCOMPARE(defaults.skippedLinesOnLoad(), 1);
      QCOMPARE(defaults.value("list").toArray(), (QJsonArray{"first", "a", "b"}));
    }
    QVERIFY(readAll(path_ + ".unreadable").contains("\"lost\""));
    UserDefaults reopened(path_);
    QCOMPARE(reopened.value("list").toArray(), (QJsonArray{"first", "a", "b"}));
  }

  void unreadableOrForeignFilesNeverStopTheStore() {
    const QList<QByteArray> contents = {
        QByteArray(),                            // empty
        QByteArray("\x00\xff\xfe garbage", 12),  // binary
        "[1, 2, 3]\n",                           // JSON, but not ours
        "{\"set\": 5, \"value\": 1}\n{\"move\":\"x\",\"from\":0,\"to\":1}\n{\"what\":1}\n",
    };
    for (const QByteArray& content : contents) {
      writeAll(path_, content);
      UserDefaults defaults(path_);
      QVERIFY(defaults.keys().isEmpty());
      QVERIFY(defaults.setValue("after", 1));
      UserDefaults again(path_);
      QCOMPARE(again.intValue("after"), 1);
      QCOMPARE(again.skippedLinesOnLoad(), 0);
    }
  }

  void plainJsonObjectWrittenByHandIsAccepted() {
    writeAll(path_, "{\n  \"isDsgvoAccepted\": true,\n  \"counterForRating\": 3\n}\n");
    UserDefaults defaults(path_);
    QCOMPARE(defaults.boolValue("isDsgvoAccepted"), true);
    QCOMPARE(defaults.intValue("counterForRating"), 3);
    defaults.setBool("isOnboardingFinished", true);
    UserDefaults again(path_);
    QCOMPARE(again.intValue("counterForRating"), 3);
    QCOMPARE(again.boolValue("isOnboardingFinished"), true);
  }

  void compactionKeepsEveryValue() {
    UserDefaults defaults(path_);
    // Enough appended bytes to pass the compaction threshold several times.
    const QString padding(200, QLatin1Char('p'));
    for (int i = 0; i < 2000; ++i)
      defaults.insertIntoArray("list", 0, padding + QString::number(i));
    for (int i = 0; i < 500; ++i) defaults.removeFromArray("list", 0);
    QVERIFY(readAll(path_).size() < 2000 * 260);  // compacted on the way
    UserDefaults reopened(path_);
    const QJsonArray list = reopened.value("list").toArray();
    QCOMPARE(list.size(), 1500);
    QCOMPARE(list.first().toString(), padding + "1499");
    QCOMPARE(list.last().toString(), padding + "0");
  }

  void unwritableFileKeepsMemoryAndReportsFailure() {
    const QString blocked = dir_.filePath("a-directory");
    QVERIFY(QDir().mkpath(blocked));
    UserDefaults defaults(blocked);
    QTest::ignoreMessage(QtWarningMsg, QRegularExpression("UserDefaults: cannot .*"));
    QVERIFY(!defaults.setValue("k", 1));
    QCOMPARE(defaults.intValue("k"), 1);
  }

 private:
  QTemporaryDir dir_;
  QString path_;
  int counter_ = 0;
};

QTEST_GUILESS_MAIN(TestUserDefaults)
#include "tst_user_defaults.moc"
