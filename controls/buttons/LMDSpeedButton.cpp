#include "LMDSpeedButton.h"

#include "LMDSpeedButtonProperties.h"

TAWO_PUBLISHED(TLMDSpeedButton, published) {
  using T = TLMDSpeedButton;
  published.Property("Align", &T::Align, &T::SetAlign).Default(TAlign::alNone);
  published.Property("DropDownCombo", &T::DropDownCombo, &T::SetDropDownCombo).Default(false);
  published.Property("DropDownComboWidth", &T::DropDownComboWidth, &T::SetDropDownComboWidth).Default(12);
  LMDPublishSpeedButton(published);
}
