// Unit LMDTimer: TLMDTimerItem, one logical timer of a timer pool.
#pragma once

#include <TList.h>
#include <System.h>

#include <cstdint>

class TLMDTimerPool;
class TLMDTimerItem;
using TLMDTimerList = TList<TLMDTimerItem>;

class TLMDTimerItem : public TObject {
  TAWO_CLASS(TLMDTimerItem, TObject)

 public:
  // EInvalidOperation "<class>: Invalid Owner or List" without a pool or a list. The item
  // does not add itself to the list.
  TLMDTimerItem(TLMDTimerPool* pool, TLMDTimerList* list, uint16_t ident);
  // Disables the item and takes it out of its list.
  ~TLMDTimerItem() override;

  // -1: unlimited; the item disables itself when Counter reaches it; 0 disables it.
  int32_t CallCount() const { return FCallCount; }
  void SetCallCount(int32_t value);
  // Firings since the item was last enabled.
  int32_t Counter() const { return FCounter; }
  bool Enabled() const { return FEnabled; }
  // Disabling always works; enabling only while CallCount is not 0.
  void SetEnabled(bool value);
  uint16_t Ident() const { return FIdent; }
  // Milliseconds; a value that is not a multiple of the pool's MinInterval is ignored, 0
  // means MinInterval.
  uint16_t Interval() const { return FInterval; }
  void SetInterval(uint16_t value);
  // The interval in pool ticks.
  int32_t Internal() const { return FInternal; }

  TNotifyEvent OnTimer;

  // One firing: counts, disables itself at CallCount, then calls OnTimer (or the pool's).
  void Timer();

 private:
  uint16_t MinInterval() const;

  TLMDTimerPool* FPool;
  TLMDTimerList* FList;
  int32_t FCallCount = -1;
  int32_t FCounter = 0;
  bool FEnabled = true;
  uint16_t FIdent;
  uint16_t FInterval = 1000;
  int32_t FInternal;
};
