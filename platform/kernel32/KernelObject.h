// Base of everything a kernel HANDLE can name: files, searches, mutexes, tokens.
#pragma once

#include <windows.h>

class KernelObject {
 public:
  virtual ~KernelObject() = default;
  // WaitForSingleObject on this object; objects that cannot be waited on fail.
  virtual DWORD Wait(DWORD milliseconds);
};
