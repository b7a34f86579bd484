// Device contexts: creation, saved states, attributes, coordinate origins and capabilities.
#include "DeviceContext.h"
#include "DisplayMode.h"
#include "GdiHandleTable.h"

namespace {

template <typename T, typename Getter>
T Query(HDC hdc, T failure, Getter get) {
  const DeviceContext* dc = DeviceContext::FromHandle(hdc);
  return dc ? get(dc->State()) : failure;
}

// Replaces one state attribute, returning the old value (or `failure` for a bad DC/value).
template <typename T, typename Member>
T Exchange(HDC hdc, Member member, T value, T failure) {
  DeviceContext* dc = DeviceContext::FromHandle(hdc);
  if (!dc) return failure;
  T previous = dc->State().*member;
  dc->State().*member = value;
  return previous;
}

template <typename Member>
int ExchangeMode(HDC hdc, Member member, int value, int low, int high) {
  if (value < low || value > high) {
    SetLastError(ERROR_INVALID_PARAMETER);
    return 0;
  }
  return Exchange(hdc, member, value, 0);
}

BOOL SetOrigin(HDC hdc, POINT DcState::*member, int x, int y, LPPOINT previous, bool relative) {
  DeviceContext* dc = DeviceContext::FromHandle(hdc);
  if (!dc) return FALSE;
  POINT& origin = dc->State().*member;
  if (previous) *previous = origin;
  origin = relative ? POINT{origin.x + x, origin.y + y} : POINT{x, y};
  return TRUE;
}

BOOL GetPoint(HDC hdc, POINT DcState::*member, LPPOINT out) {
  const DeviceContext* dc = DeviceContext::FromHandle(hdc);
  if (!dc || !out) return FALSE;
  *out = dc->State().*member;
  return TRUE;
}

}  // namespace

