#include "WindowDcs.h"

#include "DeviceContext.h"
#include "GdiHandleTable.h"
#include "GdiRegion.h"
#include "Presenter.h"
#include "ScreenSurface.h"
#include "VisibleRegion.h"
#include "WindowTable.h"

namespace {

// The region behind an HRGN argument of GetDCEx, or null when the handle is not a region
// (WM_NCPAINT's "whole frame" value 1 among them).
const Region* RegionOf(HRGN handle) {
  GdiRegion* region = GdiHandleTable::Instance().Get<GdiRegion>(handle);
  return region ? &region->Shape() : nullptr;
}

}  // namespace

std::mutex& WindowDcs::Mutex() {
  static std::mutex mutex;
  return mutex;
}

std::unordered_map<HDC, WindowDcs::Record>& WindowDcs::Records() {
  static std::unordered_map<HDC, Record> records;
  return records;
}

HDC WindowDcs::Bind(Window& window, bool wholeWindow, const Region& visibleOnScreen, bool usePrivateDc) {
  Window* top = window.TopLevel();
  const POINT topOrigin = top->WindowOriginOnScreen();
  const POINT drawOrigin = wholeWindow ? window.WindowOriginOnScreen() : window.ClientOriginOnScreen();
  const POINT origin{drawOrigin.x - topOrigin.x, drawOrigin.y - topOrigin.y};
  Region visible = visibleOnScreen;
  visible.Offset(-drawOrigin.x, -drawOrigin.y);
  HDC hdc = nullptr;
  if (usePrivateDc && window.ownDc) {
    if (DeviceContext* dc = DeviceContext::FromHandle(window.ownDc)) {
      dc->BindSurface(top->surface, origin, std::move(visible));
      hdc = window.ownDc;
    }
  }
  if (!hdc) hdc = DeviceContext::CreateOnSurface(top->surface, origin, std::move(visible));
  if (DeviceContext* dc = DeviceContext::FromHandle(hdc)) {
    dc->SetDrawnHook([topLevel = top->handle] { Presenter::MarkDrawn(topLevel); });
  }
  return hdc;
}

HDC WindowDcs::Get(HWND hwnd, HRGN clip, DWORD flags) {
  std::shared_ptr<Window> window;
  if (hwnd) {
    window = WindowTable::Instance().Get(hwnd);
    if (!window) return nullptr;
  }
  HDC hdc = nullptr;
  if (!window || window->IsRoot()) {
    hdc = DeviceContext::CreateOnSurface(ScreenSurface::Get(), POINT{0, 0}, std::nullopt);
  } else {
    const bool wholeWindow = (flags & DCX_WINDOW) != 0;
    VisibleRegion::Options options;
    if (flags & kUseStyle) {
      options = VisibleRegion::ForStyle(*window, wholeWindow);
    } else {
      options.wholeWindow = wholeWindow;
      options.clipChildren = (flags & DCX_CLIPCHILDREN) != 0;
      options.clipSiblings = (flags & DCX_CLIPSIBLINGS) != 0;
      options.parentClip = (flags & DCX_PARENTCLIP) && !window->IsTopLevel();
    }
    Region visible = VisibleRegion::Of(*window, options);
    if (const Region* extra = RegionOf(clip)) {
      if (flags & DCX_INTERSECTRGN) visible = Region::Combine(visible, *extra, RGN_AND);
      if (flags & DCX_EXCLUDERGN) visible = Region::Combine(visible, *extra, RGN_DIFF);
    }
    if (flags & DCX_INTERSECTUPDATE) {
      Region update = window->updateRegion;
      const POINT o = window->ClientOriginOnScreen();
      update.Offset(o.x, o.y);
      visible = Region::Combine(visible, update, RGN_AND);
    }
    const bool usePrivate = !wholeWindow && (window->ClassStyle() & CS_OWNDC) && !(flags & DCX_CACHE);
    hdc = Bind(*window, wholeWindow, visible, usePrivate);
    if (hdc && hdc == window->ownDc) return hdc;
  }
  const bool ownsRegion = (flags & (DCX_INTERSECTRGN | DCX_EXCLUDERGN)) && RegionOf(clip);
  std::lock_guard lock(Mutex());
  Records()[hdc] = Record{window ? window->handle : nullptr, ownsRegion ? clip : nullptr, false};
  return hdc;
}

HDC WindowDcs::ForPaint(Window& window, const Region& paintArea) {
  Region visible = VisibleRegion::Of(window, VisibleRegion::ForStyle(window, false));
  Region area = paintArea;
  const POINT o = window.ClientOriginOnScreen();
  area.Offset(o.x, o.y);
  visible = Region::Combine(visible, area, RGN_AND);
  const bool usePrivate = (window.ClassStyle() & CS_OWNDC) != 0;
  HDC hdc = Bind(window, false, visible, usePrivate);
  if (hdc == window.ownDc) {
    if (DeviceContext* dc = DeviceContext::FromHandle(hdc)) dc->SetClip(std::nullopt);
    return hdc;
  }
  std::lock_guard lock(Mutex());
  Records()[hdc] = Record{window.handle, nullptr, false};
  return hdc;
}

int WindowDcs::Release(HDC hdc) {
  Record record{};
  {
    std::lock_guard lock(Mutex());
    const auto it = Records().find(hdc);
    if (it == Records().end()) return 0;
    record = it->second;
    if (!record.isPrivate) Records().erase(it);
  }
  if (record.window) {
    if (std::shared_ptr<Window> window = WindowTable::Instance().Find(record.window)) {
      if (Window* top = window->TopLevel()) Presenter::MarkDrawn(top->handle);
    }
  }
  if (record.isPrivate) return 1;
  if (record.ownedRegion) DeleteObject(record.ownedRegion);
  DeleteDC(hdc);
  return 1;
}

HWND WindowDcs::WindowOf(HDC hdc) {
  std::lock_guard lock(Mutex());
  const auto it = Records().find(hdc);
  return it == Records().end() ? nullptr : it->second.window;
}

size_t WindowDcs::LiveCount() {
  std::lock_guard lock(Mutex());
  size_t count = 0;
  for (const auto& [hdc, record] : Records()) {
    if (!record.isPrivate) ++count;
  }
  return count;
}

void WindowDcs::CreatePrivateDc(Window& window) {
  Window* top = window.TopLevel();
  window.ownDc = DeviceContext::CreateOnSurface(top->surface, POINT{0, 0}, Region());
  std::lock_guard lock(Mutex());
  Records()[window.ownDc] = Record{window.handle, nullptr, true};
}

void WindowDcs::DestroyPrivateDc(Window& window) {
  if (!window.ownDc) return;
  {
    std::lock_guard lock(Mutex());
    Records().erase(window.ownDc);
  }
  DeleteDC(window.ownDc);
  window.ownDc = nullptr;
}
