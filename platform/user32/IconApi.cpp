#include <windows.h>

#include "Icons.h"

HICON WINAPI LoadIconA(HINSTANCE hInstance, LPCSTR lpIconName) {
  HICON icon = hInstance ? nullptr : Icons::System(lpIconName);
  if (!icon) SetLastError(ERROR_RESOURCE_NAME_NOT_FOUND);
  return icon;
}

HICON WINAPI CreateIconIndirect(PICONINFO piconinfo) {
  if (!piconinfo) {
    SetLastError(ERROR_INVALID_PARAMETER);
    return nullptr;
  }
  return Icons::Create(*piconinfo);
}

BOOL WINAPI DestroyIcon(HICON hIcon) {
  if (Icons::Destroy(hIcon)) return TRUE;
  SetLastError(ERROR_INVALID_CURSOR_HANDLE);
  return FALSE;
}
