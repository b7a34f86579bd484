#include "ContainerTestSupport.h"

#include <gtest/gtest.h>

#include <LMDContUtils.h>
#include <LMDImageList.h>
#include <LMDUtilsBitmap.h>
#include <SysUtils.h>
#include <TMemoryStream.h>

#include <cstdio>

using enum TDrawingStyle;
using enum TPixelFormat;

namespace {

// A size x size image in one colour with a white bottom-left corner pixel.
std::unique_ptr<TBitmap> Square(int size, TColor color) {
  auto bitmap = std::make_unique<TBitmap>();
  bitmap->SetPixelFormat(pf24bit);
  bitmap->SetSize(size, size);
  bitmap->Canvas()->Brush()->SetColor(color);
  bitmap->Canvas()->FillRect(RECT{0, 0, size, size});
  bitmap->Canvas()->SetPixel(0, size - 1, clWhite);
  return bitmap;
}

TColor StripPixel(const TLMDImageListItem& strip, int index) {
  return strip.Image()->Canvas()->Pixel(strip.GetImageRect(index).left + 2, 2);
}

TEST(ImageStrip, GrowsInStepsAndRefusesWrongSizes) {
  TLMDImageListItem strip(16, 16);
  const auto image = Square(16, clRed);
  for (int i = 0; i < 5; ++i) EXPECT_EQ(strip.Add(image.get(), nullptr), i);
  EXPECT_EQ(strip.Image()->Width(), 128);
  EXPECT_EQ(strip.Used(), 80);
  EXPECT_EQ(strip.GetImageRect(4).left, 64);

  const auto wrong = Square(10, clRed);
  EXPECT_EQ(strip.Add(wrong.get(), nullptr), -1);
  EXPECT_EQ(strip.AddMasked(wrong.get(), clWhite), -1);
  EXPECT_THROW(strip.CheckImage(wrong.get()), EInvalidGraphicOperation);
  EXPECT_FALSE(strip.CheckImage(nullptr));
  EXPECT_THROW(TLMDImageListItem(0, 16), EInvalidGraphicOperation);
  EXPECT_EQ(strip.Add(nullptr, nullptr), 5);
}

// A strip of several images (or of none) is taken; Add keeps the first image of it.
TEST(ImageStrip, ImagesMayBeAnyMultipleOfTheWidthIncludingNone) {
  const struct {
    int width;
    int height;
    bool accepted;
  } cases[] = {{0, 16, true}, {16, 16, true}, {48, 16, true}, {10, 16, false},
               {17, 16, false}, {16, 15, false}, {0, 15, false}};
  TLMDImageListItem strip(16, 16);
  for (const auto& c : cases) {
    TBitmap image;
    image.SetPixelFormat(pf24bit);
    image.SetSize(c.width, c.height);
    if (c.accepted) {
      EXPECT_TRUE(strip.CheckImage(&image)) << c.width << " x " << c.height;
    } else {
      EXPECT_THROW(strip.CheckImage(&image), EInvalidGraphicOperation) << c.width << " x " << c.height;
    }
  }
  TBitmap none;
  none.SetSize(0, 16);
  EXPECT_EQ(strip.Add(&none, nullptr), 0);
  auto wide = Square(32, clBlue);
  wide->SetHeight(16);
  EXPECT_EQ(strip.Add(wide.get(), nullptr), 1);
  EXPECT_EQ(strip.Count(), 2);
  EXPECT_EQ(StripPixel(strip, 1), clBlue);
}

TEST(ImageStrip, DeleteInsertAndMoveKeepImagesAtTheirSlots) {
  TLMDImageListItem strip(16, 16);
  const auto red = Square(16, clRed);
  const auto green = Square(16, clLime);
  const auto blue = Square(16, clBlue);
  strip.Add(red.get(), nullptr);
  strip.Add(green.get(), nullptr);
  strip.Add(blue.get(), nullptr);
  strip.Delete(0);
  ASSERT_EQ(strip.Count(), 2);
  EXPECT_EQ(strip.GetImageRect(1).left, 16);
  EXPECT_EQ(StripPixel(strip, 0), clLime);
  EXPECT_EQ(StripPixel(strip, 1), clBlue);
  strip.Delete(7);
  EXPECT_EQ(strip.Count(), 2);

  strip.Insert(0, red.get(), nullptr);
  EXPECT_EQ(StripPixel(strip, 0), clRed);
  EXPECT_EQ(StripPixel(strip, 2), clBlue);
  strip.Insert(3, red.get(), nullptr);  // at Count: appended
  EXPECT_EQ(strip.Count(), 4);
  EXPECT_EQ(StripPixel(strip, 3), clRed);

  strip.Move(0, 2);
  EXPECT_EQ(StripPixel(strip, 0), clLime);
  EXPECT_EQ(StripPixel(strip, 1), clBlue);
  EXPECT_EQ(StripPixel(strip, 2), clRed);
  TBitmap out;
  strip.GetBitmap(1, &out);
  EXPECT_EQ(out.Width(), 16);
  EXPECT_EQ(out.Canvas()->Pixel(5, 5), clBlue);
}

TEST(ImageStrip, NewSizeDropsImagesAndTheWidestStripIsKept) {
  TLMDImageListItem strip(16, 16);
  const auto image = Square(16, clRed);
  strip.Add(image.get(), nullptr);
  strip.SetDimension(0, 8);
  EXPECT_EQ(strip.Count(), 0);
  strip.SetDimension(0, 16);
  strip.SetAllocBy(256);
  for (int i = 0; i < 2048; ++i) strip.Add(nullptr, nullptr);
  EXPECT_EQ(strip.Image()->Width(), 32768);
  try {
    strip.Add(nullptr, nullptr);
    FAIL() << "2049th image accepted";
  } catch (const EInvalidGraphicOperation& error) {
    EXPECT_EQ(error.Message(), "Too many images");
  }
  strip.Delete(0);  // a full strip can still lose an image
  EXPECT_EQ(strip.Count(), 2047);

  TLMDImageListItem huge(16, 16);
  huge.SetAllocBy(1 << 20);  // a step past the widest strip still leaves room for images
  EXPECT_EQ(huge.Add(nullptr, nullptr), 0);
  EXPECT_EQ(huge.Image()->Width(), 32768);
}

TEST(ImageStrip, MaskedImagesLeaveTheirTransparentColourOut) {
  TLMDImageListItem strip(8, 8);
  strip.SetMasked(true);
  const auto image = Square(8, clRed);
  const int index = strip.AddMasked(image.get(), clWhite);
  EXPECT_EQ(strip.Mask()->Canvas()->Pixel(0, 7), clWhite);
  EXPECT_EQ(strip.Image()->Canvas()->Pixel(0, 7), clBlack);

  auto surface = Surface(20, 20);
  strip.Draw(surface->Canvas(), 2, 2, index);
  EXPECT_EQ(surface->Canvas()->Pixel(2, 9), kPaper);
  EXPECT_EQ(surface->Canvas()->Pixel(5, 5), clRed);

  surface = Surface(20, 20);
  strip.SetBKColor(clBlue);
  strip.Draw(surface->Canvas(), 0, 0, index);
  EXPECT_EQ(surface->Canvas()->Pixel(0, 7), clBlue);

  surface = Surface(20, 20);
  strip.SetDrawingStyle(dsSelected);
  strip.SetBlendColor(clYellow);
  strip.Draw(surface->Canvas(), 0, 0, index);
  EXPECT_EQ(surface->Canvas()->Pixel(1, 2), clYellow);
  EXPECT_EQ(surface->Canvas()->Pixel(2, 2), clRed);

  surface = Surface(20, 20);
  const RECT covered = strip.DrawExt(surface->Canvas(), RECT{0, 0, 12, 12}, kLMDBmpCenter, index);
  EXPECT_EQ(covered.left, 2);
  EXPECT_EQ(surface->Canvas()->Pixel(2, 9), kPaper);
  EXPECT_EQ(surface->Canvas()->Pixel(4, 4), clRed);

  strip.SetMasked(false);
  EXPECT_EQ(strip.Mask()->Width(), 0);
  EXPECT_EQ(strip.TransparentColor(index), clBlack);
}

TEST(ImageStrip, RecordsRoundTripAndDamagedOnesRaise) {
  TLMDImageList list(nullptr);
  TLMDImageListItem* strip = list.Item(list.Add());
  strip->SetDimension(0, 8);
  strip->SetDimension(1, 8);
  strip->SetMasked(true);
  strip->SetCompressed(true);
  strip->SetDescription("Pasek");
  const auto red = Square(8, clRed);
  const auto blue = Square(8, clBlue);
  strip->AddMasked(red.get(), clWhite);
  strip->AddMasked(blue.get(), clWhite);

  TMemoryStream stream;
  list.SaveToStream(stream);
  const std::string good(stream.Memory(), static_cast<size_t>(stream.Size()));
  stream.SetPosition(0);
  TLMDImageList read(nullptr);
  read.LoadFromStream(stream);
  ASSERT_EQ(read.Count(), 1);
  EXPECT_EQ(read.ItemCount(0), 2);
  EXPECT_EQ(read.ItemCount(1), -1);
  EXPECT_TRUE(read.Masked(0));
  EXPECT_EQ(read.Dimensions(0, 1), 8);
  EXPECT_EQ(read.Item(0)->Used(), 16);
  EXPECT_EQ(read.Items(0)->Description(), "Pasek");
  EXPECT_TRUE(read.IsValidItem(0, 1));
  EXPECT_FALSE(read.IsValidItem(0, 2));
  const auto surface = Surface(20, 20);
  read.Draw(surface->Canvas(), 0, 0, 0, 1);
  EXPECT_EQ(surface->Canvas()->Pixel(3, 3), clBlue);
  EXPECT_EQ(surface->Canvas()->Pixel(0, 7), kPaper);

  for (size_t cut = 0; cut < good.size(); cut += 3) {
    TMemoryStream damaged;
    damaged.WriteBuffer(good.data(), static_cast<int64_t>(cut));
    damaged.SetPosition(0);
    TLMDImageList list2(nullptr);
    EXPECT_THROW(list2.LoadFromStream(damaged), Exception) << "cut at " << cut;
  }
}

TEST(ImageStrip, SingleStripFile) {
  const AnsiString name = "/tmp/tawo_containers_strip.iml";
  TLMDImageListItem strip(4, 4);
  const auto image = Square(4, clRed);
  strip.Add(image.get(), nullptr);
  strip.SaveToFile(name);
  TLMDImageListItem read(1, 1);
  read.LoadFromFile(name);
  EXPECT_EQ(read.Width(), 4);
  EXPECT_EQ(read.Count(), 1);
  EXPECT_EQ(StripPixel(read, 0), clRed);
  TLMDImageListItem single(nullptr);
  EXPECT_TRUE(LMDIMLGetItem(name, 0, &single));
  EXPECT_EQ(StripPixel(single, 0), clRed);
  TLMDBitmapList bitmaps(nullptr);
  EXPECT_THROW(bitmaps.LoadFromFile(name), Exception);
  std::remove(name.c_str());
}

}  // namespace
