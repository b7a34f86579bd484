// Unit LMDCustomProgressFill: TLMDCustomProgressFill, the meter whose bar a fill object paints,
// optionally framed by a 3D border.
#pragma once

#include "LMDBaseMeter.h"

#include <LMDFillObject.h>

class TLMDCustomProgressFill : public TLMDBaseMeter {
  TAWO_CLASS(TLMDCustomProgressFill, TLMDBaseMeter)

 public:
  explicit TLMDCustomProgressFill(TComponent* owner);
  ~TLMDCustomProgressFill() override;

  TLMDBorderStyle Bar3D() const { return FBar3D; }
  void SetBar3D(TLMDBorderStyle value);
  TColor BrushBackColor() const { return FBrushBackColor; }
  void SetBack(TColor value);
  TLMDFillObject* FillObject() const { return FFillObject.get(); }
  void SetFillObject(TLMDFillObject* value) { FFillObject->Assign(value); }

 protected:
  // The fill's list bitmap follows the image list's item (ListIndex, ImageIndex).
  void GetIMLChange(TObject* sender) override;
  void DrawBar(TCanvas* canvas, const RECT& bar, const RECT& rest, const RECT& whole) override;

 private:
  TLMDBorderStyle FBar3D = TLMDBorderStyle::lsNone;
  TColor FBrushBackColor = clBtnFace;
  std::unique_ptr<TLMDFillObject> FFillObject;
};
