// The profile (ini file) API. A file name without a folder lives in the Windows folder; NULL
// means win.ini. Every call reads the file afresh; a change is written to a temporary file
// and renamed over the old one, under a lock shared by all processes of the prefix.
#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <iterator>
#include <optional>

#include "DosAttributes.h"
#include "IniDocument.h"
#include "PathResolver.h"
#include "Prefix.h"
#include "Win32Error.h"

namespace {

class ProfileLock {
 public:
  ProfileLock() : fd_(open((Prefix::Instance().Root() + "/profile.lock").c_str(), O_RDWR | O_CREAT | O_CLOEXEC, 0644)) {
    while (fd_ >= 0 && flock(fd_, LOCK_EX) != 0 && errno == EINTR) {
    }
  }
  ~ProfileLock() {
    if (fd_ >= 0) close(fd_);
  }
  ProfileLock(const ProfileLock&) = delete;
  ProfileLock& operator=(const ProfileLock&) = delete;

 private:
  int fd_;
};

std::string WindowsName(LPCSTR file) {
  std::string name = file ? file : "win.ini";
  if (name.find_first_of("\\/") == std::string::npos) name = "C:\\WINDOWS\\" + name;
  return name;
}

bool ResolveProfile(LPCSTR file, ResolvedPath& path) { return PathResolver::Instance().Resolve(WindowsName(file).c_str(), path); }

IniDocument Load(const ResolvedPath& path) {
  if (!path.exists) return {};
  std::ifstream in(path.Host(), std::ios::binary);
  return IniDocument::Parse(std::string((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>()));
}

bool Save(const ResolvedPath& path, const IniDocument& document) {
  if (path.exists && DosAttributes::IsReadOnly(path.status)) return Win32Error::Fail(ERROR_ACCESS_DENIED);
  std::string temporary = path.hostDir + "/." + path.hostName + "." + std::to_string(getpid()) + ".tmp";
  std::string text = document.Serialize();
  int fd = open(temporary.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, path.exists ? path.status.st_mode & 07777 : 0666);
  if (fd < 0) return Win32Error::FailFromErrno();
  bool written = true;
  for (size_t done = 0; written && done < text.size();) {
    ssize_t n = write(fd, text.data() + done, text.size() - done);
    if (n < 0 && errno == EINTR) continue;
    written = n > 0;
    if (written) done += static_cast<size_t>(n);
  }
  int error = written ? 0 : errno;
  if (close(fd) != 0 && !error) error = errno;
  if (!error && rename(temporary.c_str(), path.Host().c_str()) != 0) error = errno;
  if (error) {
    unlink(temporary.c_str());
    return Win32Error::Fail(Win32Error::FromErrno(error));
  }
  if (!path.exists) PathResolver::Instance().NoteAdded(path.hostDir, path.hostName);
  return true;
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
  if (ResolveProfile(lpFileName, path)) {
    ProfileLock lock;
    document = Load(path);
  }
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
  std::optional<std::string> value;
  {
    ProfileLock lock;
    value = Load(path).Value(lpAppName, lpKeyName);
  }
  // A leading decimal number; trailing text is ignored, text without a number gives 0.
  return value ? static_cast<UINT>(std::strtol(value->c_str(), nullptr, 10)) : static_cast<UINT>(nDefault);
}

DWORD WINAPI GetPrivateProfileSectionA(LPCSTR lpAppName, LPSTR lpReturnedString, DWORD nSize, LPCSTR lpFileName) {
  if (!lpAppName || !lpReturnedString || nSize == 0) return 0;
  ResolvedPath path;
  if (!ResolveProfile(lpFileName, path)) return CopyList({}, lpReturnedString, nSize);
  ProfileLock lock;
  return CopyList(Load(path).SectionLines(lpAppName), lpReturnedString, nSize);
}

DWORD WINAPI GetPrivateProfileSectionNamesA(LPSTR lpszReturnBuffer, DWORD nSize, LPCSTR lpFileName) {
  return GetPrivateProfileStringA(nullptr, nullptr, nullptr, lpszReturnBuffer, nSize, lpFileName);
}

BOOL WINAPI WritePrivateProfileStringA(LPCSTR lpAppName, LPCSTR lpKeyName, LPCSTR lpString, LPCSTR lpFileName) {
  if (!lpAppName) return lpKeyName || lpString ? Win32Error::Fail(ERROR_INVALID_PARAMETER) : TRUE;
  ResolvedPath path;
  if (!ResolveProfile(lpFileName, path)) return FALSE;
  ProfileLock lock;
  IniDocument document = Load(path);
  bool changed = true;
  if (!lpKeyName) {
    changed = document.RemoveSection(lpAppName);
  } else if (!lpString) {
    changed = document.RemoveKey(lpAppName, lpKeyName);
  } else {
    document.Set(lpAppName, lpKeyName, lpString);
  }
  if (!changed) return TRUE;
  return Save(path, document) ? TRUE : FALSE;
}

BOOL WINAPI WritePrivateProfileSectionA(LPCSTR lpAppName, LPCSTR lpString, LPCSTR lpFileName) {
  if (!lpAppName) return Win32Error::Fail(ERROR_INVALID_PARAMETER);
  if (!lpString) return WritePrivateProfileStringA(lpAppName, nullptr, nullptr, lpFileName);
  std::vector<std::string> lines;
  for (const char* line = lpString; *line; line += std::strlen(line) + 1) lines.emplace_back(line);
  ResolvedPath path;
  if (!ResolveProfile(lpFileName, path)) return FALSE;
  ProfileLock lock;
  IniDocument document = Load(path);
  document.ReplaceSection(lpAppName, lines);
  return Save(path, document) ? TRUE : FALSE;
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
