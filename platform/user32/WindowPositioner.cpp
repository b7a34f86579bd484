#include "WindowPositioner.h"

#include <algorithm>
#include <cstring>

#include "Activation.h"
#include "Display.h"
#include "ExposureTracker.h"
#include "MessageQueue.h"
#include "NonClient.h"
#include "Painting.h"
#include "WindowTable.h"
#include "ZOrder.h"

namespace {

constexpr UINT kAllUnchanged = SWP_NOSIZE | SWP_NOMOVE | SWP_NOZORDER;

bool SameSize(const RECT& a, const RECT& b) {
  return a.right - a.left == b.right - b.left && a.bottom - a.top == b.bottom - b.top;
}

bool SameOrigin(const RECT& a, const RECT& b) { return a.left == b.left && a.top == b.top; }

// Where a minimized top-level window sits, out of sight as on the classic desktop.
constexpr POINT kMinimizedPosition{-32000, -32000};

}  // namespace

UINT WindowPositioner::Normalise(Window& w, WINDOWPOS& pos) {
  UINT flags = pos.flags;
  pos.cx = std::max(pos.cx, 0);
  pos.cy = std::max(pos.cy, 0);
  if (!(flags & SWP_NOSIZE) && pos.cx == w.Width() && pos.cy == w.Height()) flags |= SWP_NOSIZE;
  if (!(flags & SWP_NOMOVE) && pos.x == w.windowRect.left && pos.y == w.windowRect.top) flags |= SWP_NOMOVE;
  if ((flags & SWP_SHOWWINDOW) && (w.style & WS_VISIBLE)) flags &= ~SWP_SHOWWINDOW;
  if ((flags & SWP_HIDEWINDOW) && !(w.style & WS_VISIBLE)) flags &= ~SWP_HIDEWINDOW;
  if ((flags & SWP_SHOWWINDOW) && (flags & SWP_HIDEWINDOW)) flags &= ~(SWP_SHOWWINDOW | SWP_HIDEWINDOW);
  if (!w.IsTopLevel()) flags |= SWP_NOACTIVATE;
  if (!(flags & SWP_NOZORDER)) {
    const bool validTarget = pos.hwndInsertAfter == HWND_TOP || pos.hwndInsertAfter == HWND_BOTTOM ||
                             pos.hwndInsertAfter == HWND_TOPMOST || pos.hwndInsertAfter == HWND_NOTOPMOST ||
                             WindowTable::Instance().Find(pos.hwndInsertAfter);
    if (!validTarget || pos.hwndInsertAfter == w.handle || !ZOrder::WouldMove(w, pos.hwndInsertAfter)) {
      flags |= SWP_NOZORDER;
    }
  }
  return flags;
}

RECT WindowPositioner::ClientAfterNcCalcSize(Window& w, const RECT& newWindow, const RECT& oldWindow,
                                             const RECT& oldClient, WINDOWPOS& pos) {
  NCCALCSIZE_PARAMS params{};
  params.rgrc[0] = newWindow;
  params.rgrc[1] = oldWindow;
  params.rgrc[2] = oldClient;
  params.lppos = &pos;
  SendMessageA(w.handle, WM_NCCALCSIZE, TRUE, reinterpret_cast<LPARAM>(&params));
  RECT client = params.rgrc[0];
  client.left = std::clamp(client.left, newWindow.left, newWindow.right);
  client.top = std::clamp(client.top, newWindow.top, newWindow.bottom);
  client.right = std::clamp(client.right, client.left, newWindow.right);
  client.bottom = std::clamp(client.bottom, client.top, newWindow.bottom);
  return client;
}

void WindowPositioner::ResizeSurface(Window& w) {
  if (!w.IsTopLevel()) return;
  // Surfaces are at least 1 x 1 and at most kMaxSurfaceSide square; a larger window keeps
  // and shows only that much of itself.
  const int width = std::clamp(w.Width(), 1, kMaxSurfaceSide);
  const int height = std::clamp(w.Height(), 1, kMaxSurfaceSide);
  if (w.surface && w.surface->Width() == width && w.surface->Height() == height) return;
  std::shared_ptr<PixelSurface> surface = PixelSurface::Create(width, height, PixelSurface::Format{});
  if (!surface) surface = w.surface ? w.surface : PixelSurface::Create(1, 1, PixelSurface::Format{});
  if (w.surface && w.surface != surface) {
    const int rows = std::min(height, w.surface->Height());
    const size_t bytes = static_cast<size_t>(std::min(width, w.surface->Width())) * 4;
    for (int y = 0; y < rows; ++y) std::memcpy(surface->Row(y), w.surface->Row(y), bytes);
  }
  w.surface = std::move(surface);
}

