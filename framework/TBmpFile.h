// Unit Graphics: TBmpFile, BMP file images. Reading checks the file header and the size
// limits and hands the BITMAPINFO and the bits to gdi32, which parses and decodes every
// variant it knows (core, OS/2 2.x, info and V2-V5 headers; 1 to 32 bits; RLE4, RLE8 and bit
// fields; top-down rows); writing takes the header and the bits from the DIB section.
#pragma once

#include "TBitmapImage.h"

#include <cstdint>
#include <memory>

class TStream;

class TBmpFile {
 public:
  // Largest width or height, and largest number of pixels, of an image that is read.
  static constexpr int64_t kMaxDimension = 65535;
  static constexpr int64_t kMaxPixels = int64_t{1} << 26;

  // Reads a BMP file image from the stream's position to the end of the stream at most and
  // leaves the position after the pixel data. Damaged data raises EInvalidGraphic
  // "Bitmap image is not valid"; nothing is allocated beyond what the limits allow. Indices
  // past a short colour table read as its first entry.
  static std::shared_ptr<TBitmapImage> Read(TStream& stream);
  // The same from bytes in memory.
  static std::shared_ptr<TBitmapImage> Read(const uint8_t* data, std::size_t size, std::size_t* consumed = nullptr);
  // Writes a BMP file: BITMAPFILEHEADER, the DIB section's BITMAPINFOHEADER, its masks when
  // they are not the depth's defaults (pf16bit), its colour table and its bits bottom-up;
  // pfDevice is written as 32 bits.
  static void Write(TStream& stream, const TBitmapImage& image);
  // Bytes Write produces.
  static int64_t FileSize(const TBitmapImage& image);
};
