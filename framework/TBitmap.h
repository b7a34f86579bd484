// Unit Graphics: TBitmap, a picture of pixels kept as a DIB section, with a canvas to draw on,
// direct row access, pixel formats, transparency and BMP files. Assigned bitmaps share one
// image until either is changed.
#pragma once

#include "Graphics.h"
#include "TBitmapImage.h"
#include "TCanvas.h"
#include "TGraphic.h"

#include <windows.h>

#include <memory>

class TBitmapCanvas;

class TBitmap : public TGraphic {
  TAWO_CLASS(TBitmap, TGraphic)

 public:
  TBitmap();
  ~TBitmap() override;

  // Another bitmap: shares its image and copies its transparency settings; null: empty.
  void Assign(TPersistent* source) override;

  bool Empty() const override { return FImage == nullptr; }
  int32_t Width() const override { return FWidth; }
  void SetWidth(int32_t width) override { SetSize(width, FHeight); }
  int32_t Height() const override { return FHeight; }
  void SetHeight(int32_t height) override { SetSize(FWidth, height); }
  // Keeps the top-left content; new area takes the canvas brush colour.
  void SetSize(int32_t width, int32_t height);

  TCanvas* Canvas();
  // The bitmap's HBITMAP (null while empty); it stays the bitmap's.
  HBITMAP Handle();
  // Gives the caller an HBITMAP with the picture, to delete; the bitmap keeps its own.
  HBITMAP ReleaseHandle();
  // Monochrome: 1 (white) where the pixel has TransparentColor. Kept until the next change.
  HBITMAP MaskHandle();
  // For images of 8 bits or fewer per pixel; null otherwise.
  HPALETTE Palette();
  // bmDDB while the format is pfDevice.
  TBitmapHandleType HandleType() const {
    return FFormat == TPixelFormat::pfDevice ? TBitmapHandleType::bmDDB : TBitmapHandleType::bmDIB;
  }
  void SetHandleType(TBitmapHandleType type);

  TPixelFormat PixelFormat() const { return FFormat; }
  void SetPixelFormat(TPixelFormat format);
  bool Monochrome() const;
  void SetMonochrome(bool monochrome);
  // Row 0 is the top row. A pfDevice bitmap becomes a 32-bit DIB first.
  void* ScanLine(int32_t row);

  // tmAuto: the bottom-left pixel, clWhite for a monochrome bitmap, clNone when empty;
  // assigning a colour sets tmFixed (clDefault: tmAuto).
  TColor TransparentColor() const;
  void SetTransparentColor(TColor color);
  TTransparentMode TransparentMode() const { return FTransparentMode; }
  void SetTransparentMode(TTransparentMode mode);

  // A BMP file image (see TBmpFile); an empty bitmap writes nothing and reads from an empty
  // stream.
  void LoadFromStream(TStream& stream) override;
  void SaveToStream(TStream& stream) override;
  // The bitmap resource (RT_BITMAP: a BITMAPINFO and its bits, without file header) of the
  // module with this number; EResNotFound when there is none, EInvalidGraphic when it is
  // damaged (the bitmap is then left as it was).
  void LoadFromResourceID(HINSTANCE instance, int32_t resourceId);

  // While a monochrome image is copied from `source` onto `dest`, its 0-bits take dest's text
  // colour and its 1-bits dest's background colour, as a monochrome device bitmap's do; the
  // image's own black and white are back afterwards. Does nothing for other images.
  class TMonochromeColors {
   public:
    TMonochromeColors(TBitmap* bitmap, HDC source, HDC dest);
    ~TMonochromeColors();
    TMonochromeColors(const TMonochromeColors&) = delete;
    TMonochromeColors& operator=(const TMonochromeColors&) = delete;

   private:
    HDC FSource = nullptr;
  };

  // Whether another bitmap uses the same image (not yet copied on write).
  bool SharesImageWith(const TBitmap& other) const { return FImage != nullptr && FImage == other.FImage; }

 protected:
  void Draw(TCanvas* canvas, const RECT& rect) override;
  void Changed() override;
  // Inside form descriptions: a u32 size, then the BMP file.
  void ReadData(TStream& stream) override;
  void WriteData(TStream& stream) override;

 private:
  friend class TBitmapCanvas;

  // Gives the bitmap its own copy of a shared image, before a write.
  void Unshare();
  HBITMAP ImageHandle() const { return FImage != nullptr ? FImage->Handle() : nullptr; }
  // Installs an image (or none): selected into the canvas DC before the old one goes.
  void ReplaceImage(std::shared_ptr<TBitmapImage> image, TPixelFormat format, int32_t width, int32_t height);
  static std::shared_ptr<TBitmapImage> Converted(const TBitmapImage& image, TPixelFormat format);
  void FreeMask();
  void DrawTransparent(HDC dest, HDC source, const RECT& rect);

  std::shared_ptr<TBitmapImage> FImage;
  std::unique_ptr<TBitmapCanvas> FCanvas;
  int32_t FWidth = 0;
  int32_t FHeight = 0;
  TPixelFormat FFormat = TPixelFormat::pfDevice;
  TColor FTransparentColor = clDefault;
  TTransparentMode FTransparentMode = TTransparentMode::tmAuto;
  HBITMAP FMask = nullptr;
  COLORREF FMaskColor = 0;
};
