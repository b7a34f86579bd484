#include "DisplayMode.h"

#include <mutex>

namespace {

std::mutex& ModeMutex() {
  static std::mutex mutex;
  return mutex;
}

DisplayMode& Mode() {
  static DisplayMode mode;
  return mode;
}

}  // namespace

DisplayMode DisplayMode::Current() {
  std::lock_guard lock(ModeMutex());
  return Mode();
}

void DisplayMode::SetCurrent(const DisplayMode& mode) {
  std::lock_guard lock(ModeMutex());
  Mode() = mode;
}
