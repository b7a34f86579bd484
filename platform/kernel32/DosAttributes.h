// DOS attributes of host files. READONLY is the absence of every write permission bit;
// HIDDEN, SYSTEM and ARCHIVE live in the user.DOSATTRIB extended attribute ("0x22"), or in
// the prefix's AttributeStore on file systems without extended attributes; without either a
// file counts as ARCHIVE and a folder as nothing. A symbolic link is a REPARSE_POINT and
// never a DIRECTORY, so that tree walks which delete unlink it instead of entering it.
#pragma once

#include <sys/stat.h>

#include <string>

#include <windows.h>

class DosAttributes {
 public:
  static constexpr DWORD kStored = FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM | FILE_ATTRIBUTE_ARCHIVE;
  static constexpr const char* kAttributeName = "user.DOSATTRIB";

  // `status` is the lstat of `host`.
  static DWORD Get(const std::string& host, const struct stat& status);
  static bool IsReadOnly(const struct stat& status);
  // Sets the attributes a caller may set; false with the last error set on failure.
  static bool Set(const std::string& host, const struct stat& status, DWORD attributes);
  // Stores the HIDDEN/SYSTEM/ARCHIVE part on an open file (used when creating and copying).
  static bool StoreOpen(const std::string& host, int fd, bool directory, DWORD attributes);
  // The attribute's stored text ("0x22"); -1 when it is not a hexadecimal number.
  static long Parse(const char* text, long length);

 private:
  static DWORD Compose(const struct stat& status, long stored);
  static DWORD Default(bool directory) { return directory ? 0 : FILE_ATTRIBUTE_ARCHIVE; }
};
