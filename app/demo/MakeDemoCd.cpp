// Build tool: writes the demo CD.  make_demo_cd <cd folder> <product program> <prefix folder>
// The paths are host paths; the tool works through the platform's file API (so the DOS
// attributes are set as the installer will read them) in a prefix of its own.
#include <SysUtils.h>
#include <windows.h>
#include <winport.h>

#include <cstdio>

#include "DemoCd.h"

namespace {

AnsiString WindowsPath(const char* host) {
  char buffer[MAX_PATH * 4];
  DWORD length = WinportGetWindowsPath(host, buffer, sizeof buffer);
  if (length == 0 || length >= sizeof buffer) throw EInOutError(AnsiString("Cannot map ") + host, static_cast<int>(GetLastError()));
  return AnsiString(buffer, length);
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 4) {
    std::fprintf(stderr, "usage: %s <cd folder> <product program> <prefix folder>\n", argv[0]);
    return 2;
  }
  try {
    WinportSetPrefix(argv[3]);
    DemoCd cd;
    cd.Write(IncludeTrailingBackslash(WindowsPath(argv[1])), WindowsPath(argv[2]));
    std::printf("demo CD: %zu files, %lld bytes\n", cd.Files().size(), static_cast<long long>(cd.TotalBytes()));
    return 0;
  } catch (const Exception& error) {
    std::fprintf(stderr, "make_demo_cd: %s\n", error.Message().c_str());
    return 1;
  }
}
