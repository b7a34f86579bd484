#include "LMDPoolTimer.h"

#include "LMDApplication.h"

#include <SysUtils.h>

void TLMDPoolTimer::Start(uint16_t interval, const TNotifyEvent& onTimer) {
  if (FIdent != 0) return;
  FIdent = LMDApplication->AddTimer(interval, onTimer);
  if (FIdent == 0) throw EOutOfResources("Not enough timers available");
  LMDApplication->GetTimer(FIdent)->SetEnabled(true);
}

void TLMDPoolTimer::Stop() {
  if (FIdent == 0) return;
  const uint16_t ident = FIdent;
  FIdent = 0;
  TLMDTimerItem* timer = LMDApplication->GetTimer(ident);
  if (timer == nullptr) return;
  timer->OnTimer = nullptr;
  timer->SetEnabled(false);
  LMDApplication->RemoveTimer(ident);
}

void TLMDPoolTimer::SetInterval(uint16_t interval) {
  if (TLMDTimerItem* timer = LMDApplication->GetTimer(FIdent)) timer->SetInterval(interval);
}
