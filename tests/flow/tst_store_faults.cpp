// The store against files a hostile week leaves at its path: foreign logs and databases,
// damaged pages, locks held by another writer, read-only folders and links. Whatever is
// found, no record is destroyed and the learner is told.
#include <fcntl.h>
#include <linux/fs.h>
#include <sqlite3.h>
#include <sys/ioctl.h>
#include <unistd.h>

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonObject>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <QTest>
#include <thread>

#include "file_bytes.h"
#include "flow/user_defaults.h"

using uc::UserDefaults;
using Failure = UserDefaults::Failure;
using Change = UserDefaults::Change;
using Told = QList<QPair<Failure, Change>>;

namespace {

QJsonObject record(const QString& latex) { return {{"latexString", latex}}; }

QStringList latexOf(const UserDefaults& defaults) {
  QStringList result;
  for (const QJsonValue element : defaults.value("Calculations").toArray()) {
    result << element.toObject().value("latexString").toString();
  }
  return result;
}

// "r<count-1>" ... "r0", newest first, imported from an earlier file in one transaction.
void fillStore(const QString& path, int count, const QString& name = "r") {
  QByteArray lines = "{\"unitcircle-settings\":1}\n";
  for (int i = 0; i < count; ++i) {
    lines += "{\"insert\":\"Calculations\",\"at\":0,\"value\":{\"latexString\":\"" +
             (name + QString::number(i)).toUtf8() + "\"}}\n";
  }
  writeAll(path, lines);
  UserDefaults imported(path);
  QVERIFY(imported.isPersistent());
  QCOMPARE(imported.recordCount(), count);
}

QStringList names(int count, const QString& name = "r") {
  QStringList result;
  for (int i = count - 1; i >= 0; --i) result << name + QString::number(i);
  return result;
}

// A log that stays on disk: the connection is left open while the files are copied.
void copyLiveLog(const QString& from, const QString& to) {
  QFile::remove(to + "-wal");
  QFile::remove(to + "-shm");
  QVERIFY(QFile::copy(from + "-wal", to + "-wal"));
  QVERIFY(QFile::copy(from + "-shm", to + "-shm"));
}

Told toldBy(UserDefaults& defaults) {
  Told told;
  defaults.setFailureListener([&told](Failure failure, Change change) {
    told.append({failure, change});
  });
  defaults.setFailureListener({});
  return told;
}

// Overwrites the page (4096 bytes) that holds the record "r1000"; the records it held.
int damagePage(const QString& path, char fill) {
  QFile file(path);
  if (!file.open(QIODevice::ReadWrite)) return -1;
  const QByteArray bytes = file.readAll();
  const qint64 at = bytes.indexOf("\"r1000\"") / 4096 * 4096;
  if (at <= 0) return -1;
  file.seek(at);
  QByteArray page(4096, fill);
  if (fill == 'r') {
    for (char& byte : page) byte = char(QRandomGenerator::global()->bounded(256));
  }
  file.write(page);
  return int(bytes.mid(at, 4096).count("{\"latexString\":"));
}

// A folder or file this process may not write, even as root: the immutable flag where the
// permissions do not bind. Undone on destruction.
class Unwritable {
 public:
  explicit Unwritable(const QString& path) : path_(path) {
    QFile::setPermissions(path_, QFileInfo(path_).isDir()
                                     ? QFileDevice::ReadOwner | QFileDevice::ExeOwner
                                     : QFileDevice::ReadOwner);
    if (::access(QFile::encodeName(path_).constData(), W_OK) == 0) setImmutable(true);
  }
  ~Unwritable() {
    if (immutable_) setImmutable(false);
    QFile::setPermissions(path_,
                          QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
  }
  bool holds() const { return ::access(QFile::encodeName(path_).constData(), W_OK) != 0; }

 private:
  void setImmutable(bool on) {
    const int fd = ::open(QFile::encodeName(path_).constData(), O_RDONLY);
    if (fd < 0) return;
    int flags = 0;
    if (::ioctl(fd, FS_IOC_GETFLAGS, &flags) == 0) {
      flags = on ? flags | FS_IMMUTABLE_FL : flags & ~FS_IMMUTABLE_FL;
      immutable_ = ::ioctl(fd, FS_IOC_SETFLAGS, &flags) == 0 && on;
    }
    ::close(fd);
  }

  QString path_;
  bool immutable_ = false;
};

}  // namespace

class TestStoreFaults : public QObject {
  Q_OBJECT

