// FILE_SHARE_ rules between open handles. Within the process every open is checked against
// the others on the same file. Across processes a handle opened without FILE_SHARE_DELETE
// holds a read lock on one byte of the prefix's "inuse.lock" (an OFD lock at an offset made
// from the file's device and inode), which deleting, replacing and moving probe for: a file
// in use elsewhere is left in place, as on Windows. The lock file's first eight bytes count
// the locks held in it by all processes (shared memory), so that while none is held nothing
// needs probing; a process killed holding locks leaves the count high, which costs only the
// probes.
#pragma once

#include <sys/stat.h>

#include <cstdint>
#include <map>
#include <mutex>
#include <utility>
#include <vector>

#include <windows.h>

class FileSharing {
 public:
  struct Ticket {
    dev_t device = 0;
    ino_t inode = 0;
    DWORD access = 0;
    DWORD share = 0;
    int lockFd = -1;  // the lock file used, -1 when no cross-process lock was taken
  };

  static FileSharing& Instance();

  // Registers an open; false when it conflicts with an open handle (ERROR_SHARING_VIOLATION).
  bool Open(const struct stat& status, DWORD access, DWORD share, Ticket& ticket);
  void Close(const Ticket& ticket);
  // Whether the file may be deleted, replaced or moved now.
  bool MayDelete(const struct stat& status);
  // Whether an open with this access and share mode would be allowed within the process.
  bool MayOpen(const struct stat& status, DWORD access, DWORD share);

  static DWORD NormaliseAccess(DWORD access);

 private:
  FileSharing() = default;
  using Key = std::pair<dev_t, ino_t>;
  static bool Conflicts(const Ticket& open, DWORD access, DWORD share);
  static off_t LockOffset(dev_t device, ino_t inode);
  int LockFile();
  bool SetLock(int fd, off_t offset, short type);
  // Takes or releases a lock and keeps the count of held locks true.
  bool Lock(int fd, off_t offset);
  void Unlock(int fd, off_t offset);
  // Whether a lock may be held in the lock file; false only when the count says none is.
  bool AnyLockHeld(int fd);

  std::mutex mutex_;
  std::map<Key, std::vector<Ticket>> opens_;
  std::map<std::pair<int, off_t>, int> lockCounts_;
  std::map<int, uint64_t*> heldCounts_;  // lock file descriptor -> its mapped count, or null
  int lockFd_ = -1;
  unsigned lockGeneration_ = ~0u;
};
