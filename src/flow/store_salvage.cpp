#include "flow/store_salvage.h"

#include <QJsonDocument>
#include <algorithm>
#include <limits>

#include "flow/sqlite_statement.h"

namespace uc {
namespace {

constexpr qint64 kLastId = std::numeric_limits<qint64>::max();

// Whether a seek to the first record with an id of at least `from` gets past the tree's
// pages: it fails while `from` lies inside a damaged page's range.
bool canSeek(sqlite3* db, qint64 from) {
  SqliteStatement seek(db, "SELECT id FROM records WHERE id >= ? ORDER BY id LIMIT 1");
  seek.bind(1, from);
  seek.next();
  return seek.ok();
}

// The smallest id above `last` from which the records can be read again, or nullopt when
// none can: the seeks fail up to the damaged stretch's end and succeed after it.
std::optional<qint64> firstReadableAfter(sqlite3* db, qint64 last) {
  qint64 step = 1;
  qint64 bad = last;  // the largest id known to fail
  while (!canSeek(db, last + step)) {
    bad = last + step;
    if (step > (kLastId - last) / 2) return std::nullopt;
    step *= 2;
  }
  qint64 good = last + step;
  while (good - bad > 1) {
    const qint64 middle = bad + (good - bad) / 2;
    (canSeek(db, middle) ? good : bad) = middle;
  }
  return good;
}

bool isJsonObject(const QByteArray& text) {
  QJsonParseError error;
  const QJsonDocument document = QJsonDocument::fromJson(text, &error);
  return error.error == QJsonParseError::NoError && document.isObject();
}

}  // namespace

SalvagedStore salvageStore(sqlite3* db) {
  SalvagedStore store;
  {
    SqliteStatement values(db, "SELECT key, value FROM store_values");
    while (values.next()) store.values.append({values.text(0), values.text(1)});
    if (!values.ok()) store.damaged = true;
  }

  // Ids start at 1: AUTOINCREMENT gives no other, and a restored record gets its old one.
  std::optional<qint64> from = 1;
  while (from) {
    SqliteStatement scan(db, "SELECT id, position, record FROM records WHERE id >= ? ORDER BY id");
    scan.bind(1, *from);
    qint64 last = *from - 1;
    while (scan.next()) {
      last = scan.integer(0);
      const QByteArray text = scan.text(2);
      if (isJsonObject(text)) {
        store.records.append({last, scan.integer(1), text});
      } else {
        ++store.unreadableRecords;
        store.damaged = true;
      }
    }
    if (scan.ok()) break;
    store.damaged = true;
    from = last == kLastId ? std::nullopt : firstReadableAfter(db, last);
  }
  std::stable_sort(store.records.begin(), store.records.end(),
                   [](const auto& a, const auto& b) { return a.position < b.position; });
  return store;
}

}  // namespace uc
