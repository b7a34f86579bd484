#include "TStatusBar.h"
#include "PublishedGroups.h"

#include "Forms.h"
#include "TCanvas.h"
#include "TCustomForm.h"
#include "THintAction.h"

using enum TAlign;
using enum TAlignment;
using enum TBrushStyle;
using enum TControlStyleItem;
using enum TFormBorderStyle;
using enum TStatusPanelBevel;

TAWO_PUBLISHED(TStatusBar, published) {
  published.Property("Align", &TStatusBar::Align, &TStatusBar::SetAlign).Default(alBottom);
  published.Property("AutoHint", &TStatusBar::AutoHint, &TStatusBar::SetAutoHint).Default(false);
  published.Property("Color", &TStatusBar::Color, &TStatusBar::SetColor).Type(TColorTypeInfo()).Stored(&TStatusBar::IsColorStored);
  published.Property("Enabled", &TStatusBar::Enabled, &TStatusBar::SetEnabled).Default(true);
  published.Property("Font", &TStatusBar::Font, &TStatusBar::SetFont).Stored(&TStatusBar::IsFontStored);
  published.Property("Hint", &TStatusBar::Hint, &TStatusBar::SetHint);
  published.Property("Panels", &TStatusBar::Panels, &TStatusBar::SetPanels);
  published.Property("ParentColor", &TStatusBar::ParentColor, &TStatusBar::SetParentColor).Default(false);
  published.Property("ParentFont", &TStatusBar::ParentFont, &TStatusBar::SetParentFont).Default(true);
  published.Property("ParentShowHint", &TStatusBar::ParentShowHint, &TStatusBar::SetParentShowHint).Default(true);
  published.Property("PopupMenu", &TStatusBar::PopupMenuComponent, &TStatusBar::SetPopupMenuComponent);
  published.Property("ShowHint", &TStatusBar::ShowHint, &TStatusBar::SetShowHint).Default(false);
  published.Property("SimplePanel", &TStatusBar::SimplePanel, &TStatusBar::SetSimplePanel).Default(false);
  published.Property("SimpleText", &TStatusBar::SimpleText, &TStatusBar::SetSimpleText);
  published.Property("SizeGrip", &TStatusBar::SizeGrip, &TStatusBar::SetSizeGrip).Default(true);
  published.Property("Visible", &TStatusBar::Visible, &TStatusBar::SetVisible).Default(true);
  published.Property("OnClick", &TStatusBar::OnClick);
  published.Property("OnDblClick", &TStatusBar::OnDblClick);
  published.Property("OnHint", &TStatusBar::OnHint);
  published.Property("OnMouseDown", &TStatusBar::OnMouseDown);
  published.Property("OnMouseMove", &TStatusBar::OnMouseMove);
  published.Property("OnMouseUp", &TStatusBar::OnMouseUp);
  published.Property("OnResize", &TStatusBar::OnResize);
  PublishDragging(published);
  PublishLayout(published);
}

namespace {

// The fields start this far below the top edge and lie this far apart.
constexpr int kTopBorder = 2;
constexpr int kPanelGap = 2;
// Text keeps this distance from a field's border.
constexpr int kTextMargin = 2;
constexpr UINT kAlignmentFlags[] = {DT_LEFT, DT_RIGHT, DT_CENTER};

}  // namespace

TStatusBar::TStatusBar(TComponent* owner)
    : TCustomControl(owner), FPanels(std::make_unique<TStatusPanels>(this)) {
  FControlStyle = TControlStyle{csCaptureMouse, csClickEvents, csDoubleClicks, csOpaque};
  SetColor(clBtnFace);
  SetBounds(Left(), Top(), Width(), 19);
  SetAlign(alBottom);
}

TStatusBar::~TStatusBar() = default;

void TStatusBar::SetSimplePanel(bool value) {
  if (value == FSimplePanel) return;
  FSimplePanel = value;
  Invalidate();
}

void TStatusBar::SetSimpleText(const AnsiString& value) {
  if (value == FSimpleText) return;
  FSimpleText = value;
  Invalidate();
}

void TStatusBar::SetSizeGrip(bool value) {
  if (value == FSizeGrip) return;
  FSizeGrip = value;
  Invalidate();
}

bool TStatusBar::ShowsSizeGrip() const {
  if (!FSizeGrip) return false;
  TCustomForm* form = GetParentForm(const_cast<TStatusBar*>(this));
  return form != nullptr && (form->BorderStyle() == bsSizeable || form->BorderStyle() == bsSizeToolWin);
}

bool TStatusBar::ExecuteAction(TBasicAction* action) {
  auto* hint = dynamic_cast<THintAction*>(action);
  if (!FAutoHint || hint == nullptr) return inherited::ExecuteAction(action);
  if (OnHint.Assigned()) {
    OnHint(this);
    return inherited::ExecuteAction(action);
  }
  if (FSimplePanel || FPanels->Count() == 0) SetSimpleText(hint->Hint());
  else FPanels->Items(0)->SetText(hint->Hint());
  return true;
}

void TStatusBar::DrawPart(RECT rect, const AnsiString& text, TAlignment alignment, TStatusPanelBevel bevel) {
  HDC dc = Canvas()->Handle();
  if (bevel == pbLowered) DrawEdge(dc, &rect, BDR_SUNKENOUTER, BF_RECT | BF_ADJUST);
  else if (bevel == pbRaised) DrawEdge(dc, &rect, BDR_RAISEDINNER, BF_RECT | BF_ADJUST);
  InflateRect(&rect, -kTextMargin, 0);
  DrawTextA(dc, text.c_str(), -1, &rect,
            DrawTextBiDiModeFlags(kAlignmentFlags[static_cast<size_t>(alignment)] | DT_VCENTER | DT_SINGLELINE |
                                  DT_NOPREFIX | DT_END_ELLIPSIS));
}

// Three ridges of light and shadow diagonals in the bottom-right corner.
void TStatusBar::DrawSizeGrip(const RECT& client) {
  const int x = client.right - 2;
  const int y = client.bottom - 2;
  auto diagonal = [&](int i) {
    Canvas()->MoveTo(x - i, y);
    Canvas()->LineTo(x + 1, y - i - 1);
  };
  Canvas()->Pen()->SetColor(clBtnShadow);
  for (int i = 1; i < 11; i += 4) {
    diagonal(i);
    diagonal(i + 1);
  }
  Canvas()->Pen()->SetColor(clBtnHighlight);
  for (int i = 3; i < 13; i += 4) diagonal(i);
}

void TStatusBar::Paint() {
  const RECT client = ClientRect();
  Canvas()->Brush()->SetColor(Color());
  Canvas()->FillRect(client);
  Canvas()->SetFont(Font());
  Canvas()->Brush()->SetStyle(bsClear);
  RECT part{0, kTopBorder, client.right, client.bottom};
  if (FSimplePanel || FPanels->Count() == 0) {
    DrawPart(part, FSimpleText, taLeftJustify, pbLowered);
  } else {
    for (int i = 0; i < FPanels->Count(); ++i) {
      TStatusPanel* panel = FPanels->Items(i);
      const bool last = i == FPanels->Count() - 1;
      part.right = last ? client.right : part.left + panel->Width();
      DrawPart(part, panel->Text(), panel->Alignment(), panel->Bevel());
      part.left = part.right + kPanelGap;
    }
  }
  if (ShowsSizeGrip()) DrawSizeGrip(client);
}
