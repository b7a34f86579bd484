// The popup menu window ("#32768") in the classic look: a raised frame, items in the menu font
// with their mnemonic underlined, the highlight bar in COLOR_HIGHLIGHT, check marks in a left
// column, etched separators, and greyed items embossed in white. It never takes activation;
// the menu loop (MenuTracker) owns it and sets the highlighted item.
#pragma once

#include "MenuTable.h"

#include <windows.h>

#include <vector>

struct PopupMenuState {
  std::vector<MenuItem> items;
  std::vector<RECT> itemRects;  // client coordinates
  SIZE clientSize{};
  int highlighted = -1;
};

class PopupMenuWindow {
 public:
  static constexpr const char* kClassName = "#32768";
  static constexpr int kCheckColumn = 17;
  static constexpr int kTextRightMargin = 22;
  static constexpr int kSeparatorHeight = 9;

  static LRESULT CALLBACK Procedure(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);
  // Item rectangles and the client size for `state.items`.
  static void Layout(PopupMenuState& state);
  static HFONT Font();
  // The item under a client point; -1 for none.
  static int ItemAt(const PopupMenuState& state, POINT client);
  static void SetHighlight(HWND hwnd, PopupMenuState& state, int item);

 private:
  static void Paint(HWND hwnd, const PopupMenuState& state);
  static void PaintItem(HDC hdc, const MenuItem& item, const RECT& rect, bool highlighted);
  static void PaintCheck(HDC hdc, const RECT& rect, COLORREF colour);
};