void WindowPositioner::TellBackend(Window& w) {
  if (!w.HasHostSurface()) return;
  DisplayBackend& backend = Display::Backend();
  const auto id = reinterpret_cast<SurfaceId>(w.handle);
  // A minimised window parks far off screen; the host iconifies it where it stands instead.
  backend.SetSurfaceMinimized(id, w.IsMinimized());
  if (!w.IsMinimized()) backend.MoveSurface(id, w.windowRect);
  backend.ShowSurface(id, (w.style & WS_VISIBLE) != 0);
  std::vector<SurfaceId> order;
  for (const auto& top : w.parent->children) order.push_back(reinterpret_cast<SurfaceId>(top->handle));
  backend.RestackSurfaces(order);
}

void WindowPositioner::Apply(Window& w, const WINDOWPOS& pos, const RECT& newWindow, const RECT& newClient) {
  if (!(pos.flags & SWP_NOZORDER)) ZOrder::Place(w, pos.hwndInsertAfter);
  w.windowRect = newWindow;
  w.clientRect = newClient;
  if (pos.flags & SWP_SHOWWINDOW) w.style |= WS_VISIBLE;
  if (pos.flags & SWP_HIDEWINDOW) w.style &= ~WS_VISIBLE;
  ResizeSurface(w);
  TellBackend(w);
}

void WindowPositioner::InvalidateAfterResize(Window& w, const RECT& oldClient, UINT flags) {
  const bool widthChanged = oldClient.right - oldClient.left != w.ClientWidth();
  const bool heightChanged = oldClient.bottom - oldClient.top != w.ClientHeight();
  const UINT classStyle = w.ClassStyle();
  if ((widthChanged && (classStyle & CS_HREDRAW)) || (heightChanged && (classStyle & CS_VREDRAW))) {
    Painting::Apply(w, std::nullopt, RDW_INVALIDATE | RDW_ERASE | RDW_FRAME);
  } else if (!(flags & SWP_NOSIZE) || (flags & SWP_FRAMECHANGED)) {
    const Region frame = Painting::FrameArea(w);
    if (!frame.IsEmpty()) Painting::Apply(w, frame, RDW_INVALIDATE | RDW_FRAME | RDW_NOCHILDREN);
  }
}

