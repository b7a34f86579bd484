#include "StdCtrls.h"

#include "SysUtils.h"

bool IsAccel(WPARAM key, const AnsiString& caption) {
  for (std::size_t i = 0; i + 1 < caption.size(); ++i) {
    if (caption[i] != '&') continue;
    if (caption[i + 1] == '&') {
      ++i;
      continue;
    }
    return AnsiUpperCase(caption.substr(i + 1, 1)) == AnsiUpperCase(AnsiString(1, static_cast<char>(key & 0xFF)));
  }
  return false;
}
