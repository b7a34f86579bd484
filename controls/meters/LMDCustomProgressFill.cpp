#include "LMDCustomProgressFill.h"

#include <LMDCustomImageList.h>
#include <LMDUtils.h>
#include <PublishedGroups.h>

using enum TAlign;
using enum TAlignment;
using enum TAnchorKind;
using enum TControlStyleItem;
using enum TLMDBorderStyle;
using enum TLMDFillStyle;
using enum TLMDMeterDirection;
using enum TLMDMeterTextOptions;

TAWO_PUBLISHED(TLMDCustomProgressFill, published) {
  published.Property("About", &TLMDCustomProgressFill::About, &TLMDCustomProgressFill::SetAbout);
  published.Property("Align", &TLMDCustomProgressFill::Align, &TLMDCustomProgressFill::SetAlign).Default(alNone);
  published.Property("Alignment", &TLMDCustomProgressFill::Alignment, &TLMDCustomProgressFill::SetAlignment)
      .Default(taCenter);
  published.Property("Bar3D", &TLMDCustomProgressFill::Bar3D, &TLMDCustomProgressFill::SetBar3D).Default(lsNone);
  published.Property("Bevel", &TLMDCustomProgressFill::Bevel, &TLMDCustomProgressFill::SetBevel);
  published.Property("BrushBackColor", &TLMDCustomProgressFill::BrushBackColor, &TLMDCustomProgressFill::SetBack)
      .Type(TColorTypeInfo())
      .Default(clBtnFace);
  published.Property("Color", &TLMDCustomProgressFill::Color, &TLMDCustomProgressFill::SetColor)
      .Type(TColorTypeInfo())
      .Default(clWindow).Stored(&TLMDCustomProgressFill::IsColorStored);
  published.Property("Caption", &TLMDCustomProgressFill::Caption, &TLMDCustomProgressFill::SetCaption);
  published.Property("Direction", &TLMDCustomProgressFill::Direction, &TLMDCustomProgressFill::SetDirection)
      .Default(mdHorizontal);
  published.Property("FillObject", &TLMDCustomProgressFill::FillObject, &TLMDCustomProgressFill::SetFillObject);
  published.Property("Font", &TLMDCustomProgressFill::Font, &TLMDCustomProgressFill::SetFont).Stored(&TLMDCustomProgressFill::IsFontStored);
  published.Property("Font3D", &TLMDCustomProgressFill::Font3D, &TLMDCustomProgressFill::Set3DCaption);
  published.Property("ImageList", &TLMDCustomProgressFill::ImageList, &TLMDCustomProgressFill::SetImageList);
  published.Property("ImageIndex", &TLMDCustomProgressFill::GetIndex, &TLMDCustomProgressFill::SetIndex, 0)
      .Default(0);
  published.Property("ListIndex", &TLMDCustomProgressFill::GetIndex, &TLMDCustomProgressFill::SetIndex, 1)
      .Default(0);
  published.Property("MaxValue", &TLMDCustomProgressFill::MaxValue, &TLMDCustomProgressFill::SetMaxValue).Default(100);
  published.Property("MinValue", &TLMDCustomProgressFill::MinValue, &TLMDCustomProgressFill::SetMinValue).Default(0);
  published.Property("OptionsText", &TLMDCustomProgressFill::OptionsText, &TLMDCustomProgressFill::SetTextOptions)
      .Default(toNoText);
  published.Property("UseFontColor", &TLMDCustomProgressFill::UseFontColor, &TLMDCustomProgressFill::SetUseFontColor)
      .Default(false);
  published.Property("Enabled", &TLMDCustomProgressFill::Enabled, &TLMDCustomProgressFill::SetEnabled).Default(true);
  published.Property("ParentColor", &TLMDCustomProgressFill::ParentColor, &TLMDCustomProgressFill::SetParentColor)
      .Default(true);
  published.Property("ParentFont", &TLMDCustomProgressFill::ParentFont, &TLMDCustomProgressFill::SetParentFont)
      .Default(true);
  published.Property("ParentShowHint", &TLMDCustomProgressFill::ParentShowHint,
                     &TLMDCustomProgressFill::SetParentShowHint)
      .Default(true);
  published.Property("PopupMenu", &TLMDCustomProgressFill::PopupMenuComponent,
                     &TLMDCustomProgressFill::SetPopupMenuComponent);
  published.Property("ShowHint", &TLMDCustomProgressFill::ShowHint, &TLMDCustomProgressFill::SetShowHint)
      .Default(false);
  published.Property("Visible", &TLMDCustomProgressFill::Visible, &TLMDCustomProgressFill::SetVisible).Default(true);
  published.Property("OnClick", &TLMDCustomProgressFill::OnClick);
  published.Property("OnDblClick", &TLMDCustomProgressFill::OnDblClick);
  published.Property("OnMouseDown", &TLMDCustomProgressFill::OnMouseDown);
  published.Property("OnMouseEnter", &TLMDCustomProgressFill::OnMouseEnter);
  published.Property("OnMouseExit", &TLMDCustomProgressFill::OnMouseExit);
  published.Property("OnMouseMove", &TLMDCustomProgressFill::OnMouseMove);
  published.Property("OnMouseUp", &TLMDCustomProgressFill::OnMouseUp);
  PublishDragging(published);
  PublishLayout(published);
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

void TLMDCustomProgressFill::GetIMLChange(TObject* sender) {
  FFillObject->FetchListBitmap(ImageList(), GetIndex(1), GetIndex(0));
  inherited::GetIMLChange(sender);
}

void TLMDCustomProgressFill::DrawBar(TCanvas* canvas, const RECT& bar, const RECT& rest, const RECT& whole) {
  FFillObject->ClipFill(canvas, bar, FBrushBackColor, 0);
  RECT framed = bar;
  if (Position() > 0) LMDDrawStdFrame(canvas, framed, FBar3D, 0);
  const TLMDFillStyle style = FFillObject->Style();
  const bool brushColoured = style == sfNone || style == sfBrush;
  DrawCaption(canvas, framed, rest, whole, brushColoured, FFillObject->Brush()->Color());
}
