#include "HandleTable.h"

#include "Win32Error.h"

DWORD KernelObject::Wait(DWORD) {
  SetLastError(ERROR_INVALID_HANDLE);
  return WAIT_FAILED;
}

HandleTable& HandleTable::Instance() {
  static HandleTable table;
  return table;
}

bool HandleTable::IsPseudoHandle(HANDLE handle) {
  auto value = reinterpret_cast<std::intptr_t>(handle);
  return value == -1 || value == -2;
}

HANDLE HandleTable::Add(std::shared_ptr<KernelObject> object) {
  std::lock_guard lock(mutex_);
  std::uintptr_t value = next_;
  next_ += 4;
  objects_.emplace(value, std::move(object));
  return reinterpret_cast<HANDLE>(value);
}

std::shared_ptr<KernelObject> HandleTable::Get(HANDLE handle) {
  std::lock_guard lock(mutex_);
  auto it = objects_.find(reinterpret_cast<std::uintptr_t>(handle));
  return it == objects_.end() ? nullptr : it->second;
}

bool HandleTable::Close(HANDLE handle) {
  std::shared_ptr<KernelObject> object;  // released outside the lock
  std::lock_guard lock(mutex_);
  auto it = objects_.find(reinterpret_cast<std::uintptr_t>(handle));
  if (it == objects_.end()) return false;
  object = std::move(it->second);
  objects_.erase(it);
  return true;
}

extern "C" {

BOOL WINAPI CloseHandle(HANDLE hObject) {
  if (HandleTable::IsPseudoHandle(hObject)) return TRUE;
  if (!HandleTable::Instance().Close(hObject)) return Win32Error::Fail(ERROR_INVALID_HANDLE);
  return TRUE;
}

DWORD WINAPI WaitForSingleObject(HANDLE hHandle, DWORD dwMilliseconds) {
  std::shared_ptr<KernelObject> object = HandleTable::Instance().Get(hHandle);
  if (!object) {
    SetLastError(ERROR_INVALID_HANDLE);
    return WAIT_FAILED;
  }
  return object->Wait(dwMilliseconds);
}

}
