// Unit lmdcont: TLMDWaveList, a container of sounds (wave file bytes).
#pragma once

#include "LMDCustomContainer.h"
#include "LMDWaveListItem.h"

class TLMDWaveList : public TLMDCustomContainer {
  TAWO_CLASS(TLMDWaveList, TLMDCustomContainer)

 public:
  explicit TLMDWaveList(TComponent* owner);

  TLMDListItemClassType ListType() const override { return TLMDListItemClassType::icWave; }
  TLMDWaveListItem* Item(int index) const { return static_cast<TLMDWaveListItem*>(Items(index)); }

 protected:
  TLMDListItem* CreateItem() override;
};
