// Unit LMDShapeFill: TLMDShapeFill, the persistent description of a fill: its style, the
// gradient it uses and how a picture is placed. Changes of the gradient surface as a change of
// the fill.
#pragma once

#include "LMDGradient.h"

#include <memory>

TAWO_ENUM(TLMDFillStyle, sfNone, sfBrushBitmap, sfBrush, sfBitmap, sfBitmapList, sfGradient)
TAWO_ENUM(TLMDTileMode, tmNone, tmCenter, tmStretch, tmTile)

class TLMDShapeFill : public TLMDObject {
  TAWO_CLASS(TLMDShapeFill, TLMDObject)

 public:
  TLMDShapeFill();
  ~TLMDShapeFill() override;

  void Assign(TPersistent* source) override;

  TLMDGradient* Gradient() const { return FGradient.get(); }
  void SetGradient(TLMDGradient* value) { FGradient->Assign(value); }
  TLMDFillStyle Style() const { return FStyle; }
  void SetStyle(TLMDFillStyle value);
  TLMDTileMode TileMode() const { return FTileMode; }
  void SetTileMode(TLMDTileMode value);

 protected:
  // Copies the settings; the caller notifies once.
  void CopyShapeFill(const TLMDShapeFill& other);

 private:
  std::unique_ptr<TLMDGradient> FGradient;
  TLMDFillStyle FStyle = sfBrush;
  TLMDTileMode FTileMode = tmTile;
};
