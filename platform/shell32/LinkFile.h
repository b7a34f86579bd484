// The shell link (.lnk) binary format: a ShellLinkHeader, the target's item identifier list,
// LinkInfo with the volume and local base path, the counted strings (UTF-16) and the
// terminal extra-data block. Reading checks every offset and count against the data, so a
// damaged or hostile file is rejected instead of read past its end.
#pragma once

#include <cstdint>
#include <string>

#include <windows.h>

struct ShellLinkData {
  std::string target;  // full Windows path, code page 1250
  std::string idList;  // the target's item identifier list, terminator included
  std::string description;
  std::string relativePath;
  std::string workingDirectory;
  std::string arguments;
  std::string iconLocation;
  int iconIndex = 0;
  int showCommand = 1;
  WORD hotkey = 0;
  DWORD attributes = 0;
  FILETIME creationTime{};
  FILETIME accessTime{};
  FILETIME writeTime{};
  DWORD fileSize = 0;
};

class LinkFile {
 public:
  static std::string Write(const ShellLinkData& link);
  static bool Read(const std::uint8_t* data, size_t size, ShellLinkData& link);
};
