#include "LMDImageLink.h"

#include <LMDCustomImageList.h>

TLMDImageLink::TLMDImageLink(TNotifyEvent onChange) : FChangeLink(std::make_unique<TLMDChangeLink>()) {
  FChangeLink->OnChange = onChange;
}

TLMDImageLink::~TLMDImageLink() {
  FChangeLink->OnChange = nullptr;
}

// A container being destroyed has already let go of every link (and is no longer a container
// when its removal is announced), so only a link it still holds is unregistered.
void TLMDImageLink::SetImageList(TLMDCustomImageList* value, TComponent* client) {
  if (FImageList != nullptr && FChangeLink->Sender() == FImageList) FImageList->UnRegisterChanges(FChangeLink.get());
  FImageList = value;
  if (FImageList == nullptr) return;
  FImageList->RegisterChanges(FChangeLink.get());
  FImageList->FreeNotification(client);
}

bool TLMDImageLink::SetIndex(int32_t index, int32_t value) {
  int32_t& field = index == 0 ? FImageIndex : FListIndex;
  if (value < 0 || value == field) return false;
  field = value;
  return true;
}

bool TLMDImageLink::IMLEmpty() const {
  return FImageList == nullptr || !FImageList->IsValidItem(FListIndex, FImageIndex);
}
