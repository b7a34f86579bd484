// Unit LMDShapeFill: TLMDShapeFill, the persistent description of a fill: its style, the
// bitmap or gradient it uses and how a picture is placed. Changes of the bitmap and of the
// gradient surface as a change of the fill; the list bitmap, which the owning control keeps in
// step with its image list, notifies no one.
#pragma once

#include "LMDGradient.h"

#include <TBitmap.h>

#include <memory>

class TLMDCustomImageList;

TAWO_ENUM(TLMDFillStyle, sfNone, sfBrushBitmap, sfBrush, sfBitmap, sfBitmapList, sfGradient)
TAWO_ENUM(TLMDTileMode, tmNone, tmCenter, tmStretch, tmTile)

class TLMDShapeFill : public TLMDObject {
  TAWO_CLASS(TLMDShapeFill, TLMDObject)

 public:
  TLMDShapeFill();
  ~TLMDShapeFill() override;

  void Assign(TPersistent* source) override;
  // "{Brush}", "{Gradient}" ...; "{Disabled}" for sfNone.
  AnsiString GetSetStr() const override;

  TBitmap* Bitmap() const { return FBitmap.get(); }
  void SetBitmap(TBitmap* value) { FBitmap->Assign(value); }
  TBitmap* ListBitmap() const { return FListBitmap.get(); }
  // A null bitmap empties the list bitmap.
  void SetListBitmap(TBitmap* value) { FListBitmap->Assign(value); }
  // Copies the item (listIndex, imageIndex) of `list` into the list bitmap, or empties it when
  // there is no list or the list does not hold that item. Notifies no one, like SetListBitmap.
  void FetchListBitmap(TLMDCustomImageList* list, int32_t listIndex, int32_t imageIndex);
  TLMDGradient* Gradient() const { return FGradient.get(); }
  void SetGradient(TLMDGradient* value) { FGradient->Assign(value); }
  TLMDFillStyle Style() const { return FStyle; }
  void SetStyle(TLMDFillStyle value);
  TLMDTileMode TileMode() const { return FTileMode; }
  void SetTileMode(TLMDTileMode value);

  // The bitmap the style paints: Bitmap for sfBitmap, ListBitmap for sfBitmapList, else null.
  TBitmap* GetBitmap() const;
  // Whether the fill has nothing to paint: sfNone, or a bitmap style with an empty bitmap.
  bool GetEmpty() const;
  // Whether the picture depends on the area's size, so a resized owner must repaint fully.
  bool GetMustRedraw() const;
  HPALETTE GetPalette() const;

 protected:
  // Copies the bitmaps and the gradient; the caller notifies once.
  void CopyPictures(const TLMDShapeFill& other);

 private:
  std::unique_ptr<TBitmap> FBitmap;
  std::unique_ptr<TLMDGradient> FGradient;
  TLMDFillStyle FStyle = TLMDFillStyle::sfBrush;
  TLMDTileMode FTileMode = TLMDTileMode::tmTile;
  std::unique_ptr<TBitmap> FListBitmap;
};
