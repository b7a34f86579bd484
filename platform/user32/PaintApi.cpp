// Window DCs, update regions, BeginPaint / EndPaint and RedrawWindow.
#include <cstring>

#include "GdiHandleTable.h"
#include "GdiRegion.h"
#include "Painting.h"
#include "Presenter.h"
#include "WindowDcs.h"
#include "WindowTable.h"

namespace {

constexpr UINT kInvalidateFlags = RDW_INVALIDATE | RDW_VALIDATE | RDW_INTERNALPAINT | RDW_NOINTERNALPAINT | RDW_ERASE |
                                  RDW_NOERASE | RDW_FRAME | RDW_NOFRAME;

const Region* RegionArgument(HRGN handle) {
  GdiRegion* region = GdiHandleTable::Instance().Get<GdiRegion>(handle);
  return region ? &region->Shape() : nullptr;
}

Region Normalised(const RECT& rect) {
  RECT r = rect;
  if (r.left > r.right) std::swap(r.left, r.right);
  if (r.top > r.bottom) std::swap(r.top, r.bottom);
  return Region::FromRect(r);
}

BOOL Redraw(HWND hwnd, const RECT* rect, HRGN rgn, UINT flags) {
  std::shared_ptr<Window> w = WindowTable::Instance().Get(hwnd ? hwnd : GetDesktopWindow());
  if (!w) return FALSE;
  std::optional<Region> area;
  if (rgn) {
    const Region* region = RegionArgument(rgn);
    if (!region) {
      SetLastError(ERROR_INVALID_HANDLE);
      return FALSE;
    }
    area = *region;
  } else if (rect) {
    area = Normalised(*rect);
  }
  std::vector<std::shared_ptr<Window>> targets;
  if (w->IsRoot()) {
    targets = w->children;  // the desktop: every top-level window
  } else {
    targets.push_back(w);
  }
  for (const auto& target : targets) {
    if (flags & kInvalidateFlags) Painting::Apply(*target, w->IsRoot() ? std::nullopt : area, flags);
    Painting::Flush(target, flags);
  }
  return TRUE;
}

}  // namespace

