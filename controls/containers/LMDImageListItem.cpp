#include "LMDImageListItem.h"

#include "LMDContUtils.h"

#include <LMDUtilsBitmap.h>
#include <SysUtils.h>
#include <TFileStream.h>
#include <TFiler.h>
#include <TFinally.h>
#include <TypInfo.h>

#include <algorithm>

using enum TDrawingStyle;
using enum TImageType;
using enum TLMDListItemClassType;
using enum TLMDSavePixelFormat;
using enum TPixelFormat;
using enum TSeekOrigin;

TAWO_PUBLISHED(TLMDImageListItem, published) {
  published.Property("AllocBy", &TLMDImageListItem::AllocBy, &TLMDImageListItem::SetAllocBy).Stored(false);
  published.Property("Masked", &TLMDImageListItem::Masked, &TLMDImageListItem::SetMasked).Stored(false);
  published.Property("Height", &TLMDImageListItem::Dimension, &TLMDImageListItem::SetDimension, 1).Stored(false);
  published.Property("Width", &TLMDImageListItem::Dimension, &TLMDImageListItem::SetDimension, 0).Stored(false);
}

namespace {

constexpr const char* kInvalidImageSize = "Invalid image size";
constexpr const char* kTooManyImages = "Too many images";
constexpr int32_t kMaskedSlot = 0x10000;

void Fill(TBitmap* bitmap, const RECT& rect, TColor color) {
  bitmap->Canvas()->Brush()->SetColor(color);
  bitmap->Canvas()->FillRect(rect);
}

void CopyArea(TBitmap* dest, int32_t x, TBitmap* source, int32_t sourceX, int32_t width, int32_t height) {
  BitBlt(dest->Canvas()->Handle(), x, 0, width, height, source->Canvas()->Handle(), sourceX, 0, SRCCOPY);
}

// Moves the strip's columns from `from` on by `by` pixels (either way), through a copy so the
// areas may overlap.
void ShiftColumns(TBitmap* strip, int32_t from, int32_t by) {
  const int32_t width = strip->Width() - std::max(from, from + by);
  if (width <= 0) return;
  TBitmap part;
  part.Assign(strip);
  CopyArea(strip, from + by, &part, from, width, strip->Height());
}

}  // namespace

TLMDImageListItem::TLMDImageListItem(TComponent* owner)
    : TLMDListItem(owner), FImage(std::make_unique<TBitmap>()), FMask(std::make_unique<TBitmap>()) {
  Clear();
}

TLMDImageListItem::TLMDImageListItem(int32_t width, int32_t height) : TLMDImageListItem(nullptr) {
  if (width < 1 || height < 1) throw EInvalidGraphicOperation(kInvalidImageSize);
  FWidth = width;
  FHeight = height;
  Clear();
}

TLMDImageListItem::~TLMDImageListItem() = default;

void TLMDImageListItem::SetDimension(int32_t index, int32_t value) {
  int32_t& field = index == 0 ? FWidth : FHeight;
  if (value == field || value <= 0) return;
  field = value;
  Clear();
  Change();
}

void TLMDImageListItem::SetMasked(bool value) {
  if (value == FMasked) return;
  FMasked = value;
  if (FMasked) {
    FMask->SetMonochrome(true);
    FMask->SetSize(FImage->Width(), FHeight);
  } else {
    FMask->SetSize(0, FHeight);
  }
  RebuildSlots();
  Change();
}

void TLMDImageListItem::Clear() {
  BeginUpdate();
  FImage = std::make_unique<TBitmap>();
  FImage->SetPixelFormat(pf24bit);
  FImage->SetSize(0, FHeight);
  FMask = std::make_unique<TBitmap>();
  if (FMasked) FMask->SetMonochrome(true);
  FMask->SetSize(0, FHeight);
  FUsed = 0;
  FSlots.clear();
  EndUpdate(false);
}

bool TLMDImageListItem::CheckImage(TBitmap* bitmap) const {
  if (bitmap == nullptr) return false;
  if (bitmap->Height() == FHeight && bitmap->Width() % FWidth == 0) return true;
  throw EInvalidGraphicOperation(kInvalidImageSize);
}

// One AllocBy step wider, but no wider than the widest strip as long as one more image fits,
// so a large step read from a record cannot lock the strip.
void TLMDImageListItem::Widen() {
  if (int64_t{FUsed} + FWidth > kMaxStripWidth) throw EInvalidGraphicOperation(kTooManyImages);
  const int64_t width = std::min<int64_t>(int64_t{FImage->Width()} + int64_t{FAllocBy} * FWidth, kMaxStripWidth);
  FImage->SetSize(static_cast<int32_t>(width), FHeight);
  if (FMasked) FMask->SetSize(static_cast<int32_t>(width), FHeight);
}

