#include "LMDShapeFill.h"

#include <LMDCustomImageList.h>

using enum TLMDFillStyle;
using enum TLMDTileMode;

TAWO_PUBLISHED(TLMDShapeFill, published) {
  published.Property("Bitmap", &TLMDShapeFill::Bitmap, &TLMDShapeFill::SetBitmap);
  published.Property("Gradient", &TLMDShapeFill::Gradient, &TLMDShapeFill::SetGradient);
  published.Property("Style", &TLMDShapeFill::Style, &TLMDShapeFill::SetStyle).Default(sfBrush);
  published.Property("TileMode", &TLMDShapeFill::TileMode, &TLMDShapeFill::SetTileMode).Default(tmTile);
}

TLMDShapeFill::TLMDShapeFill()
    : FBitmap(std::make_unique<TBitmap>()),
      FGradient(std::make_unique<TLMDGradient>()),
      FListBitmap(std::make_unique<TBitmap>()) {
  FBitmap->OnChange = TNotifyEvent(this, &TLMDShapeFill::GetChange);
  FGradient->OnChange = TNotifyEvent(this, &TLMDShapeFill::GetChange);
}

TLMDShapeFill::~TLMDShapeFill() {
  FBitmap->OnChange = nullptr;
  FGradient->OnChange = nullptr;
}

void TLMDShapeFill::Assign(TPersistent* source) {
  if (source == this) return;
  auto* other = dynamic_cast<TLMDShapeFill*>(source);
  if (other == nullptr) {
    inherited::Assign(source);
    return;
  }
  BeginUpdate();
  CopyPictures(*other);
  FStyle = other->FStyle;
  FTileMode = other->FTileMode;
  EndUpdate(true);
}

void TLMDShapeFill::CopyPictures(const TLMDShapeFill& other) {
  FBitmap->Assign(other.FBitmap.get());
  FListBitmap->Assign(other.FListBitmap.get());
  FGradient->Assign(other.FGradient.get());
}

AnsiString TLMDShapeFill::GetSetStr() const {
  switch (FStyle) {
    case sfNone: return "{Disabled}";
    case sfBrush: return "{Brush}";
    case sfBitmap: return "{Bitmap}";
    case sfBitmapList: return "{BitmapList}";
    case sfGradient: return "{Gradient}";
    case sfBrushBitmap: break;
  }
  return "{}";
}

void TLMDShapeFill::SetStyle(TLMDFillStyle value) {
  StoreAndNotify(FStyle, value);
}

void TLMDShapeFill::SetTileMode(TLMDTileMode value) {
  StoreAndNotify(FTileMode, value);
}

void TLMDShapeFill::FetchListBitmap(TLMDCustomImageList* list, int32_t listIndex, int32_t imageIndex) {
  if (list == nullptr || !list->IsValidItem(listIndex, imageIndex)) {
    SetListBitmap(nullptr);
    return;
  }
  list->GetBitmapItem(listIndex, imageIndex, FListBitmap.get());
}

TBitmap* TLMDShapeFill::GetBitmap() const {
  switch (FStyle) {
    case sfBitmap: return FBitmap.get();
    case sfBitmapList: return FListBitmap.get();
    default: return nullptr;
  }
}

bool TLMDShapeFill::GetEmpty() const {
  if (FStyle == sfNone) return true;
  const TBitmap* bitmap = GetBitmap();
  return bitmap != nullptr && bitmap->Empty();
}

bool TLMDShapeFill::GetMustRedraw() const {
  switch (FStyle) {
    case sfBrushBitmap:
    case sfBrush: return false;
    case sfBitmap:
    case sfBitmapList: return FTileMode != tmTile;
    default: return true;
  }
}

HPALETTE TLMDShapeFill::GetPalette() const {
  switch (FStyle) {
    case sfBrushBitmap:
    case sfBitmap: return FBitmap->Palette();
    case sfBitmapList: return FListBitmap->Palette();
    case sfGradient: return FGradient->GetPalette();
    default: return nullptr;
  }
}
