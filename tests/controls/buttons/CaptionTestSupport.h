// Text painted with caption effects, checked against copies of the plain text: the plain
// text's pixels, shifted and coloured as each copy of an effect should be, make the expected
// picture.
#pragma once

#include <LMDUtilsText.h>

#include "../paint/PaintTestSupport.h"

#include <set>
#include <string>
#include <utility>
#include <vector>

constexpr TColor kBack = 0x00FF00;
constexpr TColor kFace = 0x0000FF;
constexpr TColor kLight = 0xFFFFFF;
constexpr TColor kShadow = 0x800000;

using TPixelSet = std::set<std::pair<int, int>>;

// The pixels in other colours than the background.
inline TPixelSet PaintedPixels(TBitmap& bitmap, TColor background = kBack) {
  TPixelSet pixels;
  for (int y = 0; y < bitmap.Height(); ++y) {
    for (int x = 0; x < bitmap.Width(); ++x) {
      if (bitmap.Canvas()->Pixel(x, y) != background) pixels.insert({x, y});
    }
  }
  return pixels;
}

inline RECT BoundingBox(const TPixelSet& pixels) {
  RECT box{INT32_MAX, INT32_MAX, INT32_MIN, INT32_MIN};
  for (const auto& [x, y] : pixels) {
    box = RECT{std::min<LONG>(box.left, x), std::min<LONG>(box.top, y), std::max<LONG>(box.right, x + 1),
               std::max<LONG>(box.bottom, y + 1)};
  }
  return box;
}

// One copy of the text: where it stands relative to the plain text, and its colour.
struct TCopy {
  int Dx;
  int Dy;
  TColor Color;
};

// The copies painted in order over the background.
inline std::unique_ptr<TBitmap> ComposeCopies(int width, int height, const TPixelSet& plain,
                                              const std::vector<TCopy>& copies) {
  auto bitmap = MakeSurface(width, height, kBack);
  for (const TCopy& copy : copies) {
    for (const auto& [x, y] : plain) bitmap->Canvas()->SetPixel(x + copy.Dx, y + copy.Dy, copy.Color);
  }
  return bitmap;
}

// How many pixels differ between two bitmaps of one size.
inline int DifferentPixels(TBitmap& actual, TBitmap& expected) {
  int count = 0;
  for (int y = 0; y < actual.Height(); ++y) {
    for (int x = 0; x < actual.Width(); ++x) count += actual.Canvas()->Pixel(x, y) != expected.Canvas()->Pixel(x, y);
  }
  return count;
}
