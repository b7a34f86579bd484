// Maps GDI handles to objects. Handles carry a generation, so a stale or forged handle is
// detected instead of reaching a freed or foreign object. Handle values are far above the
// small integers that `(HBRUSH)(COLOR_x + 1)` uses.
#pragma once

#include "GdiObject.h"

#include <cstdint>
#include <memory>
#include <mutex>
#include <vector>

class GdiHandleTable {
 public:
  static GdiHandleTable& Instance();

  HGDIOBJ Add(std::unique_ptr<GdiObject> object);
  // The object, or null (with ERROR_INVALID_HANDLE) when the handle is not live.
  GdiObject* Find(HGDIOBJ handle);
  template <typename T>
  T* Get(HGDIOBJ handle) {
    GdiObject* object = Find(handle);
    return object ? dynamic_cast<T*>(object) : nullptr;
  }
  // Destroys the object behind the handle; false when the handle is not live.
  bool Remove(HGDIOBJ handle);
  // Live objects that are not stock objects, for leak checks in tests.
  size_t LiveCount();

 private:
  struct Slot {
    std::unique_ptr<GdiObject> object;
    uint32_t generation = 0;
  };
  static constexpr uintptr_t kIndexBase = 0x1000;

  Slot* SlotOf(HGDIOBJ handle);

  std::recursive_mutex mutex_;
  std::vector<Slot> slots_;
  std::vector<uint32_t> free_;
};
