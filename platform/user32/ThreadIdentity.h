// The identifier of the calling thread, as window ownership and thread messages use it: the
// host thread id (gettid), the value GetCurrentThreadId reports.
#pragma once

#include <windows.h>

class ThreadIdentity {
 public:
  static DWORD Current();
};
