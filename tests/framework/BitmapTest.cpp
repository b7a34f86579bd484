#include <gtest/gtest.h>

#include "GraphicsTestUtil.h"
#include "TBitmap.h"
#include "TCanvas.h"

#include <cstring>

using enum TBitmapHandleType;
using enum TPixelFormat;
using enum TTransparentMode;

namespace {

struct TChangeCounter : TObject {
  int Count = 0;
  void Count1(TObject*) { ++Count; }
};

TEST(Bitmap, NewBitmapIsEmptyAndSizingKeepsTheTopLeftContent) {
  TBitmap bitmap;
  EXPECT_TRUE(bitmap.Empty());
  EXPECT_EQ(bitmap.Width(), 0);
  EXPECT_EQ(bitmap.Height(), 0);
  EXPECT_EQ(bitmap.PixelFormat(), pfDevice);
  EXPECT_EQ(bitmap.HandleType(), bmDDB);
  EXPECT_EQ(bitmap.Handle(), nullptr);

  bitmap.SetWidth(4);
  EXPECT_TRUE(bitmap.Empty());  // no height yet
  bitmap.SetHeight(3);
  ASSERT_FALSE(bitmap.Empty());
  EXPECT_EQ(bitmap.Canvas()->Pixel(3, 2), clWhite);
  bitmap.Canvas()->SetPixel(1, 1, clRed);
  bitmap.Canvas()->Brush()->SetColor(clLime);
  bitmap.SetSize(6, 2);
  EXPECT_EQ(bitmap.Canvas()->Pixel(1, 1), clRed);
  EXPECT_EQ(bitmap.Canvas()->Pixel(3, 1), clWhite);
  EXPECT_EQ(bitmap.Canvas()->Pixel(5, 0), clLime);  // new area: the brush colour
  bitmap.SetSize(0, 2);
  EXPECT_TRUE(bitmap.Empty());
}

TEST(Bitmap, AssignSharesUntilEitherSideWrites) {
  TBitmap source;
  MakeFilled(source, 3, 3, clRed);
  source.SetTransparent(true);
  source.SetTransparentColor(clBlue);

  TBitmap copy;
  copy.Assign(&source);
  EXPECT_TRUE(copy.SharesImageWith(source));
  EXPECT_TRUE(copy.Transparent());
  EXPECT_EQ(copy.TransparentColor(), clBlue);
  EXPECT_EQ(copy.TransparentMode(), tmFixed);

  copy.Canvas()->SetPixel(0, 0, clLime);
  EXPECT_FALSE(copy.SharesImageWith(source));
  EXPECT_EQ(copy.Canvas()->Pixel(0, 0), clLime);
  EXPECT_EQ(source.Canvas()->Pixel(0, 0), clRed);

  // The source writing first also leaves the other untouched.
  TBitmap second;
  second.Assign(&source);
  static_cast<uint8_t*>(source.ScanLine(2))[0] = 0xFF;  // blue of the bottom-left pixel
  EXPECT_EQ(second.Canvas()->Pixel(0, 2), clRed);
  EXPECT_EQ(source.Canvas()->Pixel(0, 2), static_cast<TColor>(clRed | 0xFF0000));

  TBitmap resized;
  resized.Assign(&source);
  resized.SetWidth(1);
  EXPECT_EQ(source.Width(), 3);

  copy.Assign(nullptr);
  EXPECT_TRUE(copy.Empty());
}

TEST(Bitmap, ScanLinesRunFromTheTopAndCheckTheirIndex) {
  TBitmap bitmap;
  bitmap.SetPixelFormat(pf24bit);
  bitmap.SetSize(5, 3);
  const int stride = (5 * 24 + 31) / 32 * 4;
  auto* top = static_cast<uint8_t*>(bitmap.ScanLine(0));
  auto* next = static_cast<uint8_t*>(bitmap.ScanLine(1));
  EXPECT_EQ(next, top - stride);  // bottom-up in memory
  top[0] = 0;
  top[1] = 0;
  top[2] = 0xFF;
  EXPECT_EQ(bitmap.Canvas()->Pixel(0, 0), clRed);
  EXPECT_THROW(bitmap.ScanLine(3), EInvalidGraphicOperation);
  EXPECT_THROW(bitmap.ScanLine(-1), EInvalidGraphicOperation);

  TBitmap device;
  device.SetSize(2, 2);
  device.ScanLine(0);
  EXPECT_EQ(device.PixelFormat(), pf32bit);
  EXPECT_EQ(device.HandleType(), bmDIB);
}

TEST(Bitmap, PixelFormatConversions) {
  TBitmap bitmap;
  MakeFilled(bitmap, 3, 1, clWhite);
  bitmap.Canvas()->SetPixel(1, 0, clSilver);
  bitmap.Canvas()->SetPixel(2, 0, clBlack);

  TBitmap mono;
  mono.Assign(&bitmap);
  mono.SetPixelFormat(pf1bit);
  EXPECT_TRUE(mono.Monochrome());
  // Only the background colour becomes white; light grey is not it.
  EXPECT_EQ(mono.Canvas()->Pixel(0, 0), clWhite);
  EXPECT_EQ(mono.Canvas()->Pixel(1, 0), clBlack);
  EXPECT_EQ(mono.Canvas()->Pixel(2, 0), clBlack);
  EXPECT_EQ(static_cast<uint8_t*>(mono.ScanLine(0))[0], 0b1000'0000);

  TBitmap vga;
  vga.Assign(&bitmap);
  vga.Canvas()->SetPixel(2, 0, 0x0000F0);  // nearly red
  vga.SetPixelFormat(pf4bit);
  EXPECT_EQ(vga.Canvas()->Pixel(1, 0), clSilver);
  EXPECT_EQ(vga.Canvas()->Pixel(2, 0), clRed);

  TBitmap indexed;
  TBmpSpec spec;
  spec.Width = 2;
  spec.BitCount = 8;
  spec.ColorsUsed = 2;
  spec.Palette = {0x123456, 0x654321};
  spec.Pixels = {1, 0, 0, 0};
  LoadBytes(indexed, MakeBmp(spec));
  indexed.SetPixelFormat(pf24bit);
  EXPECT_EQ(indexed.Canvas()->Pixel(0, 0), 0x654321);
  indexed.SetPixelFormat(pf8bit);  // back with the standard palette: nearest colour
  EXPECT_EQ(indexed.PixelFormat(), pf8bit);
  EXPECT_NE(indexed.Palette(), nullptr);
  EXPECT_THROW(indexed.SetPixelFormat(pfCustom), EInvalidGraphic);

  bitmap.SetMonochrome(true);
  EXPECT_EQ(bitmap.PixelFormat(), pf1bit);
  bitmap.SetMonochrome(false);
  EXPECT_EQ(bitmap.PixelFormat(), pfDevice);
  EXPECT_EQ(bitmap.Canvas()->Pixel(0, 0), clWhite);
  EXPECT_EQ(bitmap.Canvas()->Pixel(1, 0), clBlack);
}

TEST(Bitmap, TransparentColourFollowsTheBottomLeftPixelUntilFixed) {
  TBitmap bitmap;
  EXPECT_EQ(bitmap.TransparentColor(), clNone);
  MakeFilled(bitmap, 3, 3, clLime);
  bitmap.Canvas()->SetPixel(0, 2, clFuchsia);
  EXPECT_EQ(bitmap.TransparentColor(), clFuchsia);
  bitmap.SetTransparentColor(clBlue);
  EXPECT_EQ(bitmap.TransparentMode(), tmFixed);
  EXPECT_EQ(bitmap.TransparentColor(), clBlue);
  bitmap.SetTransparentMode(tmAuto);
  EXPECT_EQ(bitmap.TransparentColor(), clFuchsia);
  bitmap.SetMonochrome(true);
  EXPECT_EQ(bitmap.TransparentColor(), clWhite);
}

// GDI reads an index past a DIB section's colour table as black, through GetPixel as through
// the automatic transparent colour.
TEST(Bitmap, IndicesPastTheColourTableReadAsBlack) {
  struct Case {
    uint16_t BitCount;
    uint32_t Colors;
    uint8_t Index;
    TColor Expected;
  };
  for (const Case& c : {Case{8, 2, 5, clBlack}, Case{8, 2, 2, clBlack}, Case{8, 2, 1, clRed},
                        Case{8, 255, 255, clBlack}, Case{4, 3, 15, clBlack}, Case{4, 3, 2, clLime},
                        Case{1, 1, 1, clBlack}}) {
    SCOPED_TRACE(::testing::Message() << c.BitCount << " bits, " << c.Colors << " colours, index " << +c.Index);
    TBmpSpec spec;
    spec.BitCount = c.BitCount;
    spec.ColorsUsed = c.Colors;
    spec.Palette.assign(c.Colors, clWhite);
    spec.Palette[0] = clTeal;
    if (c.Colors > 2) spec.Palette[2] = clLime;
    if (c.Colors > 1) spec.Palette[1] = clRed;
    spec.Pixels = {0, 0, 0, 0};
    TBitmap bitmap;
    LoadBytes(bitmap, MakeBmp(spec));
    auto* row = static_cast<uint8_t*>(bitmap.ScanLine(0));
    row[0] = static_cast<uint8_t>(c.Index << (8 - c.BitCount));  // the leftmost pixel
    EXPECT_EQ(bitmap.Canvas()->Pixel(0, 0), c.Expected);
    EXPECT_EQ(bitmap.TransparentColor(), c.Expected);
  }
}

TEST(Bitmap, MaskMarksTheTransparentColour) {
  TBitmap bitmap;
  MakeFilled(bitmap, 2, 1, clRed);
  bitmap.Canvas()->SetPixel(1, 0, clBlue);
  bitmap.SetTransparentColor(clBlue);
  HBITMAP mask = bitmap.MaskHandle();
  ASSERT_NE(mask, nullptr);
  EXPECT_EQ(bitmap.MaskHandle(), mask);  // kept until a change
  BITMAP info{};
  ASSERT_NE(GetObjectA(mask, sizeof info, &info), 0);
  EXPECT_EQ(info.bmBitsPixel, 1);
  HDC dc = CreateCompatibleDC(nullptr);
  HGDIOBJ old = SelectObject(dc, mask);
  EXPECT_EQ(GetPixel(dc, 0, 0), RGB(0, 0, 0));
  EXPECT_EQ(GetPixel(dc, 1, 0), RGB(255, 255, 255));
  SelectObject(dc, old);
  DeleteDC(dc);
}

TEST(Bitmap, ReleasedHandleBelongsToTheCaller) {
  TBitmap bitmap;
  MakeFilled(bitmap, 2, 2, clTeal);
  HBITMAP released = bitmap.ReleaseHandle();
  ASSERT_NE(released, nullptr);
  EXPECT_NE(released, bitmap.Handle());
  HDC dc = CreateCompatibleDC(nullptr);
  HGDIOBJ old = SelectObject(dc, released);
  EXPECT_EQ(GetPixel(dc, 1, 1), static_cast<COLORREF>(clTeal));
  SelectObject(dc, old);
  DeleteDC(dc);
  EXPECT_TRUE(DeleteObject(released));
  EXPECT_EQ(bitmap.Canvas()->Pixel(1, 1), clTeal);
}

TEST(Bitmap, ChangesFireOnChange) {
  TBitmap bitmap;
  TChangeCounter counter;
  bitmap.OnChange = TNotifyEvent(&counter, &TChangeCounter::Count1);
  bitmap.SetSize(2, 2);
  EXPECT_EQ(counter.Count, 1);
  bitmap.Canvas()->FillRect(RECT{0, 0, 1, 1});
  EXPECT_EQ(counter.Count, 2);
  bitmap.SetPixelFormat(pf8bit);
  EXPECT_EQ(counter.Count, 3);
  EXPECT_TRUE(bitmap.Modified());
}

}  // namespace
