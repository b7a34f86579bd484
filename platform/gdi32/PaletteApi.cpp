// Logical palettes on a true-colour display: they only resolve PALETTEINDEX colours and
// DIB_PAL_COLORS tables; realising one changes nothing on screen.
#include "DeviceContext.h"
#include "GdiHandleTable.h"
#include "GdiPalette.h"
#include "StockObjects.h"

#include <algorithm>
#include <limits>

namespace {

GdiPalette* PaletteFrom(HPALETTE handle) {
  auto* palette = GdiHandleTable::Instance().Get<GdiPalette>(handle);
  if (!palette) SetLastError(ERROR_INVALID_HANDLE);
  return palette;
}

}  // namespace

extern "C" {

HPALETTE WINAPI CreatePalette(const LOGPALETTE* plpal) {
  if (!plpal || plpal->palVersion != 0x300 || plpal->palNumEntries == 0) {
    SetLastError(ERROR_INVALID_PARAMETER);
    return nullptr;
  }
  std::vector<PALETTEENTRY> entries(plpal->palPalEntry, plpal->palPalEntry + plpal->palNumEntries);
  return static_cast<HPALETTE>(GdiHandleTable::Instance().Add(std::make_unique<GdiPalette>(std::move(entries))));
}

HPALETTE WINAPI SelectPalette(HDC hdc, HPALETTE hPal, BOOL) {
  DeviceContext* dc = DeviceContext::FromHandle(hdc);
  if (!dc || !PaletteFrom(hPal)) return nullptr;
  return static_cast<HPALETTE>(dc->Select(hPal));
}

UINT WINAPI RealizePalette(HDC hdc) {
  if (!DeviceContext::FromHandle(hdc)) return GDI_ERROR;
  return 0;  // no entry of the system palette needed to change
}

UINT WINAPI GetPaletteEntries(HPALETTE hpal, UINT iStart, UINT cEntries, LPPALETTEENTRY pPalEntries) {
  const GdiPalette* palette = PaletteFrom(hpal);
  if (!palette) return 0;
  const UINT size = static_cast<UINT>(palette->Entries().size());
  if (!pPalEntries) return size;
  if (iStart >= size) return 0;
  const UINT count = std::min(cEntries, size - iStart);
  std::copy_n(palette->Entries().begin() + iStart, count, pPalEntries);
  return count;
}

UINT WINAPI SetPaletteEntries(HPALETTE hpal, UINT iStart, UINT cEntries, const PALETTEENTRY* pPalEntries) {
  GdiPalette* palette = PaletteFrom(hpal);
  if (!palette || !pPalEntries || palette->IsStock()) return 0;
  const UINT size = static_cast<UINT>(palette->Entries().size());
  if (iStart >= size) return 0;
  const UINT count = std::min(cEntries, size - iStart);
  std::copy_n(pPalEntries, count, palette->Entries().begin() + iStart);
  return count;
}

UINT WINAPI GetNearestPaletteIndex(HPALETTE h, COLORREF color) {
  const GdiPalette* palette = PaletteFrom(h);
  if (!palette) return CLR_INVALID;
  UINT best = 0;
  int bestDistance = std::numeric_limits<int>::max();
  const auto& entries = palette->Entries();
  for (UINT i = 0; i < entries.size(); ++i) {
    const int dr = entries[i].peRed - GetRValue(color);
    const int dg = entries[i].peGreen - GetGValue(color);
    const int db = entries[i].peBlue - GetBValue(color);
    const int distance = dr * dr + dg * dg + db * db;
    if (distance < bestDistance) {
      bestDistance = distance;
      best = i;
    }
  }
  return best;
}

UINT WINAPI GetSystemPaletteEntries(HDC hdc, UINT, UINT, LPPALETTEENTRY) {
  DeviceContext::FromHandle(hdc);
  return 0;  // a true-colour display has no system palette
}

}  // extern "C"
