#include "NonClientPainter.h"

#include "NonClient.h"
#include "WindowDcs.h"

#include <algorithm>

namespace {

void FillBorder(HDC hdc, RECT& rect, int width, int colorIndex) {
  const HBRUSH brush = GetSysColorBrush(colorIndex);
  for (int i = 0; i < width; ++i) {
    FrameRect(hdc, &rect, brush);
    InflateRect(&rect, -1, -1);
  }
}

}  // namespace

void NonClientPainter::PaintFrame(const Window& w, HDC hdc, RECT& rect) {
  switch (NonClient::FrameOf(w.style, w.exStyle)) {
    case NonClient::Frame::None:
      break;
    case NonClient::Frame::Thin:
      FillBorder(hdc, rect, GetSystemMetrics(SM_CXBORDER), COLOR_WINDOWFRAME);
      break;
    case NonClient::Frame::Dialog:
      DrawEdge(hdc, &rect, EDGE_RAISED, BF_RECT | BF_ADJUST);
      FillBorder(hdc, rect, GetSystemMetrics(SM_CXDLGFRAME) - 2, COLOR_3DFACE);
      break;
    case NonClient::Frame::Thick:
      DrawEdge(hdc, &rect, EDGE_RAISED, BF_RECT | BF_ADJUST);
      FillBorder(hdc, rect, GetSystemMetrics(SM_CXFRAME) - 2,
                 w.captionActive ? COLOR_ACTIVEBORDER : COLOR_INACTIVEBORDER);
      break;
  }
}

// One column at a time; the first column has `from`, the last `to`.
void NonClientPainter::PaintGradient(HDC hdc, const RECT& rect, COLORREF from, COLORREF to) {
  const int width = rect.right - rect.left;
  const auto channel = [width](int a, int b, int x) { return width > 1 ? a + (b - a) * x / (width - 1) : a; };
  for (int x = 0; x < width; ++x) {
    const COLORREF colour = RGB(channel(GetRValue(from), GetRValue(to), x), channel(GetGValue(from), GetGValue(to), x),
                                channel(GetBValue(from), GetBValue(to), x));
    const HBRUSH brush = CreateSolidBrush(colour);
    const RECT column{rect.left + x, rect.top, rect.left + x + 1, rect.bottom};
    FillRect(hdc, &column, brush);
    DeleteObject(brush);
  }
}

void NonClientPainter::PaintCaptionText(const Window& w, HDC hdc, const RECT& caption) {
  if (w.text.empty()) return;
  RECT area = caption;
  const RECT icon = NonClient::SystemMenuRect(w);
  area.left = (icon.right > icon.left ? icon.right : caption.left) + 2;
  for (const RECT& button : {NonClient::CloseButtonRect(w), NonClient::MaximizeButtonRect(w),
                             NonClient::MinimizeButtonRect(w), NonClient::HelpButtonRect(w)}) {
    if (button.right > button.left) area.right = std::min(area.right, button.left - 2);
  }
  if (area.right <= area.left) return;
  const HFONT font = CreateFontA(-11, 0, 0, 0, FW_BOLD, FALSE, FALSE, FALSE, DEFAULT_CHARSET, OUT_DEFAULT_PRECIS,
                                 CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY, VARIABLE_PITCH | FF_SWISS, "MS Sans Serif");
  const HGDIOBJ previous = SelectObject(hdc, font);
  SetBkMode(hdc, TRANSPARENT);
  SetTextColor(hdc, GetSysColor(w.captionActive ? COLOR_CAPTIONTEXT : COLOR_INACTIVECAPTIONTEXT));
  DrawTextA(hdc, w.text.c_str(), static_cast<int>(w.text.size()), &area,
            DT_LEFT | DT_VCENTER | DT_SINGLELINE | DT_NOPREFIX | DT_END_ELLIPSIS);
  SelectObject(hdc, previous);
  DeleteObject(font);
}

