// Unit lmdcont: TLMDWaveListItem, one sound of a wave list: the bytes of a wave file, kept as
// they are. Its record holds them as one data block behind the item header.
#pragma once

#include "LMDListItem.h"

#include <TMemoryStream.h>

#include <memory>

class TLMDWaveListItem : public TLMDListItem {
  TAWO_CLASS(TLMDWaveListItem, TLMDListItem)

 public:
  explicit TLMDWaveListItem(TComponent* owner);

  // The wave file's bytes.
  TMemoryStream* Wave() const { return FWave.get(); }
  // Copies the whole of `value`; none empties the item.
  void SetWave(TMemoryStream* value);
  bool Empty() const { return FWave->Size() == 0; }

  void Assign(TPersistent* source) override;
  void WriteData(TStream& stream) override;
  void ReadData(TStream& stream) override;

 private:
  void CopyWave(TMemoryStream* value);

  std::unique_ptr<TMemoryStream> FWave;
};