extern "C" {

HDC WINAPI GetDC(HWND hWnd) { return WindowDcs::Get(hWnd, nullptr, WindowDcs::kUseStyle); }

HDC WINAPI GetDCEx(HWND hWnd, HRGN hrgnClip, DWORD flags) { return WindowDcs::Get(hWnd, hrgnClip, flags); }

HDC WINAPI GetWindowDC(HWND hWnd) { return WindowDcs::Get(hWnd, nullptr, WindowDcs::kUseStyle | DCX_WINDOW); }

int WINAPI ReleaseDC(HWND, HDC hDC) { return WindowDcs::Release(hDC); }

HWND WINAPI WindowFromDC(HDC hDC) { return WindowDcs::WindowOf(hDC); }

HDC WINAPI BeginPaint(HWND hWnd, LPPAINTSTRUCT lpPaint) {
  std::shared_ptr<Window> w = WindowTable::Instance().Get(hWnd);
  if (!w) return nullptr;
  if (!lpPaint) {
    SetLastError(ERROR_INVALID_PARAMETER);
    return nullptr;
  }
  if (w->framePending) {
    w->framePending = false;
    SendMessageA(hWnd, WM_NCPAINT, 1, 0);
    if (!w->IsAlive()) return nullptr;
  }
  const Region update = w->updateRegion.Intersected(RECT{0, 0, w->ClientWidth(), w->ClientHeight()});
  const bool erase = w->erasePending;
  bool stillNeedsErase = w->eraseUnhandled;
  w->updateRegion = Region();
  w->erasePending = false;
  w->eraseUnhandled = false;
  w->internalPaint = false;
  HDC hdc = WindowDcs::ForPaint(*w, update);
  if (erase) stillNeedsErase = SendMessageA(hWnd, WM_ERASEBKGND, reinterpret_cast<WPARAM>(hdc), 0) == 0;
  std::memset(lpPaint, 0, sizeof(*lpPaint));
  lpPaint->hdc = hdc;
  lpPaint->fErase = stillNeedsErase ? TRUE : FALSE;
  lpPaint->rcPaint = update.IsEmpty() ? RECT{0, 0, 0, 0} : update.Bounds();
  return hdc;
}

BOOL WINAPI EndPaint(HWND hWnd, const PAINTSTRUCT* lpPaint) {
  if (!lpPaint) return FALSE;
  WindowDcs::Release(lpPaint->hdc);
  if (std::shared_ptr<Window> w = WindowTable::Instance().Find(hWnd)) {
    if (Window* top = w->TopLevel()) Presenter::MarkDirty(top->handle);
  }
  return TRUE;
}

BOOL WINAPI InvalidateRect(HWND hWnd, const RECT* lpRect, BOOL bErase) {
  return Redraw(hWnd, lpRect, nullptr,
                RDW_INVALIDATE | (bErase ? RDW_ERASE : 0) |
                    (hWnd ? 0 : RDW_ALLCHILDREN | RDW_FRAME | RDW_ERASENOW | RDW_UPDATENOW));
}

BOOL WINAPI InvalidateRgn(HWND hWnd, HRGN hRgn, BOOL bErase) {
  return Redraw(hWnd, nullptr, hRgn,
                RDW_INVALIDATE | (bErase ? RDW_ERASE : 0) |
                    (hWnd ? 0 : RDW_ALLCHILDREN | RDW_FRAME | RDW_ERASENOW | RDW_UPDATENOW));
}

BOOL WINAPI ValidateRect(HWND hWnd, const RECT* lpRect) { return Redraw(hWnd, lpRect, nullptr, RDW_VALIDATE); }

BOOL WINAPI ValidateRgn(HWND hWnd, HRGN hRgn) { return Redraw(hWnd, nullptr, hRgn, RDW_VALIDATE); }

BOOL WINAPI RedrawWindow(HWND hWnd, const RECT* lprcUpdate, HRGN hrgnUpdate, UINT flags) {
  return Redraw(hWnd, lprcUpdate, hrgnUpdate, flags);
}

BOOL WINAPI UpdateWindow(HWND hWnd) {
  std::shared_ptr<Window> w = WindowTable::Instance().Get(hWnd);
  if (!w) return FALSE;
  Painting::Flush(w, RDW_UPDATENOW | RDW_ALLCHILDREN);
  return TRUE;
}

BOOL WINAPI GetUpdateRect(HWND hWnd, LPRECT lpRect, BOOL bErase) {
  std::shared_ptr<Window> w = WindowTable::Instance().Get(hWnd);
  if (!w) return FALSE;
  if (bErase && (w->erasePending || w->framePending)) {
    const bool unhandled = Painting::SendFrameAndErase(w, nullptr);
    if (w->IsAlive()) w->eraseUnhandled = w->eraseUnhandled || unhandled;
  }
  const Region update = w->updateRegion.Intersected(RECT{0, 0, w->ClientWidth(), w->ClientHeight()});
  if (lpRect) *lpRect = update.IsEmpty() ? RECT{0, 0, 0, 0} : update.Bounds();
  return update.IsEmpty() ? FALSE : TRUE;
}

int WINAPI GetUpdateRgn(HWND hWnd, HRGN hRgn, BOOL bErase) {
  std::shared_ptr<Window> w = WindowTable::Instance().Get(hWnd);
  if (!w) return ERROR;
  GdiRegion* target = GdiHandleTable::Instance().Get<GdiRegion>(hRgn);
  if (!target) {
    SetLastError(ERROR_INVALID_HANDLE);
    return ERROR;
  }
  if (bErase && (w->erasePending || w->framePending)) {
    const bool unhandled = Painting::SendFrameAndErase(w, nullptr);
    if (w->IsAlive()) w->eraseUnhandled = w->eraseUnhandled || unhandled;
  }
  target->Shape() = w->updateRegion.Intersected(RECT{0, 0, w->ClientWidth(), w->ClientHeight()});
  return target->Shape().Type();
}

}  // extern "C"