UINT NonClientPainter::CloseButtonState(const Window& w) {
  return (w.ClassStyle() & CS_NOCLOSE) ? DFCS_INACTIVE : 0;
}

void NonClientPainter::PaintCaption(const Window& w, HDC hdc, const RECT& caption) {
  if (w.captionActive) {
    PaintGradient(hdc, caption, GetSysColor(COLOR_ACTIVECAPTION), GetSysColor(COLOR_GRADIENTACTIVECAPTION));
  } else {
    PaintGradient(hdc, caption, GetSysColor(COLOR_INACTIVECAPTION), GetSysColor(COLOR_GRADIENTINACTIVECAPTION));
  }
  const RECT line{caption.left, caption.bottom, caption.right, caption.bottom + 1};
  FillRect(hdc, &line, GetSysColorBrush(COLOR_3DFACE));
  PaintCaptionText(w, hdc, caption);
  const UINT closeState = CloseButtonState(w);
  struct Button {
    RECT rect;
    UINT kind;
    UINT state;
  };
  const Button buttons[] = {
      {NonClient::CloseButtonRect(w), DFCS_CAPTIONCLOSE, closeState},
      {NonClient::MaximizeButtonRect(w), w.IsMaximized() ? UINT{DFCS_CAPTIONRESTORE} : UINT{DFCS_CAPTIONMAX},
       (w.style & WS_MAXIMIZEBOX) ? 0u : UINT{DFCS_INACTIVE}},
      {NonClient::MinimizeButtonRect(w), DFCS_CAPTIONMIN, (w.style & WS_MINIMIZEBOX) ? 0u : UINT{DFCS_INACTIVE}},
      {NonClient::HelpButtonRect(w), DFCS_CAPTIONHELP, 0},
  };
  for (const Button& button : buttons) {
    RECT r = button.rect;
    if (r.right > r.left) DrawFrameControl(hdc, &r, DFC_CAPTION, button.kind | button.state);
  }
}

void NonClientPainter::Paint(Window& w, HRGN update) {
  if (NonClient::FrameOf(w.style, w.exStyle) == NonClient::Frame::None && !NonClient::HasCaption(w.style) &&
      !(w.exStyle & (WS_EX_CLIENTEDGE | WS_EX_STATICEDGE))) {
    return;
  }
  // GetDCEx takes ownership of its region; the caller keeps WM_NCPAINT's, so a copy is passed.
  HRGN clip = nullptr;
  if (reinterpret_cast<UINT_PTR>(update) > 1) {
    clip = CreateRectRgn(0, 0, 0, 0);
    if (CombineRgn(clip, update, nullptr, RGN_COPY) == ERROR) {
      DeleteObject(clip);
      clip = nullptr;
    }
  }
  HDC hdc = WindowDcs::Get(w.handle, clip, WindowDcs::kUseStyle | DCX_WINDOW | (clip ? DCX_INTERSECTRGN : 0));
  if (!hdc) return;
  RECT rect{0, 0, w.Width(), w.Height()};
  PaintFrame(w, hdc, rect);
  if (NonClient::HasCaption(w.style)) PaintCaption(w, hdc, NonClient::CaptionRect(w));
  RECT client = w.ClientRectInWindow();
  if (w.exStyle & WS_EX_CLIENTEDGE) {
    RECT edge = client;
    const int inset = GetSystemMetrics(SM_CXEDGE) + ((w.exStyle & WS_EX_STATICEDGE) ? 1 : 0);
    InflateRect(&edge, inset, inset);
    DrawEdge(hdc, &edge, EDGE_SUNKEN, BF_RECT);
  }
  if (w.exStyle & WS_EX_STATICEDGE) {
    RECT edge = client;
    InflateRect(&edge, 1, 1);
    DrawEdge(hdc, &edge, BDR_SUNKENOUTER, BF_RECT);
  }
  ReleaseDC(w.handle, hdc);
}
