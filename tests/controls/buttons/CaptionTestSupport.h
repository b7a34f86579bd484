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

// The pixels a bitmap holds in other colours than the background.
inline TPixelSet PaintedPixels(TBitmap& bitmap, TColor background) {
  TPixelSet pixels;
  for (int y = 0; y < bitmap.Height(); ++y) {
    for (int x = 0; x < bitmap.Width(); ++x) {
      if (bitmap.Canvas()->Pixel(x, y) != background) pixels.insert({x, y});
    }
  }
  return pixels;
}

// The pixels of the text drawn plainly with the font into the rectangle.
inline TPixelSet PlainTextPixels(int width, int height, TFont* font, const AnsiString& text, const RECT& rect,
                                 UINT format) {
  auto bitmap = MakeSurface(width, height, kBack);
  bitmap->Canvas()->SetFont(font);
  bitmap->Canvas()->Font()->SetColor(kFace);
  bitmap->Canvas()->Brush()->SetStyle(bsClear);
  LMDDrawTextExt(bitmap->Canvas(), text, nullptr, rect, format, TLMDDrawTextStyles{dtEnabled}, nullptr);
  return PaintedPixels(*bitmap, kBack);
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

// "" when the bitmaps agree, else how many pixels differ and the first of them.
inline std::string PictureDifference(TBitmap& actual, TBitmap& expected) {
  int count = 0;
  std::string first;
  for (int y = 0; y < actual.Height(); ++y) {
    for (int x = 0; x < actual.Width(); ++x) {
      const TColor a = actual.Canvas()->Pixel(x, y);
      const TColor e = expected.Canvas()->Pixel(x, y);
      if (a == e) continue;
      if (count++ == 0) {
        first = " first at (" + std::to_string(x) + ", " + std::to_string(y) + "): " + std::to_string(a) +
                " instead of " + std::to_string(e);
      }
    }
  }
  return count == 0 ? std::string() : std::to_string(count) + " pixels differ;" + first;
}

inline RECT BoundingBox(const TPixelSet& pixels) {
  RECT box{INT32_MAX, INT32_MAX, INT32_MIN, INT32_MIN};
  for (const auto& [x, y] : pixels) {
    box.left = std::min(box.left, x);
    box.top = std::min(box.top, y);
    box.right = std::max(box.right, x + 1);
    box.bottom = std::max(box.bottom, y + 1);
  }
  return box;
}