bool WindowPositioner::SetWindowPos(HWND hwnd, HWND insertAfter, int x, int y, int cx, int cy, UINT flags) {
  std::shared_ptr<Window> w = WindowTable::Instance().Get(hwnd);
  if (!w) return false;
  if (w->IsRoot() || !w->IsAlive()) {
    SetLastError(ERROR_ACCESS_DENIED);
    return false;
  }
  WINDOWPOS pos{hwnd, insertAfter, x, y, cx, cy, flags};
  pos.flags = Normalise(*w, pos);
  if ((pos.flags & (kAllUnchanged | SWP_SHOWWINDOW | SWP_HIDEWINDOW | SWP_FRAMECHANGED)) == kAllUnchanged) {
    if (!(pos.flags & SWP_NOACTIVATE)) Activation::Activate(hwnd, WA_ACTIVE);
    return true;
  }
  if (!(pos.flags & SWP_NOSENDCHANGING)) {
    SendMessageA(hwnd, WM_WINDOWPOSCHANGING, 0, reinterpret_cast<LPARAM>(&pos));
    if (!w->IsAlive()) return false;
    pos.hwnd = hwnd;
    pos.flags = Normalise(*w, pos);
  }
  const RECT oldWindow = w->windowRect;
  const RECT oldClient = w->clientRect;
  RECT newWindow = oldWindow;
  if (!(pos.flags & SWP_NOMOVE)) OffsetRect(&newWindow, pos.x - oldWindow.left, pos.y - oldWindow.top);
  if (!(pos.flags & SWP_NOSIZE)) {
    newWindow.right = newWindow.left + pos.cx;
    newWindow.bottom = newWindow.top + pos.cy;
  }
  RECT newClient = oldClient;
  OffsetRect(&newClient, newWindow.left - oldWindow.left, newWindow.top - oldWindow.top);
  if (!(pos.flags & SWP_NOSIZE) || (pos.flags & (SWP_FRAMECHANGED | kStateChanged))) {
    newClient = ClientAfterNcCalcSize(*w, newWindow, oldWindow, oldClient, pos);
    if (!w->IsAlive()) return false;
  }

  const bool redraw = !(pos.flags & SWP_NOREDRAW);
  std::optional<ExposureTracker> exposure;
  if (redraw) exposure.emplace();
  Apply(*w, pos, newWindow, newClient);
  std::vector<std::shared_ptr<Window>> touched;
  if (redraw) {
    touched = exposure->InvalidateExposed();
    if (pos.flags & SWP_SHOWWINDOW) {
      Painting::Apply(*w, std::nullopt, RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_ALLCHILDREN);
    } else {
      InvalidateAfterResize(*w, oldClient, pos.flags);
    }
    touched.push_back(w);
  }

  if (!(pos.flags & SWP_NOACTIVATE) && (w->style & WS_VISIBLE)) Activation::Activate(hwnd, WA_ACTIVE);
  if (redraw && !(pos.flags & SWP_DEFERERASE)) {
    for (const auto& t : touched) {
      if (t->threadId == w->threadId) Painting::Flush(t, RDW_ERASENOW | RDW_NOCHILDREN);
    }
    if (pos.flags & SWP_SHOWWINDOW) Painting::Flush(w, RDW_ERASENOW | RDW_ALLCHILDREN);
  }
  if (!w->IsAlive()) return true;

  if (SameSize(oldClient, w->clientRect) && !(pos.flags & kStateChanged)) pos.flags |= kNoClientSize;
  if (SameOrigin(oldClient, w->clientRect)) pos.flags |= kNoClientMove;
  pos.x = w->windowRect.left;
  pos.y = w->windowRect.top;
  pos.cx = w->Width();
  pos.cy = w->Height();
  SendMessageA(hwnd, WM_WINDOWPOSCHANGED, 0, reinterpret_cast<LPARAM>(&pos));
  if ((pos.flags & SWP_HIDEWINDOW) && w->IsAlive()) Activation::ActivateOther(*w);
  return true;
}

void WindowPositioner::SendSizeAndMove(HWND hwnd, UINT flags) {
  std::shared_ptr<Window> w = WindowTable::Instance().Find(hwnd);
  if (!w) return;
  // Both go out together: WM_MOVE first, then WM_SIZE [?].
  if (!(flags & kNoClientMove)) {
    SendMessageA(hwnd, WM_MOVE, 0, MAKELPARAM(w->clientRect.left, w->clientRect.top));
  }
  if (!(flags & kNoClientSize) && w->IsAlive()) {
    const WPARAM kind = w->IsMinimized() ? SIZE_MINIMIZED : w->IsMaximized() ? SIZE_MAXIMIZED : SIZE_RESTORED;
    SendMessageA(hwnd, WM_SIZE, kind, MAKELPARAM(w->ClientWidth(), w->ClientHeight()));
  }
}

void WindowPositioner::SendInitialSizeAndMove(HWND hwnd) {
  std::shared_ptr<Window> w = WindowTable::Instance().Find(hwnd);
  if (!w) return;
  const WPARAM kind = w->IsMinimized() ? SIZE_MINIMIZED : w->IsMaximized() ? SIZE_MAXIMIZED : SIZE_RESTORED;
  SendMessageA(hwnd, WM_SIZE, kind, MAKELPARAM(w->ClientWidth(), w->ClientHeight()));
  if (w->IsAlive()) SendMessageA(hwnd, WM_MOVE, 0, MAKELPARAM(w->clientRect.left, w->clientRect.top));
}

