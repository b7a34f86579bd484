#include "TBitBtn.h"

#include "Forms.h"
#include "TBitmap.h"
#include "TCanvas.h"
#include "TCustomForm.h"

using enum TBitBtnKind;
using enum TBrushStyle;
using enum TButtonLayout;
using enum TButtonState;
using enum TComponentStateItem;

TAWO_PUBLISHED(TBitBtn, published) {
  published.Redeclare("Cancel").Stored(&TBitBtn::IsCustom);
  published.Redeclare("Caption").Stored(&TBitBtn::IsCustomCaption);
  published.Redeclare("Default").Stored(&TBitBtn::IsCustom);
  published.Redeclare("ModalResult").Stored(&TBitBtn::IsCustom);
  published.Property("Glyph", &TBitBtn::Glyph, &TBitBtn::SetGlyph).Stored(&TBitBtn::IsCustom);
  published.Property("Kind", &TBitBtn::Kind, &TBitBtn::SetKind).Default(bkCustom);
  published.Property("Layout", &TBitBtn::Layout, &TBitBtn::SetLayout).Default(blGlyphLeft);
  published.Property("Margin", &TBitBtn::Margin, &TBitBtn::SetMargin).Default(-1);
  published.Property("NumGlyphs", &TBitBtn::NumGlyphs, &TBitBtn::SetNumGlyphs).Stored(&TBitBtn::IsCustom).Default(1);
  published.Property("Spacing", &TBitBtn::Spacing, &TBitBtn::SetSpacing).Default(4);
}

AnsiString TBitBtn::KindCaption(TBitBtnKind kind) {
  static const char* const captions[] = {"",       "OK",    "Cancel", "&Help",   "&Yes",   "&No",
                                         "&Close", "Abort", "&Retry", "&Ignore", "&All"};
  return captions[static_cast<size_t>(kind)];
}

TModalResult TBitBtn::KindModalResult(TBitBtnKind kind) {
  static const TModalResult results[] = {mrNone, mrOk,    mrCancel, mrNone,   mrYes, mrNo,
                                         mrNone, mrAbort, mrRetry,  mrIgnore, mrAll};
  return results[static_cast<size_t>(kind)];
}

TBitBtn::TBitBtn(TComponent* owner)
    : TButton(owner), FGlyph(std::make_unique<TButtonGlyph>()), FCanvas(std::make_unique<TCanvas>()) {
  FGlyph->OnChange = TNotifyEvent(this, &TBitBtn::GlyphChanged);
}

TBitBtn::~TBitBtn() { FGlyph->OnChange.Clear(); }

void TBitBtn::CreateParams(TCreateParams& params) {
  inherited::CreateParams(params);
  params.Style |= BS_OWNERDRAW;
}

TBitBtnKind TBitBtn::Kind() const {
  if (FKind == bkCustom) return FKind;
  const bool defaultKind = FKind == bkOK || FKind == bkYes;
  const bool cancelKind = FKind == bkCancel || FKind == bkNo;
  if (defaultKind != Default() || cancelKind != Cancel() || ModalResult() != KindModalResult(FKind) ||
      FModifiedGlyph) {
    FKind = bkCustom;
  }
  return FKind;
}

void TBitBtn::SetKind(TBitBtnKind kind) {
  if (kind == FKind) return;
  if (kind != bkCustom) {
    SetDefault(kind == bkOK || kind == bkYes);
    SetCancel(kind == bkCancel || kind == bkNo);
    // A caption read from a form description stays.
    if (!ComponentState().Contains(csLoading) || Caption().empty()) SetCaption(KindCaption(kind));
    SetModalResult(KindModalResult(kind));
    std::unique_ptr<TBitmap> glyph = TButtonGlyph::KindGlyph(kind);
    FGlyph->SetGlyph(glyph.get());
    FGlyph->SetNumGlyphs(2);
    FModifiedGlyph = false;
  }
  FKind = kind;
  Invalidate();
}

bool TBitBtn::IsCustomCaption() const { return Caption() != KindCaption(FKind); }

void TBitBtn::SetGlyph(TBitmap* glyph) {
  FGlyph->SetGlyph(glyph);
  FModifiedGlyph = true;
}

void TBitBtn::GlyphChanged(TObject*) { Invalidate(); }

