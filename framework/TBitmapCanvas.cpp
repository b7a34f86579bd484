#include "TBitmapCanvas.h"

#include "TBitmap.h"

#include <algorithm>
#include <mutex>
#include <vector>

TAWO_IMPLEMENT_CLASS(TBitmapCanvas)

namespace {

// The bitmap canvases that have a DC.
std::mutex gCanvasesLock;
std::vector<TBitmapCanvas*> gCanvases;

void Register(TBitmapCanvas* canvas) {
  std::lock_guard lock(gCanvasesLock);
  gCanvases.push_back(canvas);
}

void Unregister(TBitmapCanvas* canvas) {
  std::lock_guard lock(gCanvasesLock);
  std::erase(gCanvases, canvas);
}

}  // namespace

void TBitmapCanvas::DeselectImage(HBITMAP image, const TBitmapCanvas* keep) {
  if (image == nullptr) return;
  std::vector<TBitmapCanvas*> holders;
  {
    std::lock_guard lock(gCanvasesLock);
    for (TBitmapCanvas* canvas : gCanvases) {
      if (canvas != keep && canvas->FBitmap->ImageHandle() == image) holders.push_back(canvas);
    }
  }
  for (TBitmapCanvas* canvas : holders) canvas->FreeContext();
}

TBitmapCanvas::~TBitmapCanvas() { FreeContext(); }

void TBitmapCanvas::CreateHandle() {
  // A DC holds its bitmap alone: the image becomes the bitmap's own before it is selected.
  FBitmap->Unshare();
  FDC = CreateCompatibleDC(nullptr);
  if (FDC == nullptr) throw EOutOfResources();
  Register(this);
  SelectImage();
  SetHandle(FDC);
}

void TBitmapCanvas::SelectImage() {
  HBITMAP image = FBitmap->ImageHandle();
  if (image != nullptr) {
    DeselectImage(image, this);
    HGDIOBJ previous = SelectObject(FDC, image);
    if (FOldBitmap == nullptr) FOldBitmap = previous;
  } else if (FOldBitmap != nullptr) {
    SelectObject(FDC, FOldBitmap);
    FOldBitmap = nullptr;
  }
  HPALETTE palette = FBitmap->Palette();
  if (palette != nullptr) {
    HPALETTE previous = SelectPalette(FDC, palette, TRUE);
    if (FOldPalette == nullptr) FOldPalette = previous;
    RealizePalette(FDC);
  } else if (FOldPalette != nullptr) {
    SelectPalette(FDC, FOldPalette, TRUE);
    FOldPalette = nullptr;
  }
}

void TBitmapCanvas::ImageChanged() {
  if (FDC != nullptr) SelectImage();
}

void TBitmapCanvas::FreeContext() {
  if (FDC == nullptr) return;
  SetHandle(nullptr);
  if (FOldBitmap != nullptr) SelectObject(FDC, FOldBitmap);
  if (FOldPalette != nullptr) SelectPalette(FDC, FOldPalette, TRUE);
  FOldBitmap = nullptr;
  FOldPalette = nullptr;
  DeleteDC(FDC);
  FDC = nullptr;
  Unregister(this);
}

void TBitmapCanvas::Changing() {
  FBitmap->Unshare();
  inherited::Changing();
}

void TBitmapCanvas::Changed() {
  inherited::Changed();
  FBitmap->Changed();
}
