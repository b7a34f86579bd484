// PatBlt, BitBlt, StretchBlt, and single pixels.
#include "Blitter.h"
#include "DeviceContext.h"
#include "Rop3.h"

namespace {

Blitter::Area LogicalArea(const DeviceContext& dc, int x, int y, int w, int h) {
  const POINT p = dc.ToDevice(x, y);
  return Blitter::Area{p.x, p.y, w, h};
}

bool Inside(const Region& area, const DeviceContext& dc, POINT device) {
  const POINT origin = dc.SurfaceOrigin();
  return area.Contains(device.x + origin.x, device.y + origin.y);
}

}  // namespace

extern "C" {

BOOL WINAPI PatBlt(HDC hdc, int x, int y, int w, int h, DWORD rop) {
  DeviceContext* dc = DeviceContext::FromHandle(hdc);
  if (!dc) return FALSE;
  const uint8_t index = rop3::IndexOf(rop);
  if (rop3::UsesSource(index)) {
    SetLastError(ERROR_INVALID_PARAMETER);
    return FALSE;
  }
  return Blitter::Blit(*dc, LogicalArea(*dc, x, y, w, h), nullptr, Blitter::Area{0, 0, 0, 0}, rop) ? TRUE : FALSE;
}

BOOL WINAPI BitBlt(HDC hdc, int x, int y, int cx, int cy, HDC hdcSrc, int x1, int y1, DWORD rop) {
  return StretchBlt(hdc, x, y, cx, cy, hdcSrc, x1, y1, cx, cy, rop);
}

BOOL WINAPI StretchBlt(HDC hdcDest, int xDest, int yDest, int wDest, int hDest, HDC hdcSrc, int xSrc, int ySrc,
                       int wSrc, int hSrc, DWORD rop) {
  DeviceContext* destination = DeviceContext::FromHandle(hdcDest);
  if (!destination) return FALSE;
  DeviceContext* source = nullptr;
  if (rop3::UsesSource(rop3::IndexOf(rop))) {
    source = DeviceContext::FromHandle(hdcSrc);
    if (!source) return FALSE;
  }
  const Blitter::Area to = LogicalArea(*destination, xDest, yDest, wDest, hDest);
  const Blitter::Area from = source ? LogicalArea(*source, xSrc, ySrc, wSrc, hSrc) : Blitter::Area{0, 0, 0, 0};
  return Blitter::Blit(*destination, to, source, from, rop) ? TRUE : FALSE;
}

// Pixels outside the clip region or the surface are refused with CLR_INVALID.
COLORREF WINAPI SetPixel(HDC hdc, int x, int y, COLORREF color) {
  DeviceContext* dc = DeviceContext::FromHandle(hdc);
  if (!dc) return CLR_INVALID;
  const POINT device = dc->ToDevice(x, y);
  if (!Inside(dc->DrawingArea(), *dc, device)) return CLR_INVALID;
  const POINT origin = dc->SurfaceOrigin();
  PixelSurface& surface = dc->Surface();
  const uint32_t pixel = dc->PixelFromColor(color);
  surface.WritePixel(device.x + origin.x, device.y + origin.y, pixel);
  return surface.ColorFromPixel(pixel);
}

BOOL WINAPI SetPixelV(HDC hdc, int x, int y, COLORREF color) {
  return SetPixel(hdc, x, y, color) != CLR_INVALID ? TRUE : FALSE;
}

COLORREF WINAPI GetPixel(HDC hdc, int x, int y) {
  DeviceContext* dc = DeviceContext::FromHandle(hdc);
  if (!dc) return CLR_INVALID;
  const POINT device = dc->ToDevice(x, y);
  if (!Inside(dc->Drawable(), *dc, device)) return CLR_INVALID;
  const POINT origin = dc->SurfaceOrigin();
  const PixelSurface& surface = dc->Surface();
  return surface.ColorFromPixel(surface.ReadPixel(device.x + origin.x, device.y + origin.y));
}

}  // extern "C"
