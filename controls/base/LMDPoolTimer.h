// Unit LMDPoolTimer: TLMDPoolTimer, one timer a control keeps in the application's timer pool
// (repeated clicks, hover checks). It holds the pool's ident while the timer runs.
#pragma once

#include <System.h>

#include <cstdint>

class TLMDPoolTimer {
 public:
  TLMDPoolTimer() = default;
  ~TLMDPoolTimer() { Stop(); }
  TLMDPoolTimer(const TLMDPoolTimer&) = delete;
  TLMDPoolTimer& operator=(const TLMDPoolTimer&) = delete;

  bool Running() const { return FIdent != 0; }
  // Adds and enables a pool timer unless this one runs already; EOutOfResources "Not enough
  // timers available" when the pool has no ident left.
  void Start(uint16_t interval, const TNotifyEvent& onTimer);
  // Takes the timer out of the pool; nothing when it does not run.
  void Stop();
  void SetInterval(uint16_t interval);

 private:
  uint16_t FIdent = 0;
};
