#include "LMDStringListItem.h"

#include <TFinally.h>
#include <TypInfo.h>

TAWO_IMPLEMENT_CLASS(TLMDStringListItem)

TLMDStringListItem::TLMDStringListItem(TComponent* owner)
    : TLMDListItem(owner), FItems(std::make_unique<TStringList>()) {
  FItems->OnChange = TNotifyEvent(this, &TLMDStringListItem::ItemsChanged);
}

TLMDStringListItem::~TLMDStringListItem() { FItems->OnChange = nullptr; }

void TLMDStringListItem::ItemsChanged(TObject*) { Change(); }

void TLMDStringListItem::Assign(TPersistent* source) {
  if (auto* item = dynamic_cast<TLMDStringListItem*>(source)) {
    BeginUpdate();
    FItems->Assign(item->FItems.get());
    EndUpdate(false);
  }
  TLMDListItem::Assign(source);
}

void TLMDStringListItem::WriteData(TStream& stream) {
  const AnsiString text = FItems->Text();
  WriteStd(stream, text.empty() ? 0 : kFlagData);
  if (text.empty()) return;
  TMemoryStream raw;
  raw.WriteBuffer(text.data(), static_cast<int64_t>(text.size()));
  WriteBlock(stream, raw);
}

void TLMDStringListItem::ReadData(TStream& stream) {
  const uint8_t flags = ReadStd(stream);
  BeginUpdate();
  const TFinally endUpdate([&] { EndUpdate(false); });
  if ((flags & kFlagData) == 0) {
    FItems->Clear();
    return;
  }
  TMemoryStream raw;
  ReadBlock(stream, raw);
  FItems->SetText(AnsiString(raw.Memory(), static_cast<size_t>(raw.Size())));
}
