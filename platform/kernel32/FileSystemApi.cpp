// Attributes, copying, deleting, moving and folders.
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <climits>
#include <cstring>
#include <string>

#include "DosAttributes.h"
#include "FileCopy.h"
#include "FileSharing.h"
#include "NameCodec.h"
#include "PathResolver.h"
#include "Prefix.h"
#include "Win32Error.h"

namespace {

constexpr size_t kMaxDirectoryPath = MAX_PATH - 12;

// Resolves a path that must exist; sets ERROR_FILE_NOT_FOUND when only its last part is missing.
bool ResolveExisting(LPCSTR name, ResolvedPath& path) {
  if (!PathResolver::Instance().Resolve(name, path)) return false;
  if (!path.exists) return Win32Error::Fail(ERROR_FILE_NOT_FOUND);
  return true;
}

// Copies a result string out with the GetFullPathName convention: the length without the NUL
// when it fits, else the size needed including it.
DWORD CopyOut(const std::string& text, LPSTR buffer, DWORD size) {
  if (!buffer || size <= text.size()) return static_cast<DWORD>(text.size() + 1);
  std::memcpy(buffer, text.c_str(), text.size() + 1);
  return static_cast<DWORD>(text.size());
}

bool IsCurrentFolder(const struct stat& status) {
  struct stat current;
  return stat(".", &current) == 0 && current.st_dev == status.st_dev && current.st_ino == status.st_ino;
}

BOOL MoveAcrossDevices(LPCSTR from, LPCSTR to, bool replace, bool folder) {
  if (folder) return Win32Error::Fail(ERROR_NOT_SAME_DEVICE);
  if (!CopyFileA(from, to, !replace)) return FALSE;
  return DeleteFileA(from);
}

}  // namespace