int32_t TLMDImageListItem::PrepareSpace() {
  if (FImage->Width() < int64_t{FUsed} + FWidth) Widen();
  FSlots.push_back(FUsed | (FMasked ? kMaskedSlot : 0));
  FUsed += FWidth;
  return Count() - 1;
}

bool TLMDImageListItem::Refused(TBitmap* image, TBitmap* mask) const {
  try {
    return !CheckImage(image) || (FMasked && mask != nullptr && !CheckImage(mask));
  } catch (const EInvalidGraphicOperation&) {
    return true;
  }
}

int32_t TLMDImageListItem::Add(TBitmap* image, TBitmap* mask) {
  if (image == nullptr && mask == nullptr) return PrepareSpace();
  if (Refused(image, mask)) return -1;
  const int32_t index = PrepareSpace();
  Replace(index, image, mask);
  return index;
}

int32_t TLMDImageListItem::AddMasked(TBitmap* image, TColor transparent) {
  if (Refused(image, nullptr)) return -1;
  const int32_t index = PrepareSpace();
  ReplaceMasked(index, image, transparent);
  return index;
}

void TLMDImageListItem::Replace(int32_t index, TBitmap* image, TBitmap* mask) {
  if (image == nullptr) return;
  CheckIndex(index);
  CheckImage(image);
  if (FMasked && mask != nullptr) CheckImage(mask);
  CopyArea(FImage.get(), Offset(index), image, 0, FWidth, FHeight);
  if (FMasked) {
    if (mask != nullptr) {
      CopyArea(FMask.get(), Offset(index), mask, 0, FWidth, FHeight);
    } else {
      Fill(FMask.get(), GetImageRect(index), clBlack);
    }
  }
  Change();
}

void TLMDImageListItem::ReplaceMasked(int32_t index, TBitmap* image, TColor transparent) {
  PutMasked(image, transparent, [&](TBitmap* cleared, TBitmap* mask) { Replace(index, cleared, mask); });
}

template <class Put>
void TLMDImageListItem::PutMasked(TBitmap* image, TColor transparent, const Put& put) {
  if (!FMasked || image == nullptr) {
    put(image, nullptr);
    return;
  }
  TBitmap mask;
  TBitmap cleared;
  LMDBmpCreateMasks(image, &mask, &cleared, transparent);
  put(&cleared, &mask);
}

void TLMDImageListItem::Insert(int32_t index, TBitmap* image, TBitmap* mask) {
  if (index >= Count()) {
    Add(image, mask);
    return;
  }
  CheckIndex(index);
  CheckImage(image);
  if (FMasked && mask != nullptr) CheckImage(mask);
  PrepareSpace();
  ShiftColumns(FImage.get(), Offset(index), FWidth);
  if (FMasked) ShiftColumns(FMask.get(), Offset(index), FWidth);
  RebuildSlots();
  Replace(index, image, mask);
}

void TLMDImageListItem::InsertMasked(int32_t index, TBitmap* image, TColor transparent) {
  PutMasked(image, transparent, [&](TBitmap* cleared, TBitmap* mask) { Insert(index, cleared, mask); });
}

void TLMDImageListItem::Delete(int32_t index) {
  if (index < 0 || index >= Count()) return;
  ShiftColumns(FImage.get(), Offset(index) + FWidth, -FWidth);
  if (FMasked) ShiftColumns(FMask.get(), Offset(index) + FWidth, -FWidth);
  FUsed -= FWidth;
  FSlots.erase(FSlots.begin() + index);
  RebuildSlots();
  Change();
}

void TLMDImageListItem::Move(int32_t from, int32_t to) {
  if (from == to) return;
  CheckIndex(from);
  TBitmap image;
  TBitmap mask;
  GetBitmap(from, &image);
  GetMaskBitmap(from, &mask);
  BeginUpdate();
  const TFinally endUpdate([&] { EndUpdate(true); });
  Delete(from);
  Insert(to, &image, FMasked ? &mask : nullptr);
}

void TLMDImageListItem::GetBitmap(int32_t index, TBitmap* bitmap) const {
  if (bitmap == nullptr) return;
  CheckIndex(index);
  bitmap->SetPixelFormat(pf24bit);
  bitmap->SetSize(FWidth, FHeight);
  CopyArea(bitmap, 0, FImage.get(), Offset(index), FWidth, FHeight);
}

void TLMDImageListItem::GetMaskBitmap(int32_t index, TBitmap* bitmap) const {
  if (bitmap == nullptr || !FMasked) return;
  CheckIndex(index);
  bitmap->SetMonochrome(true);
  bitmap->SetSize(FWidth, FHeight);
  CopyArea(bitmap, 0, FMask.get(), Offset(index), FWidth, FHeight);
}

