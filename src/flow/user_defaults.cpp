#include "flow/user_defaults.h"

#include <sqlite3.h>

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QRandomGenerator>
#include <QStandardPaths>
#include <QUrl>
#include <QtDebug>
#include <cmath>
#include <cstdio>
#include <limits>
#include <memory>

#include "flow/json_lines_settings.h"
#include "flow/sqlite_statement.h"
#include "flow/store_files.h"
#include "flow/store_salvage.h"
#include "flow/write_ahead_log.h"

namespace uc {

using namespace store_files;

namespace {

// Opening may wait for another window creating or converting the store.
constexpr int kOpenBusyTimeoutMs = 2000;
// A write waits this long for another window's transaction (a few milliseconds each); a
// store held longer by a stuck process is told instead of freezing the screen.
constexpr int kWriteBusyTimeoutMs = 250;
// After a write found the store locked, the writes that follow at once (one action makes
// several) try once instead of waiting again.
constexpr qint64 kBusyQuietMs = 2000;
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

QString& standardFilePath() {
  static QString path;
  return path;
}

std::unique_ptr<UserDefaults>& standardInstance() {
  static std::unique_ptr<UserDefaults> instance;
  return instance;
}

// Stores this process has open, by path: a process does not see its own file locks, so
// for these it must not judge a log by whether someone else holds it.
QHash<QString, int>& openInThisProcess() {
  static QHash<QString, int> paths;
  return paths;
}

qint64 monotonicMs() {
  static QElapsedTimer timer = [] {
    QElapsedTimer started;
    started.start();
    return started;
  }();
  return timer.elapsed();
}

// A value as stored: the compact JSON of a one-element array, since Qt writes no bare scalars.
QByteArray encode(const QJsonValue& value) {
  return QJsonDocument(QJsonArray{value}).toJson(QJsonDocument::Compact);
}

QJsonValue decode(const QByteArray& text) {
  const QJsonDocument document = QJsonDocument::fromJson(text);
  return document.isArray() && document.array().size() == 1 ? document.array().first()
                                                            : QJsonValue(QJsonValue::Undefined);
}

QByteArray encodeRecord(const QJsonObject& record) {
  return QJsonDocument(record).toJson(QJsonDocument::Compact);
}

// nullopt when the text is no JSON object: a record damaged inside its page.
std::optional<QJsonObject> decodeRecord(const QByteArray& text) {
  QJsonParseError error;
  const QJsonDocument document = QJsonDocument::fromJson(text, &error);
  if (error.error != QJsonParseError::NoError || !document.isObject()) return std::nullopt;
  return document.object();
}

UserDefaults::Failure failureFor(int code) {
  switch (code & 0xff) {
    case SQLITE_OK:
    case SQLITE_DONE:
    case SQLITE_ROW:
      return UserDefaults::Failure::None;
    case SQLITE_FULL:
      return UserDefaults::Failure::Full;
    case SQLITE_READONLY:
      return UserDefaults::Failure::ReadOnly;
    case SQLITE_BUSY:
    case SQLITE_LOCKED:
      return UserDefaults::Failure::Busy;
    case SQLITE_CORRUPT:
    case SQLITE_NOTADB:
      return UserDefaults::Failure::Damaged;
    case SQLITE_CANTOPEN:
    case SQLITE_PERM:
    case SQLITE_AUTH:
      return UserDefaults::Failure::Unavailable;
    default:
      return UserDefaults::Failure::Other;
  }
}

qint64 pragmaValue(sqlite3* db, const char* pragma) {
  SqliteStatement statement(db, pragma);
  return statement.next() ? statement.integer(0) : 0;
}

qint64 dataVersion(sqlite3* db) { return pragmaValue(db, "PRAGMA data_version"); }

// Marks a store as this app's, with a random first write generation (write_ahead_log.h).
bool markAsStore(sqlite3* db) {
  const quint32 generation = QRandomGenerator::global()->bounded(1u, 0x7fffffffu);
  const QByteArray sql = "PRAGMA application_id = " + QByteArray::number(kStoreApplicationId) +
                         "; PRAGMA user_version = " + QByteArray::number(generation) + ";";
  return executeSql(db, sql.constData());
}

// Every transaction writes its generation into page 1, so that its log is known as ours.
bool advanceWriteGeneration(sqlite3* db) {
  const auto generation = quint32(pragmaValue(db, "PRAGMA user_version"));
  const QByteArray sql =
      "PRAGMA user_version = " + QByteArray::number(nextWriteGeneration(generation));
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
  const qint64 applicationId = pragmaValue(db, "PRAGMA application_id");
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
        contradicts = look.status() != SQLITE_DONE;  // not even a store with the log
      }
    }
    // A file that cannot be read alone gives no verdict.
    if (!sample.ok()) contradicts = false;
  }
  sqlite3_close(logged);
  sqlite3_close(file);
  return contradicts;
}

