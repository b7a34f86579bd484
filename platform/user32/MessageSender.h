// SendMessage. To a window of the calling thread it calls the procedure directly. To a window
// of another thread it queues the message there and waits for the reply, handling messages
// sent to this thread meanwhile so that two threads sending to each other do not deadlock.
#pragma once

#include <windows.h>

class MessageSender {
 public:
  static LRESULT Send(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);
  // Runs the messages other threads have sent to the calling thread; returns how many.
  static int HandleIncoming();
  static bool InSendFromOtherThread();
};
