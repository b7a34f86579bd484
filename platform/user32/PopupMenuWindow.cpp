#include "PopupMenuWindow.h"

#include <algorithm>

namespace {

PopupMenuState* StateOf(HWND hwnd) { return reinterpret_cast<PopupMenuState*>(GetWindowLongPtrA(hwnd, GWLP_USERDATA)); }

}  // namespace

HFONT PopupMenuWindow::Font() { return static_cast<HFONT>(GetStockObject(DEFAULT_GUI_FONT)); }

void PopupMenuWindow::Layout(PopupMenuState& state) {
  HDC hdc = GetDC(nullptr);
  const HGDIOBJ previous = SelectObject(hdc, Font());
  TEXTMETRICA metrics{};
  GetTextMetricsA(hdc, &metrics);
  const int itemHeight = std::max<int>(metrics.tmHeight + 4, GetSystemMetrics(SM_CYMENU) - 2);
  int widest = 0;
  for (const MenuItem& item : state.items) {
    if (item.IsSeparator()) continue;
    RECT r{0, 0, 0, 0};
    DrawTextA(hdc, item.text.c_str(), static_cast<int>(item.text.size()), &r, DT_SINGLELINE | DT_CALCRECT);
    widest = std::max<int>(widest, r.right);
  }
  SelectObject(hdc, previous);
  ReleaseDC(nullptr, hdc);
  const int width = kCheckColumn + widest + kTextRightMargin;
  int y = 0;
  state.itemRects.clear();
  for (const MenuItem& item : state.items) {
    const int height = item.IsSeparator() ? kSeparatorHeight : itemHeight;
    state.itemRects.push_back(RECT{0, y, width, y + height});
    y += height;
  }
  state.clientSize = SIZE{width, y};
}

int PopupMenuWindow::ItemAt(const PopupMenuState& state, POINT client) {
  for (size_t i = 0; i < state.itemRects.size(); ++i) {
    if (PtInRect(&state.itemRects[i], client)) return static_cast<int>(i);
  }
  return -1;
}

void PopupMenuWindow::SetHighlight(HWND hwnd, PopupMenuState& state, int item) {
  if (item == state.highlighted) return;
  for (int index : {state.highlighted, item}) {
    if (index >= 0) InvalidateRect(hwnd, &state.itemRects[static_cast<size_t>(index)], TRUE);
  }
  state.highlighted = item;
  UpdateWindow(hwnd);
}

// A 7 x 7 tick, as the classic menu check mark.
void PopupMenuWindow::PaintCheck(HDC hdc, const RECT& rect, COLORREF colour) {
  const int x = rect.left + (kCheckColumn - 7) / 2;
  const int y = (rect.top + rect.bottom) / 2 - 3;
  const HBRUSH brush = CreateSolidBrush(colour);
  // Each column of the tick is three pixels tall, falling then rising.
  static constexpr int kColumnTop[7] = {2, 3, 4, 3, 2, 1, 0};
  for (int column = 0; column < 7; ++column) {
    const RECT bar{x + column, y + kColumnTop[column], x + column + 1, y + kColumnTop[column] + 3};
    FillRect(hdc, &bar, brush);
  }
  DeleteObject(brush);
}

void PopupMenuWindow::PaintItem(HDC hdc, const MenuItem& item, const RECT& rect, bool highlighted) {
  if (item.IsSeparator()) {
    RECT line{rect.left + 1, (rect.top + rect.bottom) / 2 - 1, rect.right - 1, (rect.top + rect.bottom) / 2 + 1};
    DrawEdge(hdc, &line, EDGE_ETCHED, BF_TOP);
    return;
  }
  FillRect(hdc, &rect, GetSysColorBrush(highlighted ? COLOR_HIGHLIGHT : COLOR_MENU));
  const COLORREF textColour = GetSysColor(!item.IsEnabled() ? COLOR_GRAYTEXT
                                          : highlighted     ? COLOR_HIGHLIGHTTEXT
                                                            : COLOR_MENUTEXT);
  RECT text{rect.left + kCheckColumn, rect.top, rect.right, rect.bottom};
  const UINT format = DT_LEFT | DT_VCENTER | DT_SINGLELINE;
  if (!item.IsEnabled() && !highlighted) {
    RECT emboss = text;
    OffsetRect(&emboss, 1, 1);
    SetTextColor(hdc, GetSysColor(COLOR_3DHILIGHT));
    DrawTextA(hdc, item.text.c_str(), static_cast<int>(item.text.size()), &emboss, format);
  }
  SetTextColor(hdc, textColour);
  DrawTextA(hdc, item.text.c_str(), static_cast<int>(item.text.size()), &text, format);
  if (item.flags & MF_CHECKED) PaintCheck(hdc, rect, textColour);
}

void PopupMenuWindow::Paint(HWND hwnd, const PopupMenuState& state) {
  PAINTSTRUCT ps;
  HDC hdc = BeginPaint(hwnd, &ps);
  if (hdc) {
    const HGDIOBJ previous = SelectObject(hdc, Font());
    SetBkMode(hdc, TRANSPARENT);
    for (size_t i = 0; i < state.items.size(); ++i) {
      PaintItem(hdc, state.items[i], state.itemRects[i], static_cast<int>(i) == state.highlighted);
    }
    SelectObject(hdc, previous);
  }
  EndPaint(hwnd, &ps);
}

LRESULT CALLBACK PopupMenuWindow::Procedure(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_PAINT:
      if (const PopupMenuState* state = StateOf(hwnd)) {
        Paint(hwnd, *state);
        return 0;
      }
      break;
    case WM_MOUSEACTIVATE:
      return MA_NOACTIVATE;
    default:
      break;
  }
  return DefWindowProcA(hwnd, message, wParam, lParam);
}
