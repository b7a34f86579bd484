#include "LMDOfficeButton.h"

#include "LMDSpeedButtonProperties.h"

using enum TControlStyleItem;
using enum TLMDButtonState;
using enum TLMDUserButtonStyle;

TAWO_PUBLISHED(TLMDOfficeButton, published) {
  LMDPublishSpeedButton(published);
  published.Redeclare("Style").Default(ubsFlat);
}

TLMDOfficeButton::TLMDOfficeButton(TComponent* owner) : TLMDCustomSpeedButton(owner) {
  SetControlStyle(TControlStyle{csCaptureMouse, csDoubleClicks, csReplicatable});
  SetStyle(ubsFlat);
}

bool TLMDOfficeButton::MouseOverRepaints() const {
  return inherited::MouseOverRepaints() && State() == bsOptionSet && AllowMouseOver();
}