 private slots:
  void init() {
    QVERIFY(dir_.isValid());
    folder_ = dir_.filePath(QString::number(++counter_));
    QVERIFY(QDir().mkpath(folder_));
    path_ = folder_ + "/settings";
  }

  // A log from another store beside this one (a copied folder): replayed, it would replace
  // the history by the other store's pages.
  void logOfAnotherStoreIsSetAside() {
    fillStore(path_, 400);
    const QByteArray file = readAll(path_);
    const QString other = folder_ + "/other";
    fillStore(other, 3, "o");
    UserDefaults writer(other);
    QVERIFY(writer.insertRecord(record("o3")));
    copyLiveLog(other, path_);
    const QByteArray log = readAll(path_ + "-wal");

    UserDefaults defaults(path_);
    QVERIFY(defaults.isPersistent());
    QCOMPARE(latexOf(defaults), names(400));
    QCOMPARE(toldBy(defaults), (Told{{Failure::Foreign, Change::LogSetAside}}));
    QCOMPARE(defaults.setAsidePath(), path_ + "-wal.foreign");
    QCOMPARE(readAll(defaults.setAsidePath()), log);
    QVERIFY(defaults.insertRecord(record("new")));
    QCOMPARE(readAll(path_).size(), file.size());
  }

  // A backup put back beside the log of a later time of the same store.
  void logOfALaterTimeIsSetAsideFromTheBackup() {
    fillStore(path_, 50);
    const QByteArray backup = readAll(path_);
    {
      UserDefaults later(path_);
      for (int i = 0; i < 30; ++i) QVERIFY(later.insertRecord(record("later")));
    }
    UserDefaults latest(path_);
    QVERIFY(latest.insertRecord(record("latest")));
    const QString copy = folder_ + "/copy";
    writeAll(copy, backup);
    copyLiveLog(path_, copy);

    UserDefaults restored(copy);
    QCOMPARE(latexOf(restored), names(50));
    QCOMPARE(toldBy(restored), (Told{{Failure::Foreign, Change::LogSetAside}}));
  }

  // The log a killed window left is replayed, also after a partial checkpoint.
  void logOfAKilledWindowIsReplayed() {
    fillStore(path_, 20);
    UserDefaults killed(path_);
    QVERIFY(killed.insertRecord(record("before checkpoint")));
    QVERIFY(killed.executeForTesting("PRAGMA wal_checkpoint(PASSIVE)"));
    QVERIFY(killed.insertRecord(record("after checkpoint")));
    const QString copy = folder_ + "/copy";
    QVERIFY(QFile::copy(path_, copy));
    copyLiveLog(path_, copy);

    UserDefaults restarted(copy);
    QCOMPARE(latexOf(restarted).mid(0, 2), QStringList({"after checkpoint", "before checkpoint"}));
    QCOMPARE(restarted.recordCount(), 22);
    QVERIFY(toldBy(restarted).isEmpty());
    QVERIFY(!QFile::exists(copy + "-wal.foreign"));
  }

  // A store of an earlier version carries no marks: a log that makes it unreadable is set
  // aside once the file alone reads as a sound store.
  void logThatBreaksAnUnmarkedStoreIsSetAside() {
    sqlite3* db = nullptr;
    QCOMPARE(sqlite3_open(QFile::encodeName(path_).constData(), &db), SQLITE_OK);
    QCOMPARE(
        sqlite3_exec(db,
                     "CREATE TABLE store_values(key TEXT PRIMARY KEY NOT NULL, value TEXT NOT "
                     "NULL) WITHOUT ROWID; CREATE TABLE records(id INTEGER PRIMARY KEY "
                     "AUTOINCREMENT, position INTEGER NOT NULL, record TEXT NOT NULL);"
                     "CREATE INDEX records_by_position ON records(position);"
                     "WITH RECURSIVE n(i) AS (SELECT 0 UNION ALL SELECT i + 1 FROM n WHERE i < "
                     "999) INSERT INTO records(position, record) SELECT -i, "
                     "json_object('latexString', 'r' || i) FROM n;",
                     nullptr, nullptr, nullptr),
        SQLITE_OK);
    sqlite3_close(db);
    const QString other = folder_ + "/other";
    fillStore(other, 3, "o");
    UserDefaults writer(other);
    QVERIFY(writer.insertRecord(record("o3")));
    copyLiveLog(other, path_);

    UserDefaults defaults(path_);
    QVERIFY(defaults.isPersistent());
    QCOMPARE(latexOf(defaults), names(1000));
    QCOMPARE(toldBy(defaults), (Told{{Failure::Foreign, Change::LogSetAside}}));
  }

