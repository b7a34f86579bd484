// Unit LMDTimer: TLMDTimerPool, many logical timers multiplexed on one Windows timer that
// ticks every MinInterval milliseconds at a utility window.
#pragma once

#include "LMDCustomComponent.h"
#include "LMDTimerItem.h"

#include <windows.h>

// 1..65535 milliseconds.
using TLMDTimerInterval = uint16_t;
// Sender, the item's Ident, its Counter.
using TLMDTimerPoolEvent = TEvent<TObject*, uint16_t, int32_t>;

class TLMDTimerPool : public TLMDCustomComponent {
  TAWO_CLASS(TLMDTimerPool, TLMDCustomComponent)

 public:
  // MinInterval 1000.
  explicit TLMDTimerPool(TComponent* owner);
  TLMDTimerPool(TComponent* owner, TLMDTimerInterval minInterval);
  ~TLMDTimerPool() override;

  TLMDTimerInterval MinInterval() const { return FMinInterval; }
  // Effective only while the pool is being loaded or designed.
  void SetMinInterval(TLMDTimerInterval value);
  // The Windows timer runs.
  bool Active() const { return FActive; }
  int32_t PCounter() const { return FPCounter; }
  // Pool-wide handler of the items without their own.
  TLMDTimerPoolEvent OnTimer;

  // The new item's index. EListError-style Exception for a used ident, IDS_INTERVALNOTFIT
  // when the interval is below MinInterval or not a multiple of it.
  int AddTimer(uint16_t ident, uint16_t interval, const TNotifyEvent& onTimer);
  int AddTimerExt(uint16_t ident, uint16_t interval, int32_t callCount, bool enabled, const TNotifyEvent& onTimer);
  // Removing the last timer, or clearing them, also releases the utility window.
  void RemoveTimer(uint16_t ident);
  void ClearTimers();
  int IndexOf(uint16_t ident) const;
  TLMDTimerItem* GetTimer(uint16_t ident) const;
  int Count() const { return FList.Count(); }
  int ActiveTimers() const;

  // Stops the Windows timer, then restarts it when asked and some item is enabled;
  // EOutOfResources "Not enough timers available" when it cannot be started.
  void UpdateMainTimer(bool activate);
  // One tick: fires the due items and advances PCounter.
  void HandleTimers();

 private:
  void UtilityWndProc(TMessage& message);
  void CreateUtilityWindow();
  void ReleaseUtilityWindow();
  void Tick();

  TLMDTimerInterval FMinInterval;
  bool FActive = false;
  bool FBusy = false;
  HWND FWindow = nullptr;
  int32_t FPCounter = 0;
  TLMDTimerList FList;
};
