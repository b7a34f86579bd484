// The display's size and depth, which GDI reports (GetDeviceCaps) and USER shares
// (GetSystemMetrics, the screen surface). The display backend sets it at start-up.
#pragma once

struct DisplayMode {
  int width = 1024;
  int height = 768;
  int bitsPerPixel = 32;

  static DisplayMode Current();
  static void SetCurrent(const DisplayMode& mode);
};