bool renameFile(const QString& from, const QString& to) {
  return std::rename(QFile::encodeName(from).constData(), QFile::encodeName(to).constData()) == 0;
}

}  // namespace

// BEGIN IMMEDIATE takes the write lock up front, so two windows never both read and then
// both write; a transaction not committed is rolled back when it goes out of scope. When
// the lock cannot be had, nothing runs: a statement outside a transaction would commit on
// its own after the write was already told as failed.
struct UserDefaults::Transaction {
  explicit Transaction(UserDefaults& store) : store(store) {
    if (!store.db_) {
      store.noteError(SQLITE_CANTOPEN);
      return;
    }
    const bool quiet =
        store.busyFailedAtMs_ >= 0 && monotonicMs() - store.busyFailedAtMs_ < kBusyQuietMs;
    sqlite3_busy_timeout(store.db_, quiet ? 0 : kWriteBusyTimeoutMs);
    const int status = sqlite3_exec(store.db_, "BEGIN IMMEDIATE", nullptr, nullptr, nullptr);
    began = status == SQLITE_OK;
    if (!began) store.noteError(status);
  }
  ~Transaction() {
    if (began && !committed) sqlite3_exec(store.db_, "ROLLBACK", nullptr, nullptr, nullptr);
  }
  // Commits when ok; false when ok was false or the commit failed.
  bool commit(bool ok) {
    if (!began) return false;
    if (ok && store.persistent_) ok = advanceWriteGeneration(store.db_);
    if (!ok) {
      store.noteError(sqlite3_extended_errcode(store.db_));
      return false;
    }
    const int status = sqlite3_exec(store.db_, "COMMIT", nullptr, nullptr, nullptr);
    committed = status == SQLITE_OK;
    if (!committed) store.noteError(status);
    return committed;
  }

  UserDefaults& store;
  bool began = false;
  bool committed = false;
};

template <typename Work>
bool UserDefaults::write(Change change, Work work) {
  Transaction transaction(*this);
  if (!transaction.began || !transaction.commit(work())) return fail(change);
  busyFailedAtMs_ = -1;
  return true;
}

UserDefaults::UserDefaults(const QString& filePath, Access access) : filePath_(filePath) {
  open(access);
}

UserDefaults::~UserDefaults() { closeDatabase(); }

QString UserDefaults::filePathFromArguments(const QStringList& arguments) {
  const QString option = QStringLiteral("--settings");
  for (qsizetype i = 0; i < arguments.size(); ++i) {
    const QString& argument = arguments[i];
    if (argument == option && i + 1 < arguments.size() && !arguments[i + 1].isEmpty()) {
      return arguments[i + 1];
    }
    if (argument.startsWith(option + QLatin1Char('=')) && argument.size() > option.size() + 1) {
      return argument.mid(option.size() + 1);
    }
  }
  const QString fromEnvironment = qEnvironmentVariable("UNITCIRCLE_SETTINGS");
  if (!fromEnvironment.isEmpty()) return fromEnvironment;
  return defaultFilePath();
}

QString UserDefaults::defaultFilePath() {
  QString dir = QStandardPaths::writableLocation(QStandardPaths::AppConfigLocation);
  if (dir.isEmpty()) dir = QDir::currentPath();
  // The earlier file name, so that an existing history is found and imported.
  return dir + QStringLiteral("/settings.jsonl");
}

UserDefaults& UserDefaults::standard() {
  auto& instance = standardInstance();
  if (!instance) {
    QString path = standardFilePath();
    if (path.isEmpty()) {
      path = filePathFromArguments(QCoreApplication::instance() ? QCoreApplication::arguments()
                                                                : QStringList());
    }
    instance = std::make_unique<UserDefaults>(path);
  }
  return *instance;
}

