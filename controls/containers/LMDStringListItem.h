// Unit lmdcont: TLMDStringListItem, one list of text lines in a string list. Its record holds
// the lines as one text block behind the item header.
#pragma once

#include "LMDListItem.h"

#include <TStringList.h>

#include <memory>

class TLMDStringListItem : public TLMDListItem {
  TAWO_CLASS(TLMDStringListItem, TLMDListItem)

 public:
  explicit TLMDStringListItem(TComponent* owner);
  ~TLMDStringListItem() override;

  TStrings* Items() const { return FItems.get(); }
  void SetItems(TStrings* value) { FItems->Assign(value); }

  void Assign(TPersistent* source) override;
  void WriteData(TStream& stream) override;
  void ReadData(TStream& stream) override;

 private:
  void ItemsChanged(TObject* sender);

  std::unique_ptr<TStringList> FItems;
};
