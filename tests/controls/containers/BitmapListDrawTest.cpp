#include "ContainerTestSupport.h"

#include <gtest/gtest.h>

#include <LMDUtilsBitmap.h>
#include <SysUtils.h>

using enum TPixelFormat;

namespace {

// A 4 x 4 bitmap: a red 2 x 2 square inside a white ring.
std::unique_ptr<TBitmap> RingedSquare() {
  auto bitmap = std::make_unique<TBitmap>();
  bitmap->SetPixelFormat(pf24bit);
  bitmap->SetSize(4, 4);
  bitmap->Canvas()->Brush()->SetColor(clWhite);
  bitmap->Canvas()->FillRect(RECT{0, 0, 4, 4});
  bitmap->Canvas()->Brush()->SetColor(clRed);
  bitmap->Canvas()->FillRect(RECT{1, 1, 3, 3});
  return bitmap;
}

TEST(BitmapListQueries, EmptyAndMissingItemsHaveNoImage) {
  TLMDBitmapList list(nullptr);
  list.Add();
  EXPECT_FALSE(list.IsValidItem(0, 0));
  EXPECT_EQ(list.ItemCount(0), 0);
  EXPECT_FALSE(list.IsValidItem(3, 0));
  EXPECT_EQ(list.Dimensions(3, 0), 0);
  EXPECT_EQ(list.TransparentColor(3, 0), TColor{0xFFFFFF});
  EXPECT_EQ(list.GetColorAtPoint(POINT{0, 0}, 3, 0), TColor{0xFFFFFF});
  EXPECT_EQ(list.Palette(3), nullptr);
  EXPECT_THROW(list.Draw(nullptr, 0, 0, 3, 0), EListError);
}

TEST(BitmapListQueries, AnsweredFromTheItemsBitmap) {
  TLMDBitmapList list(nullptr);
  const auto bitmap = PatternBitmap(6, 3, 40);
  AddBitmap(list, bitmap.get());
  EXPECT_TRUE(list.IsValidItem(0, 99));
  EXPECT_EQ(list.ItemCount(0), 1);
  EXPECT_EQ(list.Dimensions(0, 0), 6);
  EXPECT_EQ(list.Dimensions(0, 1), 3);
  EXPECT_EQ(list.Dimensions(0, 2), 0);
  const RECT rect = list.ItemRect(0, 5);
  EXPECT_EQ(rect.right, 6);
  EXPECT_EQ(rect.bottom, 3);
  EXPECT_FALSE(list.Masked(0));
  EXPECT_EQ(list.GetColorAtPoint(POINT{2, 1}, 0, 0), bitmap->Canvas()->Pixel(2, 1));
  TBitmap copy;
  list.GetBitmapItem(0, 0, &copy);
  EXPECT_TRUE(SamePixels(&copy, bitmap.get()));
  list.GetBitmapItem(0, 0, nullptr);
}

TEST(BitmapListDrawing, DrawPutsTheBitmapAtItsOwnSize) {
  TLMDBitmapList list(nullptr);
  const auto bitmap = PatternBitmap(5, 4, 90);
  AddBitmap(list, bitmap.get());
  const auto surface = Surface(20, 20);
  list.Draw(surface->Canvas(), 7, 3, 0, 0);
  EXPECT_EQ(surface->Canvas()->Pixel(7, 3), bitmap->Canvas()->Pixel(0, 0));
  EXPECT_EQ(surface->Canvas()->Pixel(11, 6), bitmap->Canvas()->Pixel(4, 3));
  EXPECT_EQ(surface->Canvas()->Pixel(12, 6), kPaper);
  EXPECT_EQ(surface->Canvas()->Pixel(6, 3), kPaper);
}

TEST(BitmapListDrawing, DrawExtCentresStretchesTilesAndLeavesOutTheTransparentColour) {
  TLMDBitmapList list(nullptr);
  const auto square = RingedSquare();
  AddBitmap(list, square.get());

  auto surface = Surface(20, 20);
  RECT covered = list.DrawExt(surface->Canvas(), RECT{0, 0, 10, 10}, kLMDBmpCenter, 0, 0);
  EXPECT_EQ(covered.left, 3);
  EXPECT_EQ(covered.top, 3);
  EXPECT_EQ(covered.right, 7);
  EXPECT_EQ(surface->Canvas()->Pixel(3, 3), clWhite);
  EXPECT_EQ(surface->Canvas()->Pixel(4, 4), clRed);

  surface = Surface(20, 20);
  covered = list.DrawExt(surface->Canvas(), RECT{2, 2, 10, 10}, kLMDBmpStretch, 0, 0);
  EXPECT_EQ(covered.right, 10);
  EXPECT_EQ(surface->Canvas()->Pixel(3, 3), clWhite);
  EXPECT_EQ(surface->Canvas()->Pixel(5, 5), clRed);
  EXPECT_EQ(surface->Canvas()->Pixel(9, 9), clWhite);
  EXPECT_EQ(surface->Canvas()->Pixel(10, 10), kPaper);

  surface = Surface(20, 20);
  covered = list.DrawExt(surface->Canvas(), RECT{0, 0, 9, 5}, kLMDBmpTile, 0, 0);
  EXPECT_EQ(covered.right, 9);
  EXPECT_EQ(covered.bottom, 5);
  for (int x : {1, 5, 9}) EXPECT_EQ(surface->Canvas()->Pixel(x, 1), clRed) << x;  // copies go past the rectangle
  EXPECT_EQ(surface->Canvas()->Pixel(13, 1), kPaper);

  surface = Surface(20, 20);
  list.DrawExt(surface->Canvas(), RECT{0, 0, 4, 4}, kLMDBmpTransparent, 0, 0);
  EXPECT_EQ(surface->Canvas()->Pixel(0, 0), kPaper);
  EXPECT_EQ(surface->Canvas()->Pixel(3, 3), kPaper);
  EXPECT_EQ(surface->Canvas()->Pixel(2, 2), clRed);

  surface = Surface(20, 20);
  EXPECT_TRUE(IsRectEmpty(&(covered = list.DrawExt(surface->Canvas(), RECT{5, 5, 5, 9}, 0, 0, 0))));
  EXPECT_EQ(surface->Canvas()->Pixel(5, 5), kPaper);
}

TEST(BitmapListDrawing, ClipDrawStaysInsideTheMovedRectangle) {
  TLMDBitmapList list(nullptr);
  const auto bitmap = PatternBitmap(8, 8, 60);
  AddBitmap(list, bitmap.get());
  const auto surface = Surface(20, 20);
  const int32_t offset = (1 << 16) | 2;  // x 2, y 1
  list.ClipDraw(surface->Canvas(), RECT{0, 0, 4, 4}, kLMDBmpClip, offset, 0, 0, 0);
  EXPECT_EQ(surface->Canvas()->Pixel(1, 1), kPaper);
  EXPECT_EQ(surface->Canvas()->Pixel(2, 1), bitmap->Canvas()->Pixel(2, 1));
  EXPECT_EQ(surface->Canvas()->Pixel(5, 4), bitmap->Canvas()->Pixel(5, 4));
  EXPECT_EQ(surface->Canvas()->Pixel(6, 4), kPaper);
  // The clip is gone afterwards.
  surface->Canvas()->SetPixel(15, 15, clBlue);
  EXPECT_EQ(surface->Canvas()->Pixel(15, 15), clBlue);
}

TEST(BitmapRoutines, MasksSplitAtTheTransparentColour) {
  const auto square = RingedSquare();
  TBitmap mask;
  TBitmap image;
  LMDBmpCreateMasks(square.get(), &mask, &image, clWhite);
  EXPECT_TRUE(mask.Monochrome());
  EXPECT_EQ(mask.Canvas()->Pixel(0, 0), clWhite);
  EXPECT_EQ(mask.Canvas()->Pixel(1, 1), clBlack);
  EXPECT_EQ(image.Canvas()->Pixel(0, 0), clBlack);
  EXPECT_EQ(image.Canvas()->Pixel(2, 2), clRed);

  const auto surface = Surface(10, 10);
  LMDBmpDrawExt(surface->Canvas(), RECT{1, 1, 5, 5}, image.Canvas(), RECT{0, 0, 4, 4}, kLMDBmpMasked, 0,
                mask.Canvas());
  EXPECT_EQ(surface->Canvas()->Pixel(1, 1), kPaper);
  EXPECT_EQ(surface->Canvas()->Pixel(2, 2), clRed);

  TBitmap filled;
  LMDBmpCreateFromRect(&filled, RECT{0, 0, 3, 2}, clLime);
  EXPECT_EQ(filled.Width(), 3);
  EXPECT_EQ(filled.Canvas()->Pixel(2, 1), clLime);
}

}  // namespace
