#include "GdiTestSupport.h"

#include <Rop3.h>

#include <vector>

namespace {

constexpr uint32_t kP = 0x00F0A55A;  // pattern, source and destination pixel values chosen
constexpr uint32_t kS = 0x00CC3C96;  // so that every (p, s, d) bit combination occurs
constexpr uint32_t kD = 0x00AA0FF0;

TEST(Rop3, TruthTableIndexMatchesTheBooleanDefinitionForAllCodes) {
  EXPECT_EQ(rop3::Evaluate(rop3::IndexOf(SRCCOPY), 0xF0, 0xCC, 0xAA) & 0xFF, 0xCCu);
  EXPECT_EQ(rop3::Evaluate(0xE2, 0xF0, 0xCC, 0xAA) & 0xFF, 0xE2u);
  for (int index = 0; index < 256; ++index) {
    EXPECT_EQ(rop3::Evaluate(static_cast<uint8_t>(index), 0xF0, 0xCC, 0xAA) & 0xFF, static_cast<uint32_t>(index));
  }
  EXPECT_EQ(rop3::Evaluate(rop3::IndexOf(0x00E20746), kP, kS, kD), kD ^ (kS & (kP ^ kD)));
  EXPECT_EQ(rop3::Evaluate(rop3::IndexOf(0x00A000C9), kP, kS, kD), kP & kD);
  EXPECT_EQ(rop3::FromRop2(R2_COPYPEN), rop3::IndexOf(PATCOPY));
  EXPECT_EQ(rop3::FromRop2(R2_XORPEN), rop3::IndexOf(PATINVERT));
  EXPECT_EQ(rop3::FromRop2(R2_NOT), rop3::IndexOf(DSTINVERT));
}

// Every ROP3 through BitBlt on real surfaces, against the definition on the same pixels.
TEST(Rop3, BitBltAppliesEveryCodeToSourcePatternAndDestination) {
  Canvas32 destination(1, 1);
  Canvas32 source(1, 1);
  source.SetRaw(0, 0, kS);
  HBRUSH brush = CreateSolidBrush(RGB((kP >> 16) & 0xFF, (kP >> 8) & 0xFF, kP & 0xFF));
  HGDIOBJ previous = SelectObject(destination.dc(), brush);
  for (int index = 0; index < 256; ++index) {
    destination.SetRaw(0, 0, kD);
    const DWORD rop = static_cast<DWORD>(index) << 16;
    ASSERT_TRUE(BitBlt(destination.dc(), 0, 0, 1, 1, source.dc(), 0, 0, rop));
    EXPECT_EQ(destination.Raw(0, 0) & 0xFFFFFF, rop3::Evaluate(static_cast<uint8_t>(index), kP, kS, kD) & 0xFFFFFF)
        << "rop index " << index;
  }
  SelectObject(destination.dc(), previous);
  DeleteObject(brush);
}

TEST(BitBlt, CopiesClippedToTheSourceAndDestinationBounds) {
  Canvas32 destination(4, 3, RGB(0, 0, 0));
  Canvas32 source(2, 2, RGB(255, 0, 0));
  EXPECT_TRUE(BitBlt(destination.dc(), 1, 1, 5, 5, source.dc(), 0, 0, SRCCOPY));
  EXPECT_EQ(destination.Picture(RGB(255, 0, 0)),
            "....\n"
            ".##.\n"
            ".##.\n");
  EXPECT_FALSE(BitBlt(destination.dc(), 0, 0, 1, 1, reinterpret_cast<HDC>(0x1234), 0, 0, SRCCOPY));
  EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_INVALID_HANDLE));
  EXPECT_TRUE(BitBlt(destination.dc(), 0, 0, 4, 3, nullptr, 0, 0, WHITENESS));  // no source needed
  EXPECT_EQ(destination.At(3, 2), RGB(255, 255, 255));
}

TEST(BitBlt, OverlappingCopyWithinOneSurfaceMovesThePicture) {
  Canvas32 canvas(6, 6, RGB(0, 0, 0));
  RECT block{0, 0, 3, 3};
  HBRUSH red = CreateSolidBrush(RGB(255, 0, 0));
  FillRect(canvas.dc(), &block, red);
  canvas.SetRaw(1, 1, 0x0000FF);
  EXPECT_TRUE(BitBlt(canvas.dc(), 2, 2, 3, 3, canvas.dc(), 0, 0, SRCCOPY));
  EXPECT_EQ(canvas.At(3, 3), RGB(0, 0, 255));
  EXPECT_EQ(canvas.At(4, 4), RGB(255, 0, 0));
  EXPECT_TRUE(BitBlt(canvas.dc(), 0, 0, 3, 3, canvas.dc(), 2, 2, SRCINVERT));
  EXPECT_EQ(canvas.At(1, 1), RGB(0, 0, 0));  // blue xor blue
  DeleteObject(red);
}

