#include "HeadlessBackend.h"

#include <chrono>

void HeadlessBackend::WaitEvents(int timeoutMs) {
  std::unique_lock lock(mutex_);
  if (timeoutMs < 0) {
    woken_.wait(lock, [this] { return wakePending_; });
  } else {
    woken_.wait_for(lock, std::chrono::milliseconds(timeoutMs), [this] { return wakePending_; });
  }
  wakePending_ = false;
}

void HeadlessBackend::Wake() {
  {
    std::lock_guard lock(mutex_);
    wakePending_ = true;
  }
  woken_.notify_all();
}
