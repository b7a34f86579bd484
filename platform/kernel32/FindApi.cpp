// FindFirstFileA / FindNextFileA / FindClose.
#include <fcntl.h>
#include <sys/stat.h>

#include <cstring>
#include <memory>

#include "DosAttributes.h"
#include "FileTimes.h"
#include "FindSearch.h"
#include "HandleTable.h"
#include "NameCodec.h"
#include "PathResolver.h"
#include "ShortNames.h"
#include "Win32Error.h"
#include "Wildcard.h"

FindSearch::FindSearch(DIR* dir, std::string hostDir, std::u32string pattern, bool listDots)
    : dir_(dir), hostDir_(std::move(hostDir)), pattern_(std::move(pattern)), dotsLeft_(listDots ? 2 : 0) {}

FindSearch::~FindSearch() {
  if (dir_) closedir(dir_);
}

bool FindSearch::Describe(const std::string& hostDir, const std::string& name, const struct stat& status,
                          WIN32_FIND_DATAA& data) {
  std::string ansi = NameCodec::HostToAnsi(name);
  if (ansi.size() >= MAX_PATH) return false;
  std::memset(&data, 0, sizeof data);
  std::string host = (hostDir.empty() ? "" : hostDir) + "/" + name;
  data.dwFileAttributes = name == "." || name == ".." ? FILE_ATTRIBUTE_DIRECTORY : DosAttributes::Get(host, status);
  data.ftCreationTime = FileTimes::FromTimespec(status.st_mtim);
  data.ftLastAccessTime = FileTimes::FromTimespec(status.st_atim);
  data.ftLastWriteTime = FileTimes::FromTimespec(status.st_mtim);
  if (!S_ISDIR(status.st_mode) && !S_ISLNK(status.st_mode)) {
    auto size = static_cast<unsigned long long>(status.st_size);
    data.nFileSizeHigh = static_cast<DWORD>(size >> 32);
    data.nFileSizeLow = static_cast<DWORD>(size);
  }
  std::memcpy(data.cFileName, ansi.c_str(), ansi.size() + 1);
  if (name != "." && name != ".." && !ShortNames::IsValid83(NameCodec::FoldHost(name))) {
    std::string alias = PathResolver::Instance().AliasOf(hostDir, name);
    if (alias.size() < sizeof data.cAlternateFileName) std::memcpy(data.cAlternateFileName, alias.c_str(), alias.size() + 1);
  }
  return true;
}

bool FindSearch::Matches(const std::string& name) {
  std::u32string folded = NameCodec::FoldAnsi(NameCodec::HostToAnsi(name));
  if (Wildcard::Match(pattern_, folded)) return true;
  if (ShortNames::IsValid83(folded)) return false;
  std::string alias = PathResolver::Instance().AliasOf(hostDir_, name);
  return !alias.empty() && Wildcard::Match(pattern_, std::u32string(alias.begin(), alias.end()));
}

bool FindSearch::Next(WIN32_FIND_DATAA& data) {
  struct stat status;
  while (dotsLeft_ > 0) {
    const char* dot = dotsLeft_-- == 2 ? "." : "..";
    if (Wildcard::Match(pattern_, NameCodec::FoldHost(dot)) &&
        fstatat(dirfd(dir_), dot, &status, 0) == 0 && Describe(hostDir_, dot, status, data)) {
      return true;
    }
  }
  while (const dirent* entry = dir_ ? readdir(dir_) : nullptr) {
    std::string name = entry->d_name;
    if (name == "." || name == ".." || !Matches(name)) continue;
    if (fstatat(dirfd(dir_), entry->d_name, &status, AT_SYMLINK_NOFOLLOW) != 0) continue;
    if (Describe(hostDir_, name, status, data)) return true;
  }
  return false;
}

extern "C" {

HANDLE WINAPI FindFirstFileA(LPCSTR lpFileName, LPWIN32_FIND_DATAA lpFindFileData) {
  if (!lpFindFileData) {
    SetLastError(ERROR_INVALID_PARAMETER);
    return INVALID_HANDLE_VALUE;
  }
  ResolvedPath path;
  if (!PathResolver::Instance().Resolve(lpFileName, path, true)) return INVALID_HANDLE_VALUE;
  if (path.windows.IsRoot() || path.windows.EndsWithSeparator()) {
    SetLastError(ERROR_FILE_NOT_FOUND);
    return INVALID_HANDLE_VALUE;
  }
  const std::string& pattern = path.windows.Names().back();
  std::u32string folded = NameCodec::FoldAnsi(pattern);
  if (!Wildcard::HasWildcards(folded)) {
    if (!path.exists || !FindSearch::Describe(path.hostDir, path.hostName, path.status, *lpFindFileData)) {
      SetLastError(ERROR_FILE_NOT_FOUND);
      return INVALID_HANDLE_VALUE;
    }
    // The single entry is already given; the search has nothing more to offer.
    return HandleTable::Instance().Add(std::make_shared<FindSearch>(nullptr, path.hostDir, U"", false));
  }
  DIR* dir = opendir(path.hostDir.empty() ? "/" : path.hostDir.c_str());
  if (!dir) {
    SetLastError(errno == ENOENT || errno == ENOTDIR ? ERROR_PATH_NOT_FOUND : Win32Error::FromErrno(errno));
    return INVALID_HANDLE_VALUE;
  }
  auto search = std::make_shared<FindSearch>(dir, path.hostDir, folded, !path.windows.Parent().IsRoot());
  if (!search->Next(*lpFindFileData)) {
    SetLastError(ERROR_FILE_NOT_FOUND);
    return INVALID_HANDLE_VALUE;
  }
  return HandleTable::Instance().Add(search);
}

BOOL WINAPI FindNextFileA(HANDLE hFindFile, LPWIN32_FIND_DATAA lpFindFileData) {
  auto search = HandleTable::Instance().Get<FindSearch>(hFindFile);
  if (!search) return Win32Error::Fail(ERROR_INVALID_HANDLE);
  if (!lpFindFileData) return Win32Error::Fail(ERROR_INVALID_PARAMETER);
  if (!search->Next(*lpFindFileData)) return Win32Error::Fail(ERROR_NO_MORE_FILES);
  return TRUE;
}

BOOL WINAPI FindClose(HANDLE hFindFile) {
  if (!HandleTable::Instance().Get<FindSearch>(hFindFile)) return Win32Error::Fail(ERROR_INVALID_HANDLE);
  HandleTable::Instance().Close(hFindFile);
  return TRUE;
}

}
