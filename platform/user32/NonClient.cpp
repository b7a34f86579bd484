#include "NonClient.h"

#include <algorithm>

#include "Window.h"

namespace {

constexpr int kCaptionButtonWidth = 16;   // SM_CXSIZE - 2
constexpr int kCaptionButtonHeight = 14;  // SM_CYSIZE - 4
constexpr int kCaptionButtonMargin = 2;

bool Inside(const RECT& r, POINT p) { return p.x >= r.left && p.x < r.right && p.y >= r.top && p.y < r.bottom; }

bool HasSystemMenuIcon(const Window& w) {
  return (w.style & WS_SYSMENU) && !(w.exStyle & (WS_EX_DLGMODALFRAME | WS_EX_TOOLWINDOW));
}

}  // namespace

NonClient::Frame NonClient::FrameOf(DWORD style, DWORD exStyle) {
  const bool dialogWithoutBorder = (style & WS_CAPTION) == WS_DLGFRAME;
  if ((style & WS_THICKFRAME) && !dialogWithoutBorder) return Frame::Thick;
  if ((exStyle & WS_EX_DLGMODALFRAME) || ((style & WS_DLGFRAME) && !(style & WS_THICKFRAME))) return Frame::Dialog;
  if ((style & WS_BORDER) || !(style & (WS_CHILD | WS_POPUP))) return Frame::Thin;
  return Frame::None;
}

int NonClient::FrameWidth(Frame frame) {
  switch (frame) {
    case Frame::None:
      return 0;
    case Frame::Thin:
      return GetSystemMetrics(SM_CXBORDER);
    case Frame::Dialog:
      return GetSystemMetrics(SM_CXDLGFRAME);
    case Frame::Thick:
      return GetSystemMetrics(SM_CXFRAME);
  }
  return 0;
}

int NonClient::CaptionHeight(DWORD exStyle) {
  return GetSystemMetrics((exStyle & WS_EX_TOOLWINDOW) ? SM_CYSMCAPTION : SM_CYCAPTION);
}

bool NonClient::NeedsWindowEdge(DWORD style, DWORD exStyle) {
  if (exStyle & WS_EX_DLGMODALFRAME) return true;
  if (style & WS_CHILD) return false;
  return (style & WS_DLGFRAME) || (style & WS_THICKFRAME);
}

RECT NonClient::Insets(DWORD style, DWORD exStyle, bool menu, bool scrollBars) {
  const int frame = FrameWidth(FrameOf(style, exStyle));
  RECT insets{frame, frame, frame, frame};
  if (HasCaption(style)) insets.top += CaptionHeight(exStyle);
  if (menu && !(style & WS_CHILD)) insets.top += GetSystemMetrics(SM_CYMENU);
  int edge = 0;
  if (exStyle & WS_EX_CLIENTEDGE) edge += GetSystemMetrics(SM_CXEDGE);
  if (exStyle & WS_EX_STATICEDGE) edge += GetSystemMetrics(SM_CXBORDER);
  insets.left += edge;
  insets.top += edge;
  insets.right += edge;
  insets.bottom += edge;
  if (scrollBars) {
    if (style & WS_VSCROLL) insets.right += GetSystemMetrics(SM_CXVSCROLL);
    if (style & WS_HSCROLL) insets.bottom += GetSystemMetrics(SM_CYHSCROLL);
  }
  return insets;
}

RECT NonClient::ClientFromWindow(const RECT& window, DWORD style, DWORD exStyle, bool menu) {
  if (style & WS_MINIMIZE) return RECT{window.left, window.top, window.left, window.top};
  const RECT insets = Insets(style, exStyle, menu, true);
  RECT client{window.left + insets.left, window.top + insets.top, window.right - insets.right,
              window.bottom - insets.bottom};
  client.right = std::max(client.right, client.left);
  client.bottom = std::max(client.bottom, client.top);
  return client;
}

RECT NonClient::CaptionRect(const Window& w) {
  if (!HasCaption(w.style)) return RECT{};
  const int frame = FrameWidth(FrameOf(w.style, w.exStyle));
  return RECT{frame, frame, w.Width() - frame, frame + CaptionHeight(w.exStyle) - 1};
}

RECT NonClient::CloseButtonRect(const Window& w) {
  if (!HasCaption(w.style) || !(w.style & WS_SYSMENU)) return RECT{};
  const RECT caption = CaptionRect(w);
  const int right = caption.right - kCaptionButtonMargin;
  const int top = caption.top + kCaptionButtonMargin;
  return RECT{right - kCaptionButtonWidth, top, right, top + kCaptionButtonHeight};
}

