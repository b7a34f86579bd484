#include "LMDBitmapList.h"

#include <LMDUtilsBitmap.h>
#include <TypInfo.h>

using enum TLMDSavePixelFormat;

TAWO_PUBLISHED(TLMDBitmapList, published) {
  published.Property("About", &TLMDBitmapList::About, &TLMDBitmapList::SetAbout);
  published.Property("DefaultCompressed", &TLMDBitmapList::DefaultCompressed, &TLMDBitmapList::SetDefaultCompressed)
      .Default(false);
  published.Property("DefaultPixelFormat", &TLMDBitmapList::DefaultPixelFormat, &TLMDBitmapList::SetDefaultPixelFormat)
      .Default(spfDefault);
}

namespace {

constexpr TColor kWhite = 0xFFFFFF;

}  // namespace

TLMDBitmapList::TLMDBitmapList(TComponent* owner) : TLMDCustomImageList(owner) {
  RegisterClass(TLMDBitmapListItem::ClassInfo());
}

TLMDListItem* TLMDBitmapList::CreateItem() {
  auto* item = new TLMDBitmapListItem(this);
  item->SetPixelFormat(DefaultPixelFormat());
  return item;
}

TBitmap* TLMDBitmapList::BitmapAt(int32_t listIndex) const {
  if (listIndex < 0 || listIndex >= Count()) return nullptr;
  return Item(listIndex)->Bitmap();
}

TBitmap* TLMDBitmapList::DrawnBitmap(int32_t listIndex) const { return Item(listIndex)->Bitmap(); }

TCanvas* TLMDBitmapList::BmpCanvas(int32_t listIndex) { return DrawnBitmap(listIndex)->Canvas(); }

RECT TLMDBitmapList::ItemRect(int32_t listIndex, int32_t) {
  TBitmap* bitmap = DrawnBitmap(listIndex);
  return RECT{0, 0, bitmap->Width(), bitmap->Height()};
}

int32_t TLMDBitmapList::Dimensions(int32_t listIndex, int32_t which) {
  TBitmap* bitmap = BitmapAt(listIndex);
  if (bitmap == nullptr) return 0;
  if (which == 0) return bitmap->Width();
  return which == 1 ? bitmap->Height() : 0;
}

int32_t TLMDBitmapList::ItemCount(int32_t listIndex) { return IsValidItem(listIndex, 0) ? 1 : 0; }

bool TLMDBitmapList::IsValidItem(int32_t listIndex, int32_t) {
  TBitmap* bitmap = BitmapAt(listIndex);
  return bitmap != nullptr && !bitmap->Empty();
}

void TLMDBitmapList::GetBitmapItem(int32_t listIndex, int32_t, TBitmap* bitmap) {
  if (bitmap != nullptr) bitmap->Assign(DrawnBitmap(listIndex));
}

bool TLMDBitmapList::Masked(int32_t) { return false; }

HPALETTE TLMDBitmapList::Palette(int32_t listIndex) {
  TBitmap* bitmap = BitmapAt(listIndex);
  return bitmap == nullptr ? nullptr : bitmap->Palette();
}

TColor TLMDBitmapList::TransparentColor(int32_t listIndex, int32_t) {
  TBitmap* bitmap = BitmapAt(listIndex);
  return bitmap == nullptr ? kWhite : bitmap->TransparentColor();
}

TColor TLMDBitmapList::GetColorAtPoint(POINT point, int32_t listIndex, int32_t) {
  TBitmap* bitmap = BitmapAt(listIndex);
  return bitmap == nullptr ? kWhite : bitmap->Canvas()->Pixel(point.x, point.y);
}

void TLMDBitmapList::Draw(TCanvas* canvas, int32_t x, int32_t y, int32_t listIndex, int32_t) {
  TBitmap* bitmap = DrawnBitmap(listIndex);
  LMDBmpDraw(canvas, RECT{x, y, x + bitmap->Width(), y + bitmap->Height()}, bitmap, 0, 0);
}

RECT TLMDBitmapList::DrawExt(TCanvas* canvas, const RECT& rect, uint16_t flags, int32_t listIndex, int32_t) {
  TBitmap* bitmap = DrawnBitmap(listIndex);
  return LMDBmpDraw(canvas, rect, bitmap, flags, bitmap->TransparentColor());
}

void TLMDBitmapList::ClipDraw(TCanvas* canvas, const RECT& rect, uint16_t flags, int32_t offset, TColor color,
                              int32_t listIndex, int32_t) {
  LMDBmpClipDraw(canvas, rect, DrawnBitmap(listIndex), flags, offset, color);
}
