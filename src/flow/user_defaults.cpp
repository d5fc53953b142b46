#include "flow/user_defaults.h"

#include <sqlite3.h>
#include <unistd.h>

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QStandardPaths>
#include <QUrl>
#include <QtDebug>
#include <cmath>
#include <cstdio>
#include <limits>
#include <memory>

#include "flow/json_lines_settings.h"

namespace uc {
namespace {

// Long enough for another window's single-row transaction, short enough that a store held
// by a stuck process is told instead of freezing the screen.
constexpr int kBusyTimeoutMs = 2000;

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

QJsonObject decodeRecord(const void* text, int size) {
  return QJsonDocument::fromJson(QByteArray(static_cast<const char*>(text), size)).object();
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
    case SQLITE_CANTOPEN:
    case SQLITE_NOTADB:
    case SQLITE_CORRUPT:
    case SQLITE_PERM:
    case SQLITE_AUTH:
      return UserDefaults::Failure::Unavailable;
    default:
      return UserDefaults::Failure::Other;
  }
}

// One prepared statement, finalised on scope exit.
class Statement {
 public:
  Statement(sqlite3* db, const char* sql) {
    if (db) status_ = sqlite3_prepare_v2(db, sql, -1, &statement_, nullptr);
  }
  ~Statement() { sqlite3_finalize(statement_); }
  Statement(const Statement&) = delete;
  Statement& operator=(const Statement&) = delete;

  Statement& bind(int index, qint64 value) {
    if (statement_) sqlite3_bind_int64(statement_, index, value);
    return *this;
  }
  Statement& bind(int index, const QByteArray& text) {
    if (statement_) {
      sqlite3_bind_text(statement_, index, text.constData(), int(text.size()), SQLITE_TRANSIENT);
    }
    return *this;
  }
  Statement& bind(int index, const QString& text) { return bind(index, text.toUtf8()); }

  // True while there is a row; status() tells a failure from the end.
  bool next() {
    if (!statement_) return false;
    status_ = sqlite3_step(statement_);
    return status_ == SQLITE_ROW;
  }
  // Runs a statement that returns no rows.
  bool run() {
    next();
    return status_ == SQLITE_DONE;
  }
  int status() const { return status_; }
  bool ok() const {
    return status_ == SQLITE_OK || status_ == SQLITE_DONE || status_ == SQLITE_ROW;
  }

  qint64 integer(int column) const { return sqlite3_column_int64(statement_, column); }
  std::optional<qint64> optionalInteger(int column) const {
    if (sqlite3_column_type(statement_, column) == SQLITE_NULL) return std::nullopt;
    return integer(column);
  }
  QByteArray text(int column) const {
    return QByteArray(reinterpret_cast<const char*>(sqlite3_column_text(statement_, column)),
                      sqlite3_column_bytes(statement_, column));
  }
  QJsonObject record(int column) const {
    return decodeRecord(sqlite3_column_blob(statement_, column),
                        sqlite3_column_bytes(statement_, column));
  }

