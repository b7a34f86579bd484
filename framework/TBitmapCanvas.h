// Unit Graphics: TBitmapCanvas, the canvas of a TBitmap: a memory DC with the bitmap's image
// selected. Drawing on it makes the bitmap's image private first and fires its OnChange.
#pragma once

#include "TCanvas.h"

#include <functional>

class TBitmap;

class TBitmapCanvas : public TCanvas {
  TAWO_CLASS(TBitmapCanvas, TCanvas)

 public:
  explicit TBitmapCanvas(TBitmap* bitmap) : FBitmap(bitmap) {}
  ~TBitmapCanvas() override;

  TBitmap* Bitmap() const { return FBitmap; }
  // The bitmap's image was replaced: select the new one (when there is a DC).
  void ImageChanged();
  // Frees the memory DC; the next use makes a new one.
  void FreeContext();
  // A bitmap can be selected into one DC only: frees the DC of whichever bitmap canvas holds
  // this image, before it is selected elsewhere.
  static void DeselectImage(HBITMAP image, const TBitmapCanvas* keep = nullptr);
  // Calls `use` with a memory DC holding `image`: the DC of the bitmap canvas or of the
  // enclosing call that holds it already, else a temporary one. `use` leaves the DC's state as
  // it found it.
  static void WithImage(HBITMAP image, const std::function<void(HDC)>& use);

 protected:
  void CreateHandle() override;
  void Changing() override;
  void Changed() override;

 private:
  void SelectImage();

  TBitmap* FBitmap;
  HDC FDC = nullptr;
  HGDIOBJ FOldBitmap = nullptr;
  HPALETTE FOldPalette = nullptr;
};
