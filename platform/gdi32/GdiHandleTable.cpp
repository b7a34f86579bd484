#include "GdiHandleTable.h"

GdiHandleTable& GdiHandleTable::Instance() {
  static GdiHandleTable* table = new GdiHandleTable();  // lives for the whole process
  return *table;
}

HGDIOBJ GdiHandleTable::Add(std::unique_ptr<GdiObject> object) {
  std::lock_guard lock(mutex_);
  uint32_t index;
  if (!free_.empty()) {
    index = free_.back();
    free_.pop_back();
  } else {
    index = static_cast<uint32_t>(slots_.size());
    slots_.emplace_back();
  }
  Slot& slot = slots_[index];
  slot.object = std::move(object);
  const uintptr_t value = (static_cast<uintptr_t>(slot.generation) << 32) | (kIndexBase + index);
  return reinterpret_cast<HGDIOBJ>(value);
}

GdiHandleTable::Slot* GdiHandleTable::SlotOf(HGDIOBJ handle) {
  const uintptr_t value = reinterpret_cast<uintptr_t>(handle);
  const uintptr_t low = value & 0xFFFFFFFFu;
  if (low < kIndexBase) return nullptr;
  const size_t index = low - kIndexBase;
  if (index >= slots_.size()) return nullptr;
  Slot& slot = slots_[index];
  if (!slot.object || slot.generation != static_cast<uint32_t>(value >> 32)) return nullptr;
  return &slot;
}

GdiObject* GdiHandleTable::Find(HGDIOBJ handle) {
  std::lock_guard lock(mutex_);
  Slot* slot = SlotOf(handle);
  if (!slot) {
    SetLastError(ERROR_INVALID_HANDLE);
    return nullptr;
  }
  return slot->object.get();
}

bool GdiHandleTable::Remove(HGDIOBJ handle) {
  std::unique_ptr<GdiObject> doomed;
  {
    std::lock_guard lock(mutex_);
    Slot* slot = SlotOf(handle);
    if (!slot) return false;
    doomed = std::move(slot->object);
    ++slot->generation;
    free_.push_back(static_cast<uint32_t>(slot - slots_.data()));
  }
  return true;  // the object dies outside the lock; its destructor may release other handles
}

size_t GdiHandleTable::LiveCount() {
  std::lock_guard lock(mutex_);
  size_t count = 0;
  for (const Slot& slot : slots_) {
    if (slot.object && !slot.object->IsStock()) ++count;
  }
  return count;
}
