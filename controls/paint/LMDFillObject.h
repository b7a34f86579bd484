// Unit LMDFillObject: TLMDFillObject, a fill that paints itself: nothing, a brush, a brush with
// a pattern bitmap, a bitmap (own or from the owner's image list) placed in one of four ways,
// or a gradient. ClipFill paints restricted to the area; FillCanvas paints without clipping.
#pragma once

#include "LMDShapeFill.h"

#include "LMDProcs.h"
#include <TBrush.h>
#include <TCanvas.h>

TAWO_ENUM(TLMDFillOption, foFillInner, foQuickDraw, foGrUseBitmap)
using TLMDFillOptions = TSet<TLMDFillOption>;

inline constexpr TLMDFillOptions kLMDDefaultFillOptions{TLMDFillOption::foFillInner,
                                                        TLMDFillOption::foGrUseBitmap};

class TLMDFillObject : public TLMDShapeFill {
  TAWO_CLASS(TLMDFillObject, TLMDShapeFill)

 public:
  TLMDFillObject();
  ~TLMDFillObject() override;

  // Copies everything but Alignment and the offsets, with one notification.
  void Assign(TPersistent* source) override;

  TLMDAlignment Alignment() const { return FAlignment; }
  void SetAlignment(TLMDAlignment value);
  // The offsets by index: 0 OffsetX, 1 OffsetY.
  int32_t GetOffset(int32_t index) const { return index == 0 ? FOffsetX : FOffsetY; }
  void SetOffset(int32_t index, int32_t value);
  int32_t OffsetX() const { return FOffsetX; }
  int32_t OffsetY() const { return FOffsetY; }
  TBrush* Brush() const { return FBrush.get(); }
  void SetBrush(TBrush* value) { FBrush->Assign(value); }
  TLMDFillOptions Options() const { return FOptions; }
  void SetOptions(TLMDFillOptions value);

  // Whether the fill leaves parts of an area unpainted.
  bool GetTransparent() const;

  // Paints `rect`; false when the style painted nothing (sfNone, an empty bitmap). Only the
  // bitmap placed at its own size may reach outside the rectangle.
  bool FillCanvas(TCanvas* canvas, const RECT& rect, TColor backColor);
  // FillCanvas restricted to `rect`; the offset's low and high words move the clip region into
  // device coordinates (0: the rectangle itself). The device context is left without a clip
  // region afterwards.
  bool ClipFill(TCanvas* canvas, const RECT& rect, TColor backColor, int32_t offset);

 private:
  // Only an untiled bitmap uses Alignment and the offsets.
  bool PlacesBitmap() const;
  void FillInner(TCanvas* canvas, const RECT& rect, TColor backColor) const;
  void FillBrushBitmap(TCanvas* canvas, const RECT& rect);
  void FillBrush(TCanvas* canvas, const RECT& rect, TColor backColor);
  bool FillBitmap(TCanvas* canvas, const RECT& rect, TColor backColor);
  void FillGradient(TCanvas* canvas, const RECT& rect);

  TLMDAlignment FAlignment = TLMDAlignment::agTopLeft;
  int32_t FOffsetX = 0;
  int32_t FOffsetY = 0;
  std::unique_ptr<TBrush> FBrush;
  TLMDFillOptions FOptions = kLMDDefaultFillOptions;
};
