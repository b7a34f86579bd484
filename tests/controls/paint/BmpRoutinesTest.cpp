// The 24-bit pixel routines: exact values of every effect, areas moved to a point, the same
// bitmap as source and target with overlapping areas, rectangles at the edges, and the errors
// for wrong pixel formats and areas outside a bitmap.
#include <gtest/gtest.h>

#include <LMDBmp.h>

#include "PaintTestSupport.h"

#include <cmath>
#include <initializer_list>
#include <memory>
#include <vector>

using enum TPixelFormat;

namespace {

using TRows = std::vector<std::vector<TColor>>;

std::unique_ptr<TBitmap> BitmapOf(const TRows& rows) {
  auto bitmap = MakeSurface(static_cast<int>(rows[0].size()), static_cast<int>(rows.size()), clBlack);
  for (int y = 0; y < bitmap->Height(); ++y) {
    for (int x = 0; x < bitmap->Width(); ++x) bitmap->Canvas()->SetPixel(x, y, rows[y][x]);
  }
  return bitmap;
}

TRows RowsOf(TBitmap& bitmap) {
  TRows rows(bitmap.Height(), std::vector<TColor>(bitmap.Width()));
  for (int y = 0; y < bitmap.Height(); ++y) {
    for (int x = 0; x < bitmap.Width(); ++x) rows[y][x] = bitmap.Canvas()->Pixel(x, y);
  }
  return rows;
}

TColor Grey(int value) { return RGB(value, value, value); }

RECT WholeOf(TBitmap& bitmap) { return RECT{0, 0, bitmap.Width(), bitmap.Height()}; }

const POINT kOrigin{0, 0};
const TColor kA = RGB(10, 20, 30);
const TColor kB = RGB(40, 50, 60);
const TColor kC = RGB(70, 80, 90);
const TColor kD = RGB(100, 110, 120);

TEST(LMDBmp, GrayScaleWeighsTheChannelsWithRoundedTables) {
  auto bitmap = BitmapOf({{clRed, clLime, clBlue, kA, clWhite}});
  LMDBMPGrayScale(bitmap.get(), WholeOf(*bitmap), bitmap.get(), kOrigin);
  // 76.5 and 28.05 rounded (the half to even), 150.45; 3 + 11.8 -> 12 + 3.3 -> 3; 76 + 150 + 28 = 254.
  EXPECT_EQ(RowsOf(*bitmap), (TRows{{Grey(76), Grey(150), Grey(28), Grey(18), Grey(254)}}));
}

TEST(LMDBmp, InvertAndBrightnessWorkOnEachByte) {
  auto inverted = BitmapOf({{RGB(0, 100, 255), kA}});
  LMDBMPInvert(inverted.get(), WholeOf(*inverted), inverted.get(), kOrigin);
  EXPECT_EQ(RowsOf(*inverted), (TRows{{RGB(255, 155, 0), RGB(245, 235, 225)}}));

  auto brighter = BitmapOf({{RGB(200, 50, 0), RGB(155, 156, 255)}});
  LMDBMPBrightness(brighter.get(), WholeOf(*brighter), brighter.get(), kOrigin, 100);
  EXPECT_EQ(RowsOf(*brighter), (TRows{{RGB(255, 150, 100), RGB(255, 255, 255)}}));

  auto darker = BitmapOf({{RGB(200, 50, 100)}});
  LMDBMPBrightness(darker.get(), WholeOf(*darker), darker.get(), kOrigin, -100);
  EXPECT_EQ(RowsOf(*darker), (TRows{{RGB(100, 0, 0)}}));

  auto extremes = BitmapOf({{clBlack, clWhite}});
  LMDBMPBrightness(extremes.get(), WholeOf(*extremes), extremes.get(), kOrigin, 255);
  EXPECT_EQ(RowsOf(*extremes), (TRows{{clWhite, clWhite}}));
  LMDBMPBrightness(extremes.get(), WholeOf(*extremes), extremes.get(), kOrigin, -255);
  EXPECT_EQ(RowsOf(*extremes), (TRows{{clBlack, clBlack}}));
}

TEST(LMDBmp, MirroringReversesColumnsOrRowsOfTheWholeRectangle) {
  auto sideways = BitmapOf({{kA, kB, kC}, {kD, clRed, clBlue}});
  LMDBMPFlipVertical(sideways.get(), WholeOf(*sideways), sideways.get(), kOrigin);
  EXPECT_EQ(RowsOf(*sideways), (TRows{{kC, kB, kA}, {clBlue, clRed, kD}}));

  auto upsideDown = BitmapOf({{kA, kB}, {kC, kD}, {clRed, clBlue}});
  LMDBMPFlipHorizonzal(upsideDown.get(), WholeOf(*upsideDown), upsideDown.get(), kOrigin);
  EXPECT_EQ(RowsOf(*upsideDown), (TRows{{clRed, clBlue}, {kC, kD}, {kA, kB}}));

  auto even = BitmapOf({{kA, kB, kC, kD}});
  LMDBMPFlipVertical(even.get(), RECT{1, 0, 4, 1}, even.get(), POINT{1, 0});
  EXPECT_EQ(RowsOf(*even), (TRows{{kA, kD, kC, kB}})) << "only the rectangle is mirrored";
}

TEST(LMDBmp, TheRectangleGoesToThePointOfAnotherBitmap) {
  auto source = BitmapOf({{kA, kB, kC}, {kD, kA, kB}});
  auto target = BitmapOf({{clWhite, clWhite, clWhite}, {clWhite, clWhite, clWhite}});
  LMDBMPInvert(source.get(), RECT{1, 0, 3, 1}, target.get(), POINT{0, 1});
  EXPECT_EQ(RowsOf(*target), (TRows{{clWhite, clWhite, clWhite}, {RGB(215, 205, 195), RGB(185, 175, 165), clWhite}}));
  EXPECT_EQ(RowsOf(*source), (TRows{{kA, kB, kC}, {kD, kA, kB}})) << "the source is left alone";

  LMDBMPFlipHorizonzal(source.get(), RECT{2, 0, 3, 2}, target.get(), POINT{2, 0});
  EXPECT_EQ(target->Canvas()->Pixel(2, 0), kB);
  EXPECT_EQ(target->Canvas()->Pixel(2, 1), kC);
}

TEST(LMDBmp, OverlappingAreasOfOneBitmapReadTheOriginalPixels) {
  auto right = BitmapOf({{kA, kB, kC, kD}});
  LMDBMPBrightness(right.get(), RECT{0, 0, 3, 1}, right.get(), POINT{1, 0}, 1);
  EXPECT_EQ(RowsOf(*right), (TRows{{kA, RGB(11, 21, 31), RGB(41, 51, 61), RGB(71, 81, 91)}}));

  auto up = BitmapOf({{kA}, {kB}, {kC}});
  LMDBMPFlipVertical(up.get(), RECT{0, 1, 1, 3}, up.get(), kOrigin);
  EXPECT_EQ(RowsOf(*up), (TRows{{kB}, {kC}, {kC}}));

  auto mirrored = BitmapOf({{kA}, {kB}, {kC}});
  LMDBMPFlipHorizonzal(mirrored.get(), RECT{0, 0, 1, 2}, mirrored.get(), POINT{0, 1});
  EXPECT_EQ(RowsOf(*mirrored), (TRows{{kA}, {kB}, {kA}}));
}

TEST(LMDBmp, AlphaBlendWeighsTheFirstSourceAndRoundsHalvesToEven) {
  auto first = BitmapOf({{RGB(200, 100, 5), RGB(7, 255, 0)}});
  auto second = BitmapOf({{RGB(100, 200, 0), RGB(0, 0, 255)}});
  auto target = BitmapOf({{clBlack, clBlack}});
  const RECT rect = WholeOf(*first);

  LMDBMPAlphaBlend(first.get(), second.get(), rect, kOrigin, target.get(), 0.5f, kOrigin);
  // 100 + 50; 200 - 50; 2.5 -> 2; 3.5 -> 4; 127.5 -> 128; 255 - 127.5 -> 255 - 128.
  EXPECT_EQ(RowsOf(*target), (TRows{{RGB(150, 150, 2), RGB(4, 128, 127)}}));

  LMDBMPAlphaBlend(first.get(), second.get(), rect, kOrigin, target.get(), 0.25f, kOrigin);
  EXPECT_EQ(RowsOf(*target), (TRows{{RGB(125, 175, 1), RGB(2, 64, 191)}}));

  LMDBMPAlphaBlend(first.get(), second.get(), rect, kOrigin, target.get(), 0.0f, kOrigin);
  EXPECT_EQ(RowsOf(*target), RowsOf(*second));
  LMDBMPAlphaBlend(first.get(), second.get(), rect, kOrigin, target.get(), 1.0f, kOrigin);
  EXPECT_EQ(RowsOf(*target), RowsOf(*first));
}

TEST(LMDBmp, AlphaOutsideZeroToOneIsTakenAtTheNearestEnd) {
  auto first = BitmapOf({{RGB(250, 10, 128)}});
  auto second = BitmapOf({{RGB(10, 250, 128)}});
  auto target = BitmapOf({{clBlack}});
  LMDBMPAlphaBlend(first.get(), second.get(), WholeOf(*first), kOrigin, target.get(), 2.0f, kOrigin);
  EXPECT_EQ(RowsOf(*target), RowsOf(*first)) << "no byte wraps around";
  LMDBMPAlphaBlend(first.get(), second.get(), WholeOf(*first), kOrigin, target.get(), -1.0f, kOrigin);
  EXPECT_EQ(RowsOf(*target), RowsOf(*second));
  LMDBMPAlphaBlend(first.get(), second.get(), WholeOf(*first), kOrigin, target.get(), std::nanf(""), kOrigin);
  EXPECT_EQ(RowsOf(*target), RowsOf(*second));
}

TEST(LMDBmp, AlphaBlendTakesEachSourceAtItsOwnPlaceAndMayWriteIntoASource) {
  auto first = BitmapOf({{clWhite, clWhite}, {clWhite, RGB(200, 200, 200)}});
  auto second = BitmapOf({{RGB(100, 100, 100), clBlack, clBlack}});
  LMDBMPAlphaBlend(first.get(), second.get(), RECT{1, 1, 2, 2}, POINT{0, 0}, first.get(), 0.5f, POINT{0, 0});
  EXPECT_EQ(RowsOf(*first), (TRows{{Grey(150), clWhite}, {clWhite, Grey(200)}}));

  auto same = BitmapOf({{Grey(0), Grey(100), Grey(200)}});
  LMDBMPAlphaBlend(same.get(), same.get(), RECT{1, 0, 3, 1}, POINT{0, 0}, same.get(), 0.5f, POINT{0, 0});
  EXPECT_EQ(RowsOf(*same), (TRows{{Grey(50), Grey(150), Grey(200)}}));
}

template <class Call>
void ExpectMessage(Call call, const std::string& message) {
  try {
    call();
    ADD_FAILURE() << "no exception, expected: " << message;
  } catch (const Exception& error) {
    EXPECT_EQ(error.Message(), message);
  }
}

TEST(LMDBmp, BitmapsThatAreNotTwentyFourBitAreRefusedByName) {
  auto good = MakeSurface(2, 2, clWhite);
  auto eightBit = MakeSurface(2, 2, clWhite);
  eightBit->SetPixelFormat(pf8bit);
  auto thirtyTwo = MakeSurface(2, 2, clWhite);
  thirtyTwo->SetPixelFormat(pf32bit);
  const RECT rect{0, 0, 2, 2};

  EXPECT_THROW(LMDBMPAlphaBlend(eightBit.get(), good.get(), rect, kOrigin, good.get(), 0.5f, kOrigin),
               ELMDWrongPixelFormat);
  ExpectMessage([&] { LMDBMPAlphaBlend(eightBit.get(), eightBit.get(), rect, kOrigin, eightBit.get(), 0.5f, kOrigin); },
                "Wrong PixelFormat in Source 1 bitmap!");
  ExpectMessage([&] { LMDBMPAlphaBlend(good.get(), thirtyTwo.get(), rect, kOrigin, eightBit.get(), 0.5f, kOrigin); },
                "Wrong PixelFormat in Source 2 bitmap!");
  ExpectMessage([&] { LMDBMPAlphaBlend(good.get(), good.get(), rect, kOrigin, thirtyTwo.get(), 0.5f, kOrigin); },
                "Wrong PixelFormat in Target bitmap!");
  ExpectMessage([&] { LMDBMPAlphaBlend(good.get(), nullptr, rect, kOrigin, good.get(), 0.5f, kOrigin); },
                "Wrong PixelFormat in Source 2 bitmap!");

  ExpectMessage([&] { LMDBMPGrayScale(thirtyTwo.get(), rect, good.get(), kOrigin); },
                "Wrong PixelFormat in Source bitmap!");
  ExpectMessage([&] { LMDBMPInvert(good.get(), rect, eightBit.get(), kOrigin); }, "Wrong PixelFormat in Target bitmap!");
  EXPECT_THROW(LMDBMPBrightness(eightBit.get(), rect, good.get(), kOrigin, 5), ELMDWrongPixelFormat);
  EXPECT_THROW(LMDBMPFlipVertical(eightBit.get(), rect, eightBit.get(), kOrigin), ELMDWrongPixelFormat);
  EXPECT_THROW(LMDBMPFlipHorizonzal(good.get(), rect, thirtyTwo.get(), kOrigin), ELMDWrongPixelFormat);
  EXPECT_EQ(good->Canvas()->Pixel(0, 0), clWhite) << "nothing is written before the check";
}

TEST(LMDBmp, RectanglesAtTheEdgesWorkAndAreasOutsideABitmapAreRefused) {
  auto bitmap = BitmapOf({{kA, kB, kC}, {kD, kA, kB}});
  LMDBMPInvert(bitmap.get(), RECT{2, 1, 3, 2}, bitmap.get(), POINT{0, 0});
  EXPECT_EQ(bitmap->Canvas()->Pixel(0, 0), RGB(215, 205, 195)) << "the bottom-right pixel reaches the top-left";

  auto small = MakeSurface(2, 2, clWhite);
  ExpectMessage([&] { LMDBMPInvert(bitmap.get(), RECT{1, 0, 4, 1}, small.get(), kOrigin); },
                "Wrong size of Source bitmap!");
  ExpectMessage([&] { LMDBMPInvert(bitmap.get(), RECT{0, 0, 3, 1}, small.get(), kOrigin); },
                "Wrong size of Target bitmap!");
  EXPECT_THROW(LMDBMPGrayScale(bitmap.get(), RECT{-1, 0, 1, 1}, bitmap.get(), kOrigin), ELMDWrongBmpSize);
  EXPECT_THROW(LMDBMPBrightness(bitmap.get(), RECT{0, 0, 1, 3}, bitmap.get(), kOrigin, 1), ELMDWrongBmpSize);
  EXPECT_THROW(LMDBMPFlipVertical(bitmap.get(), RECT{0, 0, 1, 1}, small.get(), POINT{2, 0}), ELMDWrongBmpSize);
  EXPECT_THROW(LMDBMPFlipHorizonzal(bitmap.get(), RECT{0, 0, 1, 1}, small.get(), POINT{0, -1}), ELMDWrongBmpSize);
  EXPECT_THROW(LMDBMPInvert(bitmap.get(), RECT{0, 0, 1, 1}, small.get(), POINT{INT32_MAX, 0}), ELMDWrongBmpSize);
  ExpectMessage([&] { LMDBMPAlphaBlend(bitmap.get(), small.get(), RECT{0, 0, 3, 2}, kOrigin, bitmap.get(), 0.5f,
                                       kOrigin); },
                "Wrong size of Source 2 bitmap!");
  EXPECT_THROW(LMDBMPAlphaBlend(bitmap.get(), bitmap.get(), RECT{0, 0, 2, 2}, POINT{2, 0}, bitmap.get(), 0.5f,
                                kOrigin),
               ELMDWrongBmpSize);
  EXPECT_EQ(small->Canvas()->Pixel(0, 0), clWhite);

  const TRows before = RowsOf(*bitmap);
  LMDBMPInvert(bitmap.get(), RECT{2, 2, 2, 5}, bitmap.get(), POINT{50, 50});
  LMDBMPAlphaBlend(bitmap.get(), small.get(), RECT{3, 0, 1, 1}, kOrigin, bitmap.get(), 0.5f, kOrigin);
  EXPECT_EQ(RowsOf(*bitmap), before) << "an empty rectangle changes nothing, wherever it points";
}

}  // namespace
