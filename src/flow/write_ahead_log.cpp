#include "flow/write_ahead_log.h"

#include <QByteArray>
#include <QFile>
#include <QtEndian>
#include <cstring>
#include <optional>

namespace uc {
namespace {

constexpr quint32 kLastGeneration = 0x7fffffff;

constexpr qint64 kLogHeaderSize = 32;
constexpr qint64 kFrameHeaderSize = 24;
constexpr quint32 kLogMagic = 0x377f0682;  // the lowest bit chooses big-endian checksum words
constexpr quint32 kLogFormatVersion = 3007000;
constexpr quint32 kSmallestPageSize = 512;
constexpr quint32 kLargestPageSize = 65536;

// The database header, which a log's image of page 1 starts with too.
constexpr qint64 kDatabaseHeaderSize = 100;
constexpr char kDatabaseMagic[] = "SQLite format 3";  // with its terminating zero: 16 bytes
constexpr int kPageSizeOffset = 16;
constexpr int kUserVersionOffset = 60;
constexpr int kApplicationIdOffset = 68;

quint32 bigEndian32(const char* bytes) { return qFromBigEndian<quint32>(bytes); }

// SQLite's log checksum, continued from `sums` over `size` bytes (a multiple of 8).
void addChecksum(const char* bytes, qint64 size, bool bigEndianWords, quint32 sums[2]) {
  const auto word = [&](qint64 at) {
    return bigEndianWords ? qFromBigEndian<quint32>(bytes + at)
                          : qFromLittleEndian<quint32>(bytes + at);
  };
  for (qint64 at = 0; at + 8 <= size; at += 8) {
    sums[0] += word(at) + sums[1];
    sums[1] += word(at + 4) + sums[0];
  }
}

bool checksumMatches(const quint32 sums[2], const char* stored) {
  return sums[0] == bigEndian32(stored) && sums[1] == bigEndian32(stored + 4);
}

// What the log says of the header through its images of page 1.
struct PageOneImages {
  std::optional<quint32> firstGeneration;
  quint32 lastGeneration = 0;
  bool allMarkedOurs = true;

  void add(const char* page) {
    const quint32 generation = bigEndian32(page + kUserVersionOffset);
    if (!firstGeneration) firstGeneration = generation;
    lastGeneration = generation;
    allMarkedOurs &= bigEndian32(page + kApplicationIdOffset) == kStoreApplicationId;
  }
  void add(const PageOneImages& later) {
    if (!later.firstGeneration) return;
    if (!firstGeneration) firstGeneration = later.firstGeneration;
    lastGeneration = later.lastGeneration;
    allMarkedOurs &= later.allMarkedOurs;
  }
};

struct CommittedLog {
  quint32 pageSize = 0;
  PageOneImages pageOne;
};

// What a recovery would replay, nullopt when it would replay nothing. Frames count as SQLite
// counts them: valid ones up to the first invalid one, and of those only the ones up to the last
// commit (the rest is a transaction its writer never finished).
std::optional<CommittedLog> readCommittedLog(QFile& file) {
  char header[kLogHeaderSize];
  if (file.read(header, kLogHeaderSize) != kLogHeaderSize) return std::nullopt;
  const quint32 magic = bigEndian32(header);
  const quint32 pageSize = bigEndian32(header + 8);
  if ((magic & ~1u) != kLogMagic || bigEndian32(header + 4) != kLogFormatVersion ||
      pageSize < kSmallestPageSize || pageSize > kLargestPageSize ||
      (pageSize & (pageSize - 1)) != 0) {
    return std::nullopt;
  }
  const bool bigEndianWords = (magic & 1) != 0;
  quint32 sums[2] = {0, 0};
  addChecksum(header, 24, bigEndianWords, sums);
  if (!checksumMatches(sums, header + 24)) return std::nullopt;

  CommittedLog log{pageSize, {}};
  bool committed = false;
  PageOneImages uncommitted;
  // One frame at a time: at most 64 KiB in memory, whatever the log's length.
  QByteArray frame(kFrameHeaderSize + pageSize, Qt::Uninitialized);
  while (file.read(frame.data(), frame.size()) == frame.size()) {
    const char* frameHeader = frame.constData();
    const char* page = frameHeader + kFrameHeaderSize;
    const quint32 pageNumber = bigEndian32(frameHeader);
    // Salts other than the header's: a frame of an earlier round of the log, before a reset.
    if (pageNumber == 0 || std::memcmp(frameHeader + 8, header + 16, 8) != 0) break;
    addChecksum(frameHeader, 8, bigEndianWords, sums);
    addChecksum(page, pageSize, bigEndianWords, sums);
    if (!checksumMatches(sums, frameHeader + 16)) break;
    if (pageNumber == 1) uncommitted.add(page);
    if (bigEndian32(frameHeader + 4) != 0) {
      log.pageOne.add(uncommitted);
      uncommitted = {};
      committed = true;
    }
  }
  if (!committed) return std::nullopt;
  return log;
}

bool isGeneration(quint32 value) { return value >= 1 && value <= kLastGeneration; }

// Steps forward from one generation to another along the wrapping sequence.
quint32 stepsBetween(quint32 from, quint32 to) {
  return (to + kLastGeneration - from) % kLastGeneration;
}

quint32 previousGeneration(quint32 generation) {
  return generation == 1 ? kLastGeneration : generation - 1;
}

}  // namespace

quint32 nextWriteGeneration(quint32 generation) { return generation % kLastGeneration + 1; }

LogVerdict judgeWriteAheadLog(const QString& databasePath) {
  QFile logFile(databasePath + QStringLiteral("-wal"));
  if (!logFile.exists()) return LogVerdict::None;
  // A log there but unreadable to us may still be readable to SQLite: no verdict.
  if (!logFile.open(QIODevice::ReadOnly)) return LogVerdict::Unknown;
  const std::optional<CommittedLog> log = readCommittedLog(logFile);
  if (!log) return LogVerdict::None;

  QFile database(databasePath);
  char header[kDatabaseHeaderSize];
  if (!database.open(QIODevice::ReadOnly) ||
      database.read(header, kDatabaseHeaderSize) != kDatabaseHeaderSize ||
      std::memcmp(header, kDatabaseMagic, sizeof kDatabaseMagic) != 0) {
    return LogVerdict::Unknown;
  }
  const quint32 fileGeneration = bigEndian32(header + kUserVersionOffset);
  // Generations run to 0x7fffffff only: any other user_version was not set by a store of ours.
  if (bigEndian32(header + kApplicationIdOffset) != kStoreApplicationId ||
      !isGeneration(fileGeneration)) {
    return LogVerdict::Unknown;
  }

  const quint32 filePageSize = qFromBigEndian<quint16>(header + kPageSizeOffset);
  if (log->pageSize != (filePageSize == 1 ? kLargestPageSize : filePageSize)) {
    return LogVerdict::Foreign;
  }
  // Every transaction of ours writes page 1, with our mark and its generation.
  const PageOneImages& images = log->pageOne;
  if (!images.firstGeneration || !images.allMarkedOurs || !isGeneration(*images.firstGeneration) ||
      !isGeneration(images.lastGeneration)) {
    return LogVerdict::Foreign;
  }
  // The file stands where the log began, or where a partial checkpoint left it since.
  const quint32 start = previousGeneration(*images.firstGeneration);
  return stepsBetween(start, fileGeneration) <= stepsBetween(start, images.lastGeneration)
             ? LogVerdict::Belongs
             : LogVerdict::Foreign;
}

}  // namespace uc