void TBitBtn::SetLayout(TButtonLayout layout) {
  if (layout == FLayout) return;
  FLayout = layout;
  Invalidate();
}

void TBitBtn::SetMargin(int32_t margin) {
  if (margin == FMargin || margin < -1) return;
  FMargin = margin;
  Invalidate();
}

void TBitBtn::SetSpacing(int32_t spacing) {
  if (spacing == FSpacing) return;
  FSpacing = spacing;
  Invalidate();
}

void TBitBtn::Click() {
  if (Kind() == bkClose) {
    if (TCustomForm* form = GetParentForm(this)) form->Close();
    return;
  }
  inherited::Click();
}

// BM_SETSTYLE would take the owner-draw style away; the frame is ours to draw.
void TBitBtn::SetButtonStyle(bool isDefault) {
  if (isDefault == FIsFocused) return;
  FIsFocused = isDefault;
  Invalidate();
}

void TBitBtn::DrawItem(const DRAWITEMSTRUCT& item) {
  const RECT client = ClientRect();
  RECT rect = client;
  const bool isDown = (item.itemState & ODS_SELECTED) != 0;
  const bool hasFocus = (item.itemState & ODS_FOCUS) != 0;
  TButtonState state = bsUp;
  if (!Enabled()) state = bsDisabled;
  else if (isDown) state = bsDown;

  FCanvas->SetHandle(item.hDC);
  FCanvas->SetFont(Font());
  // The default button's dark frame, which DrawFrameControl cannot draw.
  if (FIsFocused || hasFocus) {
    FCanvas->Pen()->SetColor(clWindowFrame);
    FCanvas->Pen()->SetWidth(1);
    FCanvas->Brush()->SetStyle(bsClear);
    FCanvas->Rectangle(rect);
    InflateRect(&rect, -1, -1);
  }
  if (isDown) {
    // Pressed: a flat shadow frame, not the sunken edge DrawFrameControl would give.
    FCanvas->Pen()->SetColor(clBtnShadow);
    FCanvas->Brush()->SetColor(clBtnFace);
    FCanvas->Rectangle(rect);
    InflateRect(&rect, -1, -1);
  } else {
    UINT flags = DFCS_BUTTONPUSH | DFCS_ADJUSTRECT;
    if (item.itemState & ODS_DISABLED) flags |= DFCS_INACTIVE;
    DrawFrameControl(item.hDC, &rect, DFC_BUTTON, flags);
  }
  if (FIsFocused) {
    rect = client;
    InflateRect(&rect, -1, -1);
  }
  if (isDown) OffsetRect(&rect, 1, 1);
  FGlyph->Draw(FCanvas.get(), rect, POINT{0, 0}, Caption(), BiDiLayout(), FMargin, FSpacing, state,
               DrawTextBiDiModeFlagsReadingOnly());
  if (FIsFocused && hasFocus) {
    rect = client;
    InflateRect(&rect, -4, -4);
    FCanvas->Pen()->SetColor(clWindowFrame);
    FCanvas->Brush()->SetColor(clBtnFace);
    FCanvas->Brush()->SetStyle(bsSolid);
    FCanvas->DrawFocusRect(rect);
  }
  FCanvas->SetHandle(nullptr);
}

void TBitBtn::Dispatch(TMessage& message) {
  switch (message.Msg) {
    case CN_DRAWITEM:
      DrawItem(*reinterpret_cast<const DRAWITEMSTRUCT*>(message.LParam));
      message.Result = 1;
      break;
    case WM_LBUTTONDBLCLK:
      // A quick second press is a press, not a double click.
      message.Msg = WM_LBUTTONDOWN;
      DefaultHandler(message);
      break;
    case CM_FONTCHANGED:
    case CM_ENABLEDCHANGED:
    case CM_TEXTCHANGED:
    case CM_SYSCOLORCHANGE:
      inherited::Dispatch(message);
      Invalidate();
      break;
    default: inherited::Dispatch(message); break;
  }
}

TButtonLayout TBitBtn::BiDiLayout() const {
  if (!UseRightToLeftAlignment()) return FLayout;
  switch (FLayout) {
    case TButtonLayout::blGlyphLeft: return TButtonLayout::blGlyphRight;
    case TButtonLayout::blGlyphRight: return TButtonLayout::blGlyphLeft;
    default: return FLayout;
  }
}
