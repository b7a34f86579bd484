#include "DosAttributes.h"

#include <sys/xattr.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstdlib>

#include "AttributeStore.h"
#include "Win32Error.h"

long DosAttributes::Parse(const char* text, long length) {
  if (length < 3 || length > 15 || text[0] != '0' || (text[1] != 'x' && text[1] != 'X')) return -1;
  std::string digits(text + 2, static_cast<size_t>(length - 2));
  char* end = nullptr;
  long value = std::strtol(digits.c_str(), &end, 16);
  return end && *end == '\0' ? value : -1;
}

bool DosAttributes::IsReadOnly(const struct stat& status) {
  return !S_ISDIR(status.st_mode) && !S_ISLNK(status.st_mode) && (status.st_mode & (S_IWUSR | S_IWGRP | S_IWOTH)) == 0;
}

DWORD DosAttributes::Compose(const struct stat& status, long stored) {
  if (S_ISLNK(status.st_mode)) return FILE_ATTRIBUTE_REPARSE_POINT;
  bool directory = S_ISDIR(status.st_mode);
  DWORD attributes = stored < 0 ? Default(directory) : static_cast<DWORD>(stored) & kStored;
  if (directory) attributes |= FILE_ATTRIBUTE_DIRECTORY;
  if (IsReadOnly(status)) attributes |= FILE_ATTRIBUTE_READONLY;
  return attributes ? attributes : FILE_ATTRIBUTE_NORMAL;
}

DWORD DosAttributes::Get(const std::string& host, const struct stat& status) {
  if (S_ISLNK(status.st_mode)) return Compose(status, -1);
  char text[16];
  ssize_t length = getxattr(host.c_str(), kAttributeName, text, sizeof text);
  if (length < 0 && errno == ENOTSUP) {
    DWORD stored;
    return Compose(status, AttributeStore::Instance().Get(host, status, stored) ? static_cast<long>(stored) : -1);
  }
  return Compose(status, length > 0 ? Parse(text, length) : -1);
}

bool DosAttributes::StoreOpen(const std::string& host, int fd, bool directory, DWORD attributes) {
  DWORD stored = attributes & kStored;
  if (stored == Default(directory)) {
    if (fremovexattr(fd, kAttributeName) != 0 && errno != ENODATA && errno != ENOTSUP) return Win32Error::FailFromErrno();
    return true;
  }
  char text[16];
  int length = std::snprintf(text, sizeof text, "0x%x", static_cast<unsigned>(stored));
  if (fsetxattr(fd, kAttributeName, text, static_cast<size_t>(length), 0) == 0) return true;
  if (errno != ENOTSUP) return Win32Error::FailFromErrno();
  struct stat status;
  return fstat(fd, &status) == 0 && AttributeStore::Instance().Set(host, status, stored);
}

bool DosAttributes::Set(const std::string& host, const struct stat& status, DWORD attributes) {
  if (S_ISLNK(status.st_mode)) return true;
  bool directory = S_ISDIR(status.st_mode);
  if (!directory) {
    mode_t mode = status.st_mode & 07777;
    mode_t wanted = (attributes & FILE_ATTRIBUTE_READONLY) ? (mode & ~mode_t{S_IWUSR | S_IWGRP | S_IWOTH})
                                                            : (IsReadOnly(status) ? mode | S_IWUSR : mode);
    if (wanted != mode && chmod(host.c_str(), wanted) != 0) return Win32Error::FailFromErrno();
  }
  DWORD stored = attributes & kStored;
  char text[16];
  int length = std::snprintf(text, sizeof text, "0x%x", static_cast<unsigned>(stored));
  int result = stored == Default(directory) ? removexattr(host.c_str(), kAttributeName)
                                            : setxattr(host.c_str(), kAttributeName, text, static_cast<size_t>(length), 0);
  if (result == 0 || (errno == ENODATA && stored == Default(directory))) return true;
  if (errno != ENOTSUP) return Win32Error::FailFromErrno();
  // No extended attributes here: the prefix's attribute store keeps them instead.
  DWORD current;
  if (stored == Default(directory) && !AttributeStore::Instance().Get(host, status, current)) return true;
  return AttributeStore::Instance().Set(host, status, stored);
}
