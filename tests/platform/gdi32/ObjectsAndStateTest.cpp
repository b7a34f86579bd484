#include "GdiTestSupport.h"

#include <GdiHandleTable.h>

namespace {

TEST(DeviceContexts, NewMemoryDcHasTheDocumentedDefaults) {
  HDC dc = CreateCompatibleDC(nullptr);
  EXPECT_EQ(GetBkColor(dc), RGB(255, 255, 255));
  EXPECT_EQ(GetTextColor(dc), RGB(0, 0, 0));
  EXPECT_EQ(GetBkMode(dc), OPAQUE);
  EXPECT_EQ(GetROP2(dc), R2_COPYPEN);
  EXPECT_EQ(GetStretchBltMode(dc), BLACKONWHITE);
  EXPECT_EQ(GetPolyFillMode(dc), ALTERNATE);
  EXPECT_EQ(GetCurrentObject(dc, OBJ_PEN), GetStockObject(BLACK_PEN));
  EXPECT_EQ(GetCurrentObject(dc, OBJ_BRUSH), GetStockObject(WHITE_BRUSH));
  EXPECT_EQ(GetCurrentObject(dc, OBJ_FONT), GetStockObject(SYSTEM_FONT));
  BITMAP bm;
  ASSERT_EQ(GetObjectA(GetCurrentObject(dc, OBJ_BITMAP), sizeof(bm), &bm), static_cast<int>(sizeof(bm)));
  EXPECT_EQ(bm.bmWidth, 1);
  EXPECT_EQ(bm.bmBitsPixel, 1);
  EXPECT_EQ(GetDeviceCaps(dc, BITSPIXEL), 32);
  EXPECT_EQ(GetDeviceCaps(dc, LOGPIXELSY), 96);
  EXPECT_EQ(GetDeviceCaps(dc, RASTERCAPS) & RC_PALETTE, 0);
  DeleteDC(dc);
}

TEST(DeviceContexts, CompatibleBitmapOfAFreshMemoryDcIsMonochrome) {
  HDC dc = CreateCompatibleDC(nullptr);
  HBITMAP mono = CreateCompatibleBitmap(dc, 5, 5);
  HDC screen = GetDC(nullptr);
  HBITMAP colour = CreateCompatibleBitmap(screen, 5, 5);
  BITMAP bm;
  GetObjectA(mono, sizeof(bm), &bm);
  EXPECT_EQ(bm.bmBitsPixel, 1);
  GetObjectA(colour, sizeof(bm), &bm);
  EXPECT_EQ(bm.bmBitsPixel, 32);
  EXPECT_EQ(CreateCompatibleBitmap(dc, 0, 5), GetCurrentObject(dc, OBJ_BITMAP));  // the stock 1x1
  ReleaseDC(nullptr, screen);
  DeleteObject(mono);
  DeleteObject(colour);
  DeleteDC(dc);
}

TEST(DeviceContexts, SaveAndRestoreByAbsoluteAndRelativeLevel) {
  HDC dc = CreateCompatibleDC(nullptr);
  EXPECT_EQ(SaveDC(dc), 1);
  SetBkColor(dc, RGB(1, 1, 1));
  HBRUSH brush = CreateSolidBrush(RGB(2, 2, 2));
  SelectObject(dc, brush);
  EXPECT_EQ(SaveDC(dc), 2);
  SetBkColor(dc, RGB(3, 3, 3));
  EXPECT_EQ(SaveDC(dc), 3);
  EXPECT_TRUE(RestoreDC(dc, -1));
  EXPECT_EQ(GetBkColor(dc), RGB(3, 3, 3));
  EXPECT_TRUE(RestoreDC(dc, 1));
  EXPECT_EQ(GetBkColor(dc), RGB(255, 255, 255));
  EXPECT_EQ(GetCurrentObject(dc, OBJ_BRUSH), GetStockObject(WHITE_BRUSH));
  EXPECT_FALSE(RestoreDC(dc, 1));  // level 2 was discarded with level 1
  EXPECT_FALSE(RestoreDC(dc, 0));
  EXPECT_TRUE(DeleteObject(brush));
  DeleteDC(dc);
}

TEST(Objects, DeletingASelectedObjectWaitsForItsRelease) {
  const size_t before = GdiHandleTable::Instance().LiveCount();
  HDC dc = CreateCompatibleDC(nullptr);
  HBRUSH brush = CreateSolidBrush(RGB(1, 2, 3));
  HGDIOBJ previous = SelectObject(dc, brush);
  EXPECT_TRUE(DeleteObject(brush));
  LOGBRUSH lb;
  EXPECT_EQ(GetObjectA(brush, sizeof(lb), &lb), static_cast<int>(sizeof(lb)));  // still alive while selected
  EXPECT_EQ(lb.lbColor, RGB(1, 2, 3));
  SelectObject(dc, previous);
  EXPECT_EQ(GetObjectType(brush), 0u);
  EXPECT_TRUE(DeleteObject(GetStockObject(BLACK_PEN)));  // stock objects survive
  EXPECT_EQ(GetObjectType(GetStockObject(BLACK_PEN)), static_cast<DWORD>(OBJ_PEN));
  DeleteDC(dc);
  EXPECT_EQ(GdiHandleTable::Instance().LiveCount(), before);
}

TEST(Objects, BitmapSelectsIntoOneDcAtATime) {
  HDC a = CreateCompatibleDC(nullptr);
  HDC b = CreateCompatibleDC(nullptr);
  HBITMAP bitmap = CreateBitmap(2, 2, 1, 32, nullptr);
  HGDIOBJ previous = SelectObject(a, bitmap);
  EXPECT_NE(previous, nullptr);
  EXPECT_EQ(SelectObject(b, bitmap), nullptr);
  SelectObject(a, previous);
  EXPECT_NE(SelectObject(b, bitmap), nullptr);
  DeleteDC(b);  // releases the bitmap
  EXPECT_TRUE(DeleteObject(bitmap));
  DeleteDC(a);
}

TEST(Objects, InvalidHandlesAndArgumentsFailCleanly) {
  HGDIOBJ bogus = reinterpret_cast<HGDIOBJ>(0xDEADBEEF);
  SetLastError(0);
  EXPECT_FALSE(DeleteObject(bogus));
  EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_INVALID_HANDLE));
  EXPECT_EQ(SelectObject(reinterpret_cast<HDC>(bogus), GetStockObject(BLACK_PEN)), nullptr);
  EXPECT_EQ(GetObjectA(bogus, 0, nullptr), 0);
  EXPECT_EQ(CreateBitmap(-1, 5, 1, 1, nullptr), nullptr);
  EXPECT_EQ(CreateBitmap(1 << 20, 1 << 20, 1, 32, nullptr), nullptr);  // absurdly large
  EXPECT_EQ(CreateHatchBrush(99, 0), nullptr);
  EXPECT_EQ(SetBkMode(CreateCompatibleDC(nullptr), 7), 0);
  HBRUSH brush = CreateSolidBrush(0);
  DeleteObject(brush);
  EXPECT_FALSE(DeleteObject(brush));  // a stale handle does not reach a reused slot
  EXPECT_FALSE(PatBlt(nullptr, 0, 0, 1, 1, PATCOPY));
  EXPECT_FALSE(PatBlt(CreateCompatibleDC(nullptr), 0, 0, 1, 1, SRCCOPY));  // PatBlt takes no source
  EXPECT_FALSE(DeleteDC(reinterpret_cast<HDC>(bogus)));
}

