#include "LMDBmp.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstring>
#include <vector>

using enum TPixelFormat;

namespace {

constexpr int32_t kBytesPerPixel = 3;

// The pixels of one area, rows top to bottom, three bytes per pixel.
struct TPixelArea {
  int32_t Width = 0;
  int32_t Height = 0;
  std::vector<uint8_t> Bytes;

  uint8_t* Row(int32_t y) { return Bytes.data() + static_cast<std::size_t>(y) * RowSize(); }
  std::size_t RowSize() const { return static_cast<std::size_t>(Width) * kBytesPerPixel; }
};

// Rounded to the nearest integer, halves to even (the default rounding mode).
int32_t Rounded(double value) { return static_cast<int32_t>(std::lrint(value)); }

using TProductTable = std::array<uint8_t, 256>;

TProductTable ProductTable(double factor) {
  TProductTable table{};
  for (int32_t v = 0; v < 256; ++v) table[v] = static_cast<uint8_t>(Rounded(v * factor));
  return table;
}

void CheckFormat(TBitmap* bitmap, const char* name) {
  if (bitmap == nullptr || bitmap->PixelFormat() != pf24bit)
    throw ELMDWrongPixelFormat(AnsiString("Wrong PixelFormat in ") + name + " bitmap!");
}

bool IsEmpty(const RECT& rect) { return rect.right <= rect.left || rect.bottom <= rect.top; }

// The area of the rectangle's size at `at` must lie inside the bitmap; 64-bit so that far-off
// points cannot wrap around into range.
void CheckArea(TBitmap* bitmap, const RECT& rect, const POINT& at, const char* name) {
  const int64_t right = int64_t{at.x} + rect.right - rect.left;
  const int64_t bottom = int64_t{at.y} + rect.bottom - rect.top;
  if (at.x < 0 || at.y < 0 || right > bitmap->Width() || bottom > bitmap->Height())
    throw ELMDWrongBmpSize(AnsiString("Wrong size of ") + name + " bitmap!");
}

POINT TopLeft(const RECT& rect) { return POINT{rect.left, rect.top}; }

TPixelArea ReadArea(TBitmap* bitmap, const RECT& rect, const POINT& at) {
  TPixelArea area{rect.right - rect.left, rect.bottom - rect.top, {}};
  area.Bytes.resize(area.RowSize() * static_cast<std::size_t>(area.Height));
  for (int32_t y = 0; y < area.Height; ++y) {
    const auto* row = static_cast<const uint8_t*>(bitmap->ScanLine(at.y + y));
    std::memcpy(area.Row(y), row + static_cast<std::size_t>(at.x) * kBytesPerPixel, area.RowSize());
  }
  return area;
}

void WriteArea(TBitmap* bitmap, const POINT& at, TPixelArea& area) {
  for (int32_t y = 0; y < area.Height; ++y) {
    auto* row = static_cast<uint8_t*>(bitmap->ScanLine(at.y + y));
    std::memcpy(row + static_cast<std::size_t>(at.x) * kBytesPerPixel, area.Row(y), area.RowSize());
  }
}

// Checks the bitmaps and areas, reads the source area whole, lets `transform` change it and
// writes it at the point.
template <class Transform>
void TransformArea(TBitmap* source, const RECT& rect, TBitmap* target, const POINT& point, Transform transform) {
  CheckFormat(source, "Source");
  CheckFormat(target, "Target");
  if (IsEmpty(rect)) return;
  CheckArea(source, rect, TopLeft(rect), "Source");
  CheckArea(target, rect, point, "Target");
  TPixelArea area = ReadArea(source, rect, TopLeft(rect));
  transform(area);
  WriteArea(target, point, area);
}

template <class ByteMap>
void TransformBytes(TBitmap* source, const RECT& rect, TBitmap* target, const POINT& point, ByteMap map) {
  TransformArea(source, rect, target, point, [&](TPixelArea& area) {
    for (uint8_t& byte : area.Bytes) byte = map(byte);
  });
}

// For d = -255..255 at index d + 255: d * alpha, rounded.
std::array<int32_t, 511> DifferenceTable(double alpha) {
  std::array<int32_t, 511> table{};
  for (int32_t d = -255; d <= 255; ++d) table[d + 255] = Rounded(d * alpha);
  return table;
}

}  // namespace

