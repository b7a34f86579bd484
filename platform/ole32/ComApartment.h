// The calling thread's COM state: how often it initialised COM and in which model.
#pragma once

#include <windows.h>

class ComApartment {
 public:
  static HRESULT Enter(DWORD model);
  static void Leave();
  static bool IsEntered();
};
