#include "MessageBoxIcons.h"

namespace {

// Selects a pen and brush for the lifetime of the guard and deletes them afterwards.
class Tools {
 public:
  Tools(HDC hdc, COLORREF outline, COLORREF fill)
      : hdc_(hdc), pen_(CreatePen(PS_SOLID, 1, outline)), brush_(CreateSolidBrush(fill)) {
    oldPen_ = SelectObject(hdc, pen_);
    oldBrush_ = SelectObject(hdc, brush_);
  }
  ~Tools() {
    SelectObject(hdc_, oldPen_);
    SelectObject(hdc_, oldBrush_);
    DeleteObject(pen_);
    DeleteObject(brush_);
  }
  Tools(const Tools&) = delete;
  Tools& operator=(const Tools&) = delete;

 private:
  HDC hdc_;
  HPEN pen_;
  HBRUSH brush_;
  HGDIOBJ oldPen_;
  HGDIOBJ oldBrush_;
};

}  // namespace

void MessageBoxIcons::Sign(HDC hdc, RECT rect, const char* sign, COLORREF colour) {
  const HFONT font = CreateFontA(-22, 0, 0, 0, FW_BOLD, FALSE, FALSE, FALSE, DEFAULT_CHARSET, OUT_DEFAULT_PRECIS,
                                 CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY, VARIABLE_PITCH | FF_ROMAN, "Times New Roman");
  const HGDIOBJ previous = SelectObject(hdc, font);
  SetBkMode(hdc, TRANSPARENT);
  SetTextColor(hdc, colour);
  DrawTextA(hdc, sign, -1, &rect, DT_CENTER | DT_VCENTER | DT_SINGLELINE | DT_NOPREFIX);
  SelectObject(hdc, previous);
  DeleteObject(font);
}

void MessageBoxIcons::Stop(HDC hdc, const RECT& c) {
  {
    Tools tools(hdc, RGB(128, 0, 0), RGB(255, 0, 0));
    Ellipse(hdc, c.left + 1, c.top + 1, c.right - 1, c.bottom - 1);
  }
  Tools white(hdc, RGB(255, 255, 255), RGB(255, 255, 255));
  const int inset = 10;
  for (int d = -1; d <= 1; ++d) {
    const POINT down[] = {{c.left + inset + d, c.top + inset}, {c.right - inset + d, c.bottom - inset}};
    const POINT up[] = {{c.left + inset + d, c.bottom - inset - 1}, {c.right - inset + d, c.top + inset - 1}};
    Polyline(hdc, down, 2);
    Polyline(hdc, up, 2);
  }
}

void MessageBoxIcons::Balloon(HDC hdc, const RECT& c, const char* sign) {
  {
    Tools tools(hdc, RGB(0, 0, 0), RGB(255, 255, 255));
    const POINT tail[] = {{c.left + 8, c.bottom - 10}, {c.left + 6, c.bottom - 1}, {c.left + 16, c.bottom - 8}};
    Polygon(hdc, tail, 3);
    Ellipse(hdc, c.left + 1, c.top + 1, c.right - 1, c.bottom - 5);
  }
  Sign(hdc, RECT{c.left, c.top, c.right, c.bottom - 5}, sign, RGB(0, 0, 255));
}

void MessageBoxIcons::Exclamation(HDC hdc, const RECT& c) {
  {
    Tools tools(hdc, RGB(0, 0, 0), RGB(255, 255, 0));
    const POINT triangle[] = {{(c.left + c.right) / 2, c.top + 1}, {c.right - 1, c.bottom - 3}, {c.left + 1, c.bottom - 3}};
    Polygon(hdc, triangle, 3);
  }
  Sign(hdc, RECT{c.left, c.top + 6, c.right, c.bottom - 2}, "!", RGB(0, 0, 0));
}

void MessageBoxIcons::Draw(HDC hdc, const RECT& cell, UINT icon) {
  switch (icon & MB_ICONMASK) {
    case MB_ICONHAND:
      Stop(hdc, cell);
      break;
    case MB_ICONQUESTION:
      Balloon(hdc, cell, "?");
      break;
    case MB_ICONEXCLAMATION:
      Exclamation(hdc, cell);
      break;
    case MB_ICONASTERISK:
      Balloon(hdc, cell, "i");
      break;
    default:
      break;
  }
}
