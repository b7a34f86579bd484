#include "LMDCustomImageList.h"

#include <RTLConsts.h>
#include <SysUtils.h>
#include <TypInfo.h>

TAWO_IMPLEMENT_CLASS(TLMDCustomImageList)

void TLMDCustomImageList::SetIndex(int32_t value) {
  if (value == FIndex) return;
  if (value >= Count()) throw EInvalidGraphicOperation(SListIndexError);
  FIndex = value;
}

void TLMDCustomImageList::AssignSettings(TLMDCustomContainer* source) {
  TLMDCustomContainer::AssignSettings(source);
  FDefaultPixelFormat = static_cast<TLMDCustomImageList*>(source)->FDefaultPixelFormat;
}

TCanvas* TLMDCustomImageList::BmpCanvas(int32_t) { throw EAbstractError(); }
RECT TLMDCustomImageList::ItemRect(int32_t, int32_t) { throw EAbstractError(); }
int32_t TLMDCustomImageList::Dimensions(int32_t, int32_t) { throw EAbstractError(); }
int32_t TLMDCustomImageList::ItemCount(int32_t) { throw EAbstractError(); }
bool TLMDCustomImageList::IsValidItem(int32_t, int32_t) { throw EAbstractError(); }
void TLMDCustomImageList::GetBitmapItem(int32_t, int32_t, TBitmap*) { throw EAbstractError(); }
bool TLMDCustomImageList::Masked(int32_t) { throw EAbstractError(); }
HPALETTE TLMDCustomImageList::Palette(int32_t) { throw EAbstractError(); }
TColor TLMDCustomImageList::TransparentColor(int32_t, int32_t) { throw EAbstractError(); }
TColor TLMDCustomImageList::GetColorAtPoint(POINT, int32_t, int32_t) { throw EAbstractError(); }
void TLMDCustomImageList::Draw(TCanvas*, int32_t, int32_t, int32_t, int32_t) { throw EAbstractError(); }
RECT TLMDCustomImageList::DrawExt(TCanvas*, const RECT&, uint16_t, int32_t, int32_t) { throw EAbstractError(); }
void TLMDCustomImageList::ClipDraw(TCanvas*, const RECT&, uint16_t, int32_t, TColor, int32_t, int32_t) {
  throw EAbstractError();
}
