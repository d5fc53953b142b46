#pragma once

#include <QString>
#include <QtGlobal>

namespace uc {

// The header's application_id of every store of this app.
inline constexpr quint32 kStoreApplicationId = 0x75436972;

// Every write transaction of a store moves the header's user_version to the next generation, so
// each one puts page 1 into the log and a log can be matched with the file it continues.
// Next generation after `generation` (1..0x7fffffff, wrapping; 0 is never a generation).
quint32 nextWriteGeneration(quint32 generation);

enum class LogVerdict {
  None,     // no log, an empty log, or one with no committed frame: nothing would be replayed
  Belongs,  // the log continues the database as it is in the file
  Foreign,  // replaying it would mix another database (or another time of this one) into the file
  Unknown,  // the file is not marked as ours (an older store, another program's file): no verdict
};

// Whether the log left beside a store that no process has open may be replayed into it. SQLite
// replays any valid log, and a foreign one, once checkpointed, destroys the history.
// Reads databasePath's header and databasePath + "-wal" directly (never through SQLite), walking
// the log's frames as SQLite's recovery does; Unknown too when the log is there but unreadable.
// Call it only while no connection has the store open.
LogVerdict judgeWriteAheadLog(const QString& databasePath);

}  // namespace uc
