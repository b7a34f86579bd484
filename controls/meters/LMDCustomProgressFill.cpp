#include "LMDCustomProgressFill.h"

#include <LMDUtils.h>

TAWO_PUBLISHED(TLMDCustomProgressFill, published) {
  published.Property("Align", &TLMDCustomProgressFill::Align, &TLMDCustomProgressFill::SetAlign).Default(alNone);
  published.Property("Bar3D", &TLMDCustomProgressFill::Bar3D, &TLMDCustomProgressFill::SetBar3D).Default(lsNone);
  published.Property("Bevel", &TLMDCustomProgressFill::Bevel, &TLMDCustomProgressFill::SetBevel);
  published.Property("BrushBackColor", &TLMDCustomProgressFill::BrushBackColor, &TLMDCustomProgressFill::SetBack)
      .Type(TColorTypeInfo())
      .Default(clBtnFace);
  published.Property("Color", &TLMDCustomProgressFill::Color, &TLMDCustomProgressFill::SetColor)
      .Type(TColorTypeInfo())
      .Default(clWindow);
  published.Property("Caption", &TLMDCustomProgressFill::Caption, &TLMDCustomProgressFill::SetCaption);
  published.Property("Direction", &TLMDCustomProgressFill::Direction, &TLMDCustomProgressFill::SetDirection)
      .Default(mdHorizontal);
  published.Property("FillObject", &TLMDCustomProgressFill::FillObject, &TLMDCustomProgressFill::SetFillObject);
  published.Property("MaxValue", &TLMDCustomProgressFill::MaxValue, &TLMDCustomProgressFill::SetMaxValue).Default(100);
  published.Property("MinValue", &TLMDCustomProgressFill::MinValue, &TLMDCustomProgressFill::SetMinValue).Default(0);
  published.Property("Enabled", &TLMDCustomProgressFill::Enabled, &TLMDCustomProgressFill::SetEnabled).Default(true);
  published.Property("ParentColor", &TLMDCustomProgressFill::ParentColor, &TLMDCustomProgressFill::SetParentColor)
      .Default(true);
  published.Property("ParentShowHint", &TLMDCustomProgressFill::ParentShowHint,
                     &TLMDCustomProgressFill::SetParentShowHint)
      .Default(true);
  published.Property("ShowHint", &TLMDCustomProgressFill::ShowHint, &TLMDCustomProgressFill::SetShowHint);
  published.Property("Visible", &TLMDCustomProgressFill::Visible, &TLMDCustomProgressFill::SetVisible).Default(true);
}

TLMDCustomProgressFill::TLMDCustomProgressFill(TComponent* owner)
    : TLMDBaseMeter(owner), FFillObject(std::make_unique<TLMDFillObject>()) {
  FFillObject->OnChange = TNotifyEvent(this, &TLMDCustomProgressFill::GetChange);
  TControlStyle style = ControlStyle();
  style.Include(csReplicatable);
  SetControlStyle(style);
}

TLMDCustomProgressFill::~TLMDCustomProgressFill() {
  FFillObject->OnChange = nullptr;
}

void TLMDCustomProgressFill::SetBar3D(TLMDBorderStyle value) {
  if (value == FBar3D) return;
  FBar3D = value;
  InvalidateControl();
}

void TLMDCustomProgressFill::SetBack(TColor value) {
  if (value == FBrushBackColor) return;
  FBrushBackColor = value;
  InvalidateControl();
}

void TLMDCustomProgressFill::DrawBar(TCanvas* canvas, const RECT& bar, const RECT&, const RECT&) {
  FFillObject->ClipFill(canvas, bar, FBrushBackColor, 0);
  RECT framed = bar;
  if (Position() > 0) LMDDrawStdFrame(canvas, framed, FBar3D, 0);
}
