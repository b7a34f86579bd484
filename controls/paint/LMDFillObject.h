// Unit LMDFillObject: TLMDFillObject, a fill with a brush that paints itself. For now it paints
// the plain look: a brush style fills with the brush, a gradient with the gradient's colour.
#pragma once

#include "LMDShapeFill.h"

#include <TBrush.h>
#include <TCanvas.h>

class TLMDFillObject : public TLMDShapeFill {
  TAWO_CLASS(TLMDFillObject, TLMDShapeFill)

 public:
  TLMDFillObject();
  ~TLMDFillObject() override;

  void Assign(TPersistent* source) override;

  TBrush* Brush() const { return FBrush.get(); }
  void SetBrush(TBrush* value) { FBrush->Assign(value); }

  // Fills `rect` on `canvas`, touching nothing outside it; false when nothing was painted.
  bool ClipFill(TCanvas* canvas, const RECT& rect, TColor backColor, int offset);

 private:
  std::unique_ptr<TBrush> FBrush;
};
