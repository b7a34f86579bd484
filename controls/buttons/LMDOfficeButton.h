// Unit LMDOfficeButton: TLMDOfficeButton, the speed button preset to the flat style and
// without an opaque background.
#pragma once

#include "LMDCustomSpeedButton.h"

class TLMDOfficeButton : public TLMDCustomSpeedButton {
  TAWO_CLASS(TLMDOfficeButton, TLMDCustomSpeedButton)

 public:
  explicit TLMDOfficeButton(TComponent* owner);

 protected:
  // A flat office button repaints on entering and leaving only while it is checked and hot
  // tracking.
  bool MouseOverRepaints() const override;
};
