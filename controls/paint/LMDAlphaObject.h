// Unit LMDAlphaObject: TLMDAlphaObject, the description of an alpha blend: a bitmap keeps
// Strength of its own pixels and takes the rest from a fill. The fill's list bitmap follows the
// image list through a change link.
#pragma once

#include "LMDFillObject.h"

#include <LMDChangeLink.h>
#include <TBitmap.h>
#include <TCanvas.h>

#include <memory>

class TLMDCustomImageList;

class TLMDAlphaObject : public TLMDObject {
  TAWO_CLASS(TLMDAlphaObject, TLMDObject)

 public:
  TLMDAlphaObject();
  ~TLMDAlphaObject() override;

  // Copies the fill, the flag, Strength, the indexes and the image list, without notifying.
  void Assign(TPersistent* source) override;
  // "{Disabled}", or the fill's kind and the strength: "{Enabled (brush), strength: 0.600}".
  AnsiString GetSetStr() const override;

  // The list the link is registered with; none once the list has gone.
  TLMDCustomImageList* ImageList() const;
  void SetImageList(TLMDCustomImageList* value);
  // The indexes by index: 0 ImageIndex, 1 ListIndex. Setting one refreshes the list bitmap.
  int32_t GetIndex(int32_t index) const { return index == 0 ? FImageIndex : FListIndex; }
  void SetIndex(int32_t index, int32_t value);
  int32_t ImageIndex() const { return FImageIndex; }
  int32_t ListIndex() const { return FListIndex; }
  float Strength() const { return FStrength; }
  void SetSingle(float value);
  // The unpublished flag (index 0); the blend does not use it.
  bool GetBoolean(int32_t index) const;
  void SetBoolean(int32_t index, bool value);
  TLMDFillObject* FillObject() const { return FFillObject.get(); }
  void SetFillObject(TLMDFillObject* value) { FFillObject->Assign(value); }

  // Whether a blend changes anything: a fill to blend with and a strength below 1.
  bool Enabled() const;
  HPALETTE GetPalette() const;

  // Blends the whole bitmap with the fill painted over its size; the bitmap becomes pf24bit.
  // Nothing happens while the fill's style is sfNone.
  void AlphaBlend(TBitmap* bitmap);
  // Blends `rect` of the bitmap, as far as it lies in `fillSize`, with the fill painted over an
  // area of that size at the bitmap's origin (size-dependent fills such as gradients depend on
  // it); the bitmap becomes pf24bit. Nothing happens while the fill's style is sfNone.
  void BlendRect(TBitmap* bitmap, const RECT& rect, SIZE fillSize);
  // Blends a copy of `sourceRect` of the bitmap and copies `partRect` of it (in the copy's
  // coordinates) onto the canvas at `targetRect`.
  void ControlBlend(TBitmap* bitmap, const RECT& sourceRect, const RECT& partRect, TCanvas* canvas,
                    const RECT& targetRect);

  // Refreshes the fill's list bitmap from the image list, then notifies.
  void GetIMLChange(TObject* sender);

 protected:
  // "Internal" names a global image list, which has no reference to write.
  void DefineProperties(TFiler& filer) override;

 private:
  float FStrength = 0.6f;
  int32_t FImageIndex = 0;
  int32_t FListIndex = 0;
  bool FFlag = false;
  std::unique_ptr<TLMDFillObject> FFillObject;
  std::unique_ptr<TLMDChangeLink> FChangeLink;
};
