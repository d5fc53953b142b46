#include "flow/store_files.h"

#include <errno.h>
#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QThread>
#include <chrono>

namespace uc::store_files {
namespace {

// SQLite's unix VFS: the shared-memory file's locks start at byte 120, eight of them, and
// the byte after them is the one every open connection holds a read lock on.
constexpr off_t kDeadManSwitchByte = 120 + 8;

QByteArray native(const QString& path) { return QFile::encodeName(path); }

}  // namespace

QString resolvedPath(const QString& path) {
  const QFileInfo info(path);
  const QString canonical = info.canonicalFilePath();
  if (!canonical.isEmpty()) return canonical;
  // A link to a file not made yet: SQLite would create the target, so the target it is.
  if (info.isSymLink()) return QFileInfo(info.symLinkTarget()).absoluteFilePath();
  return info.absoluteFilePath();
}

bool isJsonLinesFile(const QString& path) {
  QFileInfo info(path);
  if (!info.isFile() || info.size() == 0) return false;  // SQLite takes an empty file as new
  QFile file(path);
  if (!file.open(QIODevice::ReadOnly)) return false;
  return file.read(16) != QByteArray("SQLite format 3\0", 16);
}

bool isWritable(const QString& path) { return ::access(native(path).constData(), W_OK) == 0; }

QString freeName(const QString& base) {
  QString name = base;
  for (int n = 2; QFileInfo::exists(name) || QFileInfo(name).isSymLink(); ++n) {
    name = base + QLatin1Char('.') + QString::number(n);
  }
  return name;
}

bool keepAside(const QString& path, const QString& aside) {
  return ::link(native(path).constData(), native(aside).constData()) == 0 ||
         QFile::copy(path, aside);
}

void removeDatabaseLogs(const QString& path) {
  for (const char* suffix : {"-journal", "-wal", "-shm"}) {
    QFile::remove(path + QLatin1String(suffix));
  }
}

void removeDatabaseFiles(const QString& path) {
  QFile::remove(path);
  removeDatabaseLogs(path);
}

bool isOpenElsewhere(const QString& databasePath) {
  const int fd = ::open(native(databasePath + QStringLiteral("-shm")).constData(), O_RDONLY);
  if (fd < 0) return false;  // no shared memory, no connection
  struct flock probe = {};
  probe.l_type = F_WRLCK;
  probe.l_whence = SEEK_SET;
  probe.l_start = kDeadManSwitchByte;
  probe.l_len = 1;
  const bool locked = ::fcntl(fd, F_GETLK, &probe) == 0 && probe.l_type != F_UNLCK;
  ::close(fd);
  return locked;
}

FolderLock::FolderLock(const QString& filePath) {
  fd_ = ::open(native(QFileInfo(filePath).absolutePath()).constData(), O_RDONLY | O_DIRECTORY);
}

FolderLock::~FolderLock() {
  if (fd_ >= 0) ::close(fd_);  // closing releases the lock
}

bool FolderLock::acquire(int timeoutMs) {
  if (held_ || fd_ < 0) return true;
  const auto deadline = std::chrono::steady_clock::now() + std::chrono::milliseconds(timeoutMs);
  for (;;) {
    if (::flock(fd_, LOCK_EX | LOCK_NB) == 0) return held_ = true;
    if (errno != EWOULDBLOCK && errno != EINTR) return true;  // no locks on this file system
    if (std::chrono::steady_clock::now() >= deadline) return false;
    QThread::msleep(20);
  }
}

}  // namespace uc::store_files