void UserDefaults::setStandardFilePath(const QString& filePath) { standardFilePath() = filePath; }

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

    const bool shared = openInThisProcess().contains(storePath_) || isOpenElsewhere(storePath_);
    const bool hasLog = QFileInfo::exists(storePath_ + QStringLiteral("-wal"));
    LogVerdict verdict = hasLog && !shared ? judgeWriteAheadLog(storePath_) : LogVerdict::None;
    if (verdict == LogVerdict::Unknown && logContradictsFile(storePath_)) {
      verdict = LogVerdict::Foreign;
    }
    if (verdict == LogVerdict::Foreign) setLogAside();
    if (openJudgingLog(Access::ReadWrite, verdict == LogVerdict::Unknown)) return;

    if (lastFailure_ == Failure::Damaged && db_) {
      salvage(!shared);
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
  const bool shared = openInThisProcess().contains(storePath_) || isOpenElsewhere(storePath_);
  const bool hasLog = QFileInfo::exists(storePath_ + QStringLiteral("-wal"));
  LogVerdict verdict = hasLog && !shared ? judgeWriteAheadLog(storePath_) : LogVerdict::None;
  if (verdict == LogVerdict::Unknown && logContradictsFile(storePath_)) {
    verdict = LogVerdict::Foreign;
  }
  // A foreign log is read past, as the app would set it aside.
  if (verdict == LogVerdict::Foreign) {
    if (openDatabase(Access::ReadOnly, true)) return;
  } else if (openJudgingLog(Access::ReadOnly, verdict == LogVerdict::Unknown)) {
    return;
  }
  if (lastFailure_ == Failure::Damaged && db_) {
    salvage(false);
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
  dataVersion_ = dataVersion(db_);
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
  if (pragmaValue(db_, "PRAGMA application_id") != kStoreApplicationId ||
      pragmaValue(db_, "PRAGMA user_version") == 0) {
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

void UserDefaults::salvage(bool replaceFile) {
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
  startInMemory(replaceFile ? Failure::Damaged : Failure::None);
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

void UserDefaults::loadValues() {
  values_.clear();
  SqliteStatement statement(db_, "SELECT key, value FROM store_values");
  while (statement.next()) {
    const QJsonValue value = decode(statement.text(1));
    if (!value.isUndefined()) values_.insert(QString::fromUtf8(statement.text(0)), value);
  }
  if (isDamageStatus(statement.status())) noteDamage();
}

void UserDefaults::noteError(int code) {
  lastFailure_ = failureFor(code);
  lastError_ = QString::fromUtf8(db_ ? sqlite3_errmsg(db_) : sqlite3_errstr(code));
}

void UserDefaults::noteDamage() const {
  damaged_ = true;
  if (listener_ && !std::exchange(damageTold_, true)) listener_(Failure::Damaged, Change::Read);
}

bool UserDefaults::fail(Change change) {
  if (lastFailure_ == Failure::None) lastFailure_ = Failure::Other;
  if (lastFailure_ == Failure::Busy) busyFailedAtMs_ = monotonicMs();
  qWarning().noquote() << "UserDefaults: cannot write" << storePath_ << lastError_;
  if (listener_) listener_(lastFailure_, change);
  return false;
}

void UserDefaults::setFailureListener(FailureListener listener) {
  listener_ = std::move(listener);
  if (listener_ && openNotice_.failure != Failure::None && !openNoticeTold_) {
    openNoticeTold_ = true;
    listener_(openNotice_.failure, openNotice_.change);
  }
  if (listener_ && damaged_ && openNotice_.failure != Failure::Damaged) noteDamage();
}

bool UserDefaults::contains(const QString& key) const {
  return key == QLatin1String(kRecordsKey) || values_.contains(key);
}

QStringList UserDefaults::keys() const {
  QStringList result = values_.keys();
  result.sort();
  return result;
}

QJsonValue UserDefaults::value(const QString& key) const {
  if (key == QLatin1String(kRecordsKey)) {
    QJsonArray records;
    for (const Row& row : rows(0, std::numeric_limits<int>::max())) records.append(row.record);
    return records;
  }
  return values_.value(key, QJsonValue::Undefined);
}

bool UserDefaults::boolValue(const QString& key, bool fallback) const {
  const QJsonValue v = value(key);
  return v.isBool() ? v.toBool() : fallback;
}

int UserDefaults::intValue(const QString& key, int fallback) const {
  const QJsonValue v = value(key);
  if (!v.isDouble()) return fallback;
  const double d = v.toDouble();
  if (std::floor(d) != d || d < std::numeric_limits<int>::min() ||
      d > std::numeric_limits<int>::max()) {
    return fallback;
  }
  return static_cast<int>(d);
}

QString UserDefaults::stringValue(const QString& key, const QString& fallback) const {
  const QJsonValue v = value(key);
  return v.isString() ? v.toString() : fallback;
}

std::optional<QDateTime> UserDefaults::dateValue(const QString& key) const {
  const QJsonValue v = value(key);
  if (!v.isString()) return std::nullopt;
  const QDateTime date = QDateTime::fromString(v.toString(), Qt::ISODateWithMs);
  if (!date.isValid()) return std::nullopt;
  return date;
}

bool UserDefaults::setValue(const QString& key, const QJsonValue& value) {
  if (value.isUndefined()) return remove(key);
  if (key == QLatin1String(kRecordsKey)) return false;
  if (!write(Change::Setting, [&] {
        return SqliteStatement(db_, "INSERT OR REPLACE INTO store_values(key, value) VALUES(?, ?)")
            .bind(1, key)
            .bind(2, encode(value))
            .run();
      })) {
    return false;
  }
  values_.insert(key, value);
  return true;
}

bool UserDefaults::setDate(const QString& key, const QDateTime& value) {
  return setValue(key, value.toUTC().toString(Qt::ISODateWithMs));
}

bool UserDefaults::remove(const QString& key) {
  if (key == QLatin1String(kRecordsKey)) return false;
  if (!write(Change::Setting, [&] {
        return SqliteStatement(db_, "DELETE FROM store_values WHERE key = ?").bind(1, key).run();
      })) {
    return false;
  }
  values_.remove(key);
  return true;
}

bool UserDefaults::setValueAside(const QString& key) {
  const QJsonValue value = this->value(key);
  if (value.isUndefined() || key == QLatin1String(kRecordsKey)) return false;
  const QByteArray text = value.isString() ? value.toString().toUtf8() : encode(value);
  if (!keepUnreadableLines(unreadableFilePath(), QStringLiteral("the value of ") + key, {text})) {
    return false;
  }
  return remove(key);
}

QList<qint64> UserDefaults::recordIds() const {
  QList<qint64> ids;
  ids.reserve(recordCount());
  SqliteStatement statement(db_, "SELECT id FROM records ORDER BY position");
  while (statement.next()) ids.append(statement.integer(0));
  if (isDamageStatus(statement.status())) noteDamage();
  return ids;
}

qint64 UserDefaults::recordCount() const {
  SqliteStatement statement(db_, "SELECT count(*) FROM records");
  return statement.next() ? statement.integer(0) : 0;
}

std::optional<QJsonObject> UserDefaults::record(qint64 id) const {
  SqliteStatement statement(db_, "SELECT record FROM records WHERE id = ?");
  statement.bind(1, id);
  if (!statement.next()) {
    if (isDamageStatus(statement.status())) noteDamage();
    return std::nullopt;
  }
  const std::optional<QJsonObject> record = decodeRecord(statement.text(0));
  if (!record) noteDamage();
  return record.value_or(QJsonObject());
}

QList<UserDefaults::Row> UserDefaults::rows(qint64 first, int limit) const {
  SqliteStatement statement(
      db_,
      "SELECT id, record FROM records WHERE position >= "
      "  IFNULL((SELECT position FROM records WHERE id = ?1),"
      "         CASE WHEN ?1 = 0 THEN (SELECT MIN(position) FROM records) END)"
      " ORDER BY position LIMIT ?2");
  statement.bind(1, first).bind(2, qint64(limit));
  QList<Row> result;
  while (statement.next()) {
    const std::optional<QJsonObject> record = decodeRecord(statement.text(1));
    // A record damaged inside its page is read as it can be: an empty one, told once.
    if (!record) noteDamage();
    result.append({statement.integer(0), record.value_or(QJsonObject())});
  }
  if (isDamageStatus(statement.status())) noteDamage();
  return result;
}

std::optional<qint64> UserDefaults::insertRecord(const QJsonObject& record) {
  qint64 id = 0;
  if (!write(Change::InsertRecord, [&] {
        const bool inserted =
            SqliteStatement(db_,
                            "INSERT INTO records(position, record) VALUES("
                            "  (SELECT IFNULL(MIN(position), 0) - 1 FROM records), ?)")
                .bind(1, encodeRecord(record))
                .run();
        id = sqlite3_last_insert_rowid(db_);
        return inserted;
      })) {
    return std::nullopt;
  }
  return id;
}

bool UserDefaults::removeRecord(qint64 id, std::optional<qint64>* position) {
  std::optional<qint64> place;
  if (!write(Change::RemoveRecord, [&] {
        SqliteStatement placeOf(db_, "SELECT (SELECT position FROM records WHERE id = ?)");
        placeOf.bind(1, id);
        place = placeOf.next() ? placeOf.optionalInteger(0) : std::nullopt;
        return SqliteStatement(db_, "DELETE FROM records WHERE id = ?").bind(1, id).run();
      })) {
    return false;
  }
  if (position) *position = place;
  return true;
}

bool UserDefaults::restoreRecord(qint64 id, qint64 position, const QJsonObject& record) {
  Transaction transaction(*this);
  if (!transaction.began) return fail(Change::InsertRecord);
  {
    SqliteStatement existing(db_, "SELECT count(*) FROM records WHERE id = ?");
    existing.bind(1, id);
    if (!existing.next()) {
      transaction.commit(false);
      return fail(Change::InsertRecord);
    }
    if (existing.integer(0) > 0) {
      lastFailure_ = Failure::None;
      return false;
    }
  }
  // Records newer than the place keep their lead: those at or before it move to the front.
  const bool ok = SqliteStatement(db_,
                                  "UPDATE records SET position = position - 1 WHERE position <= ?1"
                                  " AND EXISTS(SELECT 1 FROM records WHERE position = ?1)")
                      .bind(1, position)
                      .run() &&
                  SqliteStatement(db_, "INSERT INTO records(id, position, record) VALUES(?, ?, ?)")
                      .bind(1, id)
                      .bind(2, position)
                      .bind(3, encodeRecord(record))
                      .run();
  if (!transaction.commit(ok)) return fail(Change::InsertRecord);
  busyFailedAtMs_ = -1;
  return true;
}

bool UserDefaults::moveRecord(qint64 id, qint64 placeId) {
  Transaction transaction(*this);
  if (!transaction.began) return fail(Change::MoveRecord);
  std::optional<qint64> from;
  std::optional<qint64> to;
  {
    SqliteStatement positions(db_,
                              "SELECT (SELECT position FROM records WHERE id = ?1),"
                              "       (SELECT position FROM records WHERE id = ?2)");
    positions.bind(1, id).bind(2, placeId);
    if (!positions.next()) {
      transaction.commit(false);
      return fail(Change::MoveRecord);
    }
    from = positions.optionalInteger(0);
    to = positions.optionalInteger(1);
  }
  if (!from || !to) {
    // Deleted by another window: nothing to move, nothing failed.
    lastFailure_ = Failure::None;
    return false;
  }
  // The rows between the two places shift by one towards the place the record leaves.
  const bool ok =
      SqliteStatement(
          db_,
          "UPDATE records SET position = position + (CASE WHEN ?1 < ?2 THEN -1 ELSE 1 END)"
          " WHERE position BETWEEN min(?1, ?2) AND max(?1, ?2) AND id <> ?3")
          .bind(1, *from)
          .bind(2, *to)
          .bind(3, id)
          .run() &&
      SqliteStatement(db_, "UPDATE records SET position = ?1 WHERE id = ?2")
          .bind(1, *to)
          .bind(2, id)
          .run();
  if (!transaction.commit(ok)) return fail(Change::MoveRecord);
  busyFailedAtMs_ = -1;
  return true;
}

bool UserDefaults::clearRecords() {
  return write(Change::ClearRecords, [&] { return executeSql(db_, "DELETE FROM records"); });
}

bool UserDefaults::claimFirstStart(const QString& firstStartKey, const QDateTime& at,
                                   const QJsonObject& sample) {
  bool claimed = false;
  const QJsonValue date = at.toUTC().toString(Qt::ISODateWithMs);
  const bool written = write(Change::Setting, [&] {
    SqliteStatement existing(db_, "SELECT count(*) FROM store_values WHERE key = ?");
    existing.bind(1, firstStartKey);
    if (!existing.next()) return false;
    if (existing.integer(0) > 0) return true;  // another start came first: nothing to write
    claimed = SqliteStatement(db_, "INSERT INTO store_values(key, value) VALUES(?, ?)")
                  .bind(1, firstStartKey)
                  .bind(2, encode(date))
                  .run() &&
              executeSql(db_, "DELETE FROM records") &&
              SqliteStatement(db_, "INSERT INTO records(position, record) VALUES(0, ?)")
                  .bind(1, encodeRecord(sample))
                  .run();
    return claimed;
  });
  if (!written || !claimed) return false;
  values_.insert(firstStartKey, date);
  return true;
}

bool UserDefaults::refreshIfChanged() {
  const qint64 version = dataVersion(db_);
  if (version == dataVersion_) return false;
  dataVersion_ = version;
  loadValues();
  return true;
}

bool UserDefaults::executeForTesting(const QString& sql) {
  return executeSql(db_, sql.toUtf8().constData());
}

}  // namespace uc