  // Another program's database: refused, byte for byte untouched, nothing created beside.
  void foreignDatabaseIsRefusedUntouched() {
    sqlite3* db = nullptr;
    QCOMPARE(sqlite3_open(QFile::encodeName(path_).constData(), &db), SQLITE_OK);
    QCOMPARE(sqlite3_exec(db,
                          "CREATE TABLE customers(name TEXT); INSERT INTO customers "
                          "VALUES('Ada');",
                          nullptr, nullptr, nullptr),
             SQLITE_OK);
    sqlite3_close(db);
    const QByteArray bytes = readAll(path_);

    UserDefaults defaults(path_);
    QVERIFY(!defaults.isPersistent());
    QCOMPARE(defaults.openFailure(), Failure::Foreign);
    QCOMPARE(toldBy(defaults), (Told{{Failure::Foreign, Change::Open}}));
    QVERIFY(defaults.insertRecord(record("in memory")));
    QCOMPARE(readAll(path_), bytes);
    QCOMPARE(QDir(folder_).entryList(QDir::Files), QStringList{"settings"});

    UserDefaults reader(path_, UserDefaults::Access::ReadOnly);
    QCOMPARE(reader.openFailure(), Failure::Foreign);
  }

  // A damaged page: every record outside it is kept in a fresh store, in its order, and the
  // damaged file is kept aside as it was.
  void damagedPageKeepsEveryReadableRecord_data() {
    QTest::addColumn<char>("fill");
    QTest::newRow("random bytes") << 'r';
    QTest::newRow("zeros") << '\0';
  }

  void damagedPageKeepsEveryReadableRecord() {
    QFETCH(char, fill);
    fillStore(path_, 2000);
    const int lost = damagePage(path_, fill);
    QVERIFY(lost > 0);
    const QByteArray damaged = readAll(path_);

    {
      UserDefaults reader(path_, UserDefaults::Access::ReadOnly);
      QVERIFY(reader.foundDamage());
      QCOMPARE(toldBy(reader), (Told{{Failure::Damaged, Change::Read}}));
      QCOMPARE(reader.recordCount(), 2000 - lost);
    }
    QCOMPARE(readAll(path_), damaged);

    UserDefaults defaults(path_);
    QVERIFY(defaults.isPersistent());
    QVERIFY(defaults.foundDamage());
    QCOMPARE(toldBy(defaults), (Told{{Failure::Damaged, Change::Salvaged}}));
    QCOMPARE(defaults.setAsidePath(), path_ + ".damaged");
    QCOMPARE(readAll(path_ + ".damaged"), damaged);
    const QStringList kept = latexOf(defaults);
    QCOMPARE(kept.size(), 2000 - lost);
    QVERIFY(!kept.contains("r1000"));
    // In order, none empty: the lost ones are a gap, not blanks.
    int previous = 2000;
    for (const QString& latex : kept) {
      const int number = latex.mid(1).toInt();
      QVERIFY2(latex.startsWith('r') && number < previous, qPrintable(latex));
      previous = number;
    }
    QVERIFY(defaults.insertRecord(record("after")));
    UserDefaults again(path_);
    QVERIFY(!again.foundDamage());
    QCOMPARE(again.recordCount(), kept.size() + 1);
  }

