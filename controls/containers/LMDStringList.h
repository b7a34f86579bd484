// Unit lmdcont: TLMDStringList, a container of lists of text lines.
#pragma once

#include "LMDCustomContainer.h"
#include "LMDStringListItem.h"

class TLMDStringList : public TLMDCustomContainer {
  TAWO_CLASS(TLMDStringList, TLMDCustomContainer)

 public:
  explicit TLMDStringList(TComponent* owner);

  TLMDListItemClassType ListType() const override { return TLMDListItemClassType::icStringList; }
  TLMDStringListItem* Item(int index) const { return static_cast<TLMDStringListItem*>(Items(index)); }

 protected:
  TLMDListItem* CreateItem() override;
};
