#pragma once

#include <QDateTime>
#include <QHash>
#include <QJsonObject>
#include <QJsonValue>
#include <QList>
#include <QString>
#include <QStringList>
#include <functional>
#include <optional>

struct sqlite3;

namespace uc {

// The app's persistent key-value store ("user defaults"): texts, numbers, booleans, dates,
// lists and maps under fixed keys, and the calculation records, over one SQLite database.
//
// Why SQLite: the file is shared by every window of the app, and it must survive a full disk,
// a read-only file and a kill at any moment without losing or misplacing a record. So
//   - every operation is one transaction in a write-ahead log: it is on disk whole or not at
//     all, and a process killed at any point loses nothing that had returned;
//   - records are rows with a stable id and an order column, so a deletion or a move names
//     the record itself and stays right while another process inserts;
//   - a write that fails leaves memory as it was, returns false and is told to the failure
//     listener; the next write tries again, no restart needed.
//
// A settings file of earlier versions (JSON lines) found at the path is imported once and
// kept beside it (FILE.jsonl-imported); lines it could not read go to FILE.unreadable.
// A store that cannot be opened at all runs in memory (isPersistent() false), and says so
// once through the listener.
//
// Values other than the records are kept in memory too, as read at the start or at the last
// refreshIfChanged(). Dates are stored as ISO-8601 texts. Main thread only.
class UserDefaults {
 public:
  enum class Access { ReadWrite, ReadOnly };
  // Why a write failed, for the message the learner sees.
  enum class Failure { None, Full, ReadOnly, Busy, Unavailable, Other };
  // What did not reach the disk.
  enum class Change { Open, Setting, InsertRecord, RemoveRecord, MoveRecord, ClearRecords };
  using FailureListener = std::function<void(Failure, Change)>;

  // ReadOnly never writes or imports anything: a JSON-lines file is read in place, a
  // database is opened read-only.
  explicit UserDefaults(const QString& filePath, Access access = Access::ReadWrite);
  ~UserDefaults();
  UserDefaults(const UserDefaults&) = delete;
  UserDefaults& operator=(const UserDefaults&) = delete;

  // The settings file for this process: "--settings FILE" or "--settings=FILE" among the
  // arguments, else the environment variable UNITCIRCLE_SETTINGS, else defaultFilePath().
  static QString filePathFromArguments(const QStringList& arguments);
  static QString defaultFilePath();

  // The process-wide store, opened on first use. Set its file before that first use;
  // without it the path comes from the application's arguments and environment.
  static UserDefaults& standard();
  static void setStandardFilePath(const QString& filePath);

  const QString& filePath() const { return filePath_; }
  // False when the store could not be opened and runs in memory.
  bool isPersistent() const { return persistent_; }
  Failure openFailure() const { return openFailure_; }
  // SQLite's or the file system's own words for the last failure, for logs.
  const QString& lastError() const { return lastError_; }
  Failure lastFailure() const { return lastFailure_; }

  // Told of every failed write, and of a failed open as soon as it is set.
  void setFailureListener(FailureListener listener);

  // The key under which the records read as one list (newest first); it cannot be set.
  static constexpr char kRecordsKey[] = "Calculations";

  bool contains(const QString& key) const;
  // The keys of the values, sorted; the records are not among them.
  QStringList keys() const;
  // QJsonValue::Undefined when the key is absent. kRecordsKey reads every record.
  QJsonValue value(const QString& key) const;

  // Typed reads: an absent key or a value of another type gives the fallback.
  bool boolValue(const QString& key, bool fallback = false) const;
  int intValue(const QString& key, int fallback = 0) const;
  QString stringValue(const QString& key, const QString& fallback = {}) const;
  std::optional<QDateTime> dateValue(const QString& key) const;

  // Writes return whether the change reached the disk; memory changes only if it did.
  bool setValue(const QString& key, const QJsonValue& value);
  bool setBool(const QString& key, bool value) { return setValue(key, value); }
  bool setInt(const QString& key, int value) { return setValue(key, value); }
  bool setDate(const QString& key, const QDateTime& value);
  bool remove(const QString& key);

  // The records, newest first. Ids are stable for the life of a record.
  QList<qint64> recordIds() const;
  qint64 recordCount() const;
  // nullopt when no record has that id (any more).
  std::optional<QJsonObject> record(qint64 id) const;
  struct Row {
    qint64 id;
    QJsonObject record;
  };
  // Up to limit rows in list order, starting with the record with id first (from the
  // newest when first is 0); one read for a screenful.
  QList<Row> rows(qint64 first, int limit) const;

  // Inserts a record at the front; its id, or nullopt when the write failed.
  std::optional<qint64> insertRecord(const QJsonObject& record);
  // Removing a record that is gone already succeeds. position, when given, receives the
  // place the record held (nullopt when it was gone), for restoreRecord.
  bool removeRecord(qint64 id, std::optional<qint64>* position = nullptr);
  // Puts a removed record back under its old id at its old place in the order; a record
  // another window has put at that place since moves one towards the front. False with
  // lastFailure() None when a record with that id exists.
  bool restoreRecord(qint64 id, qint64 position, const QJsonObject& record);
  // Puts the record with id where the record with placeId is, as a list view does when a
  // row is dragged onto another: the rows between shift by one. False with lastFailure()
  // None when either record is gone.
  bool moveRecord(qint64 id, qint64 placeId);
  bool clearRecords();

  // Whether another process has changed the store since the last call (or the start);
  // the values in memory are read again if so. Cheap: no table is read otherwise.
  bool refreshIfChanged();

  // Lines of a JSON-lines file that could not be read on import (or, read-only, on
  // reading it).
  int skippedLinesOnLoad() const { return skippedLines_; }
  QString unreadableFilePath() const { return filePath_ + QStringLiteral(".unreadable"); }
  // Where an imported JSON-lines file was kept; empty when none was imported.
  const QString& importedFilePath() const { return importedPath_; }

  // Runs SQL on the store's own connection; tests use it to provoke failures (a full disk
  // through PRAGMA max_page_count, a read-only store through PRAGMA query_only).
  bool executeForTesting(const QString& sql);

 private:
  struct Transaction;

  void open(Access access);
  bool openDatabase(Access access);
  std::optional<QHash<QString, QJsonValue>> readJsonLinesFile(bool keepUnreadable);
  bool importJsonLines(const QHash<QString, QJsonValue>& values);
  void runInMemory(Failure failure, const QHash<QString, QJsonValue>& seed);
  void loadValues();
  void noteError(int code);
  bool fail(Change change);

  QString filePath_;
  sqlite3* db_ = nullptr;
  bool persistent_ = true;
  QHash<QString, QJsonValue> values_;
  qint64 dataVersion_ = 0;
  Failure openFailure_ = Failure::None;
  bool openFailureTold_ = false;
  Failure lastFailure_ = Failure::None;
  QString lastError_;
  FailureListener listener_;
  int skippedLines_ = 0;
  QString importedPath_;
};

}  // namespace uc