extern "C" {

DWORD WINAPI GetFileAttributesA(LPCSTR lpFileName) {
  ResolvedPath path;
  if (!ResolveExisting(lpFileName, path)) return INVALID_FILE_ATTRIBUTES;
  return DosAttributes::Get(path.Host(), path.status);
}

BOOL WINAPI SetFileAttributesA(LPCSTR lpFileName, DWORD dwFileAttributes) {
  ResolvedPath path;
  if (!ResolveExisting(lpFileName, path)) return FALSE;
  return DosAttributes::Set(path.Host(), path.status, dwFileAttributes) ? TRUE : FALSE;
}

BOOL WINAPI CopyFileA(LPCSTR lpExistingFileName, LPCSTR lpNewFileName, BOOL bFailIfExists) {
  return FileCopy::Run(lpExistingFileName, lpNewFileName, bFailIfExists);
}

BOOL WINAPI DeleteFileA(LPCSTR lpFileName) {
  ResolvedPath path;
  if (!ResolveExisting(lpFileName, path)) return FALSE;
  if (S_ISDIR(path.status.st_mode) || DosAttributes::IsReadOnly(path.status)) return Win32Error::Fail(ERROR_ACCESS_DENIED);
  if (!FileSharing::Instance().MayDelete(path.status)) return Win32Error::Fail(ERROR_SHARING_VIOLATION);
  if (unlink(path.Host().c_str()) != 0) return Win32Error::FailFromErrno();
  PathResolver::Instance().NoteRemoved(path.hostDir, path.hostName, false);
  return TRUE;
}

BOOL WINAPI MoveFileExA(LPCSTR lpExistingFileName, LPCSTR lpNewFileName, DWORD dwFlags) {
  ResolvedPath from, to;
  if (!ResolveExisting(lpExistingFileName, from)) return FALSE;
  if (!lpNewFileName) return Win32Error::Fail(ERROR_INVALID_PARAMETER);
  if (!PathResolver::Instance().Resolve(lpNewFileName, to)) return FALSE;
  if (from.windows.IsRoot() || to.windows.IsRoot()) return Win32Error::Fail(ERROR_ACCESS_DENIED);
  bool folder = S_ISDIR(from.status.st_mode);
  bool sameFile = to.exists && to.status.st_ino == from.status.st_ino && to.status.st_dev == from.status.st_dev;
  std::string target = to.Host();
  if (sameFile) {
    target = to.hostDir + "/" + NameCodec::AnsiToHost(to.windows.Names().back());  // a change of case only
  } else if (to.exists) {
    bool replace = (dwFlags & MOVEFILE_REPLACE_EXISTING) && !folder && !S_ISDIR(to.status.st_mode);
    if (!replace) return Win32Error::Fail(ERROR_ALREADY_EXISTS);
    if (DosAttributes::IsReadOnly(to.status)) return Win32Error::Fail(ERROR_ACCESS_DENIED);
    if (!FileSharing::Instance().MayDelete(to.status)) return Win32Error::Fail(ERROR_SHARING_VIOLATION);
  }
  if (!FileSharing::Instance().MayDelete(from.status)) return Win32Error::Fail(ERROR_SHARING_VIOLATION);
  if (folder && (to.Host() + "/").starts_with(from.Host() + "/") && !sameFile) return Win32Error::Fail(ERROR_SHARING_VIOLATION);
  unsigned int renameFlags = to.exists && !sameFile ? 0 : RENAME_NOREPLACE;
  if (renameat2(AT_FDCWD, from.Host().c_str(), AT_FDCWD, target.c_str(), renameFlags) != 0) {
    if (errno == EXDEV) return MoveAcrossDevices(lpExistingFileName, lpNewFileName, to.exists, folder);
    if (errno == EEXIST) return Win32Error::Fail(ERROR_ALREADY_EXISTS);
    return Win32Error::FailFromErrno();
  }
  PathResolver::Instance().NoteRemoved(from.hostDir, from.hostName, folder);
  PathResolver::Instance().NoteAdded(to.hostDir, target.substr(to.hostDir.size() + 1));
  return TRUE;
}

BOOL WINAPI MoveFileA(LPCSTR lpExistingFileName, LPCSTR lpNewFileName) {
  return MoveFileExA(lpExistingFileName, lpNewFileName, MOVEFILE_COPY_ALLOWED);
}

BOOL WINAPI CreateDirectoryA(LPCSTR lpPathName, LPSECURITY_ATTRIBUTES) {
  ResolvedPath path;
  if (!PathResolver::Instance().Resolve(lpPathName, path)) return FALSE;
  if (path.exists) return Win32Error::Fail(path.windows.IsRoot() ? ERROR_ACCESS_DENIED : ERROR_ALREADY_EXISTS);
  if (path.windows.ToString().size() > kMaxDirectoryPath) return Win32Error::Fail(ERROR_FILENAME_EXCED_RANGE);
  if (mkdir(path.Host().c_str(), 0777) != 0) return Win32Error::FailFromErrno();
  PathResolver::Instance().NoteAdded(path.hostDir, path.hostName);
  return TRUE;
}

BOOL WINAPI RemoveDirectoryA(LPCSTR lpPathName) {
  ResolvedPath path;
  if (!ResolveExisting(lpPathName, path)) return FALSE;
  if (path.windows.IsRoot()) return Win32Error::Fail(ERROR_ACCESS_DENIED);
  if (!S_ISDIR(path.status.st_mode)) return Win32Error::Fail(ERROR_DIRECTORY);
  if (IsCurrentFolder(path.status)) return Win32Error::Fail(ERROR_SHARING_VIOLATION);
  if (rmdir(path.Host().c_str()) != 0) {
    return Win32Error::Fail(errno == ENOTEMPTY || errno == EEXIST ? ERROR_DIR_NOT_EMPTY : Win32Error::FromErrno(errno));
  }
  PathResolver::Instance().NoteRemoved(path.hostDir, path.hostName, true);
  return TRUE;
}

DWORD WINAPI GetFullPathNameA(LPCSTR lpFileName, DWORD nBufferLength, LPSTR lpBuffer, LPSTR* lpFilePart) {
  if (!lpFileName) {
    SetLastError(ERROR_INVALID_PARAMETER);
    return 0;
  }
  WindowsPath path;
  if (DWORD error = WindowsPath::Parse(lpFileName, PathResolver::Instance().CurrentFolder(), true, path)) {
    SetLastError(error);
    return 0;
  }
  std::string full = path.ToString();
  if (path.EndsWithSeparator() && !path.IsRoot()) full += '\\';
  DWORD result = CopyOut(full, lpBuffer, nBufferLength);
  if (lpFilePart && lpBuffer && result < nBufferLength) {
    size_t slash = full.rfind('\\');
    *lpFilePart = slash + 1 < full.size() ? lpBuffer + slash + 1 : nullptr;
  }
  return result;
}

DWORD WINAPI GetLongPathNameA(LPCSTR lpszShortPath, LPSTR lpszLongPath, DWORD cchBuffer) {
  ResolvedPath path;
  if (!ResolveExisting(lpszShortPath, path)) return 0;
  return CopyOut(PathResolver::Instance().ToWindows(path.Host()), lpszLongPath, cchBuffer);
}

DWORD WINAPI GetShortPathNameA(LPCSTR lpszLongPath, LPSTR lpszShortPath, DWORD cchBuffer) {
  ResolvedPath path;
  if (!ResolveExisting(lpszLongPath, path)) return 0;
  std::string longForm = PathResolver::Instance().ToWindows(path.Host());
  std::string shortForm = longForm.substr(0, 3);
  std::string host = longForm[0] == 'C' ? Prefix::Instance().DriveC() : "";
  size_t start = 3;
  while (start < longForm.size()) {
    size_t end = longForm.find('\\', start);
    if (end == std::string::npos) end = longForm.size();
    std::string hostName = NameCodec::AnsiToHost(longForm.substr(start, end - start));
    std::string alias = PathResolver::Instance().AliasOf(host, hostName);
    if (shortForm.size() > 3) shortForm += '\\';
    shortForm += alias.empty() ? longForm.substr(start, end - start) : alias;
    host += "/" + hostName;
    start = end + 1;
  }
  return CopyOut(shortForm, lpszShortPath, cchBuffer);
}

}
