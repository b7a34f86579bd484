#include "LMDAlphaObject.h"

#include "LMDBmp.h"

#include <LMDContainer.h>
#include <LMDCustomImageList.h>

#include <algorithm>

using enum TFloatFormat;
using enum TLMDFillStyle;
using enum TPixelFormat;

TAWO_PUBLISHED(TLMDAlphaObject, published) {
  published.Property("ImageList", &TLMDAlphaObject::ImageList, &TLMDAlphaObject::SetImageList);
  published.Property("ImageIndex", &TLMDAlphaObject::GetIndex, &TLMDAlphaObject::SetIndex, 0).Default(0);
  published.Property("ListIndex", &TLMDAlphaObject::GetIndex, &TLMDAlphaObject::SetIndex, 1).Default(0);
  published.Property("Strength", &TLMDAlphaObject::Strength, &TLMDAlphaObject::SetSingle);
  published.Property("FillObject", &TLMDAlphaObject::FillObject, &TLMDAlphaObject::SetFillObject);
}

TLMDAlphaObject::TLMDAlphaObject()
    : FFillObject(std::make_unique<TLMDFillObject>()), FChangeLink(std::make_unique<TLMDChangeLink>()) {
  FFillObject->SetStyle(sfNone);
  FFillObject->OnChange = TNotifyEvent(this, &TLMDAlphaObject::GetChange);
  FChangeLink->OnChange = TNotifyEvent(this, &TLMDAlphaObject::GetIMLChange);
}

TLMDAlphaObject::~TLMDAlphaObject() {
  FChangeLink->OnChange = nullptr;
  FFillObject->OnChange = nullptr;
}

void TLMDAlphaObject::Assign(TPersistent* source) {
  if (source == this) return;
  auto* other = dynamic_cast<TLMDAlphaObject*>(source);
  if (other == nullptr) {
    inherited::Assign(source);
    return;
  }
  FFlag = other->FFlag;
  FStrength = other->FStrength;
  FImageIndex = other->FImageIndex;
  FListIndex = other->FListIndex;
  // Registered, so that the copy too lets go of a list that is freed.
  if (ImageList() != nullptr) ImageList()->UnRegisterChanges(FChangeLink.get());
  if (other->ImageList() != nullptr) other->ImageList()->RegisterChanges(FChangeLink.get());
  // Last, so that the one change the fill's Assign raises tells the holder of the whole copy.
  FFillObject->Assign(other->FFillObject.get());
}

void TLMDAlphaObject::DefineProperties(TFiler& filer) {
  inherited::DefineProperties(filer);
  LMDDefineInternal(filer, ImageList(), [this](TLMDCustomImageList* list) { SetImageList(list); });
}

AnsiString TLMDAlphaObject::GetSetStr() const {
  const char* kind = "";
  switch (FFillObject->Style()) {
    case sfNone: return "{Disabled}";
    case sfBrush: kind = "brush"; break;
    case sfBitmap:
    case sfBitmapList: kind = "bmp"; break;
    case sfGradient: kind = "grad"; break;
    case sfBrushBitmap: break;
  }
  return AnsiString("{Enabled (") + kind + "), strength: " + FloatToStrF(FStrength, ffFixed, 15, 3) + "}";
}

// The link is only ever registered with an image list, by SetImageList or Assign.
TLMDCustomImageList* TLMDAlphaObject::ImageList() const {
  return static_cast<TLMDCustomImageList*>(FChangeLink->Sender());
}

void TLMDAlphaObject::SetImageList(TLMDCustomImageList* value) {
  if (ImageList() != nullptr) ImageList()->UnRegisterChanges(FChangeLink.get());
  if (value != nullptr) value->RegisterChanges(FChangeLink.get());
  GetIMLChange(this);
}

void TLMDAlphaObject::SetIndex(int32_t index, int32_t value) {
  (index == 0 ? FImageIndex : FListIndex) = value;
  GetIMLChange(this);
}

void TLMDAlphaObject::SetSingle(float value) {
  if (value == FStrength) return;
  FStrength = value;
  GetChange(this);
}

bool TLMDAlphaObject::GetBoolean(int32_t) const { return FFlag; }

void TLMDAlphaObject::SetBoolean(int32_t, bool value) {
  if (value == FFlag) return;
  FFlag = value;
  GetChange(this);
}

bool TLMDAlphaObject::Enabled() const { return FFillObject->Style() != sfNone && FStrength != 1.0f; }

HPALETTE TLMDAlphaObject::GetPalette() const {
  return FFillObject->Style() != sfNone ? FFillObject->GetPalette() : nullptr;
}

void TLMDAlphaObject::GetIMLChange(TObject*) {
  FFillObject->FetchListBitmap(ImageList(), FListIndex, FImageIndex);
  GetChange(this);
}

void TLMDAlphaObject::AlphaBlend(TBitmap* bitmap) {
  BlendRect(bitmap, RECT{0, 0, bitmap->Width(), bitmap->Height()}, SIZE{bitmap->Width(), bitmap->Height()});
}

void TLMDAlphaObject::BlendRect(TBitmap* bitmap, const RECT& rect, SIZE fillSize) {
  if (FFillObject->Style() == sfNone) return;
  bitmap->SetPixelFormat(pf24bit);
  TBitmap fill;
  fill.SetPixelFormat(pf24bit);
  fill.SetSize(fillSize.cx, fillSize.cy);
  const RECT fillArea{0, 0, fill.Width(), fill.Height()};
  FFillObject->FillCanvas(fill.Canvas(), fillArea, clWhite);
  RECT area{};
  if (!IntersectRect(&area, &rect, &fillArea)) return;
  const POINT topLeft{area.left, area.top};
  LMDBMPAlphaBlend(bitmap, &fill, area, topLeft, bitmap, FStrength, topLeft);
}

void TLMDAlphaObject::ControlBlend(TBitmap* bitmap, const RECT& sourceRect, const RECT& partRect, TCanvas* canvas,
                                   const RECT& targetRect) {
  TBitmap part;
  part.SetPixelFormat(pf24bit);
  part.SetSize(std::max<int32_t>(0, sourceRect.right - sourceRect.left), std::max<int32_t>(0, sourceRect.bottom - sourceRect.top));
  part.Canvas()->CopyRect(RECT{0, 0, part.Width(), part.Height()}, bitmap->Canvas(), sourceRect);
  AlphaBlend(&part);
  canvas->CopyRect(targetRect, part.Canvas(), partRect);
}
