#include "LMDStringList.h"

#include <TypInfo.h>

TAWO_PUBLISHED(TLMDStringList, published) {
  published.Property("About", &TLMDStringList::About, &TLMDStringList::SetAbout);
  published.Property("DefaultCompressed", &TLMDStringList::DefaultCompressed, &TLMDStringList::SetDefaultCompressed)
      .Default(false);
}

TLMDStringList::TLMDStringList(TComponent* owner) : TLMDCustomContainer(owner) {
  RegisterClass(TLMDStringListItem::ClassInfo());
}

TLMDListItem* TLMDStringList::CreateItem() { return new TLMDStringListItem(this); }
