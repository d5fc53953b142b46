#pragma once

#include <QByteArray>
#include <QList>
#include <QPair>
#include <QtGlobal>

struct sqlite3;

namespace uc {

// What can still be read from a store with damaged pages: SQLite stops a scan at the first
// damaged page, so the records are read by id, and a damaged stretch is stepped over by
// seeking past it, so that every record outside the damaged pages is found.
struct SalvagedStore {
  struct Record {
    qint64 id;
    qint64 position;
    QByteArray text;
  };
  // Keys and their stored texts, as far as they could be read.
  QList<QPair<QByteArray, QByteArray>> values;
  // In list order. A record whose text is no JSON object is left out and counted below.
  QList<Record> records;
  // Records seen but unreadable; records inside a damaged page are not even seen.
  int unreadableRecords = 0;
  // Whether anything at all could not be read.
  bool damaged = false;
};

SalvagedStore salvageStore(sqlite3* db);

}  // namespace uc
