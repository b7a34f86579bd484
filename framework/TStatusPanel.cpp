#include "TStatusPanel.h"

using enum TAlignment;
using enum TStatusPanelBevel;
using enum TStatusPanelStyle;

TAWO_PUBLISHED(TStatusPanel, published) {
  published.Property("Alignment", &TStatusPanel::Alignment, &TStatusPanel::SetAlignment).Default(taLeftJustify);
  published.Property("Bevel", &TStatusPanel::Bevel, &TStatusPanel::SetBevel).Default(pbLowered);
  published.Property("Style", &TStatusPanel::Style, &TStatusPanel::SetStyle).Default(psText);
  published.Property("Text", &TStatusPanel::Text, &TStatusPanel::SetText);
  published.Property("Width", &TStatusPanel::Width, &TStatusPanel::SetWidth);
}

void TStatusPanel::SetText(const AnsiString& text) {
  if (text == FText) return;
  FText = text;
  Changed(false);
}

void TStatusPanel::SetWidth(int32_t width) {
  if (width == FWidth) return;
  FWidth = width;
  Changed(true);
}

void TStatusPanel::SetAlignment(TAlignment alignment) {
  if (alignment == FAlignment) return;
  FAlignment = alignment;
  Changed(false);
}

void TStatusPanel::SetBevel(TStatusPanelBevel bevel) {
  if (bevel == FBevel) return;
  FBevel = bevel;
  Changed(false);
}

void TStatusPanel::SetStyle(TStatusPanelStyle style) {
  if (style == FStyle) return;
  FStyle = style;
  Changed(false);
}

void TStatusPanel::Assign(TPersistent* source) {
  auto* panel = dynamic_cast<TStatusPanel*>(source);
  if (panel == nullptr) {
    inherited::Assign(source);
    return;
  }
  FText = panel->FText;
  FWidth = panel->FWidth;
  FAlignment = panel->FAlignment;
  FBevel = panel->FBevel;
  FStyle = panel->FStyle;
  Changed(true);
}
