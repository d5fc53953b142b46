#pragma once

#include <QString>

namespace uc::store_files {

// The file a store path names: a symbolic link is followed to its target, since SQLite
// keeps its log and lock files beside the target, and an import must replace the target,
// not the link. A path that does not exist yet stays as given (made absolute).
QString resolvedPath(const QString& path);

// SQLite files start with "SQLite format 3"; anything else at the path, not empty, is a
// settings file of earlier versions.
bool isJsonLinesFile(const QString& path);

// Whether this process may change the file (and create files beside it): the file
// system's own answer, which knows read-only mounts and immutable files too.
bool isWritable(const QString& path);

// The first free name base, base.2, base.3, ...; an earlier copy is never replaced.
QString freeName(const QString& base);

// A hard link costs neither space nor time; a file system without them gets a copy.
bool keepAside(const QString& path, const QString& aside);

// SQLite's files beside a database: "-journal", "-wal", "-shm".
void removeDatabaseLogs(const QString& path);
void removeDatabaseFiles(const QString& path);

// Whether another connection, in any process, has the database open in write-ahead-log
// mode: every such connection holds a read lock on the shared-memory file's "dead man
// switch" byte for as long as it is open. Only meaningful while no connection of this
// process has the database open (a process does not see its own locks).
bool isOpenElsewhere(const QString& databasePath);

// An exclusive advisory lock on the folder of a store, held by the processes of this app
// while they open, import or repair the store, so that two first starts never import the
// same file twice or set aside a log another one is about to use. Released on
// destruction, and by the kernel when the process dies.
class FolderLock {
 public:
  explicit FolderLock(const QString& filePath);
  ~FolderLock();
  FolderLock(const FolderLock&) = delete;
  FolderLock& operator=(const FolderLock&) = delete;

  // Waits up to timeoutMs for the lock; false when another process kept it longer. A
  // folder this process cannot open is opened by no other of its kind either: true.
  bool acquire(int timeoutMs);
  bool isHeld() const { return held_; }

 private:
  int fd_ = -1;
  bool held_ = false;
};

}  // namespace uc::store_files
