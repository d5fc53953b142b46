#pragma once

#include <QByteArray>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QJsonValue>
#include <optional>

namespace uc::store_encoding {

// A value as stored: the compact JSON of a one-element array, since Qt writes no bare scalars.
inline QByteArray encode(const QJsonValue& value) {
  return QJsonDocument(QJsonArray{value}).toJson(QJsonDocument::Compact);
}

inline QJsonValue decode(const QByteArray& text) {
  const QJsonDocument document = QJsonDocument::fromJson(text);
  return document.isArray() && document.array().size() == 1 ? document.array().first()
                                                            : QJsonValue(QJsonValue::Undefined);
}

inline QByteArray encodeRecord(const QJsonObject& record) {
  return QJsonDocument(record).toJson(QJsonDocument::Compact);
}

// nullopt when the text is no JSON object: a record damaged inside its page.
inline std::optional<QJsonObject> decodeRecord(const QByteArray& text) {
  QJsonParseError error;
  const QJsonDocument document = QJsonDocument::fromJson(text, &error);
  if (error.error != QJsonParseError::NoError || !document.isObject()) return std::nullopt;
  return document.object();
}

}  // namespace uc::store_encoding
