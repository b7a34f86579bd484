// The profile (ini file) API. A file name without a folder lives in the Windows folder; NULL
// means win.ini. Every call reads the file afresh. A change is made under a lock shared by all
// processes of the prefix and saved through DurableFile; reads need no lock, since a save
// replaces the file whole. A file that exists but cannot be read reads as empty, and writing
// to it fails rather than replace keys that could not be seen.
#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <optional>

#include "DosAttributes.h"
#include "DurableFile.h"
#include "FileLock.h"
#include "IniDocument.h"
#include "PathResolver.h"
#include "Prefix.h"
#include "Win32Error.h"

namespace {

std::string ProfileLockPath() { return Prefix::Instance().Root() + "/profile.lock"; }

std::string WindowsName(LPCSTR file) {
  std::string name = file ? file : "win.ini";
  if (name.find_first_of("\\/") == std::string::npos) name = "C:\\WINDOWS\\" + name;
  return name;
}

bool ResolveProfile(LPCSTR file, ResolvedPath& path) { return PathResolver::Instance().Resolve(WindowsName(file).c_str(), path); }

// The file's contents; nothing when it exists but cannot be read.
std::optional<IniDocument> Load(const ResolvedPath& path) {
  if (!path.exists) return IniDocument{};
  int fd = open(path.Host().c_str(), O_RDONLY | O_CLOEXEC);
  if (fd < 0) return std::nullopt;
  std::string bytes;
  char buffer[65536];
  ssize_t n;
  while ((n = read(fd, buffer, sizeof buffer)) != 0) {
    if (n < 0 && errno == EINTR) continue;
    if (n < 0) break;
    bytes.append(buffer, static_cast<size_t>(n));
  }
  close(fd);
  if (n < 0) return std::nullopt;
  return IniDocument::Parse(bytes);
}

IniDocument LoadOrEmpty(const ResolvedPath& path) { return Load(path).value_or(IniDocument{}); }

std::string TemporaryPrefix(const ResolvedPath& path) { return "." + path.hostName + "."; }

bool Save(const ResolvedPath& path, const IniDocument& document) {
  if (path.exists && DosAttributes::IsReadOnly(path.status)) return Win32Error::Fail(ERROR_ACCESS_DENIED);
  DurableFile::RemoveTemporaries(path.hostDir, TemporaryPrefix(path));
  std::string temporary = DurableFile::TemporaryName(path.hostDir, TemporaryPrefix(path));
  mode_t mode = path.exists ? path.status.st_mode & 07777 : 0666;
  if (!DurableFile::Replace(path.Host(), temporary, document.Serialize(), mode)) return Win32Error::FailFromErrno();
  if (!path.exists) PathResolver::Instance().NoteAdded(path.hostDir, path.hostName);
  return true;
}

// Changes the file under the profile lock; the file must be readable, so that the change
// keeps what it already holds.
template <class Change>
BOOL ChangeProfile(const ResolvedPath& path, Change change) {
  FileLock lock(ProfileLockPath(), LOCK_EX);
  if (!lock.Held()) return Win32Error::FailFromErrno();
  std::optional<IniDocument> document = Load(path);
  if (!document) return Win32Error::Fail(ERROR_ACCESS_DENIED);
  if (!change(*document)) return TRUE;
  return Save(path, *document) ? TRUE : FALSE;
}

// Copies a string out: truncated to size-1 characters; returns the characters copied.
DWORD CopyString(const std::string& text, LPSTR buffer, DWORD size) {
  if (!buffer || size == 0) return 0;
  DWORD length = static_cast<DWORD>(std::min<size_t>(text.size(), size - 1));
  std::memcpy(buffer, text.data(), length);
  buffer[length] = '\0';
  return length;
}

// Copies a list of NUL-terminated strings ending with an extra NUL; when it does not fit,
// it is cut, ends with two NULs and size-2 is returned.
DWORD CopyList(const std::vector<std::string>& items, LPSTR buffer, DWORD size) {
  if (!buffer || size == 0) return 0;
  std::string list;
  for (const std::string& item : items) list += item + '\0';
  if (list.size() + 1 <= size) {
    std::memcpy(buffer, list.data(), list.size());
    buffer[list.size()] = '\0';
    if (list.empty() && size > 1) buffer[1] = '\0';
    return static_cast<DWORD>(list.size());
  }
  if (size < 2) {
    buffer[0] = '\0';
    return 0;
  }
  std::memcpy(buffer, list.data(), size - 2);
  buffer[size - 2] = '\0';
  buffer[size - 1] = '\0';
  return size - 2;
}

std::string DefaultText(LPCSTR text) {
  std::string value = text ? text : "";
  while (!value.empty() && (value.back() == ' ' || value.back() == '\t')) value.pop_back();
  return value;
}

}  // namespace

