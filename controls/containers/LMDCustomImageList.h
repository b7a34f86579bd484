// Unit lmdcont: TLMDCustomImageList, the containers of images, and the query-and-draw
// interface controls use to paint an item: `listIndex` selects the item, `imageIndex` the
// image inside it. Kinds that do not provide a query raise EAbstractError.
#pragma once

#include "LMDCustomContainer.h"

#include <TBitmap.h>
#include <TCanvas.h>

#include <windows.h>

class TLMDCustomImageList : public TLMDCustomContainer {
  TAWO_CLASS(TLMDCustomImageList, TLMDCustomContainer)

 public:
  explicit TLMDCustomImageList(TComponent* owner) : TLMDCustomContainer(owner) {}

  int32_t Index() const { return FIndex; }
  // EInvalidGraphicOperation for an index not below Count.
  void SetIndex(int32_t value);
  TLMDSavePixelFormat DefaultPixelFormat() const { return FDefaultPixelFormat; }
  void SetDefaultPixelFormat(TLMDSavePixelFormat value) { FDefaultPixelFormat = value; }

  virtual TCanvas* BmpCanvas(int32_t listIndex);
  virtual RECT ItemRect(int32_t listIndex, int32_t imageIndex);
  // Width (which 0) or height (which 1) of the item's images.
  virtual int32_t Dimensions(int32_t listIndex, int32_t which);
  virtual int32_t ItemCount(int32_t listIndex);
  virtual bool IsValidItem(int32_t listIndex, int32_t imageIndex);
  virtual void GetBitmapItem(int32_t listIndex, int32_t imageIndex, TBitmap* bitmap);
  virtual bool Masked(int32_t listIndex);
  virtual HPALETTE Palette(int32_t listIndex);
  virtual TColor TransparentColor(int32_t listIndex, int32_t imageIndex);
  virtual TColor GetColorAtPoint(POINT point, int32_t listIndex, int32_t imageIndex);
  virtual void Draw(TCanvas* canvas, int32_t x, int32_t y, int32_t listIndex, int32_t imageIndex);
  virtual RECT DrawExt(TCanvas* canvas, const RECT& rect, uint16_t flags, int32_t listIndex, int32_t imageIndex);
  // `offset`: x in the low, y in the high 16 bits.
  virtual void ClipDraw(TCanvas* canvas, const RECT& rect, uint16_t flags, int32_t offset, TColor color,
                        int32_t listIndex, int32_t imageIndex);

 protected:
  void AssignSettings(TLMDCustomContainer* source) override;

 private:
  int32_t FIndex = 0;
  TLMDSavePixelFormat FDefaultPixelFormat = TLMDSavePixelFormat::spfDefault;
};