 private:
  sqlite3_stmt* statement_ = nullptr;
  int status_ = SQLITE_MISUSE;
};

bool execute(sqlite3* db, const char* sql) {
  return db && sqlite3_exec(db, sql, nullptr, nullptr, nullptr) == SQLITE_OK;
}

qint64 dataVersion(sqlite3* db) {
  Statement statement(db, "PRAGMA data_version");
  return statement.next() ? statement.integer(0) : 0;
}

// Writes values into an empty database in one transaction: the list under the records key
// becomes rows in its order, every other key a value.
bool seed(sqlite3* db, const QHash<QString, QJsonValue>& values) {
  if (!execute(db, kSchema) || !execute(db, "BEGIN IMMEDIATE")) return false;
  bool ok = true;
  for (auto it = values.begin(); ok && it != values.end(); ++it) {
    if (it.key() == QLatin1String(UserDefaults::kRecordsKey)) {
      qint64 position = 0;
      for (const QJsonValue element : it.value().toArray()) {
        if (!element.isObject()) continue;  // not a record at all
        ok = ok && Statement(db, "INSERT INTO records(position, record) VALUES(?, ?)")
                       .bind(1, position++)
                       .bind(2, encodeRecord(element.toObject()))
                       .run();
      }
    } else {
      ok = Statement(db, "INSERT OR REPLACE INTO store_values(key, value) VALUES(?, ?)")
               .bind(1, it.key())
               .bind(2, encode(it.value()))
               .run();
    }
  }
  return execute(db, ok ? "COMMIT" : "ROLLBACK") && ok;
}

// SQLite files start with this text; anything else at the path is an older settings file.
bool isJsonLinesFile(const QString& path) {
  QFileInfo info(path);
  if (!info.isFile() || info.size() == 0) return false;  // SQLite takes an empty file as new
  QFile file(path);
  if (!file.open(QIODevice::ReadOnly)) return false;
  return file.read(16) != QByteArray("SQLite format 3\0", 16);
}

// The first free name for the imported file; an earlier import's copy is never replaced.
QString asideName(const QString& path) {
  const QString base = path + QStringLiteral(".jsonl-imported");
  QString name = base;
  for (int n = 2; QFileInfo::exists(name) || QFileInfo(name).isSymLink(); ++n) {
    name = base + QLatin1Char('.') + QString::number(n);
  }
  return name;
}

// A hard link costs neither space nor time; a file system without them gets a copy.
bool keepAside(const QString& path, const QString& aside) {
  return ::link(QFile::encodeName(path).constData(), QFile::encodeName(aside).constData()) == 0 ||
         QFile::copy(path, aside);
}

void removeDatabaseLogs(const QString& path) {
  for (const char* suffix : {"-journal", "-wal", "-shm"}) {
    QFile::remove(path + QLatin1String(suffix));
  }
}

void removeDatabaseFiles(const QString& path) {
  QFile::remove(path);
  removeDatabaseLogs(path);
}

}  // namespace

