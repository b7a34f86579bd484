// CopyFileA's work: contents, permission bits (READONLY and the executable bits), the
// stored DOS attributes and the times. A new file is written in place and removed again if
// the copy fails; an existing one is replaced only after the new contents are complete, so a
// failed copy never leaves a half-written file behind.
#pragma once

#include <sys/types.h>

#include <windows.h>

class FileCopy {
 public:
  static BOOL Run(LPCSTR source, LPCSTR destination, BOOL failIfExists);

 private:
  // Copies the data between two open files; false with errno set.
  static bool CopyData(int from, int to, off_t size);
  static bool CopyMetadata(int from, int to, const struct stat& status);
};
