// Pixel storage of a bitmap: 1, 4, 8, 16, 24 or 32 bits per pixel, rows top-down or
// bottom-up in memory, with an optional colour table. Pixel values are read and written as
// raw 32-bit numbers in the surface's own format; conversion to and from COLORREF is here too.
#pragma once

#include <windows.h>

#include <cstdint>
#include <cstdlib>
#include <memory>
#include <vector>

class PixelSurface {
 public:
  enum class RowAlignment { Word, DoubleWord };

  struct Format {
    int bitsPerPixel = 32;
    bool bottomUp = false;
    RowAlignment alignment = RowAlignment::DoubleWord;
    std::vector<RGBQUAD> colorTable;  // indexed formats; empty for a monochrome DDB
    uint32_t redMask = 0, greenMask = 0, blueMask = 0;  // 16 and 32 bpp bit fields
    uint32_t alphaMask = 0;  // bit fields with alpha; none in a surface's default formats
  };

  // Largest surface accepted, in bytes; larger requests fail instead of exhausting memory.
  static constexpr uint64_t kMaxBytes = uint64_t{1} << 30;

  // Null when the size or format is not valid.
  static std::shared_ptr<PixelSurface> Create(int width, int height, Format format);
  static int StrideFor(int width, int bitsPerPixel, RowAlignment alignment);

  int Width() const { return width_; }
  int Height() const { return height_; }
  int BitsPerPixel() const { return format_.bitsPerPixel; }
  int Stride() const { return stride_; }
  const Format& GetFormat() const { return format_; }
  bool IsMonochromeDdb() const { return format_.bitsPerPixel == 1 && format_.colorTable.empty(); }
  bool IsIndexed() const { return format_.bitsPerPixel <= 8; }
  uint32_t PixelMask() const;
  // The bits of a pixel value that make its colour (not the unused or alpha bits).
  uint32_t ColorMask() const;
  // Whether the 16 or 32 bpp masks differ from the depth's defaults (X1R5G5B5, X8R8G8B8).
  bool HasCustomMasks() const;
  RECT Bounds() const { return RECT{0, 0, width_, height_}; }

  // A copy with its own pixels; null when there is no memory for them.
  std::shared_ptr<PixelSurface> Clone() const;

  uint8_t* Bits() { return bits_.get(); }
  size_t SizeInBytes() const { return sizeInBytes_; }
  uint8_t* Row(int y) { return bits_.get() + RowOffset(y); }
  const uint8_t* Row(int y) const { return bits_.get() + RowOffset(y); }

  uint32_t ReadPixel(int x, int y) const;
  void WritePixel(int x, int y, uint32_t value);
  void ReadRow(int y, int x, int count, uint32_t* out) const;
  void WriteRow(int y, int x, int count, const uint32_t* values);

  // Nearest pixel value for a plain RGB colour (the monochrome DDB rule lives with the DC,
  // because it needs the DC's background colour).
  uint32_t PixelFromColor(COLORREF color) const;
  COLORREF ColorFromPixel(uint32_t pixel) const;
  // A pixel's alpha scaled to 0..255; 0 without an alpha mask.
  uint8_t AlphaFromPixel(uint32_t pixel) const;
  void SetColorTable(UINT start, const RGBQUAD* colors, UINT count);
  bool SameFormatAs(const PixelSurface& other) const;

 private:
  PixelSurface(int width, int height, Format format);
  size_t RowOffset(int y) const {
    const int row = format_.bottomUp ? height_ - 1 - y : y;
    return static_cast<size_t>(row) * stride_;
  }

  int width_;
  int height_;
  int stride_;
  Format format_;
  // Zeroed by calloc, whose large blocks are fresh pages: a big surface costs memory only
  // where it is drawn on, so a tiny file describing a huge picture is cheap to reject or hold.
  struct FreeBits {
    void operator()(uint8_t* bits) const { std::free(bits); }
  };
  size_t sizeInBytes_;
  std::unique_ptr<uint8_t[], FreeBits> bits_;
};