RECT TLMDImageListItem::GetImageRect(int32_t index) const {
  CheckIndex(index);
  return RECT{Offset(index), 0, Offset(index) + FWidth, FHeight};
}

TColor TLMDImageListItem::TransparentColor(int32_t index) const {
  return FImage->Canvas()->Pixel(Offset(index), FHeight - 1);
}

TColor TLMDImageListItem::GetColorAtPoint(POINT point, int32_t index) const {
  return FImage->Canvas()->Pixel(point.x + Offset(index), FHeight + point.y - 1);
}

void TLMDImageListItem::Draw(TCanvas* canvas, int32_t x, int32_t y, int32_t index) {
  const RECT slot = GetImageRect(index);
  const RECT target{x, y, x + FWidth, y + FHeight};
  if (!FMasked || FImageType == itMask) {
    TBitmap* source = FMasked ? FMask.get() : FImage.get();
    LMDBmpDrawExt(canvas, target, source->Canvas(), slot, 0, 0, nullptr);
  } else if (FDrawingStyle == dsTransparent || (FDrawingStyle == dsNormal && FBKColor == kNoColor)) {
    PaintMasked(canvas, x, y, index);
  } else {
    PaintOnBackground(canvas, x, y, index);
  }
}

void TLMDImageListItem::PaintMasked(TCanvas* canvas, int32_t x, int32_t y, int32_t index) {
  LMDBmpDrawExt(canvas, RECT{x, y, x + FWidth, y + FHeight}, FImage->Canvas(), GetImageRect(index), kLMDBmpMasked, 0,
                FMask->Canvas());
}

// The image drawn into a bitmap of its size, filled with BKColor (or, without one, holding
// what the canvas shows there), the blend pattern of a focused or selected image over it, and
// the result copied to the canvas.
void TLMDImageListItem::PaintOnBackground(TCanvas* canvas, int32_t x, int32_t y, int32_t index) {
  TBitmap work;
  work.SetPixelFormat(pf24bit);
  work.SetSize(FWidth, FHeight);
  const RECT whole{0, 0, FWidth, FHeight};
  if (FBKColor != kNoColor) {
    Fill(&work, whole, FBKColor);
  } else {
    BitBlt(work.Canvas()->Handle(), 0, 0, FWidth, FHeight, canvas->Handle(), x, y, SRCCOPY);
  }
  PaintMasked(work.Canvas(), 0, 0, index);
  if (FBlendColor != kNoColor && FDrawingStyle != dsNormal) {
    for (int32_t py = 0; py < FHeight; ++py) {
      for (int32_t px = 0; px < FWidth; ++px) {
        const bool blended = FDrawingStyle == dsSelected ? (px + py) % 2 == 1 : (px % 2 == 0 || py % 2 == 0);
        if (blended) work.Canvas()->SetPixel(px, py, FBlendColor);
      }
    }
  }
  LMDBmpDrawExt(canvas, RECT{x, y, x + FWidth, y + FHeight}, work.Canvas(), whole, 0, 0, nullptr);
}

RECT TLMDImageListItem::DrawExt(TCanvas* canvas, const RECT& rect, uint16_t flags, int32_t index) {
  const RECT slot = GetImageRect(index);
  if (FMasked) {
    return LMDBmpDrawExt(canvas, rect, FImage->Canvas(), slot, flags | kLMDBmpMasked, 0, FMask->Canvas());
  }
  return LMDBmpDrawExt(canvas, rect, FImage->Canvas(), slot, flags, TransparentColor(index), nullptr);
}

void TLMDImageListItem::ClipDraw(TCanvas* canvas, const RECT& rect, uint16_t flags, int32_t offset,
                                 TColor transparent, int32_t index) {
  const RECT slot = GetImageRect(index);
  if (FMasked) {
    LMDBmpClipDrawExt(canvas, rect, FImage->Canvas(), slot, flags | kLMDBmpMasked, offset, 0, FMask->Canvas());
  } else {
    LMDBmpClipDrawExt(canvas, rect, FImage->Canvas(), slot, flags, offset, transparent, nullptr);
  }
}

void TLMDImageListItem::SaveToFile(const AnsiString& fileName) {
  TFileStream stream(fileName, fmCreate);
  LMDWriteSignature(stream, icImageList);
  LMDWriteInt32(stream, 1);
  LMDWriteInt32(stream, static_cast<int32_t>(stream.Position() + 4));
  WriteData(stream);
}

