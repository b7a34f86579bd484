// Unit lmdcont: TLMDImageList, a container of image strips. `listIndex` picks the strip,
// `imageIndex` the image in it.
#pragma once

#include "LMDCustomImageList.h"
#include "LMDImageListItem.h"

class TLMDImageList : public TLMDCustomImageList {
  TAWO_CLASS(TLMDImageList, TLMDCustomImageList)

 public:
  explicit TLMDImageList(TComponent* owner);

  TLMDListItemClassType ListType() const override { return TLMDListItemClassType::icImageList; }
  TLMDImageListItem* Item(int index) const { return static_cast<TLMDImageListItem*>(Items(index)); }

  TCanvas* BmpCanvas(int32_t listIndex) override;
  RECT ItemRect(int32_t listIndex, int32_t imageIndex) override;
  int32_t Dimensions(int32_t listIndex, int32_t which) override;
  // The strip's image count; -1 past the end.
  int32_t ItemCount(int32_t listIndex) override;
  bool IsValidItem(int32_t listIndex, int32_t imageIndex) override;
  void GetBitmapItem(int32_t listIndex, int32_t imageIndex, TBitmap* bitmap) override;
  bool Masked(int32_t listIndex) override;
  HPALETTE Palette(int32_t listIndex) override;
  TColor TransparentColor(int32_t listIndex, int32_t imageIndex) override;
  TColor GetColorAtPoint(POINT point, int32_t listIndex, int32_t imageIndex) override;
  void Draw(TCanvas* canvas, int32_t x, int32_t y, int32_t listIndex, int32_t imageIndex) override;
  RECT DrawExt(TCanvas* canvas, const RECT& rect, uint16_t flags, int32_t listIndex, int32_t imageIndex) override;
  void ClipDraw(TCanvas* canvas, const RECT& rect, uint16_t flags, int32_t offset, TColor color, int32_t listIndex,
                int32_t imageIndex) override;

 protected:
  TLMDListItem* CreateItem() override;

 private:
  // The strip, or none past the end.
  TLMDImageListItem* StripAt(int32_t listIndex) const;
};
