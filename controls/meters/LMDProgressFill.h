// Unit LMDProgressFill: TLMDProgressFill, the progress fill with its value properties published.
#pragma once

#include "LMDCustomProgressFill.h"

class TLMDProgressFill : public TLMDCustomProgressFill {
  TAWO_CLASS(TLMDProgressFill, TLMDCustomProgressFill)

 public:
  explicit TLMDProgressFill(TComponent* owner) : TLMDCustomProgressFill(owner) {}
};
