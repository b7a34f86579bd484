#include "DoubleClicks.h"

#include <atomic>
#include <cstdlib>
#include <mutex>

namespace {

constexpr UINT kDefaultTime = 500;
constexpr UINT kMaximumTime = 5000;

std::atomic<UINT> doubleClickTime{kDefaultTime};

struct FirstPress {
  bool valid = false;
  InputEvent::Button button = InputEvent::Button::Left;
  HWND window = nullptr;
  POINT screen{0, 0};
  DWORD time = 0;
};

std::mutex mutex;
FirstPress first;

}  // namespace

UINT DoubleClicks::Time() { return doubleClickTime.load(); }

void DoubleClicks::SetTime(UINT milliseconds) {
  doubleClickTime = milliseconds == 0 ? kDefaultTime : std::min(milliseconds, kMaximumTime);
}

bool DoubleClicks::Near(POINT a, POINT b) {
  return std::abs(a.x - b.x) <= GetSystemMetrics(SM_CXDOUBLECLK) / 2 &&
         std::abs(a.y - b.y) <= GetSystemMetrics(SM_CYDOUBLECLK) / 2;
}

bool DoubleClicks::Press(InputEvent::Button button, HWND window, POINT screen, DWORD time) {
  std::lock_guard lock(mutex);
  const bool isDouble = first.valid && first.button == button && first.window == window &&
                        time - first.time <= Time() && Near(first.screen, screen);
  if (isDouble) {
    first.valid = false;
  } else {
    first = FirstPress{true, button, window, screen, time};
  }
  return isDouble;
}
