// Unit lmdcont: TLMDBitmapList, a container of single bitmaps. The image index of the queries
// is ignored; an item whose bitmap is empty has no image.
#pragma once

#include "LMDBitmapListItem.h"
#include "LMDCustomImageList.h"

class TLMDBitmapList : public TLMDCustomImageList {
  TAWO_CLASS(TLMDBitmapList, TLMDCustomImageList)

 public:
  explicit TLMDBitmapList(TComponent* owner);

  TLMDListItemClassType ListType() const override { return TLMDListItemClassType::icBitmap; }
  TLMDBitmapListItem* Item(int index) const { return static_cast<TLMDBitmapListItem*>(Items(index)); }

  TCanvas* BmpCanvas(int32_t listIndex) override;
  RECT ItemRect(int32_t listIndex, int32_t imageIndex) override;
  int32_t Dimensions(int32_t listIndex, int32_t which) override;
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
  // The item's bitmap, or none past the end.
  TBitmap* BitmapAt(int32_t listIndex) const;
  // The item's bitmap; EListError past the end, where drawing has nothing to draw.
  TBitmap* DrawnBitmap(int32_t listIndex) const;
};
