// A validated description of a device-independent bitmap, read from untrusted BITMAPINFO
// data: header (core, OS/2 2.x, info, V2 to V5), bit fields (with alpha from V3 headers and
// BI_ALPHABITFIELDS) and colour table. The one parser of bitmap descriptions: the DIB entry
// points and, through them, the framework's BMP files read it.
#pragma once

#include "PixelSurface.h"

#include <windows.h>

#include <cstdint>
#include <optional>
#include <vector>

class DibInfo {
 public:
  // Parses `info` (at most `available` bytes are readable; pass SIZE_MAX when unknown).
  // DIB_PAL_COLORS tables are resolved through `palette` (WORD indices); empty = default palette.
  // Returns nothing when the description is invalid.
  static std::optional<DibInfo> Parse(const BITMAPINFO* info, size_t available, UINT usage,
                                      const std::vector<PALETTEENTRY>& palette);

  int Width() const { return width_; }
  int Height() const { return height_; }  // always positive
  bool BottomUp() const { return bottomUp_; }
  int BitsPerPixel() const { return format_.bitsPerPixel; }
  DWORD Compression() const { return compression_; }
  int Stride() const { return PixelSurface::StrideFor(width_, format_.bitsPerPixel, PixelSurface::RowAlignment::DoubleWord); }
  size_t ImageSize() const { return static_cast<size_t>(Stride()) * height_; }
  bool IsCompressed() const { return compression_ == BI_RLE4 || compression_ == BI_RLE8; }
  // Bytes of pixel data the caller supplies: the header's image size for compressed data
  // (which has no other bound), the uncompressed size otherwise.
  size_t DataSize() const { return IsCompressed() ? sizeImage_ : ImageSize(); }
  // Bytes of header, masks and colour table: where the bits start in a packed DIB.
  size_t HeaderBytes() const { return headerBytes_; }
  const PixelSurface::Format& SurfaceFormat() const { return format_; }

  // A top-down surface holding the DIB's pixels (RLE data decompressed to 8 bits per
  // pixel, unreached pixels at index 0). Null when the bits are too short or malformed.
  // `lines` limits the rows to the first scan lines of the bits (all rows when negative); the
  // surface's last row is the first scan line for a bottom-up DIB.
  std::shared_ptr<PixelSurface> Decode(const void* bits, size_t bitsSize, int lines = -1) const;

 private:
  // The size of the surface Decode makes; Parse refuses descriptions whose surface would
  // pass PixelSurface::kMaxBytes.
  uint64_t DecodedBytes() const;

  int width_ = 0;
  int height_ = 0;
  bool bottomUp_ = true;
  DWORD compression_ = BI_RGB;
  size_t sizeImage_ = 0;
  size_t headerBytes_ = 0;
  PixelSurface::Format format_;
};
