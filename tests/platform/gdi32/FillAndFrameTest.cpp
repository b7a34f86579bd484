#include "GdiTestSupport.h"

namespace {

constexpr COLORREF kWhite = RGB(255, 255, 255);
constexpr COLORREF kRed = RGB(255, 0, 0);

TEST(FillRect, FillsExactlyTheRectangleAndAcceptsSystemColourIndices) {
  Canvas32 canvas(6, 4);
  HBRUSH red = CreateSolidBrush(kRed);
  RECT r{1, 1, 4, 3};
  EXPECT_NE(FillRect(canvas.dc(), &r, red), 0);
  EXPECT_EQ(canvas.Picture(kRed),
            "......\n"
            ".###..\n"
            ".###..\n"
            "......\n");
  RECT all{0, 0, 6, 4};
  FillRect(canvas.dc(), &all, reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1));
  EXPECT_EQ(canvas.At(5, 3), RGB(212, 208, 200));
  DeleteObject(red);
}

TEST(FillRect, IgnoresTheMixModeAndUsesTheBrushOrigin) {
  Canvas32 canvas(8, 1);
  SetROP2(canvas.dc(), R2_NOT);
  HBRUSH red = CreateSolidBrush(kRed);
  RECT r{0, 0, 8, 1};
  FillRect(canvas.dc(), &r, red);
  EXPECT_EQ(canvas.At(3, 0), kRed);
  DeleteObject(red);

  HBRUSH hatch = CreateHatchBrush(HS_VERTICAL, kRed);  // column 4 of each 8 x 8 cell
  canvas.Fill(kWhite);
  SetBrushOrgEx(canvas.dc(), 2, 0, nullptr);
  FillRect(canvas.dc(), &r, hatch);
  EXPECT_EQ(canvas.Picture(kRed), "......#.\n");
  DeleteObject(hatch);
}

TEST(FillRect, InvertedRectangleIsMirroredAndShiftedByOne) {
  Canvas32 canvas(12, 1);
  HBRUSH red = CreateSolidBrush(kRed);
  RECT inverted{10, 0, 5, 1};
  FillRect(canvas.dc(), &inverted, red);
  EXPECT_EQ(canvas.Picture(kRed), "......#####.\n");
  DeleteObject(red);
}

TEST(FrameRect, DrawsOnePixelBorderAndNothingForEmptyRects) {
  Canvas32 canvas(5, 4);
  HBRUSH red = CreateSolidBrush(kRed);
  RECT r{0, 0, 5, 4};
  EXPECT_NE(FrameRect(canvas.dc(), &r, red), 0);
  EXPECT_EQ(canvas.Picture(kRed),
            "#####\n"
            "#...#\n"
            "#...#\n"
            "#####\n");
  canvas.Fill(kWhite);
  RECT inverted{4, 0, 1, 4};
  EXPECT_EQ(FrameRect(canvas.dc(), &inverted, red), 0);
  EXPECT_EQ(canvas.Picture(kRed), std::string(4, '.') + ".\n" + ".....\n.....\n.....\n");
  RECT column{2, 0, 3, 4};
  FrameRect(canvas.dc(), &column, red);
  EXPECT_EQ(canvas.Picture(kRed), "..#..\n..#..\n..#..\n..#..\n");
  DeleteObject(red);
}

TEST(InvertAndFocusRect, DrawingTwiceRestoresThePixels) {
  Canvas32 canvas(9, 6, RGB(10, 20, 30));
  const uint64_t before = canvas.Hash();
  RECT r{1, 1, 8, 5};
  InvertRect(canvas.dc(), &r);
  EXPECT_EQ(canvas.At(1, 1), RGB(245, 235, 225));
  InvertRect(canvas.dc(), &r);
  EXPECT_EQ(canvas.Hash(), before);

  DrawFocusRect(canvas.dc(), &r);
  EXPECT_NE(canvas.Hash(), before);
  // Checkerboard with an even (x + y) inverted, on the frame only.
  EXPECT_EQ(canvas.At(1, 1), RGB(245, 235, 225));
  EXPECT_EQ(canvas.At(2, 1), RGB(10, 20, 30));
  EXPECT_EQ(canvas.At(4, 3), RGB(10, 20, 30));  // interior untouched
  DrawFocusRect(canvas.dc(), &r);
  EXPECT_EQ(canvas.Hash(), before);
}

TEST(InvertAndFocusRect, FocusRectOfHeightOneLeavesNothingVisible) {
  Canvas32 canvas(6, 3);
  const uint64_t before = canvas.Hash();
  RECT flat{0, 1, 6, 2};
  DrawFocusRect(canvas.dc(), &flat);
  EXPECT_EQ(canvas.Hash(), before);
}

}  // namespace
