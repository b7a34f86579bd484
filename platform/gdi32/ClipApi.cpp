// Clip regions of DCs, and painting with region objects. Clip regions are kept in device
// coordinates, so later origin changes do not move them.
#include "DeviceContext.h"
#include "GdiHandleTable.h"
#include "GdiRegion.h"
#include "Painter.h"
#include "RealizedBrush.h"
#include "Rop3.h"

namespace {

GdiRegion* RegionFrom(HRGN handle) {
  auto* region = GdiHandleTable::Instance().Get<GdiRegion>(handle);
  if (!region) SetLastError(ERROR_INVALID_HANDLE);
  return region;
}

int ClipType(DeviceContext& dc) {
  Region visible = dc.VisibleArea();
  if (dc.State().clip) visible = Region::Combine(visible, *dc.State().clip, RGN_AND);
  return visible.Type();
}

// Combines a device-space region with the current clip (the whole surface when none).
int CombineClip(DeviceContext& dc, const Region& region, int mode) {
  const Region current = dc.State().clip ? *dc.State().clip : dc.VisibleArea();
  dc.SetClip(Region::Combine(current, region, mode));
  return ClipType(dc);
}

RECT DeviceRect(const DeviceContext& dc, int left, int top, int right, int bottom) {
  const POINT a = dc.ToDevice(left, top);
  const POINT b = dc.ToDevice(right, bottom);
  return RECT{std::min(a.x, b.x), std::min(a.y, b.y), std::max(a.x, b.x), std::max(a.y, b.y)};
}

// A region object's shape moved from logical to device coordinates.
Region DeviceRegion(const DeviceContext& dc, const Region& logical) {
  Region region = logical;
  const POINT origin = dc.ToDevice(0, 0);
  region.Offset(origin.x, origin.y);
  return region;
}

BOOL PaintRegion(HDC hdc, HRGN hrgn, HBRUSH brushHandle, uint8_t rop, bool useSelectedBrush) {
  DeviceContext* dc = DeviceContext::FromHandle(hdc);
  GdiRegion* region = RegionFrom(hrgn);
  if (!dc || !region) return FALSE;
  const RealizedBrush brush = RealizedBrush::FromHandle(*dc, useSelectedBrush ? dc->State().brush : brushHandle);
  Painter(*dc).FillRegion(DeviceRegion(*dc, region->Shape()), brush, rop);
  return TRUE;
}

}  // namespace

