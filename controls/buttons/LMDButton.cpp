#include "LMDButton.h"

TAWO_PUBLISHED(TLMDButton, published) {
  published.Property("Color", &TLMDButton::Color, &TLMDButton::SetColor).Type(TColorTypeInfo()).Default(clWindow);
  published.Property("ParentColor", &TLMDButton::ParentColor, &TLMDButton::SetParentColor).Default(true);
}
