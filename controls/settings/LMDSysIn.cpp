#include "LMDSysIn.h"

#include <windows.h>

AnsiString LMDSIUserName() {
  char buffer[257] = {};
  DWORD size = sizeof buffer;
  if (!GetUserNameA(buffer, &size)) return "";
  return buffer;
}
