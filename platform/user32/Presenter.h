// Collects the top-level windows whose surfaces were drawn on and hands them to the display
// backend in one go, before the message loop waits, and while a program draws without waiting.
#pragma once

#include <windows.h>

#include <chrono>
#include <mutex>
#include <vector>

class Presenter {
 public:
  static void MarkDirty(HWND topLevel);
  // Marks the window and shows what is pending at once when nothing was shown for a while.
  static void MarkDrawn(HWND topLevel);
  static void Flush();

 private:
  static std::mutex& Mutex();
  static std::vector<HWND>& Dirty();
  static std::chrono::steady_clock::time_point& LastFlush();
};
