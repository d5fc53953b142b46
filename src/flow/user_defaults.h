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
//     listener; the next write tries again, no restart needed. A store locked by another
//     writer is waited for briefly, never for the length of a freeze.
//
// Nothing at the path is ever destroyed:
//   - a settings file of earlier versions (JSON lines) is imported once, by one process
//     while the others wait, and kept beside it (FILE.jsonl-imported); lines it could not
//     read go to FILE.unreadable;
//   - a log beside the store that does not continue it (see write_ahead_log.h) is set aside
//     as FILE-wal.foreign before SQLite could replay it;
//   - a store with damaged pages has every readable record copied into a fresh store, and
//     the damaged file is kept as FILE.damaged;
//   - another program's database is refused untouched;
//   - a store that may be read but not written (a read-only file or folder) is read whole
//     into memory: the history shows, and changes last until the app is closed.
// A store that cannot be used runs in memory (isPersistent() false). What opening found is
// told once through the listener.
//
// Values other than the records are kept in memory too, as read at the start or at the last
// refreshIfChanged(). Dates are stored as ISO-8601 texts. Main thread only.
class UserDefaults {
 public:
  enum class Access { ReadWrite, ReadOnly };
  // Why a write failed, for the message the learner sees.
  // Foreign: the file (or the log beside it) belongs to another database or program.
  // Damaged: pages of the file cannot be read.
  enum class Failure { None, Full, ReadOnly, Busy, Unavailable, Foreign, Damaged, Other };
  // What did not reach the disk, or what opening did about a failure:
  //   Open: runs in memory;  OpenReadOnly: shows the file's history, keeps changes in memory;
  //   LogSetAside: a log that did not belong was set aside, the store is whole;
  //   Salvaged: a damaged store was replaced by its readable records;
  //   Read: a damaged part was met while reading.
  enum class Change {
    Open,
    OpenReadOnly,
    LogSetAside,
    Salvaged,
    Read,
    Setting,
    InsertRecord,
    RemoveRecord,
    MoveRecord,
    ClearRecords
  };
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
  // The file the path names, links followed: where the store and its side files are.
  const QString& storePath() const { return storePath_; }
  // False when the store could not be opened and runs in memory.
  bool isPersistent() const { return persistent_; }
  Failure openFailure() const { return openFailure_; }
  // Where opening set a file aside (a foreign log, a damaged store); empty when it did not.
  const QString& setAsidePath() const { return setAsidePath_; }
  // Whether damaged pages or records were met, at the start or since.
  bool foundDamage() const { return damaged_; }
  // SQLite's or the file system's own words for the last failure, for logs.
  const QString& lastError() const { return lastError_; }
  Failure lastFailure() const { return lastFailure_; }

  // Told of every failed write, and of what opening found as soon as it is set.
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
  // Moves a value that its reader could not use out of the way: its text is appended to
  // unreadableFilePath() as a dated block naming the key, then the key is removed. False,
  // with the value left where it was, when the side file cannot be written.
  bool setValueAside(const QString& key);

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

  // The first start, once for all processes: when no date is stored under firstStartKey,
  // stores `at` there and replaces the records by `sample`, in one transaction. False when
  // another start came first (refreshIfChanged() then shows its result) or the write failed.
  bool claimFirstStart(const QString& firstStartKey, const QDateTime& at,
                       const QJsonObject& sample);

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
  // A write waits this long for another window's transaction (a few milliseconds each); a
  // store held longer by a stuck process is told instead of freezing the screen.
  static constexpr int kWriteBusyTimeoutMs = 250;

  struct Transaction;
  struct OpenNotice {
    Failure failure = Failure::None;
    Change change = Change::Open;
  };

  void open(Access access);
  void openForWriting();
  void openForReading();
  // A store that may be read, not written: copied into memory, told once.
  void openReadOnlyView();
  bool importJsonLinesUnderLock();
  // Opens the database and proves it a sound store of ours; false with lastFailure_ set
  // (and the connection still open when it is Damaged, for salvage). ignoreLog reads the
  // file alone (read-only only).
  bool openDatabase(Access access, bool ignoreLog = false);
  // openDatabase, trying once more without a log that may not belong (logInDoubt).
  bool openJudgingLog(Access access, bool logInDoubt);
  // Renames the log beside the store to FILE-wal.foreign (a free name); putLogBack undoes it.
  bool setLogAside();
  void putLogBack();
  bool prepareForWriting();
  void closeDatabase();
  // Reads what can be read of the damaged store open now; replaceFile puts it in a fresh
  // store in place of the file (kept aside). Otherwise, or when that fails, this run keeps
  // it in memory, opened with inMemoryFailure (None for a reader, which lists it).
  void salvage(bool replaceFile, Failure inMemoryFailure);
  std::optional<QHash<QString, QJsonValue>> readJsonLinesFile(bool keepUnreadable);
  bool importJsonLines(const QHash<QString, QJsonValue>& values);
  // The store from here on is an in-memory database: empty, or seeded by the caller.
  void startInMemory(Failure failure);
  void runInMemory(Failure failure, const QHash<QString, QJsonValue>& seed);
  void loadValues();
  void noteError(int code);
  void noteDamage() const;
  bool fail(Change change);
  // Runs work in one write transaction; false, told as change, when it did not commit.
  template <typename Work>
  bool write(Change change, Work work);

  QString filePath_;
  QString storePath_;
  sqlite3* db_ = nullptr;
  bool persistent_ = true;
  bool registered_ = false;
  QHash<QString, QJsonValue> values_;
  qint64 dataVersion_ = 0;
  Failure openFailure_ = Failure::None;
  OpenNotice openNotice_;
  bool openNoticeTold_ = false;
  QString setAsidePath_;
  mutable bool damaged_ = false;
  mutable bool damageTold_ = false;
  Failure lastFailure_ = Failure::None;
  QString lastError_;
  FailureListener listener_;
  int skippedLines_ = 0;
  QString importedPath_;
  qint64 busyFailedAtMs_ = -1;
};

}  // namespace uc
