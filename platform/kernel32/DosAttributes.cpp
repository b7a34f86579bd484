#include "DosAttributes.h"

#include <sys/xattr.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstdlib>

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
  return Compose(status, length > 0 ? Parse(text, length) : -1);
}

DWORD DosAttributes::GetOpen(int fd, const struct stat& status) {
  char text[16];
  ssize_t length = fgetxattr(fd, kAttributeName, text, sizeof text);
  return Compose(status, length > 0 ? Parse(text, length) : -1);
}

bool DosAttributes::StoreOpen(int fd, bool directory, DWORD attributes) {
  DWORD stored = attributes & kStored;
  if (stored == Default(directory)) {
    if (fremovexattr(fd, kAttributeName) != 0 && errno != ENODATA && errno != ENOTSUP) return Win32Error::FailFromErrno();
    return true;
  }
  char text[16];
  int length = std::snprintf(text, sizeof text, "0x%x", static_cast<unsigned>(stored));
  if (fsetxattr(fd, kAttributeName, text, static_cast<size_t>(length), 0) != 0) {
    // A file system without extended attributes keeps only READONLY, as FAT-less hosts do.
    if (errno == ENOTSUP) return true;
    return Win32Error::FailFromErrno();
  }
  return true;
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
  if (stored == Default(directory)) {
    if (removexattr(host.c_str(), kAttributeName) != 0 && errno != ENODATA && errno != ENOTSUP) {
      return Win32Error::FailFromErrno();
    }
    return true;
  }
  char text[16];
  int length = std::snprintf(text, sizeof text, "0x%x", static_cast<unsigned>(stored));
  if (setxattr(host.c_str(), kAttributeName, text, static_cast<size_t>(length), 0) != 0 && errno != ENOTSUP) {
    return Win32Error::FailFromErrno();
  }
  return true;
}
