#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTemporaryDir>
#include <algorithm>

#include "cli/history_command.h"
#include "cli/solve_command.h"
#include "flow/calculation.h"
#include "flow/user_defaults.h"
#include "run_command.h"

namespace uc::cli {
namespace {

Outcome listing(const std::vector<std::string>& arguments) {
  return run(arguments, {}, runHistory);
}

Calculation record(const QString& alpha, const QString& latex) {
  Calculation calculation;
  calculation.inputParameters.insert(QStringLiteral("α"), alpha);
  calculation.inputParameters.insert(QStringLiteral("b"), QStringLiteral("π"));
  calculation.latexString = latex;
  calculation.setupParameter.insert("appKey", "KV");
  return calculation;
}

QByteArray readAll(const QString& path) {
  QFile file(path);
  return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

class History : public ::testing::Test {
 protected:
  void SetUp() override { ASSERT_TRUE(dir_.isValid()); }
  std::string path(const char* name) const { return dir_.filePath(name).toStdString(); }
  QStringList files() const { return QDir(dir_.path()).entryList(QDir::Files); }

  QTemporaryDir dir_;
};

TEST_F(History, ListsADatabaseNewestFirstWithoutChangingIt) {
  const QString file = QString::fromStdString(path("store"));
  {
    UserDefaults store(file);
    // More than a page, so that the pages join without a gap or a repeat.
    for (int i = 0; i < 1203; ++i) {
      store.insertRecord(record(QString::number(i), QStringLiteral("r%1").arg(i)).asDictionary());
    }
  }
  const QByteArray before = readAll(file);
  const QStringList filesBefore = files();

  const Outcome text = listing({"history", "--settings", file.toStdString()});
  EXPECT_EQ(text.status, kExitSolved) << text.err;
  EXPECT_EQ(text.out.rfind("1\tα=1202 b=π\tr1202\n2\tα=1201 b=π\tr1201\n", 0), 0u);
  EXPECT_NE(text.out.find("\n1203\tα=0 b=π\tr0\n"), std::string::npos);

  const Outcome json = listing({"history", "--json", "--settings=" + file.toStdString()});
  EXPECT_EQ(json.status, kExitSolved);
  QJsonParseError error{};
  const QJsonDocument document =
      QJsonDocument::fromJson(QByteArray::fromStdString(json.out), &error);
  ASSERT_EQ(error.error, QJsonParseError::NoError) << json.out.substr(0, 200);
  const QJsonArray calculations = document.object().value("calculations").toArray();
  ASSERT_EQ(calculations.size(), 1203);
  EXPECT_EQ(calculations.first().toObject(), record("1202", "r1202").asDictionary());
  EXPECT_EQ(calculations.last().toObject().value("latexString").toString(), QStringLiteral("r0"));

  EXPECT_EQ(readAll(file), before);
  EXPECT_EQ(files(), filesBefore);
}

TEST_F(History, ReadsAnEarlierJsonLinesFileInPlace) {
  const QByteArray old =
      "{\"unitcircle-settings\":1}\n"
      "{\"insert\":\"Calculations\",\"at\":0,\"value\":{\"inputParameters\":{\"b\":\"2\"},"
      "\"latexString\":\"old\",\"solutionSteps\":[],\"setupParameter\":{\"appKey\":\"KV\"}}}\n"
      "{\"insert\":\"Calculations\",\"at\":0,\"value\":{\"latexString\":7}}\n"
      "{\"insert\":\"Calcul\n";
  const QString file = QString::fromStdString(path("settings.jsonl"));
  {
    QFile out(file);
    ASSERT_TRUE(out.open(QIODevice::WriteOnly));
    out.write(old);
  }
  const Outcome json = listing({"history", "--settings", file.toStdString(), "--json"});
  EXPECT_EQ(json.status, kExitSolved);
  // The damaged record prints as the app reads it: every field, empty where it was wrong.
  EXPECT_EQ(json.out,
            "{\"calculations\": [\n"
            "  {\"inputParameters\":{},\"latexString\":\"\",\"setupParameter\":{},"
            "\"solutionSteps\":[]},\n"
            "  {\"inputParameters\":{\"b\":\"2\"},\"latexString\":\"old\","
            "\"setupParameter\":{\"appKey\":\"KV\"},\"solutionSteps\":[]}\n"
            "]}\n");
  EXPECT_EQ(json.err, "unitcircle: historySkippedLines\n");  // untranslated: its key
  // Neither imported nor repaired nor moved.
  EXPECT_EQ(readAll(file), old);
  EXPECT_EQ(files(), QStringList{"settings.jsonl"});
}

TEST_F(History, AnEmptyHistoryIsAnEmptyList) {
  const QString file = QString::fromStdString(path("empty"));
  { UserDefaults store(file); }
  EXPECT_EQ(listing({"history", "--settings", file.toStdString(), "--json"}).out,
            "{\"calculations\": []}\n");
  EXPECT_EQ(listing({"history", "--settings", file.toStdString()}).out, "");
}

TEST_F(History, FilesThatCannotBeReadAreToldAndLeftAlone) {
  Outcome r = listing({"history", "--settings", path("missing")});
  EXPECT_EQ(r.status, kExitStoreUnreadable);
  EXPECT_NE(r.err.find("historyNoFile"), std::string::npos) << r.err;
  EXPECT_TRUE(files().isEmpty());  // nothing created

  ASSERT_TRUE(QDir(dir_.path()).mkdir("folder"));
  r = listing({"history", "--settings", path("folder")});
  EXPECT_EQ(r.status, kExitStoreUnreadable);
  EXPECT_NE(r.err.find("historyCannotRead"), std::string::npos) << r.err;
  EXPECT_TRUE(r.out.empty());
}

// Through a link, the log of a window still open is found beside the target: the listing
// is the app's, not the file's state before that window's last calculations.
TEST_F(History, ReadsThroughALinkWithTheTargetsLog) {
  const QString file = QString::fromStdString(path("store"));
  const QString link = QString::fromStdString(path("link"));
  UserDefaults open(file);
  for (int i = 0; i < 3; ++i) {
    open.insertRecord(record(QString::number(i), QStringLiteral("r%1").arg(i)).asDictionary());
  }
  ASSERT_TRUE(QFile::exists(file + "-wal"));
  ASSERT_TRUE(QFile::link(file, link));
  const Outcome r = listing({"history", "--settings", link.toStdString()});
  EXPECT_EQ(r.status, kExitSolved) << r.err;
  EXPECT_EQ(r.out.rfind("1\tα=2 b=π\tr2\n", 0), 0u) << r.out;
  EXPECT_NE(r.out.find("\n3\tα=0 b=π\tr0\n"), std::string::npos) << r.out;
}

// A damaged page: every record outside it is listed, the damage is said, and the status
// says it too; the file stays as it is.
TEST_F(History, DamagedFileListsEveryReadableRecordAndExitsWith3) {
  const QString file = QString::fromStdString(path("store"));
  {
    UserDefaults store(file);
    for (int i = 0; i < 600; ++i) {
      store.insertRecord(record(QString::number(i), QStringLiteral("r%1").arg(i)).asDictionary());
    }
  }
  QByteArray bytes = readAll(file);
  const qsizetype page = bytes.indexOf("\"r300\"") / 4096 * 4096;
  ASSERT_GT(page, 0);
  const qsizetype lost = bytes.mid(page, 4096).count("\"latexString\":");
  bytes.replace(page, 4096, QByteArray(4096, '\0'));
  {
    QFile out(file);
    ASSERT_TRUE(out.open(QIODevice::WriteOnly));
    out.write(bytes);
  }
  const Outcome r = listing({"history", "--settings", file.toStdString()});
  EXPECT_EQ(r.status, kExitStoreUnreadable);
  EXPECT_NE(r.err.find("historyDamaged"), std::string::npos) << r.err;
  EXPECT_EQ(std::count(r.out.begin(), r.out.end(), '\n'), 600 - lost);
  EXPECT_EQ(r.out.find("\tr300\n"), std::string::npos);
  EXPECT_NE(r.out.find("\tr0\n"), std::string::npos);
  EXPECT_EQ(readAll(file), bytes);
}

TEST_F(History, AnotherProgramsDatabaseIsSaidToBeOne) {
  const QString file = QString::fromStdString(path("other.db"));
  {
    UserDefaults store(file);  // then made another program's: its tables beside ours
    store.executeForTesting("CREATE TABLE customers(name TEXT)");
  }
  const Outcome r = listing({"history", "--settings", file.toStdString()});
  EXPECT_EQ(r.status, kExitStoreUnreadable);
  EXPECT_NE(r.err.find("historyForeign"), std::string::npos) << r.err;
}

}  // namespace
}  // namespace uc::cli