extern "C" {

HDC WINAPI CreateCompatibleDC(HDC hdc) {
  if (hdc && !DeviceContext::FromHandle(hdc)) return nullptr;
  auto owned = std::make_unique<DeviceContext>(DeviceContext::Kind::Memory);
  DeviceContext* dc = owned.get();
  HDC handle = static_cast<HDC>(GdiHandleTable::Instance().Add(std::move(owned)));
  dc->SetHandle(handle);
  dc->SelectDefaults();
  return handle;
}

BOOL WINAPI DeleteDC(HDC hdc) {
  if (!DeviceContext::FromHandle(hdc)) return FALSE;
  return GdiHandleTable::Instance().Remove(hdc) ? TRUE : FALSE;
}

int WINAPI SaveDC(HDC hdc) {
  DeviceContext* dc = DeviceContext::FromHandle(hdc);
  return dc ? dc->Save() : 0;
}

BOOL WINAPI RestoreDC(HDC hdc, int nSavedDC) {
  DeviceContext* dc = DeviceContext::FromHandle(hdc);
  if (!dc) return FALSE;
  if (!dc->Restore(nSavedDC)) {
    SetLastError(ERROR_INVALID_PARAMETER);
    return FALSE;
  }
  return TRUE;
}

COLORREF WINAPI SetBkColor(HDC hdc, COLORREF color) {
  return Exchange(hdc, &DcState::backgroundColor, color, CLR_INVALID);
}
COLORREF WINAPI GetBkColor(HDC hdc) {
  return Query(hdc, CLR_INVALID, [](const DcState& s) { return s.backgroundColor; });
}
int WINAPI SetBkMode(HDC hdc, int mode) { return ExchangeMode(hdc, &DcState::backgroundMode, mode, TRANSPARENT, OPAQUE); }
int WINAPI GetBkMode(HDC hdc) { return Query(hdc, 0, [](const DcState& s) { return s.backgroundMode; }); }
COLORREF WINAPI SetTextColor(HDC hdc, COLORREF color) {
  return Exchange(hdc, &DcState::textColor, color, CLR_INVALID);
}
COLORREF WINAPI GetTextColor(HDC hdc) {
  return Query(hdc, CLR_INVALID, [](const DcState& s) { return s.textColor; });
}
int WINAPI SetROP2(HDC hdc, int rop2) { return ExchangeMode(hdc, &DcState::rop2, rop2, R2_BLACK, R2_WHITE); }
int WINAPI GetROP2(HDC hdc) { return Query(hdc, 0, [](const DcState& s) { return s.rop2; }); }
int WINAPI SetStretchBltMode(HDC hdc, int mode) {
  return ExchangeMode(hdc, &DcState::stretchMode, mode, BLACKONWHITE, HALFTONE);
}
int WINAPI GetStretchBltMode(HDC hdc) { return Query(hdc, 0, [](const DcState& s) { return s.stretchMode; }); }
int WINAPI SetPolyFillMode(HDC hdc, int mode) { return ExchangeMode(hdc, &DcState::polyFillMode, mode, ALTERNATE, WINDING); }
int WINAPI GetPolyFillMode(HDC hdc) { return Query(hdc, 0, [](const DcState& s) { return s.polyFillMode; }); }
int WINAPI SetArcDirection(HDC hdc, int dir) {
  return ExchangeMode(hdc, &DcState::arcDirection, dir, AD_COUNTERCLOCKWISE, AD_CLOCKWISE);
}
int WINAPI GetArcDirection(HDC hdc) { return Query(hdc, 0, [](const DcState& s) { return s.arcDirection; }); }
int WINAPI GetMapMode(HDC hdc) { return Query(hdc, 0, [](const DcState&) { return MM_TEXT; }); }
int WINAPI GetGraphicsMode(HDC hdc) { return Query(hdc, 0, [](const DcState&) { return GM_COMPATIBLE; }); }
COLORREF WINAPI SetDCBrushColor(HDC hdc, COLORREF color) {
  return Exchange(hdc, &DcState::dcBrushColor, color, CLR_INVALID);
}
COLORREF WINAPI SetDCPenColor(HDC hdc, COLORREF color) { return Exchange(hdc, &DcState::dcPenColor, color, CLR_INVALID); }
COLORREF WINAPI GetDCBrushColor(HDC hdc) {
  return Query(hdc, CLR_INVALID, [](const DcState& s) { return s.dcBrushColor; });
}
COLORREF WINAPI GetDCPenColor(HDC hdc) {
  return Query(hdc, CLR_INVALID, [](const DcState& s) { return s.dcPenColor; });
}

BOOL WINAPI SetBrushOrgEx(HDC hdc, int x, int y, LPPOINT lppt) {
  return SetOrigin(hdc, &DcState::brushOrigin, x, y, lppt, false);
}
BOOL WINAPI GetBrushOrgEx(HDC hdc, LPPOINT lppt) { return GetPoint(hdc, &DcState::brushOrigin, lppt); }
BOOL WINAPI SetViewportOrgEx(HDC hdc, int x, int y, LPPOINT lppt) {
  return SetOrigin(hdc, &DcState::viewportOrigin, x, y, lppt, false);
}
BOOL WINAPI GetViewportOrgEx(HDC hdc, LPPOINT lppoint) { return GetPoint(hdc, &DcState::viewportOrigin, lppoint); }
BOOL WINAPI OffsetViewportOrgEx(HDC hdc, int x, int y, LPPOINT lppt) {
  return SetOrigin(hdc, &DcState::viewportOrigin, x, y, lppt, true);
}
BOOL WINAPI SetWindowOrgEx(HDC hdc, int x, int y, LPPOINT lppt) {
  return SetOrigin(hdc, &DcState::windowOrigin, x, y, lppt, false);
}
BOOL WINAPI GetWindowOrgEx(HDC hdc, LPPOINT lppoint) { return GetPoint(hdc, &DcState::windowOrigin, lppoint); }
BOOL WINAPI OffsetWindowOrgEx(HDC hdc, int x, int y, LPPOINT lppt) {
  return SetOrigin(hdc, &DcState::windowOrigin, x, y, lppt, true);
}
BOOL WINAPI GetCurrentPositionEx(HDC hdc, LPPOINT lppt) { return GetPoint(hdc, &DcState::currentPosition, lppt); }

BOOL WINAPI LPtoDP(HDC hdc, LPPOINT lppt, int c) {
  const DeviceContext* dc = DeviceContext::FromHandle(hdc);
  if (!dc || (c > 0 && !lppt)) return FALSE;
  for (int i = 0; i < c; ++i) lppt[i] = dc->ToDevice(lppt[i].x, lppt[i].y);
  return TRUE;
}

BOOL WINAPI DPtoLP(HDC hdc, LPPOINT lppt, int c) {
  const DeviceContext* dc = DeviceContext::FromHandle(hdc);
  if (!dc || (c > 0 && !lppt)) return FALSE;
  for (int i = 0; i < c; ++i) lppt[i] = dc->ToLogical(lppt[i].x, lppt[i].y);
  return TRUE;
}

// Memory DCs report the display's values, as on Windows.
int WINAPI GetDeviceCaps(HDC hdc, int index) {
  if (!DeviceContext::FromHandle(hdc)) return 0;
  const DisplayMode mode = DisplayMode::Current();
  switch (index) {
    case DRIVERVERSION:
      return 0x4000;
    case TECHNOLOGY:
      return DT_RASDISPLAY;
    case HORZSIZE:
      return mode.width * 254 / 960;  // millimetres at 96 DPI
    case VERTSIZE:
      return mode.height * 254 / 960;
    case HORZRES:
    case DESKTOPHORZRES:
      return mode.width;
    case VERTRES:
    case DESKTOPVERTRES:
      return mode.height;
    case BITSPIXEL:
      return mode.bitsPerPixel;
    case PLANES:
      return 1;
    case NUMCOLORS:
      return -1;
    case RASTERCAPS:
      return RC_BITBLT | RC_BITMAP64 | RC_DI_BITMAP | RC_DIBTODEV | RC_BIGFONT | RC_STRETCHBLT | RC_FLOODFILL |
             RC_STRETCHDIB;
    case ASPECTX:
    case ASPECTY:
      return 36;
    case ASPECTXY:
      return 51;
    case LOGPIXELSX:
    case LOGPIXELSY:
      return 96;
    case SIZEPALETTE:
    case NUMRESERVED:
      return 0;
    case COLORRES:
      return 24;
    case VREFRESH:
      return 60;
    default:
      return 0;
  }
}

COLORREF WINAPI GetNearestColor(HDC hdc, COLORREF color) {
  const DeviceContext* dc = DeviceContext::FromHandle(hdc);
  if (!dc) return CLR_INVALID;
  const PixelSurface& surface = dc->Surface();
  const COLORREF rgb = dc->ResolveColor(color);
  return surface.ColorFromPixel(surface.PixelFromColor(rgb));
}

BOOL WINAPI GdiFlush(void) { return TRUE; }

}  // extern "C"
