#include "NonClientPainter.h"

#include "NonClient.h"
#include "WindowDcs.h"

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

void NonClientPainter::PaintCaption(const Window& w, HDC hdc, const RECT& caption) {
  FillRect(hdc, &caption, GetSysColorBrush(w.captionActive ? COLOR_ACTIVECAPTION : COLOR_INACTIVECAPTION));
  const RECT line{caption.left, caption.bottom, caption.right, caption.bottom + 1};
  FillRect(hdc, &line, GetSysColorBrush(COLOR_3DFACE));
  const UINT closeState = (w.ClassStyle() & CS_NOCLOSE) ? DFCS_INACTIVE : 0;
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
