// Win32 error codes for host errno values.
#pragma once

#include <windows.h>

class Win32Error {
 public:
  static DWORD FromErrno(int error);
  // Sets the last error from errno and returns FALSE, for the common failure path.
  static BOOL FailFromErrno();
  static BOOL Fail(DWORD error);
};
