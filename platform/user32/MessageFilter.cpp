#include "MessageFilter.h"

#include "WindowTable.h"

bool MessageFilter::MatchesWindow(HWND target) const {
  if (!window_) return true;
  if (window_ == reinterpret_cast<HWND>(-1)) return target == nullptr;
  if (target == window_) return true;
  std::shared_ptr<Window> filter = WindowTable::Instance().Find(window_);
  std::shared_ptr<Window> candidate = WindowTable::Instance().Find(target);
  return filter && candidate && filter->Contains(candidate.get());
}
