#include "Presenter.h"

#include <algorithm>

#include "Display.h"
#include "WindowTable.h"

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

void Presenter::Flush() {
  std::vector<HWND> dirty;
  {
    std::lock_guard lock(Mutex());
    dirty.swap(Dirty());
  }
  for (HWND handle : dirty) {
    std::shared_ptr<Window> window = WindowTable::Instance().Find(handle);
    if (window && window->surface && window->IsVisibleOnScreen()) {
      Display::Backend().Present(reinterpret_cast<SurfaceId>(handle), *window->surface, window->surface->Bounds());
    }
  }
}