// BEGIN IMMEDIATE takes the write lock up front, so two windows never both read and then
// both write; a transaction not committed is rolled back when it goes out of scope.
struct UserDefaults::Transaction {
  explicit Transaction(UserDefaults& store) : store(store) {
    const int status = store.db_
                           ? sqlite3_exec(store.db_, "BEGIN IMMEDIATE", nullptr, nullptr, nullptr)
                           : SQLITE_CANTOPEN;
    began = status == SQLITE_OK;
    if (!began) store.noteError(status);
  }
  ~Transaction() {
    if (began && !committed) sqlite3_exec(store.db_, "ROLLBACK", nullptr, nullptr, nullptr);
  }
  // Commits when ok; false when ok was false or the commit failed.
  bool commit(bool ok) {
    if (!began) return false;
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

UserDefaults::UserDefaults(const QString& filePath, Access access) : filePath_(filePath) {
  open(access);
}

UserDefaults::~UserDefaults() { sqlite3_close(db_); }

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
  if (isJsonLinesFile(filePath_)) {
    const bool readOnly = access == Access::ReadOnly;
    const auto values = readJsonLinesFile(!readOnly);
    if (!values) {
      runInMemory(Failure::Unavailable, {});
    } else if (readOnly) {
      runInMemory(Failure::None, *values);
    } else if (!importJsonLines(*values)) {
      // What could be read stays usable for this run; the file itself is untouched.
      runInMemory(lastFailure_ == Failure::None ? Failure::Other : lastFailure_, *values);
    }
    if (!persistent_) return;
  }
  if (!openDatabase(access)) {
    const Failure failure = lastFailure_ == Failure::None ? Failure::Other : lastFailure_;
    sqlite3_close(db_);
    db_ = nullptr;
    runInMemory(failure, {});
  }
}

bool UserDefaults::openDatabase(Access access) {
  QString uri =
      QUrl::fromLocalFile(QFileInfo(filePath_).absoluteFilePath()).toString(QUrl::FullyEncoded);
  int flags = SQLITE_OPEN_URI;
  if (access == Access::ReadOnly) {
    flags |= SQLITE_OPEN_READONLY;
    uri += QStringLiteral("?mode=ro");
    // With no write-ahead log beside it no one is writing: reading it as immutable leaves no
    // lock files behind, so that reading changes nothing at all.
    if (!QFileInfo::exists(filePath_ + QStringLiteral("-wal"))) uri += "&immutable=1";
  } else {
    flags |= SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE;
    QDir().mkpath(QFileInfo(filePath_).absolutePath());
  }
  int status = sqlite3_open_v2(uri.toUtf8().constData(), &db_, flags, nullptr);
  if (status != SQLITE_OK) {
    noteError(status);
    return false;
  }
  sqlite3_busy_timeout(db_, kBusyTimeoutMs);
  if (access == Access::ReadWrite) {
    // NORMAL: a commit is in the log before it returns, which a killed process cannot undo;
    // only a power cut may cost the last commits.
    execute(db_, "PRAGMA journal_mode=WAL");
    execute(db_, "PRAGMA synchronous=NORMAL");
    status = sqlite3_exec(db_, kSchema, nullptr, nullptr, nullptr);
    if (status != SQLITE_OK && failureFor(status) != Failure::ReadOnly) {
      noteError(status);
      return false;
    }
  }
  // Reading proves the file is a store: a folder or a foreign file fails here.
  Statement check(db_, "SELECT count(*) FROM records");
  if (!check.next()) {
    noteError(check.status() == SQLITE_MISUSE ? sqlite3_errcode(db_) : check.status());
    return false;
  }
  dataVersion_ = dataVersion(db_);
  loadValues();
  lastFailure_ = Failure::None;
  return true;
}

std::optional<QHash<QString, QJsonValue>> UserDefaults::readJsonLinesFile(bool keepUnreadable) {
  QString error;
  const auto read = readJsonLinesSettings(filePath_, &error);
  if (!read) {
    lastError_ = error;
    qWarning().noquote() << "UserDefaults: cannot read" << filePath_ << error;
    return std::nullopt;
  }
  skippedLines_ = int(read->unreadableLines.size());
  if (skippedLines_ > 0) {
    qWarning().noquote() << "UserDefaults: skipped" << skippedLines_ << "unreadable line(s) in"
                         << filePath_;
    // The import leaves them behind: keep them word for word for a hand repair. The whole
    // file is kept aside as well, so a side file that cannot be written loses nothing.
    if (keepUnreadable) keepUnreadableLines(unreadableFilePath(), filePath_, read->unreadableLines);
  }
  return read->values;
}

bool UserDefaults::importJsonLines(const QHash<QString, QJsonValue>& values) {
  // Built beside the file under another name and renamed over it: at every moment the path
  // holds either the old file or the whole database, so a kill during the import only
  // means importing again at the next start.
  const QString building = filePath_ + QStringLiteral(".importing");
  removeDatabaseFiles(building);
  sqlite3* db = nullptr;
  int status = sqlite3_open_v2(building.toUtf8().constData(), &db,
                               SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE, nullptr);
  const bool built = status == SQLITE_OK && seed(db, values);
  if (!built) noteError(db ? sqlite3_extended_errcode(db) : status);
  sqlite3_close(db);

  // The old file stays under another name; the rename then replaces the path in one step.
  const QString aside = asideName(filePath_);
  const bool kept = built && keepAside(filePath_, aside);
  // A log or journal beside a settings file belongs to a database that file replaced (a
  // backup put back, say); left there, it would be replayed over the new store.
  if (kept) removeDatabaseLogs(filePath_);
  if (!kept || std::rename(QFile::encodeName(building).constData(),
                           QFile::encodeName(filePath_).constData()) != 0) {
    if (built) lastError_ = QStringLiteral("cannot put the imported store in place");
    if (kept) QFile::remove(aside);  // the original is still in place
    removeDatabaseFiles(building);
    if (lastFailure_ == Failure::None) lastFailure_ = Failure::Other;
    return false;
  }
  importedPath_ = aside;
  qInfo().noquote() << "UserDefaults: imported" << filePath_ << "- the old file is kept as"
                    << aside;
  return true;
}

void UserDefaults::runInMemory(Failure failure, const QHash<QString, QJsonValue>& seedValues) {
  persistent_ = false;
  // Whatever went wrong while opening, the file could not be opened.
  openFailure_ = failure == Failure::Other ? Failure::Unavailable : failure;
  QHash<QString, QJsonValue> values = seedValues;
  if (failure != Failure::None && values.isEmpty()) {
    values.insert(QString::fromLatin1(kFirstAppStartAt),
                  QDateTime::currentDateTimeUtc().toString(Qt::ISODateWithMs));
    for (const char* flag : kNotAFirstStartFlags) values.insert(QString::fromLatin1(flag), true);
  }
  if (failure != Failure::None) {
    qWarning().noquote() << "UserDefaults: cannot open" << filePath_ << lastError_
                         << "- keeping history and settings in memory only";
  }
  sqlite3_open(":memory:", &db_);
  seed(db_, values);
  loadValues();
  lastFailure_ = Failure::None;
}

void UserDefaults::loadValues() {
  values_.clear();
  Statement statement(db_, "SELECT key, value FROM store_values");
  while (statement.next()) {
    const QJsonValue value = decode(statement.text(1));
    if (!value.isUndefined()) values_.insert(QString::fromUtf8(statement.text(0)), value);
  }
}

void UserDefaults::noteError(int code) {
  lastFailure_ = failureFor(code);
  lastError_ = QString::fromUtf8(db_ ? sqlite3_errmsg(db_) : sqlite3_errstr(code));
}

bool UserDefaults::fail(Change change) {
  if (lastFailure_ == Failure::None) lastFailure_ = Failure::Other;
  qWarning().noquote() << "UserDefaults: cannot write" << filePath_ << lastError_;
  if (listener_) listener_(lastFailure_, change);
  return false;
}

void UserDefaults::setFailureListener(FailureListener listener) {
  listener_ = std::move(listener);
  if (listener_ && openFailure_ != Failure::None && !openFailureTold_) {
    openFailureTold_ = true;
    listener_(openFailure_, Change::Open);
  }
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
  Transaction transaction(*this);
  if (!transaction.commit(
          Statement(db_, "INSERT OR REPLACE INTO store_values(key, value) VALUES(?, ?)")
              .bind(1, key)
              .bind(2, encode(value))
              .run())) {
    return fail(Change::Setting);
  }
  values_.insert(key, value);
  return true;
}

bool UserDefaults::setDate(const QString& key, const QDateTime& value) {
  return setValue(key, value.toUTC().toString(Qt::ISODateWithMs));
}

bool UserDefaults::remove(const QString& key) {
  if (key == QLatin1String(kRecordsKey)) return false;
  Transaction transaction(*this);
  if (!transaction.commit(
          Statement(db_, "DELETE FROM store_values WHERE key = ?").bind(1, key).run())) {
    return fail(Change::Setting);
  }
  values_.remove(key);
  return true;
}

QList<qint64> UserDefaults::recordIds() const {
  QList<qint64> ids;
  ids.reserve(recordCount());
  Statement statement(db_, "SELECT id FROM records ORDER BY position");
  while (statement.next()) ids.append(statement.integer(0));
  return ids;
}

qint64 UserDefaults::recordCount() const {
  Statement statement(db_, "SELECT count(*) FROM records");
  return statement.next() ? statement.integer(0) : 0;
}

std::optional<QJsonObject> UserDefaults::record(qint64 id) const {
  Statement statement(db_, "SELECT record FROM records WHERE id = ?");
  statement.bind(1, id);
  if (!statement.next()) return std::nullopt;
  return statement.record(0);
}

QList<UserDefaults::Row> UserDefaults::rows(qint64 first, int limit) const {
  Statement statement(db_,
                      "SELECT id, record FROM records WHERE position >= "
                      "  IFNULL((SELECT position FROM records WHERE id = ?1),"
                      "         CASE WHEN ?1 = 0 THEN (SELECT MIN(position) FROM records) END)"
                      " ORDER BY position LIMIT ?2");
  statement.bind(1, first).bind(2, qint64(limit));
  QList<Row> result;
  while (statement.next()) result.append({statement.integer(0), statement.record(1)});
  return result;
}

std::optional<qint64> UserDefaults::insertRecord(const QJsonObject& record) {
  Transaction transaction(*this);
  const bool inserted = Statement(db_,
                                  "INSERT INTO records(position, record) VALUES("
                                  "  (SELECT IFNULL(MIN(position), 0) - 1 FROM records), ?)")
                            .bind(1, encodeRecord(record))
                            .run();
  const qint64 id = sqlite3_last_insert_rowid(db_);
  if (!transaction.commit(inserted)) {
    fail(Change::InsertRecord);
    return std::nullopt;
  }
  return id;
}

bool UserDefaults::removeRecord(qint64 id, std::optional<qint64>* position) {
  Transaction transaction(*this);
  if (position) {
    Statement place(db_, "SELECT (SELECT position FROM records WHERE id = ?)");
    place.bind(1, id);
    *position = place.next() ? place.optionalInteger(0) : std::nullopt;
  }
  if (!transaction.commit(Statement(db_, "DELETE FROM records WHERE id = ?").bind(1, id).run())) {
    return fail(Change::RemoveRecord);
  }
  return true;
}

bool UserDefaults::restoreRecord(qint64 id, qint64 position, const QJsonObject& record) {
  Transaction transaction(*this);
  if (!transaction.began) return fail(Change::InsertRecord);
  {
    Statement existing(db_, "SELECT count(*) FROM records WHERE id = ?");
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
  const bool ok = Statement(db_,
                            "UPDATE records SET position = position - 1 WHERE position <= ?1"
                            " AND EXISTS(SELECT 1 FROM records WHERE position = ?1)")
                      .bind(1, position)
                      .run() &&
                  Statement(db_, "INSERT INTO records(id, position, record) VALUES(?, ?, ?)")
                      .bind(1, id)
                      .bind(2, position)
                      .bind(3, encodeRecord(record))
                      .run();
  if (!transaction.commit(ok)) return fail(Change::InsertRecord);
  return true;
}

bool UserDefaults::moveRecord(qint64 id, qint64 placeId) {
  Transaction transaction(*this);
  if (!transaction.began) return fail(Change::MoveRecord);
  std::optional<qint64> from;
  std::optional<qint64> to;
  {
    Statement positions(db_,
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
      Statement(db_,
                "UPDATE records SET position = position + (CASE WHEN ?1 < ?2 THEN -1 ELSE 1 END)"
                " WHERE position BETWEEN min(?1, ?2) AND max(?1, ?2) AND id <> ?3")
          .bind(1, *from)
          .bind(2, *to)
          .bind(3, id)
          .run() &&
      Statement(db_, "UPDATE records SET position = ?1 WHERE id = ?2")
          .bind(1, *to)
          .bind(2, id)
          .run();
  if (!transaction.commit(ok)) return fail(Change::MoveRecord);
  return true;
}

bool UserDefaults::clearRecords() {
  Transaction transaction(*this);
  if (!transaction.commit(execute(db_, "DELETE FROM records"))) return fail(Change::ClearRecords);
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
  return execute(db_, sql.toUtf8().constData());
}

}  // namespace uc
