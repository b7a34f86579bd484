#include "TPanel.h"
#include "PublishedGroups.h"

#include "ExtCtrls.h"

using enum TAlign;
using enum TAlignment;
using enum TBevelCut;
using enum TBrushStyle;
using enum TControlStyleItem;
using enum TFormBorderStyle;

TAWO_PUBLISHED(TPanel, published) {
  published.Property("Align", &TPanel::Align, &TPanel::SetAlign).Default(alNone);
  published.Property("Alignment", &TPanel::Alignment, &TPanel::SetAlignment).Default(taCenter);
  published.Property("BevelInner", &TPanel::BevelInner, &TPanel::SetBevelInner).Default(bvNone);
  published.Property("BevelOuter", &TPanel::BevelOuter, &TPanel::SetBevelOuter).Default(bvRaised);
  published.Property("BevelWidth", &TPanel::BevelWidth, &TPanel::SetBevelWidth).Default(1);
  published.Property("BorderWidth", &TPanel::BorderWidth, &TPanel::SetBorderWidth).Default(0);
  published.Property("BorderStyle", &TPanel::BorderStyle, &TPanel::SetBorderStyle).Default(bsNone);
  published.Property("Caption", &TPanel::Caption, &TPanel::SetCaption);
  published.Property("Color", &TPanel::Color, &TPanel::SetColor).Type(TColorTypeInfo()).Stored(&TPanel::IsColorStored);
  published.Property("Ctl3D", &TPanel::Ctl3D, &TPanel::SetCtl3D).Default(true);
  published.Property("DockSite", &TPanel::DockSite, &TPanel::SetDockSite).Default(false);
  published.Property("Enabled", &TPanel::Enabled, &TPanel::SetEnabled).Default(true);
  published.Property("Font", &TPanel::Font, &TPanel::SetFont).Stored(&TPanel::IsFontStored);
  published.Property("Hint", &TPanel::Hint, &TPanel::SetHint);
  published.Property("ParentColor", &TPanel::ParentColor, &TPanel::SetParentColor).Default(false);
  published.Property("ParentFont", &TPanel::ParentFont, &TPanel::SetParentFont).Default(true);
  published.Property("ParentShowHint", &TPanel::ParentShowHint, &TPanel::SetParentShowHint).Default(true);
  published.Property("PopupMenu", &TPanel::PopupMenuComponent, &TPanel::SetPopupMenuComponent);
  published.Property("ShowHint", &TPanel::ShowHint, &TPanel::SetShowHint).Default(false);
  published.Property("TabOrder", &TPanel::TabOrder, &TPanel::SetTabOrder).Default(-1);
  published.Property("TabStop", &TPanel::TabStop, &TPanel::SetTabStop).Default(false);
  published.Property("Visible", &TPanel::Visible, &TPanel::SetVisible).Default(true);
  published.Property("OnClick", &TPanel::OnClick);
  published.Property("OnDockDrop", &TPanel::OnDockDrop);
  published.Property("OnDockOver", &TPanel::OnDockOver);
  published.Property("OnDblClick", &TPanel::OnDblClick);
  published.Property("OnEnter", &TPanel::OnEnter);
  published.Property("OnExit", &TPanel::OnExit);
  published.Property("OnGetSiteInfo", &TPanel::OnGetSiteInfo);
  published.Property("OnMouseDown", &TPanel::OnMouseDown);
  published.Property("OnMouseMove", &TPanel::OnMouseMove);
  published.Property("OnMouseUp", &TPanel::OnMouseUp);
  published.Property("OnResize", &TPanel::OnResize);
  published.Property("OnUnDock", &TPanel::OnUnDock);
  PublishDragging(published);
  PublishLayout(published);
}

namespace {

constexpr UINT kAlignmentFlags[] = {DT_LEFT, DT_RIGHT, DT_CENTER};

}  // namespace

TPanel::TPanel(TComponent* owner) : TCustomControl(owner) {
  FControlStyle = TControlStyle{csAcceptsControls, csCaptureMouse, csClickEvents, csSetCaption, csOpaque,
                                csDoubleClicks, csReplicatable};
  SetBounds(0, 0, 185, 41);
  SetColor(clBtnFace);
}

void TPanel::SetAlignment(TAlignment alignment) {
  if (alignment == FAlignment) return;
  FAlignment = alignment;
  Invalidate();
}

void TPanel::SetBevelInner(TPanelBevel bevel) {
  if (bevel == FBevelInner) return;
  FBevelInner = bevel;
  BordersChanged();
}

void TPanel::SetBevelOuter(TPanelBevel bevel) {
  if (bevel == FBevelOuter) return;
  FBevelOuter = bevel;
  BordersChanged();
}

void TPanel::SetBevelWidth(TBevelWidth width) {
  if (width == FBevelWidth) return;
  if (width < 1) throw EInvalidOperation(SInvalidBevelWidth);
  FBevelWidth = width;
  BordersChanged();
}

void TPanel::SetBorderWidth(TBorderWidth width) {
  if (width == FBorderWidth) return;
  if (width < 0) throw EInvalidOperation(SInvalidBorderWidth);
  FBorderWidth = width;
  BordersChanged();
}

void TPanel::SetBorderStyle(TBorderStyle style) {
  if (style == FBorderStyle) return;
  FBorderStyle = style;
  RecreateWnd();
}

void TPanel::BordersChanged() {
  Realign();
  Invalidate();
}

int TPanel::BevelsWidth() const {
  return (FBevelOuter != bvNone ? FBevelWidth : 0) + (FBevelInner != bvNone ? FBevelWidth : 0);
}

void TPanel::CreateParams(TCreateParams& params) {
  inherited::CreateParams(params);
  if (FBorderStyle == bsSingle) params.Style |= WS_BORDER;
}

void TPanel::AdjustClientRect(RECT& rect) {
  inherited::AdjustClientRect(rect);
  const int inset = BevelsWidth() + FBorderWidth;
  InflateRect(&rect, -inset, -inset);
}

void TPanel::Paint() {
  TCanvas* canvas = Canvas();
  RECT rect = ClientRect();
  if (FBevelOuter != bvNone) Frame3D(canvas, rect, BevelTopColor(FBevelOuter), BevelBottomColor(FBevelOuter), FBevelWidth);
  Frame3D(canvas, rect, Color(), Color(), FBorderWidth);
  if (FBevelInner != bvNone) Frame3D(canvas, rect, BevelTopColor(FBevelInner), BevelBottomColor(FBevelInner), FBevelWidth);
  canvas->Brush()->SetColor(Color());
  canvas->FillRect(rect);
  canvas->Brush()->SetStyle(bsClear);
  canvas->SetFont(Font());
  const int fontHeight = canvas->TextHeight("W");
  rect.top = (rect.bottom + rect.top - fontHeight) / 2;
  rect.bottom = rect.top + fontHeight;
  const AnsiString caption = Caption();
  DrawTextA(canvas->Handle(), caption.c_str(), -1, &rect,
            DrawTextBiDiModeFlags(DT_EXPANDTABS | DT_VCENTER | kAlignmentFlags[static_cast<size_t>(FAlignment)]));
}

void TPanel::Dispatch(TMessage& message) {
  if (message.Msg == CM_TEXTCHANGED) Invalidate();
  else inherited::Dispatch(message);
}
