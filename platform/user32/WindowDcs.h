// Device contexts of windows: GetDCEx and friends hand out DCs that draw on the top-level
// window's backing surface at the window's origin, limited to its visible region. Each DC is
// recorded with its window so that ReleaseDC and WindowFromDC work, and so that a region
// handed to GetDCEx is deleted with the DC.
#pragma once

#include <mutex>
#include <unordered_map>

#include "Region.h"
#include "Window.h"

class WindowDcs {
 public:
  // Flags GetDC and GetWindowDC use: clipping follows the window's styles.
  static constexpr DWORD kUseStyle = 0x00010000;

  static HDC Get(HWND hwnd, HRGN clip, DWORD flags);
  // A client DC for BeginPaint, further limited to `paintArea` (client coordinates).
  static HDC ForPaint(Window& window, const Region& paintArea);
  // 1 when the DC was a window or screen DC (released or, for a private DC, kept), else 0.
  static int Release(HDC hdc);
  static HWND WindowOf(HDC hdc);
  // DCs handed out and not yet released, for leak checks.
  static size_t LiveCount();

  static void CreatePrivateDc(Window& window);
  static void DestroyPrivateDc(Window& window);

 private:
  struct Record {
    HWND window;
    HRGN ownedRegion;
    bool isPrivate;  // CS_OWNDC: kept across ReleaseDC, deleted with the window
  };
  static HDC Bind(Window& window, bool wholeWindow, const Region& visibleOnScreen, bool usePrivateDc);
  static std::mutex& Mutex();
  static std::unordered_map<HDC, Record>& Records();
};
