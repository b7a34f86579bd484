#include "TCustomImageList.h"

#include "TBitmap.h"
#include "TCanvas.h"
#include "TFiler.h"
#include "TMemoryStream.h"

using enum TPixelFormat;

TAWO_IMPLEMENT_CLASS(TCustomImageList)

namespace {

constexpr uint8_t kTransparent = 0xFF;

RECT Slots(int first, int count, int width, int height) {
  return RECT{first * width, 0, (first + count) * width, height};
}

std::unique_ptr<TBitmap> NewStrip() {
  auto strip = std::make_unique<TBitmap>();
  strip->SetPixelFormat(pf24bit);
  // Monochrome sources copied in keep their meaning: 0 black, 1 white.
  strip->Canvas()->Font()->SetColor(clBlack);
  strip->Canvas()->Brush()->SetColor(clWhite);
  return strip;
}

// A 24-bit copy of `image`, for reading its pixels.
std::unique_ptr<TBitmap> Pixels24(TBitmap* image) {
  auto copy = std::make_unique<TBitmap>();
  copy->Assign(image);
  copy->SetPixelFormat(pf24bit);
  return copy;
}

void WriteBitmap(TStream& stream, TBitmap& bitmap) {
  TMemoryStream file;
  bitmap.SaveToStream(file);
  const auto size = static_cast<uint32_t>(file.Size());
  stream.WriteBuffer(&size, sizeof size);
  stream.WriteBuffer(file.Memory(), size);
}

std::unique_ptr<TBitmap> ReadBitmap(TStream& stream) {
  uint32_t size = 0;
  stream.ReadBuffer(&size, sizeof size);
  if (size > stream.Remaining()) throw EReadError(SImageListData);
  TMemoryStream file;
  file.CopyFrom(stream, size);
  file.SetPosition(0);
  std::unique_ptr<TBitmap> bitmap = NewStrip();
  bitmap->LoadFromStream(file);
  bitmap->SetPixelFormat(pf24bit);
  return bitmap;
}

}  // namespace

TCustomImageList::TCustomImageList(TComponent* owner)
    : TComponent(owner), FImages(NewStrip()), FMasks(NewStrip()) {}

TCustomImageList::~TCustomImageList() = default;

void TCustomImageList::SetWidth(int32_t width) {
  if (width == FWidth) return;
  if (width <= 0) throw EInvalidOperation(SInvalidImageSize);
  FWidth = width;
  Clear();
}

void TCustomImageList::SetHeight(int32_t height) {
  if (height == FHeight) return;
  if (height <= 0) throw EInvalidOperation(SInvalidImageSize);
  FHeight = height;
  Clear();
}

void TCustomImageList::SetMasked(bool masked) {
  if (masked == FMasked) return;
  FMasked = masked;
  Change();
}

void TCustomImageList::SetBkColor(TColor color) {
  if (color == FBkColor) return;
  FBkColor = color;
  Change();
}

void TCustomImageList::Change() { OnChange(this); }

void TCustomImageList::CheckIndex(int index) const {
  if (index < 0 || index >= FCount) throw EInvalidOperation(SImageIndexError);
}

void TCustomImageList::Grow(int extra) {
  FImages->SetSize((FCount + extra) * FWidth, FHeight);
  FMasks->SetSize((FCount + extra) * FWidth, FHeight);
}

int TCustomImageList::Add(TBitmap* image, TBitmap* mask) {
  if (image == nullptr || image->Width() < FWidth || image->Height() < FHeight) {
    throw EInvalidOperation(SInvalidImageSize);
  }
  if (mask != nullptr && (mask->Width() < image->Width() || mask->Height() < FHeight)) {
    throw EInvalidOperation(SInvalidImageSize);
  }
  const int first = FCount;
  const int count = image->Width() / FWidth;
  Grow(count);
  const RECT dest = Slots(first, count, FWidth, FHeight);
  const RECT source = Slots(0, count, FWidth, FHeight);
  FImages->Canvas()->CopyRect(dest, image->Canvas(), source);
  if (mask != nullptr) {
    FMasks->Canvas()->CopyRect(dest, mask->Canvas(), source);
  } else {
    FMasks->Canvas()->Brush()->SetColor(clBlack);
    FMasks->Canvas()->FillRect(dest);
    FMasks->Canvas()->Brush()->SetColor(clWhite);
  }
  ClearMaskedPixels(first, count);
  FCount += count;
  Change();
  return first;
}

int TCustomImageList::AddMasked(TBitmap* image, TColor maskColor) {
  if (maskColor == clNone || image == nullptr) return Add(image, nullptr);
  const COLORREF key = static_cast<COLORREF>(ColorToRGB(maskColor));
  std::unique_ptr<TBitmap> pixels = Pixels24(image);
  TBitmap mask;
  mask.SetPixelFormat(pf24bit);
  mask.SetSize(image->Width(), image->Height());
  for (int y = 0; y < image->Height(); ++y) {
    const auto* in = static_cast<const uint8_t*>(pixels->ScanLine(y));
    auto* out = static_cast<uint8_t*>(mask.ScanLine(y));
    for (int x = 0; x < image->Width(); ++x, in += 3, out += 3) {
      const bool transparent = RGB(in[2], in[1], in[0]) == key;
      out[0] = out[1] = out[2] = transparent ? kTransparent : 0;
    }
  }
  return Add(image, &mask);
}