  // A write the lock holder keeps waiting fails soon, writes nothing later, and the next
  // one after the lock is gone works.
  void lockedStoreFailsTheWriteAndWritesNothingLater() {
    fillStore(path_, 1);
    UserDefaults defaults(path_);
    Told told;
    defaults.setFailureListener([&told](Failure failure, Change change) {
      told.append({failure, change});
    });
    sqlite3* holder = nullptr;
    QCOMPARE(sqlite3_open(QFile::encodeName(path_).constData(), &holder), SQLITE_OK);
    QCOMPARE(sqlite3_exec(holder, "BEGIN IMMEDIATE", nullptr, nullptr, nullptr), SQLITE_OK);
    // Let go while the failed write would still be waiting, had it run on its own.
    std::thread release([holder] {
      std::this_thread::sleep_for(std::chrono::milliseconds(1200));
      sqlite3_exec(holder, "ROLLBACK", nullptr, nullptr, nullptr);
    });
    const bool inserted = defaults.insertRecord(record("A")).has_value();
    const bool set = defaults.setValue("flag", true);
    release.join();
    sqlite3_close(holder);
    QVERIFY(!inserted);
    QVERIFY(!set);
    QCOMPARE(told, (Told{{Failure::Busy, Change::InsertRecord}, {Failure::Busy, Change::Setting}}));
    QCOMPARE(UserDefaults(path_).recordCount(), 1);  // what was told failed did not happen
    QVERIFY(!UserDefaults(path_).contains("flag"));
    QVERIFY(defaults.insertRecord(record("B")));
    QCOMPARE(latexOf(defaults), QStringList({"B", "r0"}));
  }

  // A store that may be read but not written: the whole history shows, told once, changes
  // last this run, and nothing on disk changes.
  void readOnlyStoreShowsTheWholeHistory_data() {
    QTest::addColumn<bool>("folderOnly");
    QTest::newRow("read-only folder") << true;
    QTest::newRow("read-only file") << false;
  }

  void readOnlyStoreShowsTheWholeHistory() {
    QFETCH(bool, folderOnly);
    fillStore(path_, 300);
    QFile::remove(path_ + ".jsonl-imported");
    const QByteArray bytes = readAll(path_);
    const QStringList files = QDir(folder_).entryList(QDir::Files);
    Unwritable unwritable(folderOnly ? folder_ : path_);
    if (!unwritable.holds()) QSKIP("this file system lets every write through");

    UserDefaults defaults(path_);
    QVERIFY(!defaults.isPersistent());
    QCOMPARE(defaults.openFailure(), Failure::ReadOnly);
    QCOMPARE(latexOf(defaults), names(300));
    QCOMPARE(toldBy(defaults), (Told{{Failure::ReadOnly, Change::OpenReadOnly}}));
    QVERIFY(defaults.insertRecord(record("this run")));
    QCOMPARE(defaults.recordCount(), 301);
    QCOMPARE(readAll(path_), bytes);
    QCOMPARE(QDir(folder_).entryList(QDir::Files), files);
  }

  // Through a link the store is the target's: its log is found beside the target, and an
  // import replaces the target, not the link.
  void linkReadsAndWritesItsTarget() {
    const QString link = folder_ + "/link";
    fillStore(path_, 5);
    QVERIFY(QFile::link(path_, link));
    UserDefaults writer(path_);
    QVERIFY(writer.insertRecord(record("in the log")));
    QVERIFY(QFile::exists(path_ + "-wal"));
    {
      UserDefaults reader(link, UserDefaults::Access::ReadOnly);
      QCOMPARE(reader.recordCount(), 6);
      QCOMPARE(latexOf(reader).first(), QStringLiteral("in the log"));
    }
    const QString target = folder_ + "/earlier.jsonl";
    const QString earlierLink = folder_ + "/earlier-link";
    writeAll(target, "{\"insert\":\"Calculations\",\"at\":0,\"value\":{\"latexString\":\"A\"}}\n");
    QVERIFY(QFile::link(target, earlierLink));
    UserDefaults imported(earlierLink);
    QVERIFY(imported.isPersistent());
    QVERIFY(QFileInfo(earlierLink).isSymLink());
    QVERIFY(QFile::exists(target + ".jsonl-imported"));
    QCOMPARE(latexOf(UserDefaults(target)), QStringList{"A"});
  }

 private:
  QTemporaryDir dir_;
  QString folder_;
  QString path_;
  int counter_ = 0;
};

QTEST_GUILESS_MAIN(TestStoreFaults)
#include "tst_store_faults.moc"
