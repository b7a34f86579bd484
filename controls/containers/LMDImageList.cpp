#include "LMDImageList.h"

#include <TypInfo.h>

using enum TLMDSavePixelFormat;

TAWO_PUBLISHED(TLMDImageList, published) {
  published.Property("About", &TLMDImageList::About, &TLMDImageList::SetAbout);
  published.Property("DefaultCompressed", &TLMDImageList::DefaultCompressed, &TLMDImageList::SetDefaultCompressed)
      .Default(false);
  published.Property("DefaultPixelFormat", &TLMDImageList::DefaultPixelFormat, &TLMDImageList::SetDefaultPixelFormat)
      .Default(spfDefault);
}

namespace {

constexpr TColor kWhite = 0xFFFFFF;

}  // namespace

TLMDImageList::TLMDImageList(TComponent* owner) : TLMDCustomImageList(owner) {
  RegisterClass(TLMDImageListItem::ClassInfo());
}

TLMDListItem* TLMDImageList::CreateItem() {
  auto* item = new TLMDImageListItem(this);
  item->SetPixelFormat(DefaultPixelFormat());
  return item;
}

TLMDImageListItem* TLMDImageList::StripAt(int32_t listIndex) const {
  return listIndex >= 0 && listIndex < Count() ? Item(listIndex) : nullptr;
}

TCanvas* TLMDImageList::BmpCanvas(int32_t listIndex) { return Item(listIndex)->Image()->Canvas(); }

RECT TLMDImageList::ItemRect(int32_t listIndex, int32_t imageIndex) {
  return Item(listIndex)->GetImageRect(imageIndex);
}

int32_t TLMDImageList::Dimensions(int32_t listIndex, int32_t which) {
  TLMDImageListItem* strip = StripAt(listIndex);
  return strip != nullptr && (which == 0 || which == 1) ? strip->Dimension(which) : 0;
}

int32_t TLMDImageList::ItemCount(int32_t listIndex) {
  TLMDImageListItem* strip = StripAt(listIndex);
  return strip == nullptr ? -1 : strip->Count();
}

bool TLMDImageList::IsValidItem(int32_t listIndex, int32_t imageIndex) {
  TLMDImageListItem* strip = StripAt(listIndex);
  return strip != nullptr && imageIndex >= 0 && imageIndex < strip->Count();
}

void TLMDImageList::GetBitmapItem(int32_t listIndex, int32_t imageIndex, TBitmap* bitmap) {
  Item(listIndex)->GetBitmap(imageIndex, bitmap);
}

bool TLMDImageList::Masked(int32_t listIndex) { return Item(listIndex)->Masked(); }

HPALETTE TLMDImageList::Palette(int32_t listIndex) {
  TLMDImageListItem* strip = StripAt(listIndex);
  return strip == nullptr ? nullptr : strip->Image()->Palette();
}

TColor TLMDImageList::TransparentColor(int32_t listIndex, int32_t imageIndex) {
  return IsValidItem(listIndex, imageIndex) ? Item(listIndex)->TransparentColor(imageIndex) : kWhite;
}

TColor TLMDImageList::GetColorAtPoint(POINT point, int32_t listIndex, int32_t imageIndex) {
  return IsValidItem(listIndex, imageIndex) ? Item(listIndex)->GetColorAtPoint(point, imageIndex) : kWhite;
}

void TLMDImageList::Draw(TCanvas* canvas, int32_t x, int32_t y, int32_t listIndex, int32_t imageIndex) {
  Item(listIndex)->Draw(canvas, x, y, imageIndex);
}

RECT TLMDImageList::DrawExt(TCanvas* canvas, const RECT& rect, uint16_t flags, int32_t listIndex, int32_t imageIndex) {
  return Item(listIndex)->DrawExt(canvas, rect, flags, imageIndex);
}

void TLMDImageList::ClipDraw(TCanvas* canvas, const RECT& rect, uint16_t flags, int32_t offset, TColor color,
                             int32_t listIndex, int32_t imageIndex) {
  Item(listIndex)->ClipDraw(canvas, rect, flags, offset, color, imageIndex);
}
