#include "ThreadIdentity.h"

#include <sys/syscall.h>
#include <unistd.h>

DWORD ThreadIdentity::Current() {
  thread_local const DWORD id = static_cast<DWORD>(syscall(SYS_gettid));
  return id;
}
