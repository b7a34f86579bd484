#include "UserClock.h"

#include <winport.h>

#include <atomic>

namespace {

std::atomic<bool> virtualMode{false};
std::atomic<ULONGLONG> virtualNanoseconds{0};

ULONGLONG VirtualSource() { return virtualNanoseconds.load(); }

ULONGLONG HostNanoseconds() {
  LARGE_INTEGER frequency;
  LARGE_INTEGER counter;
  QueryPerformanceFrequency(&frequency);
  QueryPerformanceCounter(&counter);
  return static_cast<ULONGLONG>(counter.QuadPart) * (1000000000ull / static_cast<ULONGLONG>(frequency.QuadPart));
}

}  // namespace

DWORD UserClock::Now() { return GetTickCount(); }

bool UserClock::IsVirtual() { return virtualMode.load(); }

void UserClock::SetVirtual(bool enable) {
  if (enable == virtualMode.load()) return;
  if (enable) {
    virtualNanoseconds.store(HostNanoseconds());
    WinportSetClock(&VirtualSource);
  } else {
    WinportSetClock(nullptr);
  }
  virtualMode.store(enable);
}

void UserClock::AdvanceVirtual(DWORD milliseconds) {
  if (virtualMode.load()) virtualNanoseconds.fetch_add(ULONGLONG{milliseconds} * 1000000ull);
}
