#include <sqlite3.h>

#include <QFile>
#include <QTemporaryDir>
#include <QTest>
#include <QtEndian>
#include <utility>

#include "flow/write_ahead_log.h"

using uc::LogVerdict;

namespace uc {
char* toString(LogVerdict verdict) {
  static const char* const kNames[] = {"None", "Belongs", "Foreign", "Unknown"};
  return qstrdup(kNames[int(verdict)]);
}
}  // namespace uc

namespace {

constexpr quint32 kGeneration = 1000;
constexpr int kUserVersion = 60;
constexpr qsizetype kFrameSize = 24 + 4096;

QByteArray readAll(const QString& path) {
  QFile file(path);
  return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

quint32 word(const QByteArray& bytes, int offset) {
  return qFromBigEndian<quint32>(bytes.constData() + offset);
}

QByteArray withWord(QByteArray bytes, int offset, quint32 value) {
  qToBigEndian(value, bytes.data() + offset);
  return bytes;
}

QByteArray withByteFlipped(QByteArray bytes, qsizetype at) {
  bytes[at] = char(bytes[at] ^ 0x5a);
  return bytes;
}

// The log with its header's magic set and every checksum recomputed in the word order the magic
// chooses: what a machine of that byte order writes, or a header edited and signed again.
QByteArray resigned(QByteArray log, quint32 magic) {
  log = withWord(log, 0, magic);
  quint32 sums[2] = {0, 0};
  const auto add = [&](qsizetype at, qsizetype size) {
    for (qsizetype i = at; i < at + size; i += 8) {
      const char* bytes = log.constData() + i;
      const bool big = magic & 1;
      sums[0] +=
          (big ? qFromBigEndian<quint32>(bytes) : qFromLittleEndian<quint32>(bytes)) + sums[1];
      sums[1] +=
          (big ? qFromBigEndian<quint32>(bytes + 4) : qFromLittleEndian<quint32>(bytes + 4)) +
          sums[0];
    }
  };
  const auto sign = [&](qsizetype at) {
    log = withWord(withWord(log, at, sums[0]), at + 4, sums[1]);
  };
  add(0, 24);
  sign(24);
  const qsizetype frameSize = 24 + qsizetype(word(log, 8));
  for (qsizetype frame = 32; frame + frameSize <= log.size(); frame += frameSize) {
    add(frame, 8);
    add(frame + 24, frameSize - 24);
    sign(frame + 16);
  }
  return log;
}

// A log of one committed frame, page 1 with the given image, as SQLite's recovery would accept
// it but for what the caller changes.
QByteArray craftedLog(quint32 pageSize, const QByteArray& pageOne) {
  QByteArray log = withWord(withWord(QByteArray(32, '\0'), 4, 3007000), 8, pageSize);
  log += withWord(withWord(QByteArray(24, '\0'), 0, 1), 4, 1);
  log = withWord(withWord(log, 32 + 8, 0x1234), 32 + 12, 0x5678);
  log = withWord(withWord(log, 16, 0x1234), 20, 0x5678);
  return resigned(log + pageOne.left(pageSize).leftJustified(pageSize, '\0'), 0x377f0682);
}

sqlite3* openConnection(const QString& path) {
  sqlite3* db = nullptr;
  sqlite3_open(path.toUtf8().constData(), &db);
  // Closing must not checkpoint the log away.
  sqlite3_db_config(db, SQLITE_DBCONFIG_NO_CKPT_ON_CLOSE, 1, nullptr);
  return db;
}

void run(sqlite3* db, const QString& sql) {
  QVERIFY2(sqlite3_exec(db, sql.toUtf8().constData(), nullptr, nullptr, nullptr) == SQLITE_OK,
           sqlite3_errmsg(db));
}

// A database in WAL mode whose log is checkpointed only when asked. A store of ours marks itself
// and moves to the next generation in every transaction; another program (generation 0) does not.
class Store {
 public:
  Store(const QString& path, quint32 applicationId, quint32 generation, int pageSize = 4096)
      : path_(path), db_(openConnection(path)), generation_(generation) {
    run(db_, QStringLiteral("PRAGMA page_size=%1; PRAGMA journal_mode=WAL; "
                            "PRAGMA wal_autocheckpoint=0")
                 .arg(pageSize));
    run(db_, QStringLiteral("BEGIN; PRAGMA application_id=%1; PRAGMA user_version=%2; "
                            "CREATE TABLE t(v); INSERT INTO t VALUES (randomblob(100)); COMMIT")
                 .arg(applicationId)
                 .arg(generation));
  }
  ~Store() { sqlite3_close(db_); }

  void write(int transactions) {
    for (int i = 0; i < transactions; ++i) {
      QString bump;
      if (generation_ != 0) {
        generation_ = uc::nextWriteGeneration(generation_);
        bump = QStringLiteral("PRAGMA user_version=%1;").arg(generation_);
      }
      run(db_, "BEGIN; INSERT INTO t VALUES (randomblob(100));" + bump + "COMMIT");
    }
  }
  void execute(const QString& sql) { ::run(db_, sql); }
  void checkpoint(const char* mode) {
    execute(QStringLiteral("PRAGMA wal_checkpoint(%1)").arg(mode));
  }
  QByteArray database() const { return readAll(path_); }
  QByteArray log() const { return readAll(path_ + "-wal"); }

 private:
  QString path_;
  sqlite3* db_;
  quint32 generation_;
};

struct Files {
  QByteArray database, log;
};

}  // namespace

class TestWriteAheadLog : public QObject {
  Q_OBJECT

