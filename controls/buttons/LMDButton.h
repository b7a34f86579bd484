// Unit LMDButton: TLMDButton, the library's push button with its properties published.
#pragma once

#include "LMDCustomButton.h"

class TLMDButton : public TLMDCustomButton {
  TAWO_CLASS(TLMDButton, TLMDCustomButton)

 public:
  explicit TLMDButton(TComponent* owner) : TLMDCustomButton(owner) {}
};