// Minimize, maximize and restore change the style and pick the new window rectangle.
bool WindowPositioner::ChangeState(Window& w, int command, RECT& target) {
  const bool minimize = command == SW_MINIMIZE || command == SW_SHOWMINIMIZED || command == SW_SHOWMINNOACTIVE ||
                        command == SW_FORCEMINIMIZE;
  const bool maximize = command == SW_SHOWMAXIMIZED;
  const bool restore = command == SW_SHOWNORMAL || command == SW_RESTORE || command == SW_SHOWDEFAULT;
  if (!minimize && !maximize && !restore) return false;
  if (minimize && w.IsMinimized()) return false;
  if (maximize && w.IsMaximized()) return false;
  if (restore && !w.IsMinimized() && !w.IsMaximized()) return false;
  if (!w.IsMinimized() && !w.IsMaximized()) w.normalRect = w.windowRect;
  w.style &= ~(WS_MINIMIZE | WS_MAXIMIZE);
  if (minimize) {
    w.style |= WS_MINIMIZE;
    const POINT at = w.IsTopLevel() ? kMinimizedPosition : POINT{0, 0};
    target = RECT{at.x, at.y, at.x + GetSystemMetrics(SM_CXMINIMIZED), at.y + GetSystemMetrics(SM_CYMINIMIZED)};
  } else if (maximize) {
    w.style |= WS_MAXIMIZE;
    const int frame = NonClient::FrameWidth(NonClient::FrameOf(w.style, w.exStyle));
    const RECT area = w.parent->IsRoot() ? RECT{0, 0, GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN)}
                                         : RECT{0, 0, w.parent->ClientWidth(), w.parent->ClientHeight()};
    target = RECT{area.left - frame, area.top - frame, area.right + frame, area.bottom + frame};
  } else {
    target = w.normalRect;
  }
  return true;
}

bool WindowPositioner::ShowWindow(HWND hwnd, int command) {
  std::shared_ptr<Window> w = WindowTable::Instance().Get(hwnd);
  if (!w) return false;
  if (w->IsRoot() || command < SW_HIDE || command > SW_MAX) {
    SetLastError(ERROR_INVALID_PARAMETER);
    return false;
  }
  const bool wasVisible = (w->style & WS_VISIBLE) != 0;
  const bool show = command != SW_HIDE;
  if (show != wasVisible) {
    SendMessageA(hwnd, WM_SHOWWINDOW, show ? TRUE : FALSE, 0);
    if (!w->IsAlive()) return wasVisible;
  }
  if (!show && wasVisible) Activation::ActivateOther(*w);
  if (!w->IsAlive()) return wasVisible;
  UINT flags = show ? SWP_SHOWWINDOW : SWP_HIDEWINDOW;
  const bool activate = command == SW_SHOWNORMAL || command == SW_SHOWMAXIMIZED || command == SW_SHOW ||
                        command == SW_RESTORE || command == SW_SHOWDEFAULT || command == SW_SHOWMINIMIZED;
  if (!activate || w->IsChildStyle()) flags |= SWP_NOACTIVATE | SWP_NOZORDER;
  RECT target{};
  if (show && ChangeState(*w, command, target)) {
    flags |= SWP_FRAMECHANGED | kStateChanged;
    SetWindowPos(hwnd, HWND_TOP, target.left, target.top, target.right - target.left, target.bottom - target.top,
                 flags);
  } else {
    SetWindowPos(hwnd, HWND_TOP, 0, 0, 0, 0, flags | SWP_NOMOVE | SWP_NOSIZE);
  }
  if (!w->IsAlive()) return wasVisible;
  if (!show && w->IsChildStyle()) {
    MessageQueue& queue = MessageQueue::Current();
    std::shared_ptr<Window> focus = WindowTable::Instance().Find(queue.focus);
    if (focus && w->Contains(focus.get())) Activation::SetFocus(w->parent->IsRoot() ? nullptr : w->parent->handle);
  }
  if (show && w->sizeMessagesOnFirstShow && w->IsAlive()) {
    w->sizeMessagesOnFirstShow = false;
    SendInitialSizeAndMove(hwnd);
  }
  return wasVisible;
}
