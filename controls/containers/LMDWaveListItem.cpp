#include "LMDWaveListItem.h"

#include <TFinally.h>
#include <TypInfo.h>

TAWO_IMPLEMENT_CLASS(TLMDWaveListItem)

TLMDWaveListItem::TLMDWaveListItem(TComponent* owner)
    : TLMDListItem(owner), FWave(std::make_unique<TMemoryStream>()) {}

void TLMDWaveListItem::SetWave(TMemoryStream* value) {
  CopyWave(value);
  Change();
}

void TLMDWaveListItem::CopyWave(TMemoryStream* value) {
  FWave->Clear();
  if (value != nullptr && value->Size() > 0) FWave->WriteBuffer(value->Memory(), value->Size());
  FWave->SetPosition(0);
}

void TLMDWaveListItem::Assign(TPersistent* source) {
  if (auto* item = dynamic_cast<TLMDWaveListItem*>(source)) CopyWave(item->FWave.get());
  TLMDListItem::Assign(source);
}

void TLMDWaveListItem::WriteData(TStream& stream) {
  WriteStd(stream, Empty() ? 0 : kFlagData);
  if (!Empty()) WriteBlock(stream, *FWave);
}

void TLMDWaveListItem::ReadData(TStream& stream) {
  const uint8_t flags = ReadStd(stream);
  TMemoryStream raw;
  if (flags & kFlagData) ReadBlock(stream, raw);
  CopyWave(&raw);
}
