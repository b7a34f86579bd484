#include "Clock.h"

#include <atomic>
#include <chrono>

namespace {

std::atomic<bool> virtualMode{false};
std::atomic<DWORD> virtualNow{0};

DWORD HostNow() {
  const auto since = std::chrono::steady_clock::now().time_since_epoch();
  return static_cast<DWORD>(std::chrono::duration_cast<std::chrono::milliseconds>(since).count());
}

}  // namespace

DWORD Clock::Now() { return virtualMode.load() ? virtualNow.load() : HostNow(); }

bool Clock::IsVirtual() { return virtualMode.load(); }

void Clock::SetVirtual(bool enable) {
  if (enable == virtualMode.load()) return;
  if (enable) virtualNow.store(HostNow());
  virtualMode.store(enable);
}

void Clock::AdvanceVirtual(DWORD milliseconds) {
  if (virtualMode.load()) virtualNow.fetch_add(milliseconds);
}
