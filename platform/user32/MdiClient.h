// The MDICLIENT class and the default frame and child procedures, at the minimum an MDI program
// needs: the client is created from a CLIENTCREATESTRUCT and covers the frame's client area;
// WM_MDICREATE makes captioned child windows numbered from idFirstChild, WM_MDIACTIVATE moves
// the active child (WM_NCACTIVATE and WM_MDIACTIVATE to the old and the new one),
// WM_MDIGETACTIVE reports it and WM_MDIDESTROY destroys a child and activates the next one.
// Maximized children merged into the frame, tiling, cascading and the window menu are not
// provided.
#pragma once

#include <windows.h>

class MdiClient {
 public:
  static constexpr const char* kClassName = "MDICLIENT";
  static constexpr int kExtraBytes = sizeof(LONG_PTR);

  static LRESULT CALLBACK Procedure(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);
  static LRESULT FrameProcedure(HWND frame, HWND client, UINT message, WPARAM wParam, LPARAM lParam);
  static LRESULT ChildProcedure(HWND child, UINT message, WPARAM wParam, LPARAM lParam);

 private:
  struct State {
    UINT idFirstChild = 0;
    HWND active = nullptr;
    int created = 0;
  };
  static State* StateOf(HWND client);
  static HWND Active(HWND client);
  static HWND CreateChild(HWND client, const MDICREATESTRUCTA& request);
  static void Activate(HWND client, HWND child);
  static void DestroyChild(HWND client, HWND child);
};
