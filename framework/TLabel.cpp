#include "TLabel.h"
#include "PublishedGroups.h"

#include "StdCtrls.h"
#include "TWinControl.h"

using enum TAlign;
using enum TAlignment;
using enum TBrushStyle;
using enum TComponentStateItem;
using enum TControlStyleItem;
using enum TOperation;

TAWO_PUBLISHED(TLabel, published) {
  published.Property("Align", &TLabel::Align, &TLabel::SetAlign).Default(alNone);
  published.Property("Alignment", &TLabel::Alignment, &TLabel::SetAlignment).Default(taLeftJustify);
  published.Property("AutoSize", &TLabel::AutoSize, &TLabel::SetAutoSize).Default(true);
  published.Property("Caption", &TLabel::Caption, &TLabel::SetCaption);
  published.Property("Color", &TLabel::Color, &TLabel::SetColor).Type(TColorTypeInfo()).Stored(&TLabel::IsColorStored);
  published.Property("Enabled", &TLabel::Enabled, &TLabel::SetEnabled).Default(true);
  published.Property("FocusControl", &TLabel::FocusControl, &TLabel::SetFocusControl);
  published.Property("Font", &TLabel::Font, &TLabel::SetFont).Stored(&TLabel::IsFontStored);
  published.Property("Hint", &TLabel::Hint, &TLabel::SetHint);
  published.Property("ParentColor", &TLabel::ParentColor, &TLabel::SetParentColor).Default(true);
  published.Property("ParentFont", &TLabel::ParentFont, &TLabel::SetParentFont).Default(true);
  published.Property("ParentShowHint", &TLabel::ParentShowHint, &TLabel::SetParentShowHint).Default(true);
  published.Property("PopupMenu", &TLabel::PopupMenuComponent, &TLabel::SetPopupMenuComponent);
  published.Property("ShowAccelChar", &TLabel::ShowAccelChar, &TLabel::SetShowAccelChar).Default(true);
  published.Property("ShowHint", &TLabel::ShowHint, &TLabel::SetShowHint).Default(false);
  published.Property("Transparent", &TLabel::Transparent, &TLabel::SetTransparent).Default(false);
  published.Property("Visible", &TLabel::Visible, &TLabel::SetVisible).Default(true);
  published.Property("WordWrap", &TLabel::WordWrap, &TLabel::SetWordWrap).Default(false);
  published.Property("OnClick", &TLabel::OnClick);
  published.Property("OnDblClick", &TLabel::OnDblClick);
  published.Property("OnMouseDown", &TLabel::OnMouseDown);
  published.Property("OnMouseMove", &TLabel::OnMouseMove);
  published.Property("OnMouseUp", &TLabel::OnMouseUp);
  PublishDragging(published);
  PublishLayout(published);
}

namespace {

constexpr UINT kAlignmentFlags[] = {DT_LEFT, DT_RIGHT, DT_CENTER};

}  // namespace

TLabel::TLabel(TComponent* owner) : TGraphicControl(owner) {
  FControlStyle.Include(csOpaque);
  FControlStyle.Include(csReplicatable);
  SetBounds(Left(), Top(), 65, 17);
}

void TLabel::SetAlignment(TAlignment alignment) {
  if (alignment == FAlignment) return;
  FAlignment = alignment;
  Invalidate();
}

void TLabel::SetAutoSize(bool autoSize) {
  if (autoSize == FAutoSize) return;
  FAutoSize = autoSize;
  AdjustBounds();
}

void TLabel::SetWordWrap(bool wordWrap) {
  if (wordWrap == FWordWrap) return;
  FWordWrap = wordWrap;
  AdjustBounds();
  Invalidate();
}

void TLabel::SetTransparent(bool transparent) {
  if (transparent == Transparent()) return;
  if (transparent) FControlStyle.Exclude(csOpaque);
  else FControlStyle.Include(csOpaque);
  Invalidate();
}

void TLabel::SetShowAccelChar(bool show) {
  if (show == FShowAccelChar) return;
  FShowAccelChar = show;
  AdjustBounds();
  Invalidate();
}

void TLabel::SetFocusControl(TWinControl* control) {
  if (control == FFocusControl) return;
  if (FFocusControl != nullptr) FFocusControl->RemoveFreeNotification(this);
  FFocusControl = control;
  if (FFocusControl != nullptr) FFocusControl->FreeNotification(this);
}

void TLabel::Notification(TComponent* component, TOperation operation) {
  inherited::Notification(component, operation);
  if (operation == opRemove && component == FFocusControl) FFocusControl = nullptr;
}

UINT TLabel::TextFlags() const {
  UINT flags = DrawTextBiDiModeFlags(DT_EXPANDTABS | kAlignmentFlags[static_cast<size_t>(FAlignment)]);
  if (FWordWrap) flags |= DT_WORDBREAK;
  if (!FShowAccelChar) flags |= DT_NOPREFIX;
  return flags;
}

void TLabel::DoDrawText(RECT& rect, UINT flags) {
  AnsiString text = Caption();
  // An empty caption (or a lone '&') still measures one line.
  if ((flags & DT_CALCRECT) && (text.empty() || (FShowAccelChar && text == "&"))) text += ' ';
  TCanvas* canvas = Canvas();
  canvas->SetFont(Font());
  if (!Enabled()) {
    OffsetRect(&rect, 1, 1);
    canvas->Font()->SetColor(clBtnHighlight);
    DrawTextA(canvas->Handle(), text.c_str(), -1, &rect, flags);
    OffsetRect(&rect, -1, -1);
    canvas->Font()->SetColor(clBtnShadow);
  }
  DrawTextA(canvas->Handle(), text.c_str(), -1, &rect, flags);
}

void TLabel::Paint() {
  TCanvas* canvas = Canvas();
  const RECT client = ClientRect();
  if (!Transparent()) {
    canvas->Brush()->SetColor(Color());
    canvas->Brush()->SetStyle(bsSolid);
    canvas->FillRect(client);
  }
  canvas->Brush()->SetStyle(bsClear);
  RECT rect = client;
  DoDrawText(rect, TextFlags());
}

// Measures on a screen DC, so that the label needs no parent to size itself.
void TLabel::AdjustBounds() {
  if (ComponentState().Contains(csLoading) || !FAutoSize) return;
  RECT rect = ClientRect();
  HDC dc = GetDC(nullptr);
  Canvas()->SetHandle(dc);
  DoDrawText(rect, TextFlags() | DT_CALCRECT);
  Canvas()->SetHandle(nullptr);
  ReleaseDC(nullptr, dc);
  int left = Left();
  if (BiDiAlignment(FAlignment) == taRightJustify) left += Width() - rect.right;
  SetBounds(left, Top(), rect.right, rect.bottom);
}

void TLabel::Loaded() {
  inherited::Loaded();
  AdjustBounds();
}

void TLabel::CMDialogChar(TMessage& message) {
  if (FFocusControl == nullptr || !Enabled() || !FShowAccelChar || !IsAccel(message.WParam, Caption())) return;
  if (!FFocusControl->CanFocus()) return;
  FFocusControl->SetFocus();
  message.Result = 1;
}

void TLabel::Dispatch(TMessage& message) {
  switch (message.Msg) {
    case CM_TEXTCHANGED:
      Invalidate();
      AdjustBounds();
      break;
    case CM_FONTCHANGED:
      inherited::Dispatch(message);
      AdjustBounds();
      break;
    case CM_DIALOGCHAR: CMDialogChar(message); break;
    default: inherited::Dispatch(message); break;
  }
}