void LMDBMPGrayScale(TBitmap* source, const RECT& rect, TBitmap* target, const POINT& point) {
  static const TProductTable kRed = ProductTable(0.3);
  static const TProductTable kGreen = ProductTable(0.59);
  static const TProductTable kBlue = ProductTable(0.11);
  TransformArea(source, rect, target, point, [](TPixelArea& area) {
    for (std::size_t i = 0; i < area.Bytes.size(); i += kBytesPerPixel) {
      uint8_t* pixel = &area.Bytes[i];
      const auto grey = static_cast<uint8_t>(kRed[pixel[2]] + kGreen[pixel[1]] + kBlue[pixel[0]]);
      pixel[0] = pixel[1] = pixel[2] = grey;
    }
  });
}

void LMDBMPInvert(TBitmap* source, const RECT& rect, TBitmap* target, const POINT& point) {
  TransformBytes(source, rect, target, point, [](uint8_t byte) { return static_cast<uint8_t>(255 - byte); });
}

void LMDBMPBrightness(TBitmap* source, const RECT& rect, TBitmap* target, const POINT& point, TLMDBrightness delta) {
  TransformBytes(source, rect, target, point,
                 [delta](uint8_t byte) { return static_cast<uint8_t>(std::clamp(byte + delta, 0, 255)); });
}

void LMDBMPFlipVertical(TBitmap* source, const RECT& rect, TBitmap* target, const POINT& point) {
  TransformArea(source, rect, target, point, [](TPixelArea& area) {
    for (int32_t y = 0; y < area.Height; ++y) {
      uint8_t* row = area.Row(y);
      for (int32_t left = 0, right = area.Width - 1; left < right; ++left, --right) {
        std::swap_ranges(row + left * kBytesPerPixel, row + (left + 1) * kBytesPerPixel, row + right * kBytesPerPixel);
      }
    }
  });
}

void LMDBMPFlipHorizonzal(TBitmap* source, const RECT& rect, TBitmap* target, const POINT& point) {
  TransformArea(source, rect, target, point, [](TPixelArea& area) {
    for (int32_t top = 0, bottom = area.Height - 1; top < bottom; ++top, --bottom) {
      std::swap_ranges(area.Row(top), area.Row(top) + area.RowSize(), area.Row(bottom));
    }
  });
}

void LMDBMPAlphaBlend(TBitmap* source1, TBitmap* source2, const RECT& rect, const POINT& targetPoint,
                      TBitmap* target, float alpha, const POINT& point2) {
  CheckFormat(source1, "Source 1");
  CheckFormat(source2, "Source 2");
  CheckFormat(target, "Target");
  if (IsEmpty(rect)) return;
  CheckArea(source1, rect, TopLeft(rect), "Source 1");
  CheckArea(source2, rect, point2, "Source 2");
  CheckArea(target, rect, targetPoint, "Target");
  const double weight = alpha > 0 ? std::min(double{alpha}, 1.0) : 0.0;
  const auto table = DifferenceTable(weight);
  TPixelArea blended = ReadArea(source1, rect, TopLeft(rect));
  TPixelArea other = ReadArea(source2, rect, point2);
  for (std::size_t i = 0; i < blended.Bytes.size(); ++i) {
    const int32_t s2 = other.Bytes[i];
    blended.Bytes[i] = static_cast<uint8_t>(table[blended.Bytes[i] - s2 + 255] + s2);
  }
  WriteArea(target, targetPoint, blended);
}
