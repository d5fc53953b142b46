#include "flow/user_defaults.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QSaveFile>
#include <QStandardPaths>
#include <QtDebug>
#include <algorithm>
#include <cmath>
#include <limits>
#include <memory>

namespace uc {
namespace {

const QString kHeaderKey = QStringLiteral("unitcircle-settings");
const QString kSet = QStringLiteral("set");
const QString kRemove = QStringLiteral("remove");
const QString kInsert = QStringLiteral("insert");
const QString kRemoveAt = QStringLiteral("removeAt");
const QString kMove = QStringLiteral("move");
const QString kValue = QStringLiteral("value");
const QString kAt = QStringLiteral("at");
const QString kFrom = QStringLiteral("from");
const QString kTo = QStringLiteral("to");

// Small files are not worth rewriting after every few changes.
constexpr qint64 kMinimumBytesBeforeCompaction = 64 * 1024;

QString& standardFilePath() {
  static QString path;
  return path;
}

std::unique_ptr<UserDefaults>& standardInstance() {
  static std::unique_ptr<UserDefaults> instance;
  return instance;
}

bool isChangeLine(const QJsonObject& object) {
  for (const QString& key : {kHeaderKey, kSet, kRemove, kInsert, kRemoveAt, kMove}) {
    if (object.contains(key)) return true;
  }
  return false;
}

// A list index as written in a line: a whole number, else -1.
qsizetype indexFrom(const QJsonValue& value) {
  if (!value.isDouble()) return -1;
  const double d = value.toDouble();
  if (d < 0 || d > 1e15 || std::floor(d) != d) return -1;
  return static_cast<qsizetype>(d);
}

QByteArray lineOf(const QJsonObject& object) {
  QByteArray line = QJsonDocument(object).toJson(QJsonDocument::Compact);
  line.append('\n');
  return line;
}

// Takes the list out of its slot without leaving a second reference behind, so that the
// edit does not copy the whole list.
QJsonArray takeArray(QJsonValue& slot) {
  QJsonArray array = slot.isArray() ? slot.toArray() : QJsonArray();
  slot = QJsonValue();
  return array;
}

}  // namespace

UserDefaults::UserDefaults(const QString& filePath) : filePath_(filePath) { load(); }

UserDefaults::~UserDefaults() = default;

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

QStringList UserDefaults::keys() const {
  QStringList result = values_.keys();
  result.sort();
  return result;
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
  values_.insert(key, value);
  return append(QJsonObject{{kSet, key}, {kValue, value}});
}

bool UserDefaults::setDate(const QString& key, const QDateTime& value) {
  return setValue(key, value.toUTC().toString(Qt::ISODateWithMs));
}

bool UserDefaults::remove(const QString& key) {
  values_.remove(key);
  return append(QJsonObject{{kRemove, key}});
}

bool UserDefaults::insertIntoArray(const QString& key, qsizetype index, const QJsonValue& value) {
  const auto it = values_.constFind(key);
  const qsizetype size = it != values_.cend() && it->isArray() ? it->toArray().size() : 0;
  if (index < 0 || index > size) return false;
  QJsonValue& slot = values_[key];
  QJsonArray array = takeArray(slot);
  array.insert(index, value);
  slot = array;
  return append(QJsonObject{{kInsert, key}, {kAt, double(index)}, {kValue, value}});
}

bool UserDefaults::removeFromArray(const QString& key, qsizetype index) {
  auto it = values_.find(key);
  if (it == values_.end() || !it->isArray()) return false;
  QJsonArray array = takeArray(*it);
  const bool valid = index >= 0 && index < array.size();
  if (valid) array.removeAt(index);
  *it = array;
  return valid && append(QJsonObject{{kRemoveAt, key}, {kAt, double(index)}});
}

bool UserDefaults::moveInArray(const QString& key, qsizetype from, qsizetype to) {
  auto it = values_.find(key);
  if (it == values_.end() || !it->isArray()) return false;
  QJsonArray array = takeArray(*it);
  const bool valid = from >= 0 && from < array.size() && to >= 0 && to < array.size();
  if (valid && from != to) {
    const QJsonValue moved = array.takeAt(from);
    array.insert(to, moved);
  }
  *it = array;
  return valid && append(QJsonObject{{kMove, key}, {kFrom, double(from)}, {kTo, double(to)}});
}

bool UserDefaults::compact() {
  QByteArray out = lineOf(QJsonObject{{kHeaderKey, 1}});
  for (const QString& key : keys()) {
    const QJsonValue& v = values_[key];
    if (v.isArray()) {
      // One element a line, so that damage to one element costs only that element.
      out += lineOf(QJsonObject{{kSet, key}, {kValue, QJsonArray()}});
      for (const QJsonValue element : v.toArray()) {
        out += lineOf(QJsonObject{{kInsert, key}, {kValue, element}});
      }
    } else {
      out += lineOf(QJsonObject{{kSet, key}, {kValue, v}});
    }
  }

  QDir().mkpath(QFileInfo(filePath_).absolutePath());
  QSaveFile file(filePath_);
  if (!file.open(QIODevice::WriteOnly) || file.write(out) != out.size() || !file.commit()) {
    qWarning().noquote() << "UserDefaults: cannot write" << filePath_ << file.errorString();
    return false;
  }
  compactBytes_ = out.size();
  appendedBytes_ = 0;
  return true;
}

bool UserDefaults::append(const QJsonObject& change) {
  // The first write creates the file whole, header included.
  if (!QFileInfo::exists(filePath_)) return compact();

  const QByteArray line = lineOf(change);
  QFile file(filePath_);
  // Unbuffered: one write() per change, so a kill leaves the line whole or torn at its end.
  if (!file.open(QIODevice::WriteOnly | QIODevice::Append | QIODevice::Unbuffered) ||
      file.write(line) != line.size()) {
    qWarning().noquote() << "UserDefaults: cannot write" << filePath_ << file.errorString();
    return false;
  }
  file.close();
  appendedBytes_ += line.size();
  if (appendedBytes_ > std::max(kMinimumBytesBeforeCompaction, compactBytes_)) return compact();
  return true;
}

QString UserDefaults::unreadableFilePath() const {
  return filePath_ + QStringLiteral(".unreadable");
}

bool UserDefaults::keepUnreadableLines(const QByteArrayList& lines) const {
  QFile side(unreadableFilePath());
  if (!side.open(QIODevice::WriteOnly | QIODevice::Append)) {
    qWarning().noquote() << "UserDefaults: cannot write" << side.fileName() << side.errorString();
    return false;
  }
  // One block per repair, dated, so that repeated repairs stay apart.
  QByteArray block = "# " + QDateTime::currentDateTimeUtc().toString(Qt::ISODate).toUtf8() +
                     " from " + QFileInfo(filePath_).fileName().toUtf8() + '\n';
  for (const QByteArray& line : lines) block += line + '\n';
  return side.write(block) == block.size() && side.flush();
}

void UserDefaults::load() {
  QFile file(filePath_);
  if (!file.exists()) return;
  if (!file.open(QIODevice::ReadOnly)) {
    qWarning().noquote() << "UserDefaults: cannot read" << filePath_ << file.errorString();
    return;
  }
  const QByteArray data = file.readAll();
  file.close();

  bool needsRewrite = false;
  QByteArrayList unreadable;
  QJsonParseError error{};
  const QJsonDocument whole = QJsonDocument::fromJson(data, &error);
  if (error.error == QJsonParseError::NoError && whole.isObject() &&
      !isChangeLine(whole.object())) {
    // A plain JSON object, e.g. written by hand: take it as the key-value map.
    const QJsonObject object = whole.object();
    for (auto it = object.begin(); it != object.end(); ++it) values_.insert(it.key(), it.value());
    needsRewrite = true;
  } else {
    bool sawHeader = false;
    for (const QByteArray& rawLine : data.split('\n')) {
      const QByteArray line = rawLine.trimmed();
      if (line.isEmpty()) continue;
      const QJsonDocument doc = QJsonDocument::fromJson(line, &error);
      const QJsonObject change = doc.object();
      if (error.error != QJsonParseError::NoError || !doc.isObject()) {
        unreadable.append(line);
        continue;
      }
      if (change.contains(kHeaderKey)) {
        sawHeader = true;
        continue;
      }
      if (change.value(kSet).isString() && change.contains(kValue)) {
        values_.insert(change.value(kSet).toString(), change.value(kValue));
      } else if (change.value(kRemove).isString()) {
        values_.remove(change.value(kRemove).toString());
      } else if (change.value(kInsert).isString() && change.contains(kValue)) {
        QJsonValue& slot = values_[change.value(kInsert).toString()];
        const qsizetype size = slot.isArray() ? slot.toArray().size() : 0;
        const qsizetype at = change.contains(kAt) ? indexFrom(change.value(kAt)) : size;
        if (at < 0 || at > size) {
          // An earlier line went missing, so the place is unknown: guessing one would put
          // the element out of order. It is kept in the side file instead.
          if (!slot.isArray()) slot = QJsonArray();
          unreadable.append(line);
          continue;
        }
        QJsonArray array = takeArray(slot);
        array.insert(at, change.value(kValue));
        slot = array;
      } else if (change.value(kRemoveAt).isString()) {
        auto it = values_.find(change.value(kRemoveAt).toString());
        const qsizetype at = indexFrom(change.value(kAt));
        if (it == values_.end() || !it->isArray() || at < 0 || at >= it->toArray().size()) {
          unreadable.append(line);
          continue;
        }
        QJsonArray array = takeArray(*it);
        array.removeAt(at);
        *it = array;
      } else if (change.value(kMove).isString()) {
        auto it = values_.find(change.value(kMove).toString());
        const qsizetype from = indexFrom(change.value(kFrom));
        const qsizetype to = indexFrom(change.value(kTo));
        const qsizetype size = it != values_.end() && it->isArray() ? it->toArray().size() : 0;
        if (from < 0 || from >= size || to < 0 || to >= size) {
          unreadable.append(line);
          continue;
        }
        QJsonArray array = takeArray(*it);
        const QJsonValue moved = array.takeAt(from);
        array.insert(to, moved);
        *it = array;
      } else {
        unreadable.append(line);
      }
    }
    // A torn last line (writer killed) or a file without our header is rewritten.
    needsRewrite = needsRewrite || !sawHeader || !data.endsWith('\n');
  }

  compactBytes_ = data.size();
  skippedLines_ = static_cast<int>(unreadable.size());
  // The repair below drops what could not be read; keep it beside the file first, so that
  // nothing is lost for good and a hand repair stays possible.
  if (!unreadable.isEmpty() && keepUnreadableLines(unreadable)) {
    qWarning().noquote() << "UserDefaults: skipped" << skippedLines_ << "unreadable line(s) in"
                         << filePath_ << "- kept in" << unreadableFilePath();
    compact();
  } else if (!unreadable.isEmpty()) {
    // Without the side file the unread lines stay in place rather than being dropped; a
    // torn last line is only ended, so that the next change starts a line of its own.
    qWarning().noquote() << "UserDefaults: skipped" << skippedLines_ << "unreadable line(s) in"
                         << filePath_;
    QFile end(filePath_);
    if (!data.endsWith('\n') && end.open(QIODevice::WriteOnly | QIODevice::Append)) end.write("\n");
  } else if (needsRewrite) {
    compact();
  }
}

}  // namespace uc