TEST(BitBlt, MonochromeSourceTakesTheDestinationTextAndBackgroundColours) {
  HDC monoDc = CreateCompatibleDC(nullptr);
  const BYTE rows[4] = {0x40, 0, 0x80, 0};  // bits 0 1 / 1 0; rows are word-aligned
  HBITMAP mono = CreateBitmap(2, 2, 1, 1, rows);
  HGDIOBJ previous = SelectObject(monoDc, mono);
  Canvas32 colour(2, 2);
  SetTextColor(colour.dc(), RGB(255, 0, 0));  // 0 bits
  SetBkColor(colour.dc(), RGB(0, 0, 255));    // 1 bits
  BitBlt(colour.dc(), 0, 0, 2, 2, monoDc, 0, 0, SRCCOPY);
  EXPECT_EQ(colour.At(0, 0), RGB(255, 0, 0));
  EXPECT_EQ(colour.At(1, 0), RGB(0, 0, 255));
  EXPECT_EQ(colour.At(0, 1), RGB(0, 0, 255));

  // Colour to monochrome: the source DC's background colour becomes 1 (white).
  SetBkColor(colour.dc(), RGB(255, 0, 0));
  BitBlt(monoDc, 0, 0, 2, 2, colour.dc(), 0, 0, SRCCOPY);
  EXPECT_EQ(GetPixel(monoDc, 0, 0), RGB(255, 255, 255));
  EXPECT_EQ(GetPixel(monoDc, 1, 0), RGB(0, 0, 0));
  SelectObject(monoDc, previous);
  DeleteObject(mono);
  DeleteDC(monoDc);
}

TEST(BitBlt, MaskBlitPaintsTheBrushThroughTheOneBits) {
  HDC maskDc = CreateCompatibleDC(nullptr);
  const BYTE rows[2] = {0x80, 0};  // 1 0
  HBITMAP mask = CreateBitmap(2, 1, 1, 1, rows);
  HGDIOBJ previousMask = SelectObject(maskDc, mask);
  Canvas32 canvas(2, 1, RGB(9, 9, 9));
  SetTextColor(canvas.dc(), RGB(0, 0, 0));
  SetBkColor(canvas.dc(), RGB(255, 255, 255));
  HBRUSH green = CreateSolidBrush(RGB(0, 128, 0));
  HGDIOBJ previousBrush = SelectObject(canvas.dc(), green);
  BitBlt(canvas.dc(), 0, 0, 2, 1, maskDc, 0, 0, 0x00E20746);
  EXPECT_EQ(canvas.At(0, 0), RGB(0, 128, 0));
  EXPECT_EQ(canvas.At(1, 0), RGB(9, 9, 9));
  SelectObject(canvas.dc(), previousBrush);
  SelectObject(maskDc, previousMask);
  DeleteObject(green);
  DeleteObject(mask);
  DeleteDC(maskDc);
}

TEST(PatternBrush, FollowsTheBrushOriginAndTakesMonochromeColoursAtDrawTime) {
  const BYTE rows[4] = {0x80, 0, 0x40, 0};  // 2x2 diagonal of 1 bits
  HBITMAP pattern = CreateBitmap(2, 2, 1, 1, rows);
  HBRUSH brush = CreatePatternBrush(pattern);
  DeleteObject(pattern);  // the brush keeps its own copy
  Canvas32 canvas(4, 2);
  SetTextColor(canvas.dc(), RGB(0, 0, 0));
  SetBkColor(canvas.dc(), RGB(255, 0, 0));
  RECT r{0, 0, 4, 2};
  FillRect(canvas.dc(), &r, brush);
  EXPECT_EQ(canvas.Picture(RGB(255, 0, 0)), "#.#.\n.#.#\n");
  SetBrushOrgEx(canvas.dc(), 1, 0, nullptr);
  FillRect(canvas.dc(), &r, brush);
  EXPECT_EQ(canvas.Picture(RGB(255, 0, 0)), ".#.#\n#.#.\n");
  DeleteObject(brush);
}

