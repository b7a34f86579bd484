// The system colour table (classic Windows 2000 scheme) and its shared solid brushes, which
// follow SetSysColors.
#pragma once

#include <windows.h>

class SystemColors {
 public:
  static constexpr int kCount = COLOR_MENUBAR + 1;

  static bool IsValidIndex(int index) { return index >= 0 && index < kCount; }
  static COLORREF Color(int index);
  static HBRUSH Brush(int index);
  static void SetColor(int index, COLORREF color);
};
