// One hive file of the prefix (user.reg or system.reg) shared by every process using the
// prefix. Each call works on fresh contents: under an flock on "<hive>.lock" the file is
// re-read when another process saved it (every save counts up a number kept in the lock file,
// since inode numbers come back and modification times move in coarse ticks) or when its
// inode, size or modification time changed (an edit from outside). A call that cannot take
// the lock fails. Changes are held back and saved together by SavePending, through
// DurableFile; until then they are kept as a list of the changes made, which is applied again
// over the file whenever another process's save has to be read, so neither side loses what it
// did. A damaged file is reported on stderr, kept as it is, and makes calls fail with
// ERROR_BADDB until it is repaired or removed.
#pragma once

#include <sys/stat.h>

#include <cstdint>
#include <functional>
#include <mutex>
#include <string>
#include <vector>

#include "FileLock.h"
#include "RegistryKey.h"

class HiveFile {
 public:
  explicit HiveFile(std::string path);

  // Runs `work` on the contents under a shared lock.
  LONG Read(const std::function<LONG(const RegistryKey& top)>& work);
  // What a change does to the contents; it sets `changed` when it changed them. It may run
  // again later (over another process's save), so it holds everything it needs by value.
  using Change = std::function<LONG(RegistryKey& top, bool& changed)>;

  // Runs `change` under the exclusive lock and keeps it for the next save when it succeeded
  // and changed something; `changed`, when given, tells which.
  LONG Modify(Change change, bool* changed = nullptr);
  // Saves the changes held back, if any; their error when the save fails, in which case they
  // stay held for the next attempt.
  LONG SavePending();
  const std::string& Path() const { return path_; }
  // When the hive was last written (for key times).
  FILETIME LastWrite();

 private:
  bool Refresh(const FileLock& lock);
  bool Load(RegistryKey& fresh, struct stat& status);
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
  std::vector<Change> pending_;
};