extern "C" {

DWORD WINAPI GetPrivateProfileStringA(LPCSTR lpAppName, LPCSTR lpKeyName, LPCSTR lpDefault, LPSTR lpReturnedString,
                                      DWORD nSize, LPCSTR lpFileName) {
  if (!lpReturnedString || nSize == 0) return 0;
  ResolvedPath path;
  IniDocument document;
  if (ResolveProfile(lpFileName, path)) document = LoadOrEmpty(path);
  if (!lpAppName) return CopyList(document.SectionNames(), lpReturnedString, nSize);
  if (!lpKeyName) return CopyList(document.KeyNames(lpAppName), lpReturnedString, nSize);
  if (!*lpKeyName) return CopyString("", lpReturnedString, nSize);
  std::optional<std::string> value = document.Value(lpAppName, lpKeyName);
  return CopyString(value ? *value : DefaultText(lpDefault), lpReturnedString, nSize);
}

UINT WINAPI GetPrivateProfileIntA(LPCSTR lpAppName, LPCSTR lpKeyName, INT nDefault, LPCSTR lpFileName) {
  if (!lpAppName || !lpKeyName) return static_cast<UINT>(nDefault);
  ResolvedPath path;
  if (!ResolveProfile(lpFileName, path)) return static_cast<UINT>(nDefault);
  std::optional<std::string> value = LoadOrEmpty(path).Value(lpAppName, lpKeyName);
  // A leading decimal number; trailing text is ignored, text without a number gives 0.
  return value ? static_cast<UINT>(std::strtol(value->c_str(), nullptr, 10)) : static_cast<UINT>(nDefault);
}

DWORD WINAPI GetPrivateProfileSectionA(LPCSTR lpAppName, LPSTR lpReturnedString, DWORD nSize, LPCSTR lpFileName) {
  if (!lpAppName || !lpReturnedString || nSize == 0) return 0;
  ResolvedPath path;
  if (!ResolveProfile(lpFileName, path)) return CopyList({}, lpReturnedString, nSize);
  return CopyList(LoadOrEmpty(path).SectionLines(lpAppName), lpReturnedString, nSize);
}

DWORD WINAPI GetPrivateProfileSectionNamesA(LPSTR lpszReturnBuffer, DWORD nSize, LPCSTR lpFileName) {
  return GetPrivateProfileStringA(nullptr, nullptr, nullptr, lpszReturnBuffer, nSize, lpFileName);
}

BOOL WINAPI WritePrivateProfileStringA(LPCSTR lpAppName, LPCSTR lpKeyName, LPCSTR lpString, LPCSTR lpFileName) {
  if (!lpAppName) return lpKeyName || lpString ? Win32Error::Fail(ERROR_INVALID_PARAMETER) : TRUE;
  ResolvedPath path;
  if (!ResolveProfile(lpFileName, path)) return FALSE;
  return ChangeProfile(path, [&](IniDocument& document) {
    if (!lpKeyName) return document.RemoveSection(lpAppName);
    if (!lpString) return document.RemoveKey(lpAppName, lpKeyName);
    document.Set(lpAppName, lpKeyName, lpString);
    return true;
  });
}

BOOL WINAPI WritePrivateProfileSectionA(LPCSTR lpAppName, LPCSTR lpString, LPCSTR lpFileName) {
  if (!lpAppName) return Win32Error::Fail(ERROR_INVALID_PARAMETER);
  if (!lpString) return WritePrivateProfileStringA(lpAppName, nullptr, nullptr, lpFileName);
  std::vector<std::string> lines;
  for (const char* line = lpString; *line; line += std::strlen(line) + 1) lines.emplace_back(line);
  ResolvedPath path;
  if (!ResolveProfile(lpFileName, path)) return FALSE;
  return ChangeProfile(path, [&](IniDocument& document) {
    document.ReplaceSection(lpAppName, lines);
    return true;
  });
}

DWORD WINAPI GetProfileStringA(LPCSTR lpAppName, LPCSTR lpKeyName, LPCSTR lpDefault, LPSTR lpReturnedString,
                               DWORD nSize) {
  return GetPrivateProfileStringA(lpAppName, lpKeyName, lpDefault, lpReturnedString, nSize, nullptr);
}

BOOL WINAPI WriteProfileStringA(LPCSTR lpAppName, LPCSTR lpKeyName, LPCSTR lpString) {
  return WritePrivateProfileStringA(lpAppName, lpKeyName, lpString, nullptr);
}

UINT WINAPI GetProfileIntA(LPCSTR lpAppName, LPCSTR lpKeyName, INT nDefault) {
  return GetPrivateProfileIntA(lpAppName, lpKeyName, nDefault, nullptr);
}

}
