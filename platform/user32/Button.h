// The BUTTON system class: push, default push and owner-drawn buttons. A button keeps its
// check and push state, its focus flag and its font in the window's extra bytes, as a control
// of the system would; mouse and space-key handling follow the classic press/release rules,
// and owner-drawn buttons ask their parent to draw through WM_DRAWITEM.
#pragma once

#include <windows.h>

class Button {
 public:
  static constexpr const char* kClassName = "BUTTON";
  static constexpr int kExtraBytes = 2 * sizeof(LONG_PTR);

  static LRESULT CALLBACK Procedure(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);

 private:
  static constexpr LONG kStatePressed = 0x4000;  // the mouse or space key is down on the button

  static UINT Type(HWND hwnd);
  static LONG State(HWND hwnd);
  static void SetState(HWND hwnd, LONG state);
  static HFONT Font(HWND hwnd);

  static void Press(HWND hwnd);
  static void Release(HWND hwnd, bool inside);
  static void SetPushed(HWND hwnd, bool pushed);
  static void Notify(HWND hwnd, WORD code);
  static LRESULT DialogCode(HWND hwnd);

  // Draws through GetDC (or `hdc` when given) with the owner-draw action.
  static void Redraw(HWND hwnd, UINT action, HDC hdc = nullptr);
  static void DrawOwnerDrawn(HWND hwnd, HDC hdc, UINT action);
  static void DrawPushButton(HWND hwnd, HDC hdc);
  static HBRUSH ControlColour(HWND hwnd, HDC hdc);
  static void Paint(HWND hwnd);
};
