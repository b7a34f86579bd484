#include "TLabel.h"
#include "TSizeConstraints.h"

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
  published.Property("Anchors", &TLabel::Anchors, &TLabel::SetAnchors).Default(TAnchors{TAnchorKind::akLeft, TAnchorKind::akTop});
  published.Property("AutoSize", &TLabel::AutoSize, &TLabel::SetAutoSize).Default(true);
  published.Property("BiDiMode", &TLabel::BiDiMode, &TLabel::SetBiDiMode).Stored(&TLabel::IsBiDiModeStored);
  published.Property("Caption", &TLabel::Caption, &TLabel::SetCaption);
  published.Property("Color", &TLabel::Color, &TLabel::SetColor).Type(TColorTypeInfo());
  published.Property("Constraints", &TLabel::Constraints, &TLabel::SetConstraints);
  published.Property("DragCursor", &TLabel::DragCursor, &TLabel::SetDragCursor).Type(TCursorTypeInfo()).Default(crDrag);
  published.Property("DragKind", &TLabel::DragKind, &TLabel::SetDragKind).Default(TDragKind::dkDrag);
  published.Property("DragMode", &TLabel::DragMode, &TLabel::SetDragMode).Default(TDragMode::dmManual);
  published.Property("Enabled", &TLabel::Enabled, &TLabel::SetEnabled).Default(true);
  published.Property("FocusControl", &TLabel::FocusControl, &TLabel::SetFocusControl);
  published.Property("Font", &TLabel::Font, &TLabel::SetFont);
  published.Property("Hint", &TLabel::Hint, &TLabel::SetHint);
  published.Property("ParentBiDiMode", &TLabel::ParentBiDiMode, &TLabel::SetParentBiDiMode).Default(true);
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
  published.Property("OnDragDrop", &TLabel::OnDragDrop);
  published.Property("OnDragOver", &TLabel::OnDragOver);
  published.Property("OnEndDock", &TLabel::OnEndDock);
  published.Property("OnEndDrag", &TLabel::OnEndDrag);
  published.Property("OnMouseDown", &TLabel::OnMouseDown);
  published.Property("OnMouseMove", &TLabel::OnMouseMove);
  published.Property("OnMouseUp", &TLabel::OnMouseUp);
  published.Property("OnStartDock", &TLabel::OnStartDock);
  published.Property("OnStartDrag", &TLabel::OnStartDrag);
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
