#include "LMDButton.h"

#include "LMDButtonBase.h"
#include "LMDButtonLayout.h"
#include "LMDFXCaption.h"
#include "LMDGlyph.h"

#include <LMDCustomImageList.h>
#include <Menus.h>

using enum TLMDNormalButtonStyle;

TAWO_PUBLISHED(TLMDButton, published) {
  published.Property("About", &TLMDButton::About, &TLMDButton::SetAbout).Stored(false);
  published.Property("ButtonLayout", &TLMDButton::ButtonLayout, &TLMDButton::SetButtonLayout);
  published.Property("Color", &TLMDButton::Color, &TLMDButton::SetColor).Type(TColorTypeInfo()).Default(clWindow).Stored(&TLMDButton::IsColorStored);
  published.Property("DropDownIndent", &TLMDButton::DropDownIndent, &TLMDButton::SetDropDownIndent).Default(0);
  published.Property("DropDownMenu", &TLMDButton::DropDownMenu, &TLMDButton::SetDropDownMenu);
  published.Property("DropDownRight", &TLMDButton::DropDownRight, &TLMDButton::SetDropDownRight).Default(false);
  published.Property("FontFX", &TLMDButton::FontFX, &TLMDButton::SetFontFX);
  published.Property("Glyph", &TLMDButton::Glyph, &TLMDButton::SetGlyph).Stored(&TLMDButton::GlyphStored);
  published.Property("HideHint", &TLMDButton::HideHint, &TLMDButton::SetHideHint).Default(true);
  published.Property("ImageIndex", &TLMDButton::GetIndex, &TLMDButton::SetIndex, 0).Default(0);
  published.Property("ImageList", &TLMDButton::ImageList, &TLMDButton::SetImageList);
  published.Property("ListIndex", &TLMDButton::GetIndex, &TLMDButton::SetIndex, 1).Default(0);
  published.Property("MultiLine", &TLMDButton::MultiLine, &TLMDButton::SetMultiLine).Default(false);
  published.Property("NumGlyphs", &TLMDButton::NumGlyphs, &TLMDButton::SetNumGlyphs).Default(1);
  published.Property("ParentColor", &TLMDButton::ParentColor, &TLMDButton::SetParentColor).Default(true);
  published.Property("RepeatedClick", &TLMDButton::RepeatedClick, &TLMDButton::SetRepeatedClick).Default(false);
  published.Property("RepeatingDelay", &TLMDButton::RepeatingDelay, &TLMDButton::SetRepeatingDelay).Default(500);
  published.Property("RepeatingInterval", &TLMDButton::RepeatingInterval, &TLMDButton::SetRepeatingInterval)
      .Default(100);
  published.Property("Style", &TLMDButton::Style, &TLMDButton::SetStyle).Default(nbsAutoDetect);
  published.Property("UseCaption", &TLMDButton::UseCaption, &TLMDButton::SetUseCaption).Default(true);
  published.Property("OnDropDown", &TLMDButton::OnDropDown);
  published.Property("OnMouseEnter", &TLMDButton::OnMouseEnter);
  published.Property("OnMouseExit", &TLMDButton::OnMouseExit);
}
