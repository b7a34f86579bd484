// Unit LMDSpeedButton: TLMDSpeedButton, the speed button with its properties published.
#pragma once

#include "LMDCustomSpeedButton.h"

class TLMDSpeedButton : public TLMDCustomSpeedButton {
  TAWO_CLASS(TLMDSpeedButton, TLMDCustomSpeedButton)

 public:
  using TLMDCustomSpeedButton::TLMDCustomSpeedButton;
};
