// Object creation, selection, inspection and deletion.
#include "DeviceContext.h"
#include "DibInfo.h"
#include "GdiBitmap.h"
#include "GdiBrush.h"
#include "GdiFont.h"
#include "GdiHandleTable.h"
#include "GdiPalette.h"
#include "GdiPen.h"
#include "StockObjects.h"

#include <cstring>

namespace {

GdiHandleTable& Table() { return GdiHandleTable::Instance(); }

template <typename T>
HGDIOBJ Publish(std::unique_ptr<T> object) {
  return Table().Add(std::move(object));
}

// Copies `size` bytes of `value` into the caller's buffer as GetObject does.
int CopyOut(const void* value, int size, int capacity, void* out) {
  if (!out) return size;
  if (capacity < size) {
    if (capacity <= 0) return 0;
    size = capacity;
  }
  std::memcpy(out, value, size);
  return size;
}

bool ValidHatch(int hatch) { return hatch >= HS_HORIZONTAL && hatch <= HS_DIAGCROSS; }

}  // namespace

extern "C" {

HGDIOBJ WINAPI GetStockObject(int i) { return StockObject(i); }

HPEN WINAPI CreatePen(int iStyle, int cWidth, COLORREF color) {
  const int style = iStyle & PS_STYLE_MASK;
  if (style > PS_INSIDEFRAME) {
    SetLastError(ERROR_INVALID_PARAMETER);
    return nullptr;
  }
  if (cWidth < 0) cWidth = 0;
  return static_cast<HPEN>(Publish(std::make_unique<GdiPen>(style, cWidth, color, false)));
}

HPEN WINAPI CreatePenIndirect(const LOGPEN* plpen) {
  if (!plpen) {
    SetLastError(ERROR_INVALID_PARAMETER);
    return nullptr;
  }
  return CreatePen(static_cast<int>(plpen->lopnStyle), plpen->lopnWidth.x, plpen->lopnColor);
}

HPEN WINAPI ExtCreatePen(DWORD iPenStyle, DWORD cWidth, const LOGBRUSH* plbrush, DWORD cStyle, const DWORD* pstyle) {
  const DWORD style = iPenStyle & PS_STYLE_MASK;
  const bool geometric = (iPenStyle & PS_TYPE_MASK) == PS_GEOMETRIC;
  if (!plbrush || (cStyle != 0 && !pstyle) || style == PS_USERSTYLE || style > PS_ALTERNATE ||
      (!geometric && cWidth != 1) || (style == PS_ALTERNATE && geometric) || cWidth > 0x7FFFFFFF) {
    SetLastError(ERROR_INVALID_PARAMETER);
    return nullptr;
  }
  if (plbrush->lbStyle != BS_SOLID && plbrush->lbStyle != BS_NULL) {
    SetLastError(ERROR_INVALID_PARAMETER);  // only solid geometric pens are drawn
    return nullptr;
  }
  const UINT effective = plbrush->lbStyle == BS_NULL ? PS_NULL : iPenStyle;
  return static_cast<HPEN>(Publish(std::make_unique<GdiPen>(effective, static_cast<int>(cWidth), plbrush->lbColor, true)));
}

HBRUSH WINAPI CreateSolidBrush(COLORREF color) {
  return static_cast<HBRUSH>(Publish(std::make_unique<GdiBrush>(BS_SOLID, color, 0)));
}

HBRUSH WINAPI CreateHatchBrush(int iHatch, COLORREF color) {
  if (!ValidHatch(iHatch)) {
    SetLastError(ERROR_INVALID_PARAMETER);
    return nullptr;
  }
  return static_cast<HBRUSH>(Publish(std::make_unique<GdiBrush>(BS_HATCHED, color, iHatch)));
}

HBRUSH WINAPI CreatePatternBrush(HBITMAP hbm) {
  const auto* bitmap = Table().Get<GdiBitmap>(hbm);
  if (!bitmap) {
    SetLastError(ERROR_INVALID_HANDLE);
    return nullptr;
  }
  std::shared_ptr<PixelSurface> pattern = bitmap->Surface()->Clone();  // later edits of the bitmap do not matter
  if (!pattern) {
    SetLastError(ERROR_NOT_ENOUGH_MEMORY);
    return nullptr;
  }
  auto brush = std::make_unique<GdiBrush>(BS_PATTERN, 0, reinterpret_cast<ULONG_PTR>(hbm));
  brush->SetPattern(std::move(pattern));
  return static_cast<HBRUSH>(Publish(std::move(brush)));
}

HBRUSH WINAPI CreateDIBPatternBrushPt(const void* lpPackedDIB, UINT iUsage) {
  const auto* info = static_cast<const BITMAPINFO*>(lpPackedDIB);
  const std::optional<DibInfo> dib = DibInfo::Parse(info, SIZE_MAX, iUsage, {});
  if (!dib || dib->Compression() != BI_RGB) {
    SetLastError(ERROR_INVALID_PARAMETER);
    return nullptr;
  }
  auto surface = dib->Decode(static_cast<const uint8_t*>(lpPackedDIB) + dib->HeaderBytes(), dib->ImageSize());
  if (!surface) {
    SetLastError(ERROR_INVALID_PARAMETER);
    return nullptr;
  }
  auto brush = std::make_unique<GdiBrush>(BS_DIBPATTERNPT, iUsage, reinterpret_cast<ULONG_PTR>(lpPackedDIB));
  brush->SetPattern(std::move(surface));
  return static_cast<HBRUSH>(Publish(std::move(brush)));
}

HBRUSH WINAPI CreateBrushIndirect(const LOGBRUSH* plbrush) {
  if (!plbrush) {
    SetLastError(ERROR_INVALID_PARAMETER);
    return nullptr;
  }
  switch (plbrush->lbStyle) {
    case BS_SOLID:
      return CreateSolidBrush(plbrush->lbColor);
    case BS_NULL:
      return static_cast<HBRUSH>(GetStockObject(NULL_BRUSH));
    case BS_HATCHED:
      return CreateHatchBrush(static_cast<int>(plbrush->lbHatch), plbrush->lbColor);
    case BS_PATTERN:
      return CreatePatternBrush(reinterpret_cast<HBITMAP>(plbrush->lbHatch));
    case BS_DIBPATTERNPT:
      return CreateDIBPatternBrushPt(reinterpret_cast<const void*>(plbrush->lbHatch), plbrush->lbColor);
    default:
      SetLastError(ERROR_INVALID_PARAMETER);
      return nullptr;
  }
}

BOOL WINAPI DeleteObject(HGDIOBJ ho) {
  GdiObject* object = Table().Find(ho);
  if (!object) return FALSE;
  if (object->IsStock()) return TRUE;
  if (object->Type() == OBJ_DC || object->Type() == OBJ_MEMDC) {
    SetLastError(ERROR_INVALID_HANDLE);
    return FALSE;
  }
  if (object->SelectionCount() > 0) {
    object->MarkDeletePending();
    return TRUE;
  }
  return Table().Remove(ho) ? TRUE : FALSE;
}

DWORD WINAPI GetObjectType(HGDIOBJ h) {
  const GdiObject* object = Table().Find(h);
  return object ? object->Type() : 0;
}

int WINAPI GetObjectA(HANDLE h, int c, LPVOID pv) {
  GdiObject* object = Table().Find(h);
  if (!object) return 0;
  switch (object->Type()) {
    case OBJ_PEN:
    case OBJ_EXTPEN: {
      const auto* pen = static_cast<GdiPen*>(object);
      const LOGPEN value{pen->Style(), POINT{pen->Width(), 0}, pen->Color()};
      return CopyOut(&value, sizeof(value), c, pv);
    }
    case OBJ_BRUSH: {
      const auto* brush = static_cast<GdiBrush*>(object);
      const LOGBRUSH value{brush->Style(), brush->Color(), brush->Hatch()};
      return CopyOut(&value, sizeof(value), c, pv);
    }
    case OBJ_FONT: {
      const auto* font = static_cast<GdiFont*>(object);
      return CopyOut(&font->LogFont(), sizeof(LOGFONTA), c, pv);
    }
    case OBJ_PAL: {
      const WORD count = static_cast<WORD>(static_cast<GdiPalette*>(object)->Entries().size());
      return CopyOut(&count, sizeof(count), c, pv);
    }
    case OBJ_BITMAP: {
      auto* bitmap = static_cast<GdiBitmap*>(object);
      PixelSurface& surface = *bitmap->Surface();
      BITMAP bm{0, surface.Width(), surface.Height(), surface.Stride(), 1, static_cast<WORD>(surface.BitsPerPixel()),
                bitmap->IsDibSection() ? surface.Bits() : nullptr};
      if (bitmap->IsDibSection() && pv && c >= static_cast<int>(sizeof(DIBSECTION))) {
        DIBSECTION ds{};
        ds.dsBm = bm;
        ds.dsBmih.biSize = sizeof(BITMAPINFOHEADER);
        ds.dsBmih.biWidth = surface.Width();
        ds.dsBmih.biHeight = surface.GetFormat().bottomUp ? surface.Height() : -surface.Height();
        ds.dsBmih.biPlanes = 1;
        ds.dsBmih.biBitCount = static_cast<WORD>(surface.BitsPerPixel());
        ds.dsBmih.biSizeImage = static_cast<DWORD>(surface.SizeInBytes());
        ds.dsBmih.biClrUsed = static_cast<DWORD>(surface.GetFormat().colorTable.size());
        if (surface.HasCustomMasks()) ds.dsBmih.biCompression = BI_BITFIELDS;
        if (surface.BitsPerPixel() == 16 || surface.BitsPerPixel() == 32) {
          ds.dsBitfields[0] = surface.GetFormat().redMask;
          ds.dsBitfields[1] = surface.GetFormat().greenMask;
          ds.dsBitfields[2] = surface.GetFormat().blueMask;
        }
        return CopyOut(&ds, sizeof(ds), c, pv);
      }
      return CopyOut(&bm, sizeof(bm), c, pv);
    }
    default:
      SetLastError(ERROR_INVALID_HANDLE);
      return 0;
  }
}

HGDIOBJ WINAPI SelectObject(HDC hdc, HGDIOBJ h) {
  auto* dc = Table().Get<DeviceContext>(hdc);
  if (!dc) {
    SetLastError(ERROR_INVALID_HANDLE);
    return nullptr;
  }
  if (GetObjectType(h) == OBJ_REGION) {
    const int type = SelectClipRgn(hdc, static_cast<HRGN>(h));
    return type == ERROR ? HGDI_ERROR : reinterpret_cast<HGDIOBJ>(static_cast<intptr_t>(type));
  }
  return dc->Select(h);
}

HGDIOBJ WINAPI GetCurrentObject(HDC hdc, UINT type) {
  auto* dc = Table().Get<DeviceContext>(hdc);
  if (!dc) return nullptr;
  const DcState& state = dc->State();
  switch (type) {
    case OBJ_PEN:
    case OBJ_EXTPEN:
      return state.pen;
    case OBJ_BRUSH:
      return state.brush;
    case OBJ_FONT:
      return state.font;
    case OBJ_PAL:
      return state.palette;
    case OBJ_BITMAP:
      return dc->Bitmap();
    default:
      SetLastError(ERROR_INVALID_PARAMETER);
      return nullptr;
  }
}

}  // extern "C"
