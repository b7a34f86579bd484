#include "TBitmapCanvas.h"

#include "TBitmap.h"

#include <algorithm>
#include <mutex>
#include <vector>

TAWO_IMPLEMENT_CLASS(TBitmapCanvas)

namespace {

// The bitmap canvases that have a DC, and the images that WithImage holds in DCs of its own.
// Never destroyed: bitmaps held by objects that live to the program's end (library-wide
// caches) free their canvases during static destruction.
struct CanvasRegistry {
  std::mutex lock;
  std::vector<TBitmapCanvas*> canvases;
  std::vector<std::pair<HBITMAP, HDC>> loans;
};

CanvasRegistry& Canvases() {
  static CanvasRegistry* registry = new CanvasRegistry;
  return *registry;
}

void Register(TBitmapCanvas* canvas) {
  std::lock_guard lock(Canvases().lock);
  Canvases().canvases.push_back(canvas);
}

void Unregister(TBitmapCanvas* canvas) {
  std::lock_guard lock(Canvases().lock);
  std::erase(Canvases().canvases, canvas);
}

}  // namespace

void TBitmapCanvas::DeselectImage(HBITMAP image, const TBitmapCanvas* keep) {
  if (image == nullptr) return;
  std::vector<TBitmapCanvas*> holders;
  {
    std::lock_guard lock(Canvases().lock);
    for (TBitmapCanvas* canvas : Canvases().canvases) {
      if (canvas != keep && canvas->FBitmap->ImageHandle() == image) holders.push_back(canvas);
    }
  }
  for (TBitmapCanvas* canvas : holders) canvas->FreeContext();
}

void TBitmapCanvas::WithImage(HBITMAP image, const std::function<void(HDC)>& use) {
  HDC holder = nullptr;
  {
    std::lock_guard lock(Canvases().lock);
    for (TBitmapCanvas* canvas : Canvases().canvases) {
      if (canvas->FBitmap->ImageHandle() == image) holder = canvas->FDC;
    }
    for (const auto& [loaned, dc] : Canvases().loans) {
      if (loaned == image) holder = dc;
    }
  }
  if (holder != nullptr) {
    use(holder);
    return;
  }
  // Selected and registered for the call, released however it ends.
  struct TLoan {
    HBITMAP Image;
    HDC DC = CreateCompatibleDC(nullptr);
    HGDIOBJ Old = SelectObject(DC, Image);
    explicit TLoan(HBITMAP image) : Image(image) {
      std::lock_guard lock(Canvases().lock);
      Canvases().loans.emplace_back(Image, DC);
    }
    ~TLoan() {
      {
        std::lock_guard lock(Canvases().lock);
        std::erase(Canvases().loans, std::pair{Image, DC});
      }
      SelectObject(DC, Old);
      DeleteDC(DC);
    }
  };
  const TLoan loan(image);
  use(loan.DC);
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
