#include "LMDBaseContainer.h"

#include "LMDChangeLink.h"

#include <TypInfo.h>

using enum TComponentStyleItem;

TAWO_IMPLEMENT_CLASS(TLMDBaseContainer)

TLMDBaseContainer::TLMDBaseContainer(TComponent* owner)
    : TLMDCustomComponent(owner), FClients(std::make_unique<TList<TLMDChangeLink>>()) {
  FComponentStyle.Exclude(csInheritable);
}

TLMDBaseContainer::~TLMDBaseContainer() {
  while (FClients->Count() > 0) UnRegisterChanges(FClients->Last());
  FClients.reset();
}

void TLMDBaseContainer::RegisterChanges(TLMDChangeLink* link) {
  link->SetSender(this);
  FClients->Add(link);
}

void TLMDBaseContainer::UnRegisterChanges(TLMDChangeLink* link) {
  if (!FClients) return;
  for (int i = 0; i < FClients->Count(); ++i) {
    if (FClients->Items(i) == link) {
      link->SetSender(nullptr);
      FClients->Delete(i);
      return;
    }
  }
}

void TLMDBaseContainer::Change() {
  for (int i = 0; i < FClients->Count(); ++i) FClients->Items(i)->Change();
  TLMDCustomComponent::Change();
}
