// Objects USER creates once per process and keeps (the focus-rectangle pattern brush). Tests
// that count live GDI objects create them before counting.
#pragma once

#include <windows.h>

inline void WarmUpProcessCaches() {
  HDC dc = CreateCompatibleDC(nullptr);
  const RECT r{0, 0, 4, 4};
  DrawFocusRect(dc, &r);
  DeleteDC(dc);
}
