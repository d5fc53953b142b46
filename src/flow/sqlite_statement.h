#pragma once

#include <sqlite3.h>

#include <QByteArray>
#include <QString>
#include <QtGlobal>
#include <optional>

namespace uc {

// One prepared statement, finalised on scope exit.
class SqliteStatement {
 public:
  SqliteStatement(sqlite3* db, const char* sql) {
    if (db) status_ = sqlite3_prepare_v2(db, sql, -1, &statement_, nullptr);
  }
  ~SqliteStatement() { sqlite3_finalize(statement_); }
  SqliteStatement(const SqliteStatement&) = delete;
  SqliteStatement& operator=(const SqliteStatement&) = delete;

  SqliteStatement& bind(int index, qint64 value) {
    if (statement_) sqlite3_bind_int64(statement_, index, value);
    return *this;
  }
  SqliteStatement& bind(int index, const QByteArray& text) {
    if (statement_) {
      sqlite3_bind_text(statement_, index, text.constData(), int(text.size()), SQLITE_TRANSIENT);
    }
    return *this;
  }
  SqliteStatement& bind(int index, const QString& text) { return bind(index, text.toUtf8()); }

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
  // Ready to run again with new bindings.
  void reset() {
    if (statement_) sqlite3_reset(statement_);
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

 private:
  sqlite3_stmt* statement_ = nullptr;
  int status_ = SQLITE_MISUSE;
};

// The first column of the first row, 0 when there is none: for PRAGMAs that read a number.
inline qint64 queryInteger(sqlite3* db, const char* sql) {
  SqliteStatement statement(db, sql);
  return statement.next() ? statement.integer(0) : 0;
}

inline bool executeSql(sqlite3* db, const char* sql) {
  return db && sqlite3_exec(db, sql, nullptr, nullptr, nullptr) == SQLITE_OK;
}

// Whether a status means the file itself is damaged (or is no database at all).
inline bool isDamageStatus(int status) {
  const int primary = status & 0xff;
  return primary == SQLITE_CORRUPT || primary == SQLITE_NOTADB;
}

}  // namespace uc
