#include "LMDTimerItem.h"

#include "LMDTimerPool.h"

#include <limits>

TAWO_IMPLEMENT_CLASS(TLMDTimerItem)

TLMDTimerItem::TLMDTimerItem(TLMDTimerPool* pool, TLMDTimerList* list, uint16_t ident)
    : FPool(pool), FList(list), FIdent(ident) {
  if (pool == nullptr || list == nullptr) throw EInvalidOperation(ClassName() + ": Invalid Owner or List");
  FInternal = FInterval / MinInterval();
}

TLMDTimerItem::~TLMDTimerItem() {
  FEnabled = false;
  OnTimer.Clear();
  FList->Remove(this);
}

uint16_t TLMDTimerItem::MinInterval() const { return FPool->MinInterval(); }

void TLMDTimerItem::SetCallCount(int32_t value) {
  if (value == FCallCount) return;
  FCallCount = value < -1 ? -1 : value;
  if (FCallCount == 0) FEnabled = false;
}

void TLMDTimerItem::SetEnabled(bool value) {
  if (value == FEnabled || (value && FCallCount == 0)) return;
  FEnabled = value;
  FCounter = 0;
}

void TLMDTimerItem::SetInterval(uint16_t value) {
  if (value == FInterval || value % MinInterval() != 0) return;
  FInterval = value == 0 ? MinInterval() : value;
  FInternal = FInterval / MinInterval();
  FCounter = 0;
}

void TLMDTimerItem::Timer() {
  if (!FEnabled) return;
  FCounter = FCounter == std::numeric_limits<int32_t>::max() ? 0 : FCounter + 1;
  if (FCounter == FCallCount) FEnabled = false;
  // Last: a handler may remove this item.
  if (OnTimer.Assigned()) OnTimer(FPool);
  else FPool->OnTimer(FPool, FIdent, FCounter);
}
