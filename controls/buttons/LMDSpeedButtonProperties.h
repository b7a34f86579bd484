// The published properties that the speed and the office button share.
#pragma once

#include "LMDCustomSpeedButton.h"

#include <TPopupMenu.h>

template <typename T>
void LMDPublishSpeedButton(TPublisher<T>& published) {
  published.Property("AllowAllUp", &T::AllowAllUp, &T::SetAllowAllUp).Default(false);
  published.Property("DropDownIndent", &T::DropDownIndent, &T::SetDropDownIndent).Default(0);
  published.Property("DropDownMenu", &T::DropDownMenu, &T::SetDropDownMenu);
  published.Property("DropDownRight", &T::DropDownRight, &T::SetDropDownRight).Default(false);
  published.Property("GroupIndex", &T::GroupIndex, &T::SetGroupIndex).Default(0);
  published.Property("Pressed", &T::Pressed, &T::SetPressed).Default(false);
  published.Property("Style", &T::Style, &T::SetStyle).Default(TLMDUserButtonStyle::ubsAutoDetect);
}
