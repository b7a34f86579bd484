#include "LMDWaveList.h"

#include <TypInfo.h>

TAWO_PUBLISHED(TLMDWaveList, published) {
  published.Property("About", &TLMDWaveList::About, &TLMDWaveList::SetAbout);
  published.Property("DefaultCompressed", &TLMDWaveList::DefaultCompressed, &TLMDWaveList::SetDefaultCompressed)
      .Default(false);
}

TLMDWaveList::TLMDWaveList(TComponent* owner) : TLMDCustomContainer(owner) {
  RegisterClass(TLMDWaveListItem::ClassInfo());
}

TLMDListItem* TLMDWaveList::CreateItem() { return new TLMDWaveListItem(this); }