 private slots:
  void initTestCase();
  void generationsWrap();
  void verdict_data();
  void verdict();
  void damageOnlyShortensTheLog();

 private:
  LogVerdict judge(const QByteArray& database, const QByteArray& log);

  QTemporaryDir dir_;
  // Files of store a at points of its history, and of the other stores.
  QByteArray olderBackup_, exactBackup_;
  Files killed_, partial_, checkpointed_, restarted_;
  Files otherStore_, otherApplication_, otherProgram_, largePages_, wrapped_;
  QByteArray wrappedBackup_;
};

void TestWriteAheadLog::initTestCase() {
  QVERIFY(dir_.isValid());
  {
    Store a(dir_.filePath("a"), uc::kStoreApplicationId, kGeneration);
    a.write(1);
    a.checkpoint("TRUNCATE");
    olderBackup_ = a.database();
    a.write(1);
    a.checkpoint("TRUNCATE");
    exactBackup_ = a.database();
    a.write(3);
    killed_ = {a.database(), a.log()};
    // A checkpoint moves page 1 only when it reaches the log's end; a reader then keeps the log
    // from starting over, so the next transactions go on after the copied ones.
    sqlite3* reader = openConnection(dir_.filePath("a"));
    run(reader, "BEGIN; SELECT count(*) FROM t");
    a.checkpoint("PASSIVE");
    a.write(2);
    partial_ = {a.database(), a.log()};
    run(reader, "COMMIT");
    sqlite3_close(reader);
    a.checkpoint("PASSIVE");
    checkpointed_ = {a.database(), a.log()};
    // The next writer starts the log over from its start, over the frames of the last round.
    a.write(1);
    restarted_ = {a.database(), a.log()};
  }
  QCOMPARE(word(killed_.database, kUserVersion), kGeneration + 2);
  QCOMPARE(word(partial_.database, kUserVersion), kGeneration + 5);
  QCOMPARE(word(checkpointed_.database, kUserVersion), kGeneration + 7);
  QCOMPARE(checkpointed_.log, partial_.log);
  QCOMPARE(restarted_.log.size(), partial_.log.size());
  QCOMPARE(killed_.log.size(), 32 + 6 * kFrameSize);  // pages 1 and 2 in each transaction
  // The test's checksums agree with SQLite's.
  const quint32 native = QSysInfo::ByteOrder == QSysInfo::BigEndian ? 0x377f0683 : 0x377f0682;
  QCOMPARE(resigned(killed_.log, native), killed_.log);

  Store b(dir_.filePath("b"), uc::kStoreApplicationId, 500000);
  b.write(3);
  otherStore_ = {b.database(), b.log()};

  // Generations that would continue store a's file.
  Store other(dir_.filePath("other"), 0x4f544852, kGeneration + 2);
  other.checkpoint("TRUNCATE");
  other.write(3);
  otherApplication_ = {other.database(), other.log()};
  Store large(dir_.filePath("large"), uc::kStoreApplicationId, kGeneration + 2, 65536);
  large.checkpoint("TRUNCATE");
  large.write(3);
  largePages_ = {large.database(), large.log()};

  // Rows rewritten in place: SQLite leaves page 1 alone in WAL mode.
  Store program(dir_.filePath("program"), 0, 0);
  program.checkpoint("TRUNCATE");
  program.execute("UPDATE t SET v = randomblob(100)");
  program.execute("UPDATE t SET v = randomblob(100)");
  otherProgram_ = {program.database(), program.log()};
  QCOMPARE(otherProgram_.log.size(), 32 + 2 * kFrameSize);
  QCOMPARE(word(otherProgram_.log, 32), 2u);
  QCOMPARE(word(otherProgram_.log, 32 + kFrameSize), 2u);

  Store w(dir_.filePath("w"), uc::kStoreApplicationId, 0x7ffffffe);
  w.checkpoint("TRUNCATE");
  wrappedBackup_ = w.database();
  w.write(1);
  w.checkpoint("TRUNCATE");
  w.write(3);
  wrapped_ = {w.database(), w.log()};
  QCOMPARE(word(wrapped_.database, kUserVersion), 0x7fffffffu);
}

void TestWriteAheadLog::generationsWrap() {
  QCOMPARE(uc::nextWriteGeneration(1), 2u);
  QCOMPARE(uc::nextWriteGeneration(0x7ffffffe), 0x7fffffffu);
  QCOMPARE(uc::nextWriteGeneration(0x7fffffff), 1u);
}

LogVerdict TestWriteAheadLog::judge(const QByteArray& database, const QByteArray& log) {
  const QString path = dir_.filePath("judged");
  // A null array: no such file.
  for (const auto& [name, bytes] : {std::pair{path, database}, std::pair{path + "-wal", log}}) {
    QFile::remove(name);
    QFile file(name);
    if (!bytes.isNull() &&
        (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size())) {
      qFatal("cannot write %s", qPrintable(name));
    }
  }
  return uc::judgeWriteAheadLog(path);
}

void TestWriteAheadLog::verdict_data() {
  QTest::addColumn<QByteArray>("database");
  QTest::addColumn<QByteArray>("log");
  QTest::addColumn<LogVerdict>("expected");
  const auto row = [](const char* name, const QByteArray& database, const QByteArray& log,
                      LogVerdict expected) { QTest::newRow(name) << database << log << expected; };
  const QByteArray& killedDb = killed_.database;
  const QByteArray& log = killed_.log;
  const auto at = [&](quint32 steps) {
    return withWord(killedDb, kUserVersion, kGeneration + steps);
  };

  row("killed writer", killedDb, log, LogVerdict::Belongs);
  row("after a partial checkpoint", partial_.database, partial_.log, LogVerdict::Belongs);
  row("backup from just before the log", exactBackup_, partial_.log, LogVerdict::Belongs);
  row("checkpointed, log not yet reset", checkpointed_.database, partial_.log, LogVerdict::Belongs);
  row("log restarted over an older round", checkpointed_.database, restarted_.log,
      LogVerdict::Belongs);
  row("older backup", olderBackup_, partial_.log, LogVerdict::Foreign);
  row("file newer than the log", at(8), partial_.log, LogVerdict::Foreign);
  row("another store of ours", killedDb, otherStore_.log, LogVerdict::Foreign);
  row("log marked by another application", killedDb, otherApplication_.log, LogVerdict::Foreign);
  row("log without page 1", killedDb, otherProgram_.log, LogVerdict::Foreign);
  row("64 KiB pages", largePages_.database, largePages_.log, LogVerdict::Belongs);
  row("log of larger pages", killedDb, largePages_.log, LogVerdict::Foreign);
  row("file of larger pages", largePages_.database, log, LogVerdict::Foreign);
  row("wrapped generation", wrapped_.database, wrapped_.log, LogVerdict::Belongs);
  row("file past the wrap", withWord(wrapped_.database, kUserVersion, 2), wrapped_.log,
      LogVerdict::Belongs);
  row("file beyond the wrapped log", withWord(wrapped_.database, kUserVersion, 4), wrapped_.log,
      LogVerdict::Foreign);
  row("backup before the wrap", wrappedBackup_, wrapped_.log, LogVerdict::Foreign);
  row("big-endian checksums", killedDb, resigned(log, 0x377f0683), LogVerdict::Belongs);

  row("file of another application", otherApplication_.database, otherApplication_.log,
      LogVerdict::Unknown);
  row("file of another program", otherProgram_.database, otherProgram_.log, LogVerdict::Unknown);
  row("our mark without a generation", withWord(killedDb, kUserVersion, 0), log,
      LogVerdict::Unknown);
  row("no database", QByteArray(), log, LogVerdict::Unknown);
  row("database shorter than its header", killedDb.left(99), log, LogVerdict::Unknown);
  row("not a database", withByteFlipped(killedDb, 0), log, LogVerdict::Unknown);

  row("no log", killedDb, QByteArray(), LogVerdict::None);
  row("empty log", killedDb, QByteArray(""), LogVerdict::None);
  row("log shorter than its header", killedDb, log.left(31), LogVerdict::None);
  row("log header only", killedDb, log.left(32), LogVerdict::None);
  row("only an uncommitted frame", killedDb, log.left(32 + kFrameSize), LogVerdict::None);
  row("bad magic", killedDb, resigned(log, 0x377f0680), LogVerdict::None);
  row("another format version", killedDb, resigned(withWord(log, 4, 3007001), 0x377f0682),
      LogVerdict::None);
  row("huge page size", killedDb, resigned(withWord(log, 8, 0x80000000), 0x377f0682),
      LogVerdict::None);
  // Frames go on from the checksum of the header's bytes, not from the one it stores.
  row("header checksum broken", killedDb, withByteFlipped(log, 27), LogVerdict::None);

  const QByteArray crafted = craftedLog(4096, at(3));
  row("crafted log", killedDb, crafted, LogVerdict::Belongs);
  row("crafted frame of page 0", killedDb, resigned(withWord(crafted, 32, 0), 0x377f0682),
      LogVerdict::None);
  row("crafted frame of other salts", killedDb,
      resigned(withWord(crafted, 32 + 8, 0x1235), 0x377f0682), LogVerdict::None);
  row("page size not a power of two", killedDb, craftedLog(1536, at(3)), LogVerdict::None);
  row("page size above 64 KiB", killedDb, craftedLog(131072, at(3)), LogVerdict::None);

  // The last transaction's page 1 is whole, its commit frame is not.
  const QByteArray torn = log.left(log.size() - 100);
  row("torn commit, file at the last commit", at(4), torn, LogVerdict::Belongs);
  row("torn commit, its page 1 not counted", at(5), torn, LogVerdict::Foreign);
  // The second transaction's commit frame, and with it everything after it.
  const QByteArray corrupt = withByteFlipped(log, 32 + 3 * kFrameSize + 500);
  row("corrupt frame, file before it", at(3), corrupt, LogVerdict::Belongs);
  row("corrupt frame, frames after it not counted", at(4), corrupt, LogVerdict::Foreign);
}

void TestWriteAheadLog::verdict() {
  QFETCH(QByteArray, database);
  QFETCH(QByteArray, log);
  QFETCH(LogVerdict, expected);
  QCOMPARE(judge(database, log), expected);
}

// Cutting or damaging a log that belongs can only take frames away from its end.
void TestWriteAheadLog::damageOnlyShortensTheLog() {
  const QByteArray& log = killed_.log;
  const auto check = [&](const QByteArray& damaged, qsizetype at) {
    const LogVerdict verdict = judge(killed_.database, damaged);
    QVERIFY2(verdict == LogVerdict::None || verdict == LogVerdict::Belongs,
             qPrintable(QStringLiteral("at %1: verdict %2").arg(at).arg(int(verdict))));
  };
  for (qsizetype length = 0; length < log.size(); length += 37) check(log.left(length), length);
  for (qsizetype at = 0; at < log.size(); at += 53) check(withByteFlipped(log, at), at);
}

QTEST_GUILESS_MAIN(TestWriteAheadLog)
#include "tst_write_ahead_log.moc"