extern "C" {

int WINAPI ExtSelectClipRgn(HDC hdc, HRGN hrgn, int mode) {
  DeviceContext* dc = DeviceContext::FromHandle(hdc);
  if (!dc) return ERROR;
  if (!hrgn) {
    if (mode != RGN_COPY) {
      SetLastError(ERROR_INVALID_PARAMETER);
      return ERROR;
    }
    dc->SetClip(std::nullopt);
    return SIMPLEREGION;
  }
  GdiRegion* region = RegionFrom(hrgn);
  if (!region || mode < RGN_AND || mode > RGN_COPY) return ERROR;
  if (mode == RGN_COPY) {
    dc->SetClip(region->Shape());
    return ClipType(*dc);
  }
  return CombineClip(*dc, region->Shape(), mode);
}

int WINAPI SelectClipRgn(HDC hdc, HRGN hrgn) { return ExtSelectClipRgn(hdc, hrgn, RGN_COPY); }

int WINAPI IntersectClipRect(HDC hdc, int left, int top, int right, int bottom) {
  DeviceContext* dc = DeviceContext::FromHandle(hdc);
  if (!dc) return ERROR;
  const Region rect = Region::FromRect(DeviceRect(*dc, left, top, right, bottom));
  if (!dc->State().clip) {
    dc->SetClip(rect);
    return ClipType(*dc);
  }
  return CombineClip(*dc, rect, RGN_AND);
}

int WINAPI ExcludeClipRect(HDC hdc, int left, int top, int right, int bottom) {
  DeviceContext* dc = DeviceContext::FromHandle(hdc);
  if (!dc) return ERROR;
  return CombineClip(*dc, Region::FromRect(DeviceRect(*dc, left, top, right, bottom)), RGN_DIFF);
}

int WINAPI OffsetClipRgn(HDC hdc, int x, int y) {
  DeviceContext* dc = DeviceContext::FromHandle(hdc);
  if (!dc) return ERROR;
  if (dc->State().clip) {
    Region moved = *dc->State().clip;
    moved.Offset(x, y);
    dc->SetClip(std::move(moved));
  }
  return ClipType(*dc);
}

int WINAPI GetClipBox(HDC hdc, LPRECT lprect) {
  DeviceContext* dc = DeviceContext::FromHandle(hdc);
  if (!dc || !lprect) return ERROR;
  Region visible = dc->VisibleArea();
  if (dc->State().clip) visible = Region::Combine(visible, *dc->State().clip, RGN_AND);
  RECT box = visible.Bounds();
  if (!visible.IsEmpty()) {
    const POINT a = dc->ToLogical(box.left, box.top);
    const POINT b = dc->ToLogical(box.right, box.bottom);
    box = {a.x, a.y, b.x, b.y};
  }
  *lprect = box;
  return visible.Type();
}

int WINAPI GetClipRgn(HDC hdc, HRGN hrgn) {
  DeviceContext* dc = DeviceContext::FromHandle(hdc);
  GdiRegion* region = RegionFrom(hrgn);
  if (!dc || !region) return -1;
  if (!dc->State().clip) return 0;
  region->Shape() = *dc->State().clip;
  return 1;
}

BOOL WINAPI PtVisible(HDC hdc, int x, int y) {
  DeviceContext* dc = DeviceContext::FromHandle(hdc);
  if (!dc) return -1;
  const POINT p = dc->ToDevice(x, y);
  const POINT origin = dc->SurfaceOrigin();
  return dc->Drawable().Contains(p.x + origin.x, p.y + origin.y) ? TRUE : FALSE;
}

BOOL WINAPI RectVisible(HDC hdc, const RECT* lprect) {
  DeviceContext* dc = DeviceContext::FromHandle(hdc);
  if (!dc || !lprect) return FALSE;
  const RECT r = DeviceRect(*dc, lprect->left, lprect->top, lprect->right, lprect->bottom);
  const POINT o = dc->SurfaceOrigin();
  return dc->Drawable().Intersects(RECT{r.left + o.x, r.top + o.y, r.right + o.x, r.bottom + o.y}) ? TRUE : FALSE;
}

BOOL WINAPI FillRgn(HDC hdc, HRGN hrgn, HBRUSH hbr) { return PaintRegion(hdc, hrgn, hbr, rop3::IndexOf(PATCOPY), false); }

BOOL WINAPI PaintRgn(HDC hdc, HRGN hrgn) {
  DeviceContext* dc = DeviceContext::FromHandle(hdc);
  if (!dc) return FALSE;
  return PaintRegion(hdc, hrgn, nullptr, rop3::FromRop2(dc->State().rop2), true);
}

BOOL WINAPI InvertRgn(HDC hdc, HRGN hrgn) { return PaintRegion(hdc, hrgn, nullptr, rop3::IndexOf(DSTINVERT), true); }

// The frame is the region minus itself shrunk by w horizontally and h vertically.
BOOL WINAPI FrameRgn(HDC hdc, HRGN hrgn, HBRUSH hbr, int w, int h) {
  DeviceContext* dc = DeviceContext::FromHandle(hdc);
  GdiRegion* region = RegionFrom(hrgn);
  if (!dc || !region || w <= 0 || h <= 0) return FALSE;
  const Region& shape = region->Shape();
  // The frame is what the region loses when it is shifted w left and right and h up and down
  // and only what all four shifts cover is kept.
  Region inner = shape;
  for (const auto [dx, dy] : {std::pair{-w, 0}, std::pair{w, 0}, std::pair{0, -h}, std::pair{0, h}}) {
    Region moved = shape;
    moved.Offset(dx, dy);
    inner = Region::Combine(inner, moved, RGN_AND);
  }
  const Region frame = Region::Combine(shape, inner, RGN_DIFF);
  const RealizedBrush brush = RealizedBrush::FromHandle(*dc, hbr);
  Painter(*dc).FillRegion(DeviceRegion(*dc, frame), brush, rop3::IndexOf(PATCOPY));
  return TRUE;
}

}  // extern "C"
