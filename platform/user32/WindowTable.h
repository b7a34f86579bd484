// Maps HWNDs to windows. A handle is a 16-bit slot index and a 16-bit generation, so a stale
// handle (its window destroyed, the slot reused) is recognised instead of reaching another
// window. Handle values never collide with the special HWND values (0, 1, -1, -2, -3, 0xFFFF).
#pragma once

#include <functional>
#include <memory>
#include <mutex>
#include <vector>

#include "Window.h"

class WindowTable {
 public:
  static WindowTable& Instance();

  // Assigns a handle; null when the table is full.
  HWND Add(std::shared_ptr<Window> window);
  void Remove(HWND handle);
  // The live window, or null without touching the last error.
  std::shared_ptr<Window> Find(HWND handle);
  // The live window, or null with ERROR_INVALID_WINDOW_HANDLE.
  std::shared_ptr<Window> Get(HWND handle);
  // Windows other than the roots, for leak checks.
  size_t LiveCount();

  // The invisible root of all top-level windows and the root of message-only windows.
  Window& Desktop();
  Window& MessageRoot();

 private:
  WindowTable();
  static std::shared_ptr<Window> MakeRoot(Window::Root kind);

  struct Slot {
    std::shared_ptr<Window> window;
    uint16_t generation = 0;
  };
  static constexpr uint32_t kFirstIndex = 0x20;
  static constexpr uint32_t kSlotLimit = 0xFFFF;

  std::recursive_mutex mutex_;
  std::vector<Slot> slots_;
  std::vector<uint32_t> free_;
  std::shared_ptr<Window> desktop_;
  std::shared_ptr<Window> messageRoot_;
};
