#include <sqlite3.h>

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRandomGenerator>
#include <QUrl>
#include <QtDebug>
#include <cstdio>
#include <utility>

#include "flow/json_lines_settings.h"
#include "flow/sqlite_statement.h"
#include "flow/store_encoding.h"
#include "flow/store_files.h"
#include "flow/store_salvage.h"
#include "flow/user_defaults.h"
#include "flow/write_ahead_log.h"

// Opening the store: whatever lies at its path, nothing there is destroyed (see the class
// comment). The reads and writes of an open store are in user_defaults.cpp.
namespace uc {

using namespace store_encoding;
using namespace store_files;

namespace {

// Opening may wait for another window creating or converting the store.
constexpr int kOpenBusyTimeoutMs = 2000;
// How long a start waits for another process importing or repairing the store: an import
// of 100 000 records takes a few seconds.
constexpr int kFolderLockTimeoutMs = 20000;

constexpr char kSchema[] =
    "CREATE TABLE IF NOT EXISTS store_values("
    "  key TEXT PRIMARY KEY NOT NULL, value TEXT NOT NULL) WITHOUT ROWID;"
    // AUTOINCREMENT: an id is never given again, even to a record inserted by another
    // window after this one deleted the newest.
    "CREATE TABLE IF NOT EXISTS records("
    "  id INTEGER PRIMARY KEY AUTOINCREMENT, position INTEGER NOT NULL, record TEXT NOT NULL);"
    "CREATE INDEX IF NOT EXISTS records_by_position ON records(position);";

// What a store that cannot be read assumes: not a first start. The learner has seen the
// privacy notice and the introduction before, or is told now why nothing is kept; either
// way they must not come back at every launch.
const char* const kNotAFirstStartFlags[] = {"isOnboardingFinished", "isDsgvoAccepted"};
constexpr char kFirstAppStartAt[] = "firstAppStartAt";

// Stores this process has open, by path: a process does not see its own file locks, so
// for these it must not judge a log by whether someone else holds it.
QHash<QString, int>& openInThisProcess() {
  // Never destroyed: the process-wide store closes after other statics are gone.
  static auto* paths = new QHash<QString, int>();
  return *paths;
}

// Marks a store as this app's, with a random first write generation (write_ahead_log.h).
bool markAsStore(sqlite3* db) {
  const quint32 generation = QRandomGenerator::global()->bounded(1u, 0x7fffffffu);
  const QByteArray sql = "PRAGMA application_id = " + QByteArray::number(kStoreApplicationId) +
                         "; PRAGMA user_version = " + QByteArray::number(generation) + ";";
  return executeSql(db, sql.constData());
}

// What a database holds, told from its schema alone.
enum class Contents { Empty, Store, Foreign, Unreadable };

Contents contentsOf(sqlite3* db, int* status) {
  static const QStringList kOurs = {"store_values", "records", "records_by_position"};
  SqliteStatement schema(db, "SELECT name FROM sqlite_schema");
  bool any = false;
  bool foreign = false;
  while (schema.next()) {
    const QString name = QString::fromUtf8(schema.text(0));
    any = true;
    if (!kOurs.contains(name) && !name.startsWith(QLatin1String("sqlite_"))) foreign = true;
  }
  *status = schema.status();
  if (!schema.ok()) return Contents::Unreadable;
  const qint64 applicationId = queryInteger(db, "PRAGMA application_id");
  if (foreign || (applicationId != 0 && applicationId != kStoreApplicationId)) {
    return Contents::Foreign;
  }
  return any ? Contents::Store : Contents::Empty;
}

// PRAGMA quick_check: every page of every tree, without comparing indexes to tables;
// 40 ms for 100 000 records.
bool passesQuickCheck(sqlite3* db) {
  SqliteStatement check(db, "PRAGMA quick_check(1)");
  return check.next() && check.text(0) == "ok";
}

// Writes values into an empty database in one transaction: the list under the records key
// becomes rows in its order, every other key a value.
bool seed(sqlite3* db, const QHash<QString, QJsonValue>& values) {
  if (!executeSql(db, kSchema) || !executeSql(db, "BEGIN IMMEDIATE")) return false;
  bool ok = true;
  for (auto it = values.begin(); ok && it != values.end(); ++it) {
    if (it.key() == QLatin1String(UserDefaults::kRecordsKey)) {
      qint64 position = 0;
      for (const QJsonValue element : it.value().toArray()) {
        if (!element.isObject()) continue;  // not a record at all
        ok = ok && SqliteStatement(db, "INSERT INTO records(position, record) VALUES(?, ?)")
                       .bind(1, position++)
                       .bind(2, encodeRecord(element.toObject()))
                       .run();
      }
    } else {
      ok = SqliteStatement(db, "INSERT OR REPLACE INTO store_values(key, value) VALUES(?, ?)")
               .bind(1, it.key())
               .bind(2, encode(it.value()))
               .run();
    }
  }
  return executeSql(db, ok ? "COMMIT" : "ROLLBACK") && ok;
}

// Writes what was read from a damaged store into an empty database, ids and order kept.
bool seed(sqlite3* db, const SalvagedStore& salvaged) {
  if (!executeSql(db, kSchema) || !executeSql(db, "BEGIN IMMEDIATE")) return false;
  bool ok = true;
  for (const auto& [key, value] : salvaged.values) {
    ok = ok && SqliteStatement(db, "INSERT OR REPLACE INTO store_values(key, value) VALUES(?, ?)")
                   .bind(1, key)
                   .bind(2, value)
                   .run();
  }
  for (const SalvagedStore::Record& record : salvaged.records) {
    ok = ok && SqliteStatement(db, "INSERT INTO records(id, position, record) VALUES(?, ?, ?)")
                   .bind(1, record.id)
                   .bind(2, record.position)
                   .bind(3, record.text)
                   .run();
  }
  return executeSql(db, ok ? "COMMIT" : "ROLLBACK") && ok;
}

// A read-only connection to the file at path; immutable reads the file alone, past its log.
sqlite3* openForInspection(const QString& path, bool immutable) {
  QString uri = QUrl::fromLocalFile(path).toString(QUrl::FullyEncoded) + QStringLiteral("?mode=ro");
  if (immutable) uri += QStringLiteral("&immutable=1");
  sqlite3* db = nullptr;
  if (sqlite3_open_v2(uri.toUtf8().constData(), &db, SQLITE_OPEN_READONLY | SQLITE_OPEN_URI,
                      nullptr) != SQLITE_OK) {
    sqlite3_close(db);
    return nullptr;
  }
  return db;
}

// For a store of an earlier version, which carries no marks to judge its log by: records
// are never changed in place, so a log that continues the file shows each record of the
// file as it is, or not at all (deleted). A log that shows another text under a record's
// id, or makes the file no store, belongs to another database.
bool logContradictsFile(const QString& path) {
  sqlite3* file = openForInspection(path, true);
  sqlite3* logged = openForInspection(path, false);
  bool contradicts = false;
  if (file && logged) {
    // The oldest and the newest records: a copied log differs at one end or the other.
    SqliteStatement sample(file,
                           "SELECT id, record FROM (SELECT id, record FROM records ORDER BY id "
                           "LIMIT 64) UNION SELECT id, record FROM (SELECT id, record FROM "
                           "records ORDER BY id DESC LIMIT 64)");
    SqliteStatement look(logged, "SELECT record FROM records WHERE id = ?");
    while (!contradicts && sample.next()) {
      look.reset();
      look.bind(1, sample.integer(0));
      if (look.next()) {
        contradicts = look.text(0) != sample.text(1);
      } else {
        // Not even a store with the log; a log that cannot be read at all gives no verdict.
        const int status = look.status();
        contradicts = isDamageStatus(status) || (status & 0xff) == SQLITE_ERROR;
      }
    }
    // A file that cannot be read alone gives no verdict.
    if (!sample.ok()) contradicts = false;
  }
  sqlite3_close(logged);
  sqlite3_close(file);
  return contradicts;
}

// Whether the store is open in this or another process, and what its log is. A live store's
// log is its own and never judged; an earlier version's store is judged by its records.
struct LogBeside {
  bool shared = false;
  LogVerdict verdict = LogVerdict::None;
};

LogBeside judgeLogBeside(const QString& path) {
  const bool shared = openInThisProcess().contains(path) || isOpenElsewhere(path);
  const bool hasLog = QFileInfo::exists(path + QStringLiteral("-wal"));
  LogVerdict verdict = hasLog && !shared ? judgeWriteAheadLog(path) : LogVerdict::None;
  if (verdict == LogVerdict::Unknown && logContradictsFile(path)) verdict = LogVerdict::Foreign;
  return {shared, verdict};
}

bool renameFile(const QString& from, const QString& to) {
  return std::rename(QFile::encodeName(from).constData(), QFile::encodeName(to).constData()) == 0;
}

}  // namespace

void UserDefaults::open(Access access) {
  storePath_ = resolvedPath(filePath_);
  if (access == Access::ReadOnly) {
    openForReading();
  } else {
    openForWriting();
  }
}

void UserDefaults::openForWriting() {
  const QFileInfo info(storePath_);
  const QString folder = info.absolutePath();
  QDir().mkpath(folder);
  if (info.isFile() && (!isWritable(folder) || !isWritable(storePath_))) {
    openReadOnlyView();
    return;
  }
  {
    FolderLock lock(storePath_);
    if (!lock.acquire(kFolderLockTimeoutMs)) {
      lastError_ = QStringLiteral("another process kept the store's folder locked");
      std::optional<QHash<QString, QJsonValue>> values;
      if (isJsonLinesFile(storePath_)) values = readJsonLinesFile(false);
      runInMemory(Failure::Busy, values.value_or(QHash<QString, QJsonValue>()));
      return;
    }
    // Checked under the lock: another start may have imported the file while this one waited.
    if (isJsonLinesFile(storePath_) && !importJsonLinesUnderLock()) return;

    const auto [shared, verdict] = judgeLogBeside(storePath_);
    if (verdict == LogVerdict::Foreign) setLogAside();
    if (openJudgingLog(Access::ReadWrite, verdict == LogVerdict::Unknown)) return;

    if (lastFailure_ == Failure::Damaged && db_) {
      // Repaired in place; while another window has it open it stays as it is, and this run
      // keeps what can be read in memory, told so.
      salvage(!shared, Failure::Damaged);
      return;
    }
    const Failure failure = lastFailure_ == Failure::None ? Failure::Other : lastFailure_;
    closeDatabase();
    if (failure != Failure::ReadOnly || !QFileInfo(storePath_).isFile()) {
      runInMemory(failure, {});
      return;
    }
  }
  // The file system said yes and SQLite no (a read-only mount, say): read it as such.
  openReadOnlyView();
}

void UserDefaults::openForReading() {
  if (isJsonLinesFile(storePath_)) {
    const auto values = readJsonLinesFile(false);
    runInMemory(values ? Failure::None : Failure::Unavailable,
                values.value_or(QHash<QString, QJsonValue>()));
    return;
  }
  const LogVerdict verdict = judgeLogBeside(storePath_).verdict;
  // A foreign log is read past, as the app would set it aside.
  if (verdict == LogVerdict::Foreign) {
    if (openDatabase(Access::ReadOnly, true)) return;
  } else if (openJudgingLog(Access::ReadOnly, verdict == LogVerdict::Unknown)) {
    return;
  }
  if (lastFailure_ == Failure::Damaged && db_) {
    salvage(false, Failure::None);
    return;
  }
  const Failure failure = lastFailure_ == Failure::None ? Failure::Other : lastFailure_;
  closeDatabase();
  runInMemory(failure, {});
}

void UserDefaults::openReadOnlyView() {
  openForReading();
  if (openFailure_ != Failure::None) return;  // could not be read: told as such
  if (persistent_) {
    // Copied whole into memory, where this run's changes go.
    sqlite3* file = std::exchange(db_, nullptr);
    startInMemory(Failure::None);
    sqlite3_backup* copy = sqlite3_backup_init(db_, "main", file, "main");
    if (copy) sqlite3_backup_step(copy, -1);
    sqlite3_backup_finish(copy);
    sqlite3* memory = std::exchange(db_, file);
    closeDatabase();
    db_ = memory;
    loadValues();
  }
  persistent_ = false;
  openFailure_ = Failure::ReadOnly;
  if (!damaged_) openNotice_ = {Failure::ReadOnly, Change::OpenReadOnly};
  lastError_ = QStringLiteral("the file or its folder is read-only");
  qWarning().noquote() << "UserDefaults:" << storePath_
                       << "is read-only - changes are kept in memory only";
}

bool UserDefaults::importJsonLinesUnderLock() {
  const auto values = readJsonLinesFile(true);
  if (!values) {
    runInMemory(Failure::Unavailable, {});
    return false;
  }
  if (!importJsonLines(*values)) {
    // What could be read stays usable for this run; the file itself is untouched.
    runInMemory(lastFailure_ == Failure::None ? Failure::Other : lastFailure_, *values);
    return false;
  }
  return true;
}

bool UserDefaults::openJudgingLog(Access access, bool logInDoubt) {
  if (openDatabase(access)) return true;
  if (!logInDoubt || (lastFailure_ != Failure::Foreign && lastFailure_ != Failure::Damaged)) {
    return false;
  }
  // An unmarked store (of an earlier version) that reads as damaged or foreign with its log:
  // the log may be the fault. Read without it; if that is no better, it was not.
  closeDatabase();
  if (access == Access::ReadOnly) {
    if (openDatabase(Access::ReadOnly, true)) return true;
  } else if (setLogAside()) {
    if (openDatabase(access)) return true;
    closeDatabase();
    putLogBack();
  }
  closeDatabase();
  return openDatabase(access);
}

bool UserDefaults::setLogAside() {
  const QString log = storePath_ + QStringLiteral("-wal");
  const QString aside = freeName(log + QStringLiteral(".foreign"));
  if (!renameFile(log, aside)) return false;
  // The shared memory indexes the log just moved; SQLite builds it again.
  QFile::remove(storePath_ + QStringLiteral("-shm"));
  setAsidePath_ = aside;
  openNotice_ = {Failure::Foreign, Change::LogSetAside};
  qWarning().noquote() << "UserDefaults: the log beside" << storePath_
                       << "does not belong to it - set aside as" << aside;
  return true;
}

void UserDefaults::putLogBack() {
  const QString log = storePath_ + QStringLiteral("-wal");
  if (!QFileInfo::exists(log) && renameFile(setAsidePath_, log)) {
    setAsidePath_.clear();
    openNotice_ = {};
  }
}

bool UserDefaults::openDatabase(Access access, bool ignoreLog) {
  QString uri = QUrl::fromLocalFile(storePath_).toString(QUrl::FullyEncoded);
  int flags = SQLITE_OPEN_URI;
  if (access == Access::ReadOnly) {
    flags |= SQLITE_OPEN_READONLY;
    uri += QStringLiteral("?mode=ro");
    // With no log beside it no one is writing: reading it as immutable leaves no lock files
    // behind, so that reading changes nothing at all. Immutable also reads past a log.
    if (ignoreLog || !QFileInfo::exists(storePath_ + QStringLiteral("-wal"))) {
      uri += QStringLiteral("&immutable=1");
    }
  } else {
    flags |= SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE;
  }
  const int opened = sqlite3_open_v2(uri.toUtf8().constData(), &db_, flags, nullptr);
  if (opened != SQLITE_OK) {
    noteError(opened);
    return false;
  }
  // Until the file is proven a sound store, closing must not copy the log into it.
  sqlite3_db_config(db_, SQLITE_DBCONFIG_NO_CKPT_ON_CLOSE, 1, nullptr);
  sqlite3_busy_timeout(db_, kOpenBusyTimeoutMs);

  int status = SQLITE_OK;
  switch (contentsOf(db_, &status)) {
    case Contents::Foreign:
      lastFailure_ = Failure::Foreign;
      lastError_ = QStringLiteral("the file is another program's database");
      return false;
    case Contents::Unreadable:
      // Not even its list of tables reads: nothing to salvage, so the file stays as it is.
      noteError(status);
      if (lastFailure_ == Failure::Damaged) lastFailure_ = Failure::Unavailable;
      return false;
    case Contents::Store:
      if (!passesQuickCheck(db_)) {
        lastFailure_ = Failure::Damaged;
        lastError_ = QString::fromUtf8(sqlite3_errstr(SQLITE_CORRUPT));
        return false;
      }
      break;
    case Contents::Empty:
      break;
  }
  if (access == Access::ReadWrite && !prepareForWriting()) return false;
  // Reading proves the file is a store: an empty file read-only has no tables.
  SqliteStatement check(db_, "SELECT count(*) FROM records");
  if (!check.next()) {
    noteError(check.status() == SQLITE_MISUSE ? sqlite3_errcode(db_) : check.status());
    return false;
  }
  sqlite3_busy_timeout(db_, kWriteBusyTimeoutMs);
  ++openInThisProcess()[storePath_];
  registered_ = true;
  dataVersion_ = queryInteger(db_, "PRAGMA data_version");
  loadValues();
  lastFailure_ = Failure::None;
  return true;
}

bool UserDefaults::prepareForWriting() {
  // NORMAL: a commit is in the log before it returns, which a killed process cannot undo;
  // only a power cut may cost the last commits.
  executeSql(db_, "PRAGMA journal_mode=WAL");
  executeSql(db_, "PRAGMA synchronous=NORMAL");
  int status = sqlite3_exec(db_, kSchema, nullptr, nullptr, nullptr);
  if (status != SQLITE_OK) {
    noteError(status);
    return false;
  }
  if (queryInteger(db_, "PRAGMA application_id") != kStoreApplicationId ||
      queryInteger(db_, "PRAGMA user_version") == 0) {
    // A new store, or one of an earlier version: marked, and the mark copied into the file
    // at once, so that a log left by a kill can be judged against it.
    status = sqlite3_exec(db_, "BEGIN IMMEDIATE", nullptr, nullptr, nullptr);
    if (status == SQLITE_OK && markAsStore(db_))
      status = sqlite3_exec(db_, "COMMIT", nullptr, nullptr, nullptr);
    if (status != SQLITE_OK) {
      noteError(status);
      executeSql(db_, "ROLLBACK");
      return false;
    }
    executeSql(db_, "PRAGMA wal_checkpoint");
  }
  sqlite3_db_config(db_, SQLITE_DBCONFIG_NO_CKPT_ON_CLOSE, 0, nullptr);
  return true;
}

void UserDefaults::closeDatabase() {
  if (registered_) {
    auto& open = openInThisProcess();
    if (--open[storePath_] <= 0) open.remove(storePath_);
    registered_ = false;
  }
  sqlite3_close(db_);
  db_ = nullptr;
}

void UserDefaults::salvage(bool replaceFile, Failure inMemoryFailure) {
  const SalvagedStore salvaged = salvageStore(db_);
  closeDatabase();
  damaged_ = true;
  qWarning().noquote() << "UserDefaults:" << storePath_ << "is damaged -" << salvaged.records.size()
                       << "records could be read";
  if (replaceFile) {
    // Built beside the file and renamed over it, as an import is; the damaged file and its
    // log are kept under another name.
    const QString building = storePath_ + QStringLiteral(".salvaging");
    removeDatabaseFiles(building);
    sqlite3* db = nullptr;
    const bool built =
        sqlite3_open_v2(QFile::encodeName(building).constData(), &db,
                        SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE, nullptr) == SQLITE_OK &&
        seed(db, salvaged) && markAsStore(db);
    sqlite3_close(db);
    const QString aside = freeName(storePath_ + QStringLiteral(".damaged"));
    const QString log = storePath_ + QStringLiteral("-wal");
    const bool hadLog = QFileInfo::exists(log);
    if (built && renameFile(storePath_, aside)) {
      if (hadLog) renameFile(log, aside + QStringLiteral("-wal"));
      QFile::remove(storePath_ + QStringLiteral("-shm"));
      if (renameFile(building, storePath_) && openDatabase(Access::ReadWrite)) {
        setAsidePath_ = aside;
        openNotice_ = {Failure::Damaged, Change::Salvaged};
        return;
      }
      closeDatabase();
      renameFile(aside, storePath_);
      if (hadLog) renameFile(aside + QStringLiteral("-wal"), log);
    }
    removeDatabaseFiles(building);
  }
  // The file stays as it is; this run shows what could be read.
  startInMemory(inMemoryFailure);
  seed(db_, salvaged);
  loadValues();
  lastFailure_ = Failure::None;
}

std::optional<QHash<QString, QJsonValue>> UserDefaults::readJsonLinesFile(bool keepUnreadable) {
  QString error;
  const auto read = readJsonLinesSettings(storePath_, &error);
  if (!read) {
    lastError_ = error;
    qWarning().noquote() << "UserDefaults: cannot read" << storePath_ << error;
    return std::nullopt;
  }
  skippedLines_ = int(read->unreadableLines.size());
  if (skippedLines_ > 0) {
    qWarning().noquote() << "UserDefaults: skipped" << skippedLines_ << "unreadable line(s) in"
                         << storePath_;
    // The import leaves them behind: keep them word for word for a hand repair. The whole
    // file is kept aside as well, so a side file that cannot be written loses nothing.
    if (keepUnreadable) {
      keepUnreadableLines(unreadableFilePath(), QFileInfo(storePath_).fileName(),
                          read->unreadableLines);
    }
  }
  return read->values;
}

bool UserDefaults::importJsonLines(const QHash<QString, QJsonValue>& values) {
  // Built beside the file under another name and renamed over it: at every moment the path
  // holds either the old file or the whole database, so a kill during the import only
  // means importing again at the next start.
  const QString building = storePath_ + QStringLiteral(".importing");
  removeDatabaseFiles(building);
  sqlite3* db = nullptr;
  int status = sqlite3_open_v2(QFile::encodeName(building).constData(), &db,
                               SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE, nullptr);
  const bool built = status == SQLITE_OK && seed(db, values) && markAsStore(db);
  if (!built) noteError(db ? sqlite3_extended_errcode(db) : status);
  sqlite3_close(db);

  // The old file stays under another name; the rename then replaces the path in one step.
  const QString aside = freeName(storePath_ + QStringLiteral(".jsonl-imported"));
  const bool kept = built && keepAside(storePath_, aside);
  // A log or journal beside a settings file belongs to a database that file replaced (a
  // backup put back, say); left there, it would be replayed over the new store.
  if (kept) removeDatabaseLogs(storePath_);
  if (!kept || !renameFile(building, storePath_)) {
    if (built) lastError_ = QStringLiteral("cannot put the imported store in place");
    if (kept) QFile::remove(aside);  // the original is still in place
    removeDatabaseFiles(building);
    if (lastFailure_ == Failure::None) lastFailure_ = Failure::Other;
    return false;
  }
  importedPath_ = aside;
  qInfo().noquote() << "UserDefaults: imported" << storePath_ << "- the old file is kept as"
                    << aside;
  return true;
}

void UserDefaults::startInMemory(Failure failure) {
  persistent_ = false;
  // Whatever went wrong while opening, the file could not be opened.
  openFailure_ = failure == Failure::Other ? Failure::Unavailable : failure;
  if (openFailure_ != Failure::None) {
    openNotice_ = {openFailure_, Change::Open};
    qWarning().noquote() << "UserDefaults: cannot open" << storePath_ << lastError_
                         << "- keeping history and settings in memory only";
  }
  sqlite3_open(":memory:", &db_);
  executeSql(db_, kSchema);
}

void UserDefaults::runInMemory(Failure failure, const QHash<QString, QJsonValue>& seedValues) {
  startInMemory(failure);
  QHash<QString, QJsonValue> values = seedValues;
  if (failure != Failure::None && values.isEmpty()) {
    values.insert(QString::fromLatin1(kFirstAppStartAt),
                  QDateTime::currentDateTimeUtc().toString(Qt::ISODateWithMs));
    for (const char* flag : kNotAFirstStartFlags) values.insert(QString::fromLatin1(flag), true);
  }
  seed(db_, values);
  loadValues();
  lastFailure_ = Failure::None;
}

}  // namespace uc
