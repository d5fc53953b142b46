#pragma once

#include <QByteArrayList>
#include <QHash>
#include <QJsonValue>
#include <QString>
#include <optional>

namespace uc {

// The settings file of earlier versions: JSON lines, each one change ("set", "remove", or an
// insert, removal or move of one list element), replayed in order. Read once to import it
// into the database, and by the command line, which reads either kind of file.
//
// Reading is forgiving: a damaged line costs only that line, a torn last line (a writer
// killed mid-line) is skipped, and a plain JSON object written by hand is taken as the
// key-value map.
struct JsonLinesSettings {
  QHash<QString, QJsonValue> values;
  // Lines that could not be applied, word for word.
  QByteArrayList unreadableLines;
};

// nullopt when the file cannot be read at all; error, when given, then says why.
std::optional<JsonLinesSettings> readJsonLinesSettings(const QString& path,
                                                       QString* error = nullptr);

// Appends lines to the side file, as one dated block naming where they came from (a file's
// name, a stored value's key).
bool keepUnreadableLines(const QString& sidePath, const QString& source,
                         const QByteArrayList& lines);

}  // namespace uc
