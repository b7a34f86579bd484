// MessageBoxA: a modal "#32770" window with an optional icon, the word-wrapped text and a centred
// row of push buttons whose IDs are the results. Esc and the close box give IDCANCEL when there
// is a Cancel button, IDOK for a lone OK button, and nothing otherwise.
#pragma once

#include <windows.h>

#include <string>
#include <vector>

class MessageBoxDialog {
 public:
  // The chosen button's ID, or 0 with the last error set.
  static int Show(HWND owner, LPCSTR text, LPCSTR caption, UINT type);

 private:
  struct ButtonSpec {
    int id;
    const char* label;
  };
  struct Box {
    std::string text;
    UINT type;
    RECT iconRect;
    RECT textRect;
  };

  // The button row for the MB_ type; empty for an unknown type.
  static std::vector<ButtonSpec> Buttons(UINT type);
  // What Esc and the close box return; 0 when they do nothing.
  static int EscapeResult(UINT type);
  static std::vector<HWND> BlockedWindows(HWND owner, UINT type);
  static SIZE MeasureText(const std::string& text);
  static HWND CreateBox(HWND owner, LPCSTR caption, UINT type, SIZE client);
  static void Paint(HWND hwnd, const Box& box);
  static LRESULT CALLBACK Procedure(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);
};
