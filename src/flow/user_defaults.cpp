#include "flow/user_defaults.h"

#include <sqlite3.h>

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QStandardPaths>
#include <QtDebug>
#include <cmath>
#include <limits>
#include <memory>

#include "flow/json_lines_settings.h"
#include "flow/sqlite_statement.h"
#include "flow/store_encoding.h"
#include "flow/write_ahead_log.h"

namespace uc {

using namespace store_encoding;

namespace {

// After a write found the store locked, the writes that follow at once (one action makes
// several) try once instead of waiting again.
constexpr qint64 kBusyQuietMs = 2000;
QString& standardFilePath() {
  static QString path;
  return path;
}

std::unique_ptr<UserDefaults>& standardInstance() {
  static std::unique_ptr<UserDefaults> instance;
  return instance;
}

qint64 monotonicMs() {
  static QElapsedTimer timer = [] {
    QElapsedTimer started;
    started.start();
    return started;
  }();
  return timer.elapsed();
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

// Every transaction writes its generation into page 1, so that its log is known as ours.
bool advanceWriteGeneration(sqlite3* db) {
  const auto generation = quint32(queryInteger(db, "PRAGMA user_version"));
  const QByteArray sql =
      "PRAGMA user_version = " + QByteArray::number(nextWriteGeneration(generation));
  return executeSql(db, sql.constData());
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
  const qint64 version = queryInteger(db_, "PRAGMA data_version");
  if (version == dataVersion_) return false;
  dataVersion_ = version;
  loadValues();
  return true;
}

bool UserDefaults::executeForTesting(const QString& sql) {
  return executeSql(db_, sql.toUtf8().constData());
}

}  // namespace uc
