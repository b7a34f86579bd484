// The process's table of kernel handles. Handles are never reused, so a stale handle fails
// with ERROR_INVALID_HANDLE instead of reaching another object.
#pragma once

#include <cstdint>
#include <memory>
#include <mutex>
#include <unordered_map>

#include "KernelObject.h"

class HandleTable {
 public:
  static HandleTable& Instance();

  HANDLE Add(std::shared_ptr<KernelObject> object);
  std::shared_ptr<KernelObject> Get(HANDLE handle);
  template <class T>
  std::shared_ptr<T> Get(HANDLE handle) {
    return std::dynamic_pointer_cast<T>(Get(handle));
  }
  // Removes the handle; the object goes when its last user lets go.
  bool Close(HANDLE handle);

  static bool IsPseudoHandle(HANDLE handle);

 private:
  HandleTable() = default;

  std::mutex mutex_;
  std::uintptr_t next_ = 4;
  std::unordered_map<std::uintptr_t, std::shared_ptr<KernelObject>> objects_;
};
