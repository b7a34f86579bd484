#include <gtest/gtest.h>

#include "GraphicsTestUtil.h"
#include "ImgList.h"
#include "TBitmap.h"
#include "TMemoryStream.h"

#include <memory>

using enum TPixelFormat;

namespace {

struct TChangeCounter : TObject {
  int Count = 0;
  void Changed(TObject*) { ++Count; }
};

// Two 4 x 4 images side by side: a red one with a fuchsia (transparent) top-left quarter,
// and a blue one.
std::unique_ptr<TBitmap> TwoImages() {
  auto strip = std::make_unique<TBitmap>();
  strip->SetPixelFormat(pf24bit);
  strip->SetSize(8, 4);
  TCanvas* canvas = strip->Canvas();
  canvas->Brush()->SetColor(clRed);
  canvas->FillRect(RECT{0, 0, 4, 4});
  canvas->Brush()->SetColor(clFuchsia);
  canvas->FillRect(RECT{0, 0, 2, 2});
  canvas->Brush()->SetColor(clBlue);
  canvas->FillRect(RECT{4, 0, 8, 4});
  return strip;
}

std::unique_ptr<TBitmap> Background(TColor color) {
  auto target = std::make_unique<TBitmap>();
  target->SetPixelFormat(pf24bit);
  target->SetSize(10, 10);
  target->Canvas()->Brush()->SetColor(color);
  target->Canvas()->FillRect(RECT{0, 0, 10, 10});
  return target;
}

class ImageLists : public ::testing::Test {
 protected:
  void SetUp() override {
    FList.SetWidth(4);
    FList.SetHeight(4);
    FList.OnChange = TNotifyEvent(&FChanges, &TChangeCounter::Changed);
  }
  TImageList FList{nullptr};
  TChangeCounter FChanges;
};

TEST_F(ImageLists, AddMaskedSplitsTheStripAndDrawsThroughTheMask) {
  EXPECT_EQ(FList.AddMasked(TwoImages().get(), clFuchsia), 0);
  EXPECT_EQ(FList.Count(), 2);
  EXPECT_EQ(FChanges.Count, 1);

  auto target = Background(clLime);
  FList.Draw(target->Canvas(), 3, 3, 0);
  TCanvas* canvas = target->Canvas();
  EXPECT_EQ(canvas->Pixel(3, 3), clLime) << "transparent quarter";
  EXPECT_EQ(canvas->Pixel(4, 4), clLime);
  EXPECT_EQ(canvas->Pixel(5, 3), clRed);
  EXPECT_EQ(canvas->Pixel(6, 6), clRed);
  EXPECT_EQ(canvas->Pixel(7, 7), clLime) << "outside the image";
  EXPECT_EQ(canvas->CopyMode(), cmSrcCopy) << "the canvas copy mode is restored";

  FList.Draw(canvas, 0, 0, 1);
  EXPECT_EQ(canvas->Pixel(0, 0), clBlue);
  FList.Draw(canvas, 0, 0, 2);  // no such image: nothing
  FList.Draw(canvas, 0, 0, -1);
  EXPECT_EQ(canvas->Pixel(0, 0), clBlue);
}

TEST_F(ImageLists, BackgroundColourAndUnmaskedListsPaintTheWholeCell) {
  FList.AddMasked(TwoImages().get(), clFuchsia);
  auto target = Background(clLime);
  FList.SetBkColor(clYellow);
  FList.Draw(target->Canvas(), 0, 0, 0);
  EXPECT_EQ(target->Canvas()->Pixel(0, 0), clYellow);
  EXPECT_EQ(target->Canvas()->Pixel(3, 3), clRed);

  FList.SetMasked(false);
  FList.Draw(target->Canvas(), 0, 0, 0);
  EXPECT_EQ(target->Canvas()->Pixel(0, 0), clBlack) << "masked pixels are stored black";
}

TEST_F(ImageLists, AddWithAMaskBitmapAndWithout) {
  auto mask = std::make_unique<TBitmap>();
  mask->SetMonochrome(true);
  mask->SetSize(4, 4);
  mask->Canvas()->Brush()->SetColor(clBlack);
  mask->Canvas()->FillRect(RECT{0, 0, 4, 4});
  mask->Canvas()->Brush()->SetColor(clWhite);
  mask->Canvas()->FillRect(RECT{2, 2, 4, 4});
  auto image = Background(clNavy);
  image->SetSize(4, 4);
  EXPECT_EQ(FList.Add(image.get(), mask.get()), 0);
  EXPECT_EQ(FList.Add(image.get(), nullptr), 1);

  auto target = Background(clLime);
  FList.Draw(target->Canvas(), 0, 0, 0);
  FList.Draw(target->Canvas(), 5, 5, 1);
  EXPECT_EQ(target->Canvas()->Pixel(1, 1), clNavy);
  EXPECT_EQ(target->Canvas()->Pixel(3, 3), clLime) << "white mask pixels are transparent";
  EXPECT_EQ(target->Canvas()->Pixel(8, 8), clNavy) << "no mask: opaque";
}

TEST_F(ImageLists, BadImagesAreRefusedAndLeaveTheListAsItWas) {
  FList.AddMasked(TwoImages().get(), clFuchsia);
  auto small = Background(clRed);
  small->SetSize(3, 4);
  EXPECT_THROW(FList.Add(small.get(), nullptr), EInvalidOperation);
  EXPECT_THROW(FList.Add(nullptr, nullptr), EInvalidOperation);
  auto image = Background(clRed);
  auto narrowMask = Background(clWhite);
  narrowMask->SetSize(2, 10);
  EXPECT_THROW(FList.Add(image.get(), narrowMask.get()), EInvalidOperation);
  EXPECT_THROW(FList.Delete(2), EInvalidOperation);
  EXPECT_THROW(FList.SetWidth(0), EInvalidOperation);
  EXPECT_EQ(FList.Count(), 2);
  EXPECT_EQ(FList.Width(), 4);
}

TEST_F(ImageLists, DeleteShiftsTheLaterImagesAndNewSizeEmptiesTheList) {
  FList.AddMasked(TwoImages().get(), clFuchsia);
  FList.Delete(0);
  ASSERT_EQ(FList.Count(), 1);
  TBitmap copy;
  FList.GetBitmap(0, &copy);
  EXPECT_EQ(copy.Width(), 4);
  EXPECT_EQ(copy.Canvas()->Pixel(0, 0), clBlue);

  FList.SetHeight(8);
  EXPECT_EQ(FList.Count(), 0);
}

TEST_F(ImageLists, ImagesSurviveStreamingAndDamagedDataIsRefused) {
  FList.AddMasked(TwoImages().get(), clFuchsia);
  TMemoryStream stream;
  stream.WriteComponent(&FList);

  TImageList loaded(nullptr);
  stream.SetPosition(0);
  stream.ReadComponent(&loaded);
  EXPECT_EQ(loaded.Width(), 4);
  EXPECT_EQ(loaded.Count(), 2);
  auto target = Background(clLime);
  loaded.Draw(target->Canvas(), 0, 0, 0);
  EXPECT_EQ(target->Canvas()->Pixel(0, 0), clLime);
  EXPECT_EQ(target->Canvas()->Pixel(3, 3), clRed);

  // A count that does not match the strips.
  AnsiString bytes(stream.Memory(), static_cast<std::size_t>(stream.Size()));
  const std::size_t data = bytes.find("Bitmap") + 6 + 1 + 4;  // name, vaBinary, length
  ASSERT_LT(data, bytes.size());
  bytes[data] = 3;
  TMemoryStream damaged;
  damaged.WriteBuffer(bytes.data(), static_cast<int64_t>(bytes.size()));
  damaged.SetPosition(0);
  TImageList target2(nullptr);
  EXPECT_THROW(damaged.ReadComponent(&target2), EReadError);
  EXPECT_EQ(target2.Count(), 0);
}

}  // namespace
