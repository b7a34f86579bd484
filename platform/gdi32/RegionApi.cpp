// Region objects and their operations.
#include "GdiHandleTable.h"
#include "GdiRegion.h"
#include "RegionShapes.h"

#include <algorithm>

namespace {

GdiRegion* RegionFrom(HRGN handle) {
  auto* region = GdiHandleTable::Instance().Get<GdiRegion>(handle);
  if (!region) SetLastError(ERROR_INVALID_HANDLE);
  return region;
}

HRGN Publish(Region region) {
  return static_cast<HRGN>(GdiHandleTable::Instance().Add(std::make_unique<GdiRegion>(std::move(region))));
}

RECT Normalized(int x1, int y1, int x2, int y2) {
  return RECT{std::min(x1, x2), std::min(y1, y2), std::max(x1, x2), std::max(y1, y2)};
}

}  // namespace

extern "C" {

HRGN WINAPI CreateRectRgn(int x1, int y1, int x2, int y2) { return Publish(Region::FromRect(Normalized(x1, y1, x2, y2))); }

HRGN WINAPI CreateRectRgnIndirect(const RECT* lprect) {
  if (!lprect) {
    SetLastError(ERROR_INVALID_PARAMETER);
    return nullptr;
  }
  return CreateRectRgn(lprect->left, lprect->top, lprect->right, lprect->bottom);
}

HRGN WINAPI CreateRoundRectRgn(int x1, int y1, int x2, int y2, int w, int h) {
  const RECT r = Normalized(x1, y1, x2, y2);
  const int64_t cornerWidth = std::min<int64_t>(std::llabs(w), int64_t{r.right} - r.left);
  const int64_t cornerHeight = std::min<int64_t>(std::llabs(h), int64_t{r.bottom} - r.top);
  if (cornerWidth > RegionShapes::kMaxCurveExtent || cornerHeight > RegionShapes::kMaxCurveExtent) {
    SetLastError(ERROR_INVALID_PARAMETER);
    return nullptr;
  }
  return Publish(RegionShapes::RoundRect(r, static_cast<int>(cornerWidth), static_cast<int>(cornerHeight)));
}

HRGN WINAPI CreateEllipticRgn(int x1, int y1, int x2, int y2) {
  const RECT r = Normalized(x1, y1, x2, y2);
  const int64_t width = int64_t{r.right} - r.left;
  const int64_t height = int64_t{r.bottom} - r.top;
  if (width > RegionShapes::kMaxCurveExtent || height > RegionShapes::kMaxCurveExtent) {
    SetLastError(ERROR_INVALID_PARAMETER);
    return nullptr;
  }
  return Publish(RegionShapes::RoundRect(r, static_cast<int>(width), static_cast<int>(height)));
}

HRGN WINAPI CreateEllipticRgnIndirect(const RECT* lprect) {
  if (!lprect) {
    SetLastError(ERROR_INVALID_PARAMETER);
    return nullptr;
  }
  return CreateEllipticRgn(lprect->left, lprect->top, lprect->right, lprect->bottom);
}

HRGN WINAPI CreatePolyPolygonRgn(const POINT* pptl, const INT* pc, int cPoly, int iMode) {
  if (!pptl || !pc || cPoly <= 0 || (iMode != ALTERNATE && iMode != WINDING)) {
    SetLastError(ERROR_INVALID_PARAMETER);
    return nullptr;
  }
  std::vector<std::vector<POINT>> polygons;
  const POINT* next = pptl;
  for (int i = 0; i < cPoly; ++i) {
    if (pc[i] < 2) {
      SetLastError(ERROR_INVALID_PARAMETER);
      return nullptr;
    }
    polygons.emplace_back(next, next + pc[i]);
    next += pc[i];
  }
  std::optional<Region> region = RegionShapes::Polygons(polygons, iMode);
  if (!region) {
    SetLastError(ERROR_NOT_ENOUGH_MEMORY);
    return nullptr;
  }
  return Publish(std::move(*region));
}

HRGN WINAPI CreatePolygonRgn(const POINT* pptl, int cPoint, int iMode) {
  return CreatePolyPolygonRgn(pptl, &cPoint, 1, iMode);
}

int WINAPI CombineRgn(HRGN hrgnDst, HRGN hrgnSrc1, HRGN hrgnSrc2, int iMode) {
  GdiRegion* destination = RegionFrom(hrgnDst);
  GdiRegion* first = RegionFrom(hrgnSrc1);
  if (!destination || !first || iMode < RGN_AND || iMode > RGN_COPY) return ERROR;
  if (iMode == RGN_COPY) {
    destination->Shape() = first->Shape();
    return destination->Shape().Type();
  }
  GdiRegion* second = RegionFrom(hrgnSrc2);
  if (!second) return ERROR;
  destination->Shape() = Region::Combine(first->Shape(), second->Shape(), iMode);
  return destination->Shape().Type();
}

int WINAPI OffsetRgn(HRGN hrgn, int x, int y) {
  GdiRegion* region = RegionFrom(hrgn);
  if (!region) return ERROR;
  region->Shape().Offset(x, y);
  return region->Shape().Type();
}

BOOL WINAPI PtInRegion(HRGN hrgn, int x, int y) {
  const GdiRegion* region = RegionFrom(hrgn);
  return region && region->Shape().Contains(x, y) ? TRUE : FALSE;
}

BOOL WINAPI RectInRegion(HRGN hrgn, const RECT* lprect) {
  const GdiRegion* region = RegionFrom(hrgn);
  if (!region || !lprect) return FALSE;
  return region->Shape().Intersects(Normalized(lprect->left, lprect->top, lprect->right, lprect->bottom)) ? TRUE : FALSE;
}

int WINAPI GetRgnBox(HRGN hrgn, LPRECT lprc) {
  const GdiRegion* region = RegionFrom(hrgn);
  if (!region || !lprc) return ERROR;
  *lprc = region->Shape().Bounds();
  return region->Shape().Type();
}

BOOL WINAPI EqualRgn(HRGN hrgn1, HRGN hrgn2) {
  const GdiRegion* a = RegionFrom(hrgn1);
  const GdiRegion* b = RegionFrom(hrgn2);
  if (!a || !b) return ERROR;
  return a->Shape() == b->Shape() ? TRUE : FALSE;
}

BOOL WINAPI SetRectRgn(HRGN hrgn, int left, int top, int right, int bottom) {
  GdiRegion* region = RegionFrom(hrgn);
  if (!region) return FALSE;
  region->Shape() = Region::FromRect(Normalized(left, top, right, bottom));
  return TRUE;
}

}  // extern "C"
