#include "LMDProgressFill.h"

TAWO_PUBLISHED(TLMDProgressFill, published) {
  published.Property("Step", &TLMDProgressFill::Step, &TLMDProgressFill::SetStep).Default(10);
  published.Property("Position", &TLMDProgressFill::Position, &TLMDProgressFill::SetPercentValue).Default(0);
  published.Property("UserValue", &TLMDProgressFill::UserValue, &TLMDProgressFill::SetUserValue).Default(0);
}
