// An advisory lock (flock) on a lock file, held for the object's lifetime. When the file cannot
// be opened or locked the object holds nothing and says so: callers that change shared files
// must then refuse, since going on unlocked could lose another process's change.
#pragma once

#include <string>

class FileLock {
 public:
  // `operation` is LOCK_SH or LOCK_EX; the lock file is created when missing.
  FileLock(const std::string& lockPath, int operation);
  ~FileLock();
  FileLock(const FileLock&) = delete;
  FileLock& operator=(const FileLock&) = delete;

  bool Held() const { return fd_ >= 0; }
  // The lock file's descriptor, open for reading and writing while held.
  int Descriptor() const { return fd_; }

 private:
  int fd_;
};
