#include "Presenter.h"

#include <algorithm>

#include "Display.h"
#include "MessageQueue.h"
#include "WindowTable.h"

namespace {

// A program that draws in a long loop without waiting for messages must still be seen working,
// as on Windows where drawing reaches the screen at once; about one frame per display refresh.
constexpr auto kLongestUnshownDrawing = std::chrono::milliseconds(16);

}  // namespace

std::chrono::steady_clock::time_point& Presenter::LastFlush() {
  static std::chrono::steady_clock::time_point last;
  return last;
}

std::mutex& Presenter::Mutex() {
  static std::mutex mutex;
  return mutex;
}

std::vector<HWND>& Presenter::Dirty() {
  static std::vector<HWND> dirty;
  return dirty;
}

void Presenter::MarkDirty(HWND topLevel) {
  std::lock_guard lock(Mutex());
  if (std::find(Dirty().begin(), Dirty().end(), topLevel) == Dirty().end()) Dirty().push_back(topLevel);
}

void Presenter::MarkDrawn(HWND topLevel) {
  MarkDirty(topLevel);
  const bool overdue = std::chrono::steady_clock::now() - LastFlush() >= kLongestUnshownDrawing;
  if (overdue && MessageQueue::Current().PumpsDisplay()) Flush();
}

void Presenter::Flush() {
  std::vector<HWND> dirty;
  {
    std::lock_guard lock(Mutex());
    dirty.swap(Dirty());
    LastFlush() = std::chrono::steady_clock::now();
  }
  for (HWND handle : dirty) {
    std::shared_ptr<Window> window = WindowTable::Instance().Find(handle);
    if (window && window->surface && window->IsVisibleOnScreen()) {
      Display::Backend().Present(reinterpret_cast<SurfaceId>(handle), *window->surface, window->surface->Bounds());
    }
  }
}
