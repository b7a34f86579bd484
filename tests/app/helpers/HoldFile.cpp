// Test helper: another process holding a file open.  hold_file <prefix> <windows path>
// Opens the file without delete sharing, writes "held" (or "failed") to stdout and keeps it
// open until its standard input closes.
#include <windows.h>
#include <winport.h>

#include <cstdio>

int main(int argc, char** argv) {
  if (argc != 3) return 2;
  WinportSetPrefix(argv[1]);
  HANDLE file = CreateFileA(argv[2], GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING, 0, nullptr);
  std::printf(file == INVALID_HANDLE_VALUE ? "failed\n" : "held\n");
  std::fflush(stdout);
  while (std::getchar() != EOF) {
  }
  if (file != INVALID_HANDLE_VALUE) CloseHandle(file);
  return 0;
}
