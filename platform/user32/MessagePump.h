// Message retrieval for GetMessage, PeekMessage and WaitMessage, in Windows' order: posted
// messages, WM_QUIT (once no posted message is left), input (raw input is routed only when
// reached), WM_PAINT for windows with something to paint, then WM_TIMER. WM_QUIT, WM_PAINT
// and WM_TIMER are generated on demand, so they never pile up. Every retrieval first runs the
// saves the system libraries put off (DeferredSaves): the program handing control back to
// the loop ends what it was doing.
//
// Waiting on the headless display never hangs: when the thread that pumps the display has
// nothing to do, an installed idle handler may inject more input; on the virtual clock the
// clock then jumps to the next timer; with no timer at all (and nothing arriving from other
// threads within the idle limit) the loop gets WM_QUIT, with a note on stderr.
#pragma once

#include <windows.h>

#include <optional>

#include "MessageFilter.h"

using IdleHandler = BOOL (*)(void* context);

class MessagePump {
 public:
  static std::optional<MSG> Peek(const MessageFilter& filter, UINT flags);
  // Blocks until something the filter accepts may be available.
  static void Wait(const MessageFilter& filter);
  // Translates and dispatches everything pending without waiting; stops at WM_QUIT, which
  // stays pending. Returns the number of messages dispatched.
  static int DispatchPending();

  static void SetIdleHandler(IdleHandler handler, void* context);
  static void SetIdleLimit(DWORD milliseconds);

 private:
  static bool Available(const MessageFilter& filter);
  static std::optional<MSG> PeekInput(const MessageFilter& filter, bool remove);
  static std::optional<MSG> PeekPaint(const MessageFilter& filter, bool remove);
  static void CheckHover();
  // The next moment a timer the filter accepts, or a hover, falls due.
  static std::optional<DWORD> NextDeadline(const MessageFilter& filter);
  static bool WaitIdleHeadless(const MessageFilter& filter);
};
