#include "WindowTable.h"

#include "Display.h"
#include "DisplayMode.h"

WindowTable& WindowTable::Instance() {
  static WindowTable table;
  return table;
}

std::shared_ptr<Window> WindowTable::MakeRoot(Window::Root kind) {
  auto root = std::make_shared<Window>();
  root->root = kind;
  root->life = Window::Life::Alive;
  root->procedure = DefWindowProcA;
  if (kind == Window::Root::Desktop) {
    Display::Backend();  // the backend decides the screen size
    const DisplayMode mode = DisplayMode::Current();
    root->style = WS_POPUP | WS_VISIBLE | WS_CLIPCHILDREN | WS_CLIPSIBLINGS;
    root->windowRect = root->clientRect = RECT{0, 0, mode.width, mode.height};
    root->text = "";
  } else {
    root->style = WS_POPUP | WS_CLIPCHILDREN;
  }
  return root;
}

WindowTable::WindowTable() {
  desktop_ = MakeRoot(Window::Root::Desktop);
  messageRoot_ = MakeRoot(Window::Root::MessageOnly);
  desktop_->handle = Add(desktop_);
  messageRoot_->handle = Add(messageRoot_);
}

HWND WindowTable::Add(std::shared_ptr<Window> window) {
  std::lock_guard lock(mutex_);
  uint32_t index;
  if (!free_.empty()) {
    index = free_.back();
    free_.pop_back();
  } else {
    if (slots_.size() >= kSlotLimit - kFirstIndex) return nullptr;
    index = static_cast<uint32_t>(slots_.size());
    slots_.emplace_back();
  }
  Slot& slot = slots_[index];
  slot.generation = static_cast<uint16_t>(slot.generation + 1 == 0 ? 1 : slot.generation + 1);
  slot.window = std::move(window);
  const uint32_t value = (uint32_t{slot.generation} << 16) | (index + kFirstIndex);
  return reinterpret_cast<HWND>(static_cast<uintptr_t>(value));
}

void WindowTable::Remove(HWND handle) {
  std::lock_guard lock(mutex_);
  const auto value = static_cast<uint32_t>(reinterpret_cast<uintptr_t>(handle));
  const uint32_t index = (value & 0xFFFF) - kFirstIndex;
  if (index >= slots_.size() || slots_[index].generation != (value >> 16) || !slots_[index].window) return;
  slots_[index].window.reset();
  free_.push_back(index);
}

std::shared_ptr<Window> WindowTable::Find(HWND handle) {
  const auto raw = reinterpret_cast<uintptr_t>(handle);
  if (raw > 0xFFFFFFFFu) return nullptr;
  const auto value = static_cast<uint32_t>(raw);
  if ((value & 0xFFFF) < kFirstIndex || (value >> 16) == 0) return nullptr;
  std::lock_guard lock(mutex_);
  const uint32_t index = (value & 0xFFFF) - kFirstIndex;
  if (index >= slots_.size() || slots_[index].generation != (value >> 16)) return nullptr;
  return slots_[index].window;
}

std::shared_ptr<Window> WindowTable::Get(HWND handle) {
  std::shared_ptr<Window> window = Find(handle);
  if (!window) SetLastError(ERROR_INVALID_WINDOW_HANDLE);
  return window;
}

size_t WindowTable::LiveCount() {
  std::lock_guard lock(mutex_);
  size_t count = 0;
  for (const Slot& slot : slots_) {
    if (slot.window && !slot.window->IsRoot()) ++count;
  }
  return count;
}

Window& WindowTable::Desktop() { return *desktop_; }
Window& WindowTable::MessageRoot() { return *messageRoot_; }
