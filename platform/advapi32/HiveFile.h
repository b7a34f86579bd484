// One hive file of the prefix (user.reg or system.reg) shared by every process using the
// prefix. Each call works on fresh contents: under an flock on "<hive>.lock" the file is
// re-read when another process saved it (every save counts up a number kept in the lock file,
// since inode numbers come back and modification times move in coarse ticks) or when its
// inode, size or modification time changed (an edit from outside). A call that cannot take
// the lock fails. A change is saved before the call returns, through DurableFile. A damaged file is reported on stderr, kept as it is, and makes calls fail with
// ERROR_BADDB until it is repaired or removed.
#pragma once

#include <sys/stat.h>

#include <cstdint>
#include <functional>
#include <mutex>
#include <string>

#include "FileLock.h"
#include "RegistryKey.h"

class HiveFile {
 public:
  explicit HiveFile(std::string path);

  // Runs `work` on the contents under a shared lock.
  LONG Read(const std::function<LONG(const RegistryKey& top)>& work);
  // Runs `change` under the exclusive lock and saves when it set `changed` and succeeded.
  LONG Modify(const std::function<LONG(RegistryKey& top, bool& changed)>& change);
  // When the hive was last written (for key times).
  FILETIME LastWrite();

 private:
  bool Refresh(const FileLock& lock);
  bool Save(const FileLock& lock);

  std::string path_;
  std::string folder_;
  std::string temporaryPrefix_;
  std::mutex mutex_;
  RegistryKey top_;
  bool loaded_ = false;
  bool damaged_ = false;
  struct stat signature_ {};
  uint64_t generation_ = 0;
};
