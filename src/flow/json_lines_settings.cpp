#include "flow/json_lines_settings.h"

#include <QDateTime>
#include <QFile>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <cmath>

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

// Takes the list out of its slot without leaving a second reference behind, so that the
// edit does not copy the whole list.
QJsonArray takeArray(QJsonValue& slot) {
  QJsonArray array = slot.isArray() ? slot.toArray() : QJsonArray();
  slot = QJsonValue();
  return array;
}

// Applies one change line; false when it cannot be applied.
bool apply(const QJsonObject& change, QHash<QString, QJsonValue>& values) {
  if (change.value(kSet).isString() && change.contains(kValue)) {
    values.insert(change.value(kSet).toString(), change.value(kValue));
    return true;
  }
  if (change.value(kRemove).isString()) {
    values.remove(change.value(kRemove).toString());
    return true;
  }
  if (change.value(kInsert).isString() && change.contains(kValue)) {
    QJsonValue& slot = values[change.value(kInsert).toString()];
    const qsizetype size = slot.isArray() ? slot.toArray().size() : 0;
    const qsizetype at = change.contains(kAt) ? indexFrom(change.value(kAt)) : size;
    if (at < 0 || at > size) {
      // An earlier line went missing, so the place is unknown: guessing one would put the
      // element out of order.
      if (!slot.isArray()) slot = QJsonArray();
      return false;
    }
    QJsonArray array = takeArray(slot);
    array.insert(at, change.value(kValue));
    slot = array;
    return true;
  }
  if (change.value(kRemoveAt).isString()) {
    auto it = values.find(change.value(kRemoveAt).toString());
    const qsizetype at = indexFrom(change.value(kAt));
    if (it == values.end() || !it->isArray() || at < 0 || at >= it->toArray().size()) return false;
    QJsonArray array = takeArray(*it);
    array.removeAt(at);
    *it = array;
    return true;
  }
  if (change.value(kMove).isString()) {
    auto it = values.find(change.value(kMove).toString());
    const qsizetype from = indexFrom(change.value(kFrom));
    const qsizetype to = indexFrom(change.value(kTo));
    const qsizetype size = it != values.end() && it->isArray() ? it->toArray().size() : 0;
    if (from < 0 || from >= size || to < 0 || to >= size) return false;
    QJsonArray array = takeArray(*it);
    const QJsonValue moved = array.takeAt(from);
    array.insert(to, moved);
    *it = array;
    return true;
  }
  return false;
}

}  // namespace

std::optional<JsonLinesSettings> readJsonLinesSettings(const QString& path, QString* error) {
  QFile file(path);
  if (!file.open(QIODevice::ReadOnly)) {
    if (error) *error = file.errorString();
    return std::nullopt;
  }
  const QByteArray data = file.readAll();
  JsonLinesSettings result;

  QJsonParseError parseError{};
  const QJsonDocument whole = QJsonDocument::fromJson(data, &parseError);
  if (parseError.error == QJsonParseError::NoError && whole.isObject() &&
      !isChangeLine(whole.object())) {
    // A plain JSON object, e.g. written by hand: take it as the key-value map.
    const QJsonObject object = whole.object();
    for (auto it = object.begin(); it != object.end(); ++it) {
      result.values.insert(it.key(), it.value());
    }
    return result;
  }

  for (const QByteArray& rawLine : data.split('\n')) {
    const QByteArray line = rawLine.trimmed();
    if (line.isEmpty()) continue;
    const QJsonDocument doc = QJsonDocument::fromJson(line, &parseError);
    if (parseError.error != QJsonParseError::NoError || !doc.isObject()) {
      result.unreadableLines.append(line);
      continue;
    }
    const QJsonObject change = doc.object();
    if (change.contains(kHeaderKey)) continue;
    if (!apply(change, result.values)) result.unreadableLines.append(line);
  }
  return result;
}

bool keepUnreadableLines(const QString& sidePath, const QString& source,
                         const QByteArrayList& lines) {
  QFile side(sidePath);
  if (!side.open(QIODevice::WriteOnly | QIODevice::Append)) return false;
  // One block per import, dated, so that repeated imports stay apart.
  QByteArray block = "# " + QDateTime::currentDateTimeUtc().toString(Qt::ISODate).toUtf8() +
                     " from " + source.toUtf8() + '\n';
  for (const QByteArray& line : lines) block += line + '\n';
  return side.write(block) == block.size() && side.flush();
}

}  // namespace uc