RECT NonClient::MaximizeButtonRect(const Window& w) {
  if (!(w.style & WS_SYSMENU) || !(w.style & (WS_MINIMIZEBOX | WS_MAXIMIZEBOX)) || (w.exStyle & WS_EX_TOOLWINDOW)) {
    return RECT{};
  }
  const RECT close = CloseButtonRect(w);
  const int right = close.left - kCaptionButtonMargin;
  return RECT{right - kCaptionButtonWidth, close.top, right, close.bottom};
}

RECT NonClient::MinimizeButtonRect(const Window& w) {
  const RECT maximize = MaximizeButtonRect(w);
  if (maximize.right <= maximize.left) return RECT{};
  return RECT{maximize.left - kCaptionButtonWidth, maximize.top, maximize.left, maximize.bottom};
}

RECT NonClient::HelpButtonRect(const Window& w) {
  if (!(w.exStyle & WS_EX_CONTEXTHELP) || (w.style & (WS_MINIMIZEBOX | WS_MAXIMIZEBOX))) return RECT{};
  const RECT close = CloseButtonRect(w);
  if (close.right <= close.left) return RECT{};
  const int right = close.left - kCaptionButtonMargin;
  return RECT{right - kCaptionButtonWidth, close.top, right, close.bottom};
}

RECT NonClient::SystemMenuRect(const Window& w) {
  if (!HasCaption(w.style) || !HasSystemMenuIcon(w)) return RECT{};
  const RECT caption = CaptionRect(w);
  return RECT{caption.left, caption.top, caption.left + GetSystemMetrics(SM_CXSIZE), caption.bottom};
}

LRESULT NonClient::FrameHitTest(const Window& w, POINT p, Frame frame) {
  if (frame != Frame::Thick) return HTBORDER;
  const int width = w.Width();
  const int height = w.Height();
  const int corner = GetSystemMetrics(SM_CYCAPTION) + FrameWidth(frame);
  const int border = FrameWidth(frame);
  const bool left = p.x < border, right = p.x >= width - border;
  const bool top = p.y < border, bottom = p.y >= height - border;
  const bool nearLeft = p.x < corner, nearRight = p.x >= width - corner;
  const bool nearTop = p.y < corner, nearBottom = p.y >= height - corner;
  if (top) return nearLeft ? HTTOPLEFT : nearRight ? HTTOPRIGHT : HTTOP;
  if (bottom) return nearLeft ? HTBOTTOMLEFT : nearRight ? HTBOTTOMRIGHT : HTBOTTOM;
  if (left) return nearTop ? HTTOPLEFT : nearBottom ? HTBOTTOMLEFT : HTLEFT;
  if (right) return nearTop ? HTTOPRIGHT : nearBottom ? HTBOTTOMRIGHT : HTRIGHT;
  return HTBORDER;
}

LRESULT NonClient::HitTest(const Window& w, POINT screen) {
  const RECT windowRect = w.WindowRectOnScreen();
  if (!Inside(windowRect, screen)) return HTNOWHERE;
  if (w.IsMinimized()) return HTCAPTION;
  const POINT p{screen.x - windowRect.left, screen.y - windowRect.top};
  const RECT client = w.ClientRectInWindow();
  if (Inside(client, p)) return HTCLIENT;

  const Frame frame = FrameOf(w.style, w.exStyle);
  const int border = FrameWidth(frame);
  if (p.x < border || p.y < border || p.x >= w.Width() - border || p.y >= w.Height() - border) {
    return FrameHitTest(w, p, frame);
  }
  if (Inside(CaptionRect(w), p) || (HasCaption(w.style) && p.y < border + CaptionHeight(w.exStyle))) {
    if (Inside(SystemMenuRect(w), p)) return HTSYSMENU;
    if (Inside(CloseButtonRect(w), p)) return HTCLOSE;
    if (Inside(MaximizeButtonRect(w), p)) return HTMAXBUTTON;
    if (Inside(MinimizeButtonRect(w), p)) return HTMINBUTTON;
    if (Inside(HelpButtonRect(w), p)) return HTHELP;
    return HTCAPTION;
  }
  const RECT insets = Insets(w.style, w.exStyle, w.menu != nullptr, false);
  if (w.menu && !(w.style & WS_CHILD) && p.y < insets.top) return HTMENU;
  const bool vertical = (w.style & WS_VSCROLL) && p.x >= client.right;
  const bool horizontal = (w.style & WS_HSCROLL) && p.y >= client.bottom;
  if (vertical && horizontal) return HTGROWBOX;
  if (vertical) return HTVSCROLL;
  if (horizontal) return HTHSCROLL;
  return HTBORDER;
}
