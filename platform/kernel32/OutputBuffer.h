// Copying API results into callers' buffers with the path-API convention: the length
// without the NUL when the text fits, else the size needed including the NUL.
#pragma once

#include <string>

#include <windows.h>

class OutputBuffer {
 public:
  static DWORD CopyPath(const std::string& text, LPSTR buffer, DWORD size);
};