TEST(HatchBrush, GapsFollowTheBackgroundMode) {
  HBRUSH hatch = CreateHatchBrush(HS_HORIZONTAL, RGB(255, 0, 0));
  Canvas32 canvas(2, 8, RGB(0, 255, 0));
  SetBkColor(canvas.dc(), RGB(0, 0, 255));
  RECT r{0, 0, 2, 8};
  SetBkMode(canvas.dc(), TRANSPARENT);
  FillRect(canvas.dc(), &r, hatch);
  EXPECT_EQ(canvas.At(0, 3), RGB(255, 0, 0));
  EXPECT_EQ(canvas.At(0, 0), RGB(0, 255, 0));
  SetBkMode(canvas.dc(), OPAQUE);
  FillRect(canvas.dc(), &r, hatch);
  EXPECT_EQ(canvas.At(0, 0), RGB(0, 0, 255));
  DeleteObject(hatch);
}

TEST(StretchBlt, EnlargesByReplicationAndShrinksByTheStretchMode) {
  Canvas32 source(3, 1);
  source.SetRaw(0, 0, 0xFF0000);
  source.SetRaw(1, 0, 0x00FF00);
  source.SetRaw(2, 0, 0x0000FF);
  Canvas32 wide(6, 1);
  StretchBlt(wide.dc(), 0, 0, 6, 1, source.dc(), 0, 0, 3, 1, SRCCOPY);
  EXPECT_EQ(wide.At(0, 0), RGB(255, 0, 0));
  EXPECT_EQ(wide.At(1, 0), RGB(255, 0, 0));
  EXPECT_EQ(wide.At(3, 0), RGB(0, 255, 0));
  EXPECT_EQ(wide.At(5, 0), RGB(0, 0, 255));

  Canvas32 narrow(2, 1);
  SetStretchBltMode(narrow.dc(), COLORONCOLOR);
  StretchBlt(narrow.dc(), 0, 0, 2, 1, source.dc(), 0, 0, 3, 1, SRCCOPY);
  EXPECT_EQ(narrow.At(0, 0), RGB(0, 255, 0));  // groups {0, 1} and {2} keep their last pixel
  EXPECT_EQ(narrow.At(1, 0), RGB(0, 0, 255));
  StretchBlt(narrow.dc(), 1, 0, -2, 1, source.dc(), 0, 0, 3, 1, SRCCOPY);
  EXPECT_EQ(narrow.At(0, 0), RGB(0, 0, 255));
  EXPECT_EQ(narrow.At(1, 0), RGB(0, 255, 0));
  StretchBlt(narrow.dc(), 0, 0, 2, 1, source.dc(), 2, 0, -3, 1, SRCCOPY);  // reads blue, green, red
  EXPECT_EQ(narrow.At(0, 0), RGB(0, 255, 0));
  EXPECT_EQ(narrow.At(1, 0), RGB(255, 0, 0));
  SetStretchBltMode(narrow.dc(), WHITEONBLACK);
  StretchBlt(narrow.dc(), 0, 0, 2, 1, source.dc(), 0, 0, 3, 1, SRCCOPY);
  EXPECT_EQ(narrow.At(0, 0), RGB(255, 255, 0));  // red | green

  Canvas32 mirrored(3, 1);
  StretchBlt(mirrored.dc(), 2, 0, -3, 1, source.dc(), 0, 0, 3, 1, SRCCOPY);
  EXPECT_EQ(mirrored.At(0, 0), RGB(0, 0, 255));
  EXPECT_EQ(mirrored.At(2, 0), RGB(255, 0, 0));
}

TEST(Pixels, OutsideTheClipOrSurfaceAreRefused) {
  Canvas32 canvas(4, 4);
  EXPECT_EQ(SetPixel(canvas.dc(), 1, 1, RGB(1, 2, 3)), RGB(1, 2, 3));
  EXPECT_EQ(GetPixel(canvas.dc(), 1, 1), RGB(1, 2, 3));
  EXPECT_EQ(SetPixel(canvas.dc(), 4, 0, RGB(1, 2, 3)), CLR_INVALID);
  EXPECT_EQ(GetPixel(canvas.dc(), -1, 0), CLR_INVALID);
  IntersectClipRect(canvas.dc(), 0, 0, 2, 2);
  EXPECT_EQ(SetPixel(canvas.dc(), 3, 3, RGB(1, 2, 3)), CLR_INVALID);
  EXPECT_EQ(GetPixel(canvas.dc(), 3, 3), CLR_INVALID);
  EXPECT_EQ(GetPixel(reinterpret_cast<HDC>(0x77), 0, 0), CLR_INVALID);
}

}  // namespace
