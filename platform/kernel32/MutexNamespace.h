// The names of mutexes: one object per name within the process, and a lock file per name in
// the prefix's "mutexes" folder shared with other processes.
#pragma once

#include <map>
#include <memory>
#include <mutex>
#include <string>

#include "MutexObject.h"

class MutexNamespace {
 public:
  static MutexNamespace& Instance();

  // The mutex of that name, created when `create`; `existed` tells whether it existed before
  // (here or in another process). nullptr with the last error set on failure.
  std::shared_ptr<MutexObject> Get(const std::string& name, bool create, bool& existed);

 private:
  MutexNamespace() = default;
  static std::string FileName(const std::string& name);
  // Opens and share-locks the lock file; `existed` tells whether another process holds it.
  int JoinLockFile(const std::string& name, bool create, bool& existed);

  std::mutex mutex_;
  std::map<std::string, std::weak_ptr<MutexObject>> objects_;
};
