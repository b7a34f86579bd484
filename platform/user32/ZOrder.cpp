#include "ZOrder.h"

#include <algorithm>

namespace {

bool IsTopmost(const Window& w) { return w.IsTopLevel() && (w.exStyle & WS_EX_TOPMOST); }

}  // namespace

size_t ZOrder::IndexOf(const Window& window) {
  const auto& siblings = window.parent->children;
  for (size_t i = 0; i < siblings.size(); ++i) {
    if (siblings[i].get() == &window) return i;
  }
  return siblings.size();
}

size_t ZOrder::BandStart(const Window& parent, bool topmost) {
  if (topmost) return 0;
  size_t i = 0;
  while (i < parent.children.size() && IsTopmost(*parent.children[i])) ++i;
  return i;
}

size_t ZOrder::BandEnd(const Window& parent, bool topmost) {
  return topmost ? BandStart(parent, false) : parent.children.size();
}

void ZOrder::MoveTo(Window& window, size_t index) {
  auto& siblings = window.parent->children;
  const size_t from = IndexOf(window);
  if (from >= siblings.size() || from == index) return;
  std::shared_ptr<Window> keep = siblings[from];
  siblings.erase(siblings.begin() + static_cast<std::ptrdiff_t>(from));
  if (index > from) --index;
  siblings.insert(siblings.begin() + static_cast<std::ptrdiff_t>(std::min(index, siblings.size())), keep);
}

void ZOrder::InsertNew(Window& parent, const std::shared_ptr<Window>& window) {
  window->parent = &parent;
  auto& siblings = parent.children;
  if (window->IsTopLevel()) {
    siblings.insert(siblings.begin() + static_cast<std::ptrdiff_t>(BandStart(parent, IsTopmost(*window))), window);
  } else {
    siblings.push_back(window);
  }
}

void ZOrder::Remove(Window& window) {
  if (!window.parent) return;
  std::erase_if(window.parent->children, [&](const std::shared_ptr<Window>& w) { return w.get() == &window; });
}

size_t ZOrder::TargetIndex(const Window& window, HWND insertAfter, bool topmost) {
  const Window& parent = *window.parent;
  const size_t start = window.IsTopLevel() ? BandStart(parent, topmost) : 0;
  const size_t end = window.IsTopLevel() ? BandEnd(parent, topmost) : parent.children.size();
  if (insertAfter == HWND_TOP || insertAfter == HWND_TOPMOST || insertAfter == HWND_NOTOPMOST) return start;
  if (insertAfter == HWND_BOTTOM) return end;
  for (size_t i = 0; i < parent.children.size(); ++i) {
    if (parent.children[i]->handle == insertAfter) return std::clamp(i + 1, start, end);
  }
  return IndexOf(window);
}

bool ZOrder::WouldMove(const Window& window, HWND insertAfter) {
  if (!window.parent) return false;
  bool topmost = IsTopmost(window);
  if (window.IsTopLevel() && insertAfter == HWND_TOPMOST) {
    if (!topmost) return true;
  } else if (window.IsTopLevel() && insertAfter == HWND_NOTOPMOST) {
    if (topmost) return true;
  }
  size_t target = TargetIndex(window, insertAfter, topmost);
  const size_t current = IndexOf(window);
  if (target > current) --target;  // the window's own slot is vacated first
  return target != current;
}

// Owned windows follow their owner up, keeping their order.
void ZOrder::RaiseOwnedAbove(Window& owner) {
  if (!owner.IsTopLevel()) return;
  auto& siblings = owner.parent->children;
  std::vector<std::shared_ptr<Window>> owned;
  for (const auto& w : siblings) {
    if (w->owner == owner.handle && IndexOf(*w) > IndexOf(owner)) owned.push_back(w);
  }
  for (auto it = owned.rbegin(); it != owned.rend(); ++it) MoveTo(**it, IndexOf(owner));
  for (const auto& w : owned) RaiseOwnedAbove(*w);
}

void ZOrder::KeepAboveOwner(Window& window) {
  if (!window.IsTopLevel() || !window.owner) return;
  for (const auto& w : window.parent->children) {
    if (w->handle == window.owner) {
      if (IndexOf(*w) < IndexOf(window)) MoveTo(window, IndexOf(*w));
      return;
    }
  }
}

bool ZOrder::Place(Window& window, HWND insertAfter) {
  if (!window.parent) return false;
  const auto before = window.parent->children;
  if (window.IsTopLevel() && insertAfter == HWND_TOPMOST) window.exStyle |= WS_EX_TOPMOST;
  if (window.IsTopLevel() && insertAfter == HWND_NOTOPMOST) window.exStyle &= ~WS_EX_TOPMOST;
  // Changing bands: take the window out first so that band limits are computed without it.
  const size_t current = IndexOf(window);
  std::shared_ptr<Window> keep = window.parent->children[current];
  window.parent->children.erase(window.parent->children.begin() + static_cast<std::ptrdiff_t>(current));
  window.parent->children.insert(window.parent->children.end(), keep);
  const size_t target = TargetIndex(window, insertAfter, IsTopmost(window));
  MoveTo(window, target);
  KeepAboveOwner(window);
  RaiseOwnedAbove(window);
  return window.parent->children != before;
}
