// Unit Graphics: TBmpFile, BMP file images: reading every valid variant (core, info, V2-V5 and
// OS/2 2.x headers; 1, 4, 8, 16, 24 and 32 bits; uncompressed, RLE4, RLE8 and bit fields;
// top-down and bottom-up; short colour tables) and writing the framework's form.
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
  // "Bitmap image is not valid"; nothing is allocated beyond what the limits allow.
  static std::shared_ptr<TBitmapImage> Read(TStream& stream);
  // The same from bytes in memory.
  static std::shared_ptr<TBitmapImage> Read(const uint8_t* data, std::size_t size, std::size_t* consumed = nullptr);
  // Writes a BMP file: BITMAPFILEHEADER, BITMAPINFOHEADER, the R5G6B5 masks of pf16bit, the
  // colour table of indexed images and the bits bottom-up; pfDevice is written as 32 bits.
  static void Write(TStream& stream, const TBitmapImage& image);
  // Bytes Write produces.
  static int64_t FileSize(const TBitmapImage& image);
};
