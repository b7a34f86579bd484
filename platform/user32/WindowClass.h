// A registered window class: what RegisterClassEx stored, plus its extra bytes and the number
// of windows still using it.
#pragma once

#include <windows.h>

#include <string>
#include <vector>

class WindowClass {
 public:
  std::string name;
  ATOM atom = 0;
  UINT style = 0;
  WNDPROC procedure = nullptr;
  int windowExtraBytes = 0;
  HINSTANCE instance = nullptr;
  HICON icon = nullptr;
  HICON smallIcon = nullptr;
  HCURSOR cursor = nullptr;
  HBRUSH background = nullptr;
  LPCSTR menuName = nullptr;  // an ordinal, or a pointer the caller keeps alive
  std::vector<BYTE> extraBytes;
  int windowCount = 0;

  bool IsGlobal() const { return (style & CS_GLOBALCLASS) != 0; }
};