// A mask pixel counts as transparent when it is nearer white than black.
void TCustomImageList::ClearMaskedPixels(int firstIndex, int count) {
  for (int y = 0; y < FHeight; ++y) {
    auto* image = static_cast<uint8_t*>(FImages->ScanLine(y)) + firstIndex * FWidth * 3;
    auto* mask = static_cast<uint8_t*>(FMasks->ScanLine(y)) + firstIndex * FWidth * 3;
    for (int x = 0; x < count * FWidth * 3; x += 3) {
      const bool transparent = mask[x] + mask[x + 1] + mask[x + 2] >= 3 * 128;
      mask[x] = mask[x + 1] = mask[x + 2] = transparent ? kTransparent : 0;
      if (transparent) image[x] = image[x + 1] = image[x + 2] = 0;
    }
  }
}

void TCustomImageList::Delete(int index) {
  CheckIndex(index);
  for (auto* strip : {&FImages, &FMasks}) {
    std::unique_ptr<TBitmap> shorter = NewStrip();
    shorter->SetSize((FCount - 1) * FWidth, FHeight);
    TCanvas* from = (*strip)->Canvas();
    shorter->Canvas()->CopyRect(Slots(0, index, FWidth, FHeight), from, Slots(0, index, FWidth, FHeight));
    const int after = FCount - index - 1;
    shorter->Canvas()->CopyRect(Slots(index, after, FWidth, FHeight), from,
                                Slots(index + 1, after, FWidth, FHeight));
    *strip = std::move(shorter);
  }
  --FCount;
  Change();
}

void TCustomImageList::Clear() {
  FImages = NewStrip();
  FMasks = NewStrip();
  FCount = 0;
  Change();
}

void TCustomImageList::Draw(TCanvas* canvas, int x, int y, int index) {
  if (canvas == nullptr || index < 0 || index >= FCount) return;
  const RECT dest{x, y, x + FWidth, y + FHeight};
  const RECT source = Slots(index, 1, FWidth, FHeight);
  const TCopyMode oldMode = canvas->CopyMode();
  if (!FMasked) {
    canvas->SetCopyMode(cmSrcCopy);
    canvas->CopyRect(dest, FImages->Canvas(), source);
  } else {
    if (FBkColor != clNone) {
      const TColor oldBrush = canvas->Brush()->Color();
      canvas->Brush()->SetColor(FBkColor);
      canvas->FillRect(dest);
      canvas->Brush()->SetColor(oldBrush);
    }
    canvas->SetCopyMode(cmSrcAnd);
    canvas->CopyRect(dest, FMasks->Canvas(), source);
    canvas->SetCopyMode(cmSrcPaint);
    canvas->CopyRect(dest, FImages->Canvas(), source);
  }
  canvas->SetCopyMode(oldMode);
}

void TCustomImageList::GetBitmap(int index, TBitmap* image) {
  if (image == nullptr || index < 0 || index >= FCount) return;
  image->SetSize(FWidth, FHeight);
  image->Canvas()->CopyRect(RECT{0, 0, FWidth, FHeight}, FImages->Canvas(), Slots(index, 1, FWidth, FHeight));
}

void TCustomImageList::Assign(TPersistent* source) {
  auto* list = dynamic_cast<TCustomImageList*>(source);
  if (list == nullptr) {
    inherited::Assign(source);
    return;
  }
  FWidth = list->FWidth;
  FHeight = list->FHeight;
  FMasked = list->FMasked;
  FBkColor = list->FBkColor;
  FImages = NewStrip();
  FMasks = NewStrip();
  FCount = list->FCount;
  Grow(0);
  const RECT all = Slots(0, FCount, FWidth, FHeight);
  FImages->Canvas()->CopyRect(all, list->FImages->Canvas(), all);
  FMasks->Canvas()->CopyRect(all, list->FMasks->Canvas(), all);
  Change();
}

void TCustomImageList::WriteData(TStream& stream) {
  const auto count = static_cast<uint32_t>(FCount);
  stream.WriteBuffer(&count, sizeof count);
  WriteBitmap(stream, *FImages);
  WriteBitmap(stream, *FMasks);
}

// Everything is checked before the list changes: damaged data leaves the list as it was.
void TCustomImageList::ReadData(TStream& stream) {
  uint32_t count = 0;
  stream.ReadBuffer(&count, sizeof count);
  std::unique_ptr<TBitmap> images = ReadBitmap(stream);
  std::unique_ptr<TBitmap> masks = ReadBitmap(stream);
  const int64_t width = static_cast<int64_t>(count) * FWidth;
  for (const auto& strip : {images.get(), masks.get()}) {
    if (count == 0 || strip->Width() != width || strip->Height() != FHeight) throw EReadError(SImageListData);
  }
  FImages = std::move(images);
  FMasks = std::move(masks);
  FCount = static_cast<int>(count);
  ClearMaskedPixels(0, FCount);
  Change();
}

void TCustomImageList::DefineProperties(TFiler& filer) {
  inherited::DefineProperties(filer);
  filer.DefineBinaryProperty(
      "Bitmap", [this](TStream& stream) { ReadData(stream); }, [this](TStream& stream) { WriteData(stream); },
      FCount > 0);
}
