#include "LMDPathPrefix.h"

#include <windows.h>

namespace {

// A folder reported by a GetXxxDirectoryA call into a MAX_PATH buffer.
AnsiString FolderFrom(UINT(WINAPI* query)(LPSTR, UINT)) {
  char buffer[MAX_PATH] = {};
  const UINT length = query(buffer, MAX_PATH);
  return AnsiString(buffer, length < MAX_PATH ? length : 0);
}

}  // namespace

AnsiString LMDAppPath() { return ExtractFilePath(ParamStr(0)); }

AnsiString LMDWindowsDirectory() { return FolderFrom(&GetWindowsDirectoryA); }

AnsiString LMDSystemDirectory() { return FolderFrom(&GetSystemDirectoryA); }

AnsiString LMDCreatePathPrefix(TLMDPathPrefix prefix, bool trailingBackslash) {
  AnsiString folder;
  switch (prefix) {
    case ppWindows: folder = LMDWindowsDirectory(); break;
    case ppSystem: folder = LMDSystemDirectory(); break;
    case ppProgram: folder = LMDAppPath(); break;
    default: return "";
  }
  return trailingBackslash ? IncludeTrailingBackslash(folder) : ExcludeTrailingBackslash(folder);
}
