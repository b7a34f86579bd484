// The four message-box icons (stop, question, exclamation, information), drawn with GDI into a
// 32 x 32 cell in the classic colours: a red disc with a white cross, a white balloon with a
// blue question mark or "i", a yellow triangle with a black exclamation mark.
#pragma once

#include <windows.h>

class MessageBoxIcons {
 public:
  // `icon` is the MB_ICON* part of the message-box type; other values draw nothing.
  static void Draw(HDC hdc, const RECT& cell, UINT icon);

 private:
  static void Stop(HDC hdc, const RECT& cell);
  static void Balloon(HDC hdc, const RECT& cell, const char* sign);
  static void Exclamation(HDC hdc, const RECT& cell);
  static void Sign(HDC hdc, RECT rect, const char* sign, COLORREF colour);
};
