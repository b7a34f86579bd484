// Unit Graphics: TBitmapImage, the pixels of a TBitmap: a DIB section (bottom-up, as the
// framework keeps them) with its format and colour table. Bitmaps share one image until a
// write makes a private copy. Pixels are read, converted and matched by gdi32.
#pragma once

#include "Graphics.h"

#include <windows.h>

#include <cstdint>
#include <memory>
#include <vector>

class TBitmapImage {
 public:
  // A white image. Indexed formats take `palette` (the format's standard one when empty);
  // pfDevice is kept as 32 bits per pixel. EOutOfResources when the DIB cannot be made.
  static std::shared_ptr<TBitmapImage> Create(int width, int height, TPixelFormat format,
                                              std::vector<RGBQUAD> palette = {});
  ~TBitmapImage();
  TBitmapImage(const TBitmapImage&) = delete;
  TBitmapImage& operator=(const TBitmapImage&) = delete;

  int Width() const { return FWidth; }
  int Height() const { return FHeight; }
  TPixelFormat Format() const { return FFormat; }
  int BitCount() const { return FInfo.Header.biBitCount; }
  int Stride() const { return FStride; }
  HBITMAP Handle() const { return FHandle; }
  const std::vector<RGBQUAD>& ColorTable() const { return FColorTable; }
  // What the DIB section was made from: the description of Bits() for the DIB functions.
  const BITMAPINFO* Info() const { return reinterpret_cast<const BITMAPINFO*>(&FInfo); }
  // Created on first use for indexed images; null for the others.
  HPALETTE Palette();

  // Row 0 is the top row, wherever it lies in memory.
  uint8_t* Row(int y) const { return FBits + static_cast<std::ptrdiff_t>(FHeight - 1 - y) * FStride; }
  // The DIB's bits in memory order (bottom row first).
  uint8_t* Bits() const { return FBits; }
  std::size_t ImageSize() const { return static_cast<std::size_t>(FStride) * FHeight; }

  // A private copy; a copy in another format, colours matched to the nearest the format has;
  // a copy of another size keeping the top-left content, the new area filled with `fill`.
  std::shared_ptr<TBitmapImage> Clone() const;
  std::shared_ptr<TBitmapImage> Converted(TPixelFormat format) const;
  std::shared_ptr<TBitmapImage> Resized(int width, int height, COLORREF fill) const;
  // A black and white image: white where `source`, a memory DC holding this image, has
  // `color` (matched as gdi32 matches a DC's background colour), black elsewhere.
  std::shared_ptr<TBitmapImage> Monochrome(HDC source, COLORREF color) const;

  // Hands the DIB section to the caller; the image is unusable afterwards.
  HBITMAP DetachHandle();

 private:
  struct TDibInfo {
    BITMAPINFOHEADER Header;
    RGBQUAD Colors[256];  // the colour table, or the R5G6B5 masks of pf16bit
  };

  TBitmapImage() = default;
  // The image with its bits as CreateDIBSection leaves them.
  static std::shared_ptr<TBitmapImage> Allocate(int width, int height, TPixelFormat format,
                                                std::vector<RGBQUAD> palette);
  void Fill(COLORREF color);
  // Copies `source`'s pixels in at the top left, converted to this image's format.
  void CopyFrom(const TBitmapImage& source);

  int FWidth = 0;
  int FHeight = 0;
  TPixelFormat FFormat = TPixelFormat::pfDevice;
  int FStride = 0;
  TDibInfo FInfo{};
  HBITMAP FHandle = nullptr;
  uint8_t* FBits = nullptr;
  std::vector<RGBQUAD> FColorTable;
  HPALETTE FPalette = nullptr;
};

// The standard colour tables: black and white; the 16 VGA colours; 256 colours (the VGA
// ones, a 6 x 6 x 6 cube and 24 greys).
std::vector<RGBQUAD> StandardColorTable(TPixelFormat format);
