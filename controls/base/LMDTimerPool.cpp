#include "LMDTimerPool.h"

#include "LMDConst.h"

#include <Classes.h>
#include <RTLConsts.h>
#include <TApplication.h>

#include <limits>

using enum TComponentStateItem;

TAWO_PUBLISHED(TLMDTimerPool, published) {
  published.Property("About", &TLMDTimerPool::About, &TLMDTimerPool::SetAbout);
  published.Property("MinInterval", &TLMDTimerPool::MinInterval, &TLMDTimerPool::SetMinInterval)
      .Default(TLMDTimerInterval{1000});
  published.Property("OnTimer", &TLMDTimerPool::OnTimer);
}

namespace {

constexpr UINT_PTR kMainTimerId = 1;

}  // namespace

TLMDTimerPool::TLMDTimerPool(TComponent* owner) : TLMDTimerPool(owner, 1000) {}

TLMDTimerPool::TLMDTimerPool(TComponent* owner, TLMDTimerInterval minInterval)
    : TLMDCustomComponent(owner), FMinInterval(minInterval == 0 ? 1 : minInterval) {}

TLMDTimerPool::~TLMDTimerPool() { ClearTimers(); }

void TLMDTimerPool::SetMinInterval(TLMDTimerInterval value) {
  const TComponentState state = ComponentState();
  // 0 is outside the type's range 1..65535.
  if (value != 0 && (state.Contains(csLoading) || state.Contains(csDesigning))) FMinInterval = value;
}

int TLMDTimerPool::AddTimer(uint16_t ident, uint16_t interval, const TNotifyEvent& onTimer) {
  if (IndexOf(ident) >= 0) throw Exception(SListIndexError);
  if (interval < FMinInterval || interval % FMinInterval != 0) throw Exception(IDS_INTERVALNOTFIT);
  auto* item = new TLMDTimerItem(this, &FList, ident);
  const int index = FList.Add(item);
  item->SetInterval(interval);
  item->OnTimer = onTimer;
  UpdateMainTimer(true);
  return index;
}

int TLMDTimerPool::AddTimerExt(uint16_t ident, uint16_t interval, int32_t callCount, bool enabled,
                               const TNotifyEvent& onTimer) {
  const int index = AddTimer(ident, interval, onTimer);
  TLMDTimerItem* item = FList.Items(index);
  item->SetCallCount(callCount);
  item->SetEnabled(enabled);
  return index;
}

void TLMDTimerPool::RemoveTimer(uint16_t ident) {
  struct UpdatingGuard {
    TLMDTimerPool& pool;
    ~UpdatingGuard() { pool.EndUpdate(false); }
  } guard{*this};
  BeginUpdate();
  TLMDTimerItem* item = GetTimer(ident);
  if (item == nullptr) return;
  item->SetEnabled(false);
  item->OnTimer.Clear();
  delete item;
  if (FList.Count() == 0) {
    UpdateMainTimer(false);
    ReleaseUtilityWindow();
  }
}

void TLMDTimerPool::ClearTimers() {
  UpdateMainTimer(false);
  while (FList.Count() > 0) delete FList.Last();
  ReleaseUtilityWindow();
}

int TLMDTimerPool::IndexOf(uint16_t ident) const {
  for (int i = 0; i < FList.Count(); ++i) {
    if (FList.Items(i)->Ident() == ident) return i;
  }
  return -1;
}

TLMDTimerItem* TLMDTimerPool::GetTimer(uint16_t ident) const {
  const int index = IndexOf(ident);
  return index < 0 ? nullptr : FList.Items(index);
}

int TLMDTimerPool::ActiveTimers() const {
  int count = 0;
  for (TLMDTimerItem* item : FList) count += item->Enabled() ? 1 : 0;
  return count;
}

void TLMDTimerPool::UpdateMainTimer(bool activate) {
  if (ComponentState().Contains(csDesigning)) return;
  FActive = false;
  if (FWindow != nullptr) KillTimer(FWindow, kMainTimerId);
  if (!activate || ActiveTimers() == 0) return;
  CreateUtilityWindow();
  if (SetTimer(FWindow, kMainTimerId, FMinInterval, nullptr) == 0) {
    throw EOutOfResources("Not enough timers available");
  }
  FPCounter = 1;
  FActive = true;
}

void TLMDTimerPool::HandleTimers() {
  if (Updating()) return;
  // By index: a handler may remove items, this one included.
  for (int i = 0; i < FList.Count(); ++i) {
    TLMDTimerItem* item = FList.Items(i);
    if (item->Enabled() && FPCounter % item->Internal() == 0) item->Timer();
  }
  FPCounter = FPCounter == std::numeric_limits<int32_t>::max() ? 0 : FPCounter + 1;
}

// The utility window class is shared with the framework's other utility windows; each
// window gets its own procedure, bound to this pool, whichever of them registered the class.
void TLMDTimerPool::CreateUtilityWindow() {
  if (FWindow != nullptr) return;
  try {
    FWindow = AllocateHWnd(TWndMethod(this, &TLMDTimerPool::UtilityWndProc));
  } catch (const EOutOfResources&) {
    throw EOutOfResources("Not enough timers available");
  }
}

// Without timers the pool keeps no window, so none is left to destroy when the program ends
// and the window system may already be gone.
void TLMDTimerPool::ReleaseUtilityWindow() {
  if (FWindow == nullptr) return;
  DeallocateHWnd(FWindow);
  FWindow = nullptr;
}

void TLMDTimerPool::UtilityWndProc(TMessage& message) {
  if (message.Msg == WM_TIMER) {
    Tick();
    message.Result = 0;
    return;
  }
  message.Result = DefWindowProcA(FWindow, message.Msg, message.WParam, message.LParam);
}

// A tick that arrives while a timer event is still running (it pumped messages) is dropped.
// An exception from an event goes to the application's handling while the pool is still
// busy, so the ticks of the message box it may show do not run the events again; the ticks
// after it do.
void TLMDTimerPool::Tick() {
  if (FBusy) return;
  FBusy = true;
  try {
    HandleTimers();
  } catch (...) {
    Application->HandleException(this);
  }
  FBusy = false;
}