TEST(Palettes, IndexAndRgbColourFormsResolveOnTrueColour) {
  Canvas32 canvas(2, 1);
  LOGPALETTE* pal = static_cast<LOGPALETTE*>(malloc(sizeof(LOGPALETTE) + sizeof(PALETTEENTRY)));
  pal->palVersion = 0x300;
  pal->palNumEntries = 2;
  pal->palPalEntry[0] = {10, 20, 30, 0};
  PALETTEENTRY second = {40, 50, 60, 0};
  memcpy(&pal->palPalEntry[1], &second, sizeof(second));
  HPALETTE palette = CreatePalette(pal);
  free(pal);
  HPALETTE previous = SelectPalette(canvas.dc(), palette, FALSE);
  EXPECT_EQ(previous, GetStockObject(DEFAULT_PALETTE));
  EXPECT_NE(RealizePalette(canvas.dc()), GDI_ERROR);
  SetPixel(canvas.dc(), 0, 0, PALETTEINDEX(1));
  EXPECT_EQ(canvas.At(0, 0), RGB(40, 50, 60));
  SetPixel(canvas.dc(), 0, 0, PALETTEINDEX(7));  // out of range: entry 0
  EXPECT_EQ(canvas.At(0, 0), RGB(10, 20, 30));
  SetPixel(canvas.dc(), 1, 0, PALETTERGB(1, 2, 3));
  EXPECT_EQ(canvas.At(1, 0), RGB(1, 2, 3));
  EXPECT_EQ(GetNearestPaletteIndex(palette, RGB(38, 52, 61)), 1u);
  PALETTEENTRY entries[4];
  EXPECT_EQ(GetPaletteEntries(palette, 1, 4, entries), 1u);
  EXPECT_EQ(entries[0].peRed, 40);
  EXPECT_EQ(GetPaletteEntries(palette, 0, 0, nullptr), 2u);
  SelectPalette(canvas.dc(), previous, FALSE);
  DeleteObject(palette);
}

}  // namespace
