// A mutex behind CreateMutexA. Ownership (WaitForSingleObject / ReleaseMutex) is counted per
// thread within the process. A named mutex also holds a shared flock on a lock file in the
// prefix for as long as this process has a handle to it, which is how other processes using
// the same prefix see that the name exists (ERROR_ALREADY_EXISTS).
#pragma once

#include <sys/types.h>

#include <condition_variable>
#include <mutex>

#include "KernelObject.h"

class MutexObject : public KernelObject {
 public:
  explicit MutexObject(int lockFd) : lockFd_(lockFd) {}
  ~MutexObject() override;
  MutexObject(const MutexObject&) = delete;
  MutexObject& operator=(const MutexObject&) = delete;

  DWORD Wait(DWORD milliseconds) override;
  bool Release();
  void TakeInitialOwnership();

 private:
  std::mutex mutex_;
  std::condition_variable released_;
  pid_t owner_ = 0;
  unsigned count_ = 0;
  int lockFd_;
};
