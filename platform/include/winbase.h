// Kernel services: errors, arithmetic helpers and (as they arrive) files, processes, time.
#pragma once

#include "windef.h"
#include "winerror.h"

extern "C" {

DWORD WINAPI GetLastError(void);
void WINAPI SetLastError(DWORD dwErrCode);
int WINAPI MulDiv(int nNumber, int nNumerator, int nDenominator);

}
