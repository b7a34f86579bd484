// Collects the top-level windows whose surfaces were drawn on and hands them to the display
// backend in one go, before the message loop waits.
#pragma once

#include <windows.h>

#include <mutex>
#include <vector>

class Presenter {
 public:
  static void MarkDirty(HWND topLevel);
  static void Flush();

 private:
  static std::mutex& Mutex();
  static std::vector<HWND>& Dirty();
};