void TLMDImageListItem::LoadFromFile(const AnsiString& fileName) {
  TFileStream stream(fileName, fmOpenRead | fmShareDenyRead);
  if (!LMDReadSignature(stream, icImageList)) {
    throw Exception(Format("%s: %s", {LMDCannotOpenFile, ClassName()}));
  }
  stream.Seek(8, soCurrent);
  BeginUpdate();
  const TFinally endUpdate([&] { EndUpdate(true); });
  ReadData(stream);
}

void TLMDImageListItem::Assign(TPersistent* source) {
  if (auto* item = dynamic_cast<TLMDImageListItem*>(source)) {
    BeginUpdate();
    FWidth = item->FWidth;
    FHeight = item->FHeight;
    FAllocBy = item->FAllocBy;
    FMasked = item->FMasked;
    FUsed = item->FUsed;
    FSlots = item->FSlots;
    FImage->Assign(item->FImage.get());
    FMask->Assign(item->FMask.get());
    FPixelFormat = item->FPixelFormat;
    EndUpdate(false);
  }
  TLMDListItem::Assign(source);
}

void TLMDImageListItem::WriteData(TStream& stream) {
  WriteStd(stream, LMDPixelFormatFlags(FPixelFormat));
  LMDWriteInt32(stream, FHeight);
  LMDWriteInt32(stream, FWidth);
  LMDWriteInt32(stream, FAllocBy);
  const uint8_t masked = FMasked ? 1 : 0;
  stream.WriteBuffer(&masked, 1);
  WriteImages(stream);
}

void TLMDImageListItem::ReadData(TStream& stream) {
  FPixelFormat = LMDPixelFormatOfFlags(ReadStd(stream));
  const int32_t height = LMDReadInt32(stream);
  const int32_t width = LMDReadInt32(stream);
  const int32_t allocBy = LMDReadInt32(stream);
  uint8_t masked = 0;
  stream.ReadBuffer(&masked, 1);
  if (width < 1 || height < 1 || width > kMaxStripWidth) throw EReadError(kInvalidImageSize);
  FWidth = width;
  FHeight = height;
  FAllocBy = std::max(allocBy, 1);
  FMasked = masked != 0;
  ReadImages(stream);
}

void TLMDImageListItem::WriteImages(TStream& stream) {
  LMDWriteInt32(stream, Count());
  if (Count() == 0) return;
  TBitmap trimmed;
  trimmed.Assign(FImage.get());
  trimmed.SetSize(Count() * FWidth, FHeight);
  WriteBitmap(stream, &trimmed, FPixelFormat);
  if (!FMasked) return;
  TBitmap mask;
  mask.Assign(FMask.get());
  mask.SetSize(Count() * FWidth, FHeight);
  WriteBitmap(stream, &mask, spfMono);
}

void TLMDImageListItem::ReadImages(TStream& stream) {
  Clear();
  const int32_t count = LMDReadInt32(stream);
  if (count < 0 || int64_t{count} * FWidth > kMaxStripWidth) throw EReadError(kTooManyImages);
  if (count == 0) return;
  BeginUpdate();
  try {
    ReadBitmap(stream, FImage.get());
    if (FMasked) ReadBitmap(stream, FMask.get());
    const int64_t needed = int64_t{count} * FWidth;
    const bool fits = FImage->Height() == FHeight && FImage->Width() >= needed &&
                      (!FMasked || (FMask->Height() == FHeight && FMask->Width() >= needed));
    if (!fits) throw EReadError(kInvalidImageSize);
    if (FMasked) FMask->SetMonochrome(true);
  } catch (...) {
    Clear();
    EndUpdate(false);
    throw;
  }
  FImage->SetPixelFormat(pf24bit);
  FUsed = count * FWidth;
  FSlots.assign(static_cast<size_t>(count), 0);
  RebuildSlots();
  EndUpdate(false);
}

void TLMDImageListItem::DefineProperties(TFiler& filer) {
  TLMDListItem::DefineProperties(filer);
  filer.DefineBinaryProperty("Bitmap", [this](TStream& stream) { ReadImages(stream); }, nullptr, false);
}

int32_t TLMDImageListItem::Offset(int32_t index) const {
  CheckIndex(index);
  return FSlots[static_cast<size_t>(index)] & 0xFFFF;
}

void TLMDImageListItem::CheckIndex(int32_t index) const {
  if (index < 0 || index >= Count()) throw EInvalidGraphicOperation(Format("Image index out of bounds (%d)", {index}));
}

void TLMDImageListItem::RebuildSlots() {
  for (size_t i = 0; i < FSlots.size(); ++i) {
    FSlots[i] = static_cast<int32_t>(i) * FWidth | (FMasked ? kMaskedSlot : 0);
  }
}
