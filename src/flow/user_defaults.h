#pragma once

#include <QByteArrayList>
#include <QDateTime>
#include <QHash>
#include <QJsonValue>
#include <QString>
#include <QStringList>
#include <optional>

namespace uc {

// The app's persistent key-value store ("user defaults"): texts, numbers, booleans, dates,
// lists and maps under fixed keys.
//
// Why not QSettings: its INI writer rewrites the whole file in place and its reader gives
// up on a damaged file. We keep a JSON-lines file instead. Each line is one self-contained
// change ("set", "remove", or an edit of one element of a list), so
//   - a list edit appends one short line: inserting into a history of 10 000 records does
//     not rewrite 10 000 records;
//   - a writer killed mid-line leaves at most one torn last line, which reading skips;
//   - a damaged or hand-edited line costs only that line, never the rest of the file.
// When the appended lines outgrow the compact part, or reading had to skip anything, the
// whole file is rewritten compactly with QSaveFile (temp file + rename), so a kill during
// the rewrite leaves the old file. A value is readable by any later reader as soon as the
// call that wrote it has returned.
//
// Dates are stored as ISO-8601 texts. One instance per file; main thread only.
class UserDefaults {
 public:
  explicit UserDefaults(const QString& filePath);
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

  bool contains(const QString& key) const { return values_.contains(key); }
  QStringList keys() const;
  // QJsonValue::Undefined when the key is absent.
  QJsonValue value(const QString& key) const { return values_.value(key, QJsonValue::Undefined); }

  // Typed reads: an absent key or a value of another type gives the fallback.
  bool boolValue(const QString& key, bool fallback = false) const;
  int intValue(const QString& key, int fallback = 0) const;
  QString stringValue(const QString& key, const QString& fallback = {}) const;
  std::optional<QDateTime> dateValue(const QString& key) const;

  // Writes return whether the change reached the file; memory is updated either way.
  bool setValue(const QString& key, const QJsonValue& value);
  bool setBool(const QString& key, bool value) { return setValue(key, value); }
  bool setInt(const QString& key, int value) { return setValue(key, value); }
  bool setDate(const QString& key, const QDateTime& value);
  bool remove(const QString& key);

  // Edits of the list under key, written as one short line each. Insert treats an absent
  // key (or one holding something else) as an empty list; index == size appends.
  // Invalid indices change nothing and return false.
  bool insertIntoArray(const QString& key, qsizetype index, const QJsonValue& value);
  bool removeFromArray(const QString& key, qsizetype index);
  bool moveInArray(const QString& key, qsizetype from, qsizetype to);

  // Rewrites the file compactly and atomically.
  bool compact();

  // Lines skipped as unreadable when the file was opened. They are appended to
  // unreadableFilePath() before the file is repaired; a line that cannot be kept there is
  // left in the file.
  int skippedLinesOnLoad() const { return skippedLines_; }
  QString unreadableFilePath() const;

 private:
  void load();
  bool keepUnreadableLines(const QByteArrayList& lines) const;
  bool append(const QJsonObject& change);

  QString filePath_;
  QHash<QString, QJsonValue> values_;
  qint64 compactBytes_ = 0;   // size of the file right after the last compaction
  qint64 appendedBytes_ = 0;  // bytes appended since
  int skippedLines_ = 0;
};

}  // namespace uc
