// The headless screen: the top-level windows' surfaces copied onto the screen surface from the
// bottom of the z-order up, over the desktop colour. Screenshots read it, or one window's
// pixels straight from its top-level's surface.
#pragma once

#include <windows.h>

#include <string>

class Compositor {
 public:
  static void ComposeScreen();
  static bool ScreenshotScreen(const std::string& path);
  static bool ScreenshotWindow(HWND hwnd, const std::string& path);
};
