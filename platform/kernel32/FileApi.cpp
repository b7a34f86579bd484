// CreateFileA and the calls on open file handles.
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <memory>

#include "DosAttributes.h"
#include "FileObject.h"
#include "FileTimes.h"
#include "HandleTable.h"
#include "PathResolver.h"
#include "Win32Error.h"

FileObject::FileObject(int fd, DWORD access, const FileSharing::Ticket& ticket, std::string deleteOnClose)
    : fd_(fd), access_(FileSharing::NormaliseAccess(access)), ticket_(ticket), deleteOnClose_(std::move(deleteOnClose)) {}

FileObject::~FileObject() {
  FileSharing::Instance().Close(ticket_);
  close(fd_);
  if (!deleteOnClose_.empty()) unlink(deleteOnClose_.c_str());
}

namespace {

HANDLE FailHandle(DWORD error) {
  SetLastError(error);
  return INVALID_HANDLE_VALUE;
}

std::shared_ptr<FileObject> FileFromHandle(HANDLE handle) {
  auto file = HandleTable::Instance().Get<FileObject>(handle);
  if (!file) SetLastError(ERROR_INVALID_HANDLE);
  return file;
}

// Checks an existing file against the requested disposition and access; ERROR_SUCCESS if it
// may be opened.
DWORD CheckExisting(const ResolvedPath& path, DWORD access, DWORD disposition, DWORD flags) {
  if (disposition == CREATE_NEW) return ERROR_FILE_EXISTS;
  if (path.IsDirectory()) return (flags & FILE_FLAG_BACKUP_SEMANTICS) ? ERROR_SUCCESS : ERROR_ACCESS_DENIED;
  DWORD attributes = DosAttributes::Get(path.Host(), path.status);
  bool writes = FileSharing::NormaliseAccess(access) & GENERIC_WRITE;
  if ((attributes & FILE_ATTRIBUTE_READONLY) && (writes || disposition == CREATE_ALWAYS || disposition == TRUNCATE_EXISTING)) {
    return ERROR_ACCESS_DENIED;
  }
  // Replacing a hidden or system file needs the caller to say so, as on Windows.
  if (disposition == CREATE_ALWAYS) {
    DWORD special = attributes & (FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM);
    if ((special & flags) != special) return ERROR_ACCESS_DENIED;
  }
  return ERROR_SUCCESS;
}

int OpenFlags(DWORD access, bool directory) {
  if (directory) return O_RDONLY | O_DIRECTORY | O_CLOEXEC;
  DWORD normal = FileSharing::NormaliseAccess(access);
  int mode = (normal & GENERIC_WRITE) ? ((normal & GENERIC_READ) ? O_RDWR : O_WRONLY) : O_RDONLY;
  return mode | O_CLOEXEC;
}

}  // namespace

extern "C" {

HANDLE WINAPI CreateFileA(LPCSTR lpFileName, DWORD dwDesiredAccess, DWORD dwShareMode,
                          LPSECURITY_ATTRIBUTES, DWORD dwCreationDisposition, DWORD dwFlagsAndAttributes,
                          HANDLE) {
  if (dwCreationDisposition < CREATE_NEW || dwCreationDisposition > TRUNCATE_EXISTING) {
    return FailHandle(ERROR_INVALID_PARAMETER);
  }
  if (dwFlagsAndAttributes & FILE_FLAG_OVERLAPPED) return FailHandle(ERROR_NOT_SUPPORTED);
  ResolvedPath path;
  if (!PathResolver::Instance().Resolve(lpFileName, path)) return INVALID_HANDLE_VALUE;
  if (path.windows.IsRoot()) return FailHandle(ERROR_ACCESS_DENIED);
  bool existed = path.exists;
  if (existed && S_ISLNK(path.status.st_mode) && stat(path.Host().c_str(), &path.status) != 0) existed = false;
  if (!existed && (dwCreationDisposition == OPEN_EXISTING || dwCreationDisposition == TRUNCATE_EXISTING)) {
    return FailHandle(ERROR_FILE_NOT_FOUND);
  }
  if (dwCreationDisposition == TRUNCATE_EXISTING && !(FileSharing::NormaliseAccess(dwDesiredAccess) & GENERIC_WRITE)) {
    return FailHandle(ERROR_INVALID_PARAMETER);
  }
  if (existed) {
    if (DWORD error = CheckExisting(path, dwDesiredAccess, dwCreationDisposition, dwFlagsAndAttributes)) return FailHandle(error);
  }

  std::string host = path.Host();
  int fd = existed ? open(host.c_str(), OpenFlags(dwDesiredAccess, path.IsDirectory()))
                   : open(host.c_str(), OpenFlags(dwDesiredAccess, false) | O_CREAT | O_EXCL, 0666);
  if (fd < 0) return FailHandle(Win32Error::FromErrno(errno));
  struct stat status;
  fstat(fd, &status);
  FileSharing::Ticket ticket;
  if (!FileSharing::Instance().Open(status, dwDesiredAccess, dwShareMode, ticket)) {
    close(fd);
    return INVALID_HANDLE_VALUE;
  }
  bool truncate = existed && (dwCreationDisposition == CREATE_ALWAYS || dwCreationDisposition == TRUNCATE_EXISTING);
  if (truncate && ftruncate(fd, 0) != 0) {
    DWORD error = Win32Error::FromErrno(errno);
    FileSharing::Instance().Close(ticket);
    close(fd);
    return FailHandle(error);
  }
  if (!existed) {
    DosAttributes::StoreOpen(fd, false, dwFlagsAndAttributes | FILE_ATTRIBUTE_ARCHIVE);
    if (dwFlagsAndAttributes & FILE_ATTRIBUTE_READONLY) fchmod(fd, status.st_mode & ~mode_t{S_IWUSR | S_IWGRP | S_IWOTH});
    PathResolver::Instance().NoteAdded(path.hostDir, path.hostName);
  }
  std::string deleteOnClose = (dwFlagsAndAttributes & FILE_FLAG_DELETE_ON_CLOSE) ? host : std::string{};
  HANDLE handle = HandleTable::Instance().Add(std::make_shared<FileObject>(fd, dwDesiredAccess, ticket, deleteOnClose));
  bool reportsExisting = existed && (dwCreationDisposition == CREATE_ALWAYS || dwCreationDisposition == OPEN_ALWAYS);
  SetLastError(reportsExisting ? ERROR_ALREADY_EXISTS : ERROR_SUCCESS);
  return handle;
}

BOOL WINAPI ReadFile(HANDLE hFile, LPVOID lpBuffer, DWORD nNumberOfBytesToRead, LPDWORD lpNumberOfBytesRead,
                     LPOVERLAPPED lpOverlapped) {
  if (lpNumberOfBytesRead) *lpNumberOfBytesRead = 0;
  auto file = FileFromHandle(hFile);
  if (!file) return FALSE;
  if (lpOverlapped) return Win32Error::Fail(ERROR_INVALID_PARAMETER);
  if (!file->CanRead()) return Win32Error::Fail(ERROR_ACCESS_DENIED);
  if (!lpBuffer && nNumberOfBytesToRead) return Win32Error::Fail(ERROR_NOACCESS);
  DWORD done = 0;
  while (done < nNumberOfBytesToRead) {
    ssize_t n = read(file->Fd(), static_cast<char*>(lpBuffer) + done, nNumberOfBytesToRead - done);
    if (n < 0 && errno == EINTR) continue;
    if (n < 0) return Win32Error::FailFromErrno();
    if (n == 0) break;
    done += static_cast<DWORD>(n);
  }
  if (lpNumberOfBytesRead) *lpNumberOfBytesRead = done;
  return TRUE;
}

BOOL WINAPI WriteFile(HANDLE hFile, LPCVOID lpBuffer, DWORD nNumberOfBytesToWrite, LPDWORD lpNumberOfBytesWritten,
                      LPOVERLAPPED lpOverlapped) {
  if (lpNumberOfBytesWritten) *lpNumberOfBytesWritten = 0;
  auto file = FileFromHandle(hFile);
  if (!file) return FALSE;
  if (lpOverlapped) return Win32Error::Fail(ERROR_INVALID_PARAMETER);
  if (!file->CanWrite()) return Win32Error::Fail(ERROR_ACCESS_DENIED);
  if (!lpBuffer && nNumberOfBytesToWrite) return Win32Error::Fail(ERROR_NOACCESS);
  DWORD done = 0;
  while (done < nNumberOfBytesToWrite) {
    ssize_t n = write(file->Fd(), static_cast<const char*>(lpBuffer) + done, nNumberOfBytesToWrite - done);
    if (n < 0 && errno == EINTR) continue;
    if (n < 0) {
      if (lpNumberOfBytesWritten) *lpNumberOfBytesWritten = done;
      return Win32Error::FailFromErrno();
    }
    done += static_cast<DWORD>(n);
  }
  if (lpNumberOfBytesWritten) *lpNumberOfBytesWritten = done;
  return TRUE;
}

DWORD WINAPI SetFilePointer(HANDLE hFile, LONG lDistanceToMove, PLONG lpDistanceToMoveHigh, DWORD dwMoveMethod) {
  auto file = FileFromHandle(hFile);
  if (!file) return INVALID_SET_FILE_POINTER;
  if (dwMoveMethod > FILE_END) {
    SetLastError(ERROR_INVALID_PARAMETER);
    return INVALID_SET_FILE_POINTER;
  }
  long long distance = lpDistanceToMoveHigh
                           ? static_cast<long long>((static_cast<unsigned long long>(static_cast<DWORD>(*lpDistanceToMoveHigh)) << 32) |
                                                    static_cast<DWORD>(lDistanceToMove))
                           : static_cast<long long>(lDistanceToMove);
  long long base = 0;
  if (dwMoveMethod == FILE_CURRENT) base = lseek(file->Fd(), 0, SEEK_CUR);
  if (dwMoveMethod == FILE_END) {
    struct stat status;
    fstat(file->Fd(), &status);
    base = status.st_size;
  }
  long long target = base + distance;
  if (target < 0) {
    SetLastError(ERROR_NEGATIVE_SEEK);
    return INVALID_SET_FILE_POINTER;
  }
  if (lseek(file->Fd(), target, SEEK_SET) < 0) {
    SetLastError(Win32Error::FromErrno(errno));
    return INVALID_SET_FILE_POINTER;
  }
  if (lpDistanceToMoveHigh) *lpDistanceToMoveHigh = static_cast<LONG>(target >> 32);
  else if (target > 0xFFFFFFFFll) {
    SetLastError(ERROR_INVALID_PARAMETER);
    return INVALID_SET_FILE_POINTER;
  }
  SetLastError(ERROR_SUCCESS);
  return static_cast<DWORD>(target);
}

DWORD WINAPI GetFileSize(HANDLE hFile, LPDWORD lpFileSizeHigh) {
  auto file = FileFromHandle(hFile);
  if (!file) return INVALID_FILE_SIZE;
  struct stat status;
  if (fstat(file->Fd(), &status) != 0) {
    SetLastError(Win32Error::FromErrno(errno));
    return INVALID_FILE_SIZE;
  }
  auto size = static_cast<unsigned long long>(status.st_size);
  if (lpFileSizeHigh) *lpFileSizeHigh = static_cast<DWORD>(size >> 32);
  SetLastError(ERROR_SUCCESS);
  return static_cast<DWORD>(size);
}

BOOL WINAPI FlushFileBuffers(HANDLE hFile) {
  auto file = FileFromHandle(hFile);
  if (!file) return FALSE;
  if (!file->CanWrite()) return Win32Error::Fail(ERROR_ACCESS_DENIED);
  if (fsync(file->Fd()) != 0) return Win32Error::FailFromErrno();
  return TRUE;
}

BOOL WINAPI SetEndOfFile(HANDLE hFile) {
  auto file = FileFromHandle(hFile);
  if (!file) return FALSE;
  if (!file->CanWrite()) return Win32Error::Fail(ERROR_ACCESS_DENIED);
  off_t position = lseek(file->Fd(), 0, SEEK_CUR);
  if (position < 0 || ftruncate(file->Fd(), position) != 0) {
    return Win32Error::Fail(errno == EFBIG || errno == ENOSPC ? ERROR_DISK_FULL : Win32Error::FromErrno(errno));
  }
  return TRUE;
}

BOOL WINAPI GetFileTime(HANDLE hFile, LPFILETIME lpCreationTime, LPFILETIME lpLastAccessTime, LPFILETIME lpLastWriteTime) {
  auto file = FileFromHandle(hFile);
  if (!file) return FALSE;
  struct statx status;
  if (statx(file->Fd(), "", AT_EMPTY_PATH, STATX_BASIC_STATS | STATX_BTIME, &status) != 0) return Win32Error::FailFromErrno();
  auto convert = [](const statx_timestamp& t) { return FileTimes::FromTimespec(timespec{t.tv_sec, static_cast<long>(t.tv_nsec)}); };
  if (lpCreationTime) *lpCreationTime = convert((status.stx_mask & STATX_BTIME) ? status.stx_btime : status.stx_mtime);
  if (lpLastAccessTime) *lpLastAccessTime = convert(status.stx_atime);
  if (lpLastWriteTime) *lpLastWriteTime = convert(status.stx_mtime);
  return TRUE;
}

BOOL WINAPI SetFileTime(HANDLE hFile, const FILETIME*, const FILETIME* lpLastAccessTime, const FILETIME* lpLastWriteTime) {
  auto file = FileFromHandle(hFile);
  if (!file) return FALSE;
  if (!file->CanWrite()) return Win32Error::Fail(ERROR_ACCESS_DENIED);
  timespec times[2] = {{0, UTIME_OMIT}, {0, UTIME_OMIT}};
  if (lpLastAccessTime) times[0] = FileTimes::ToTimespec(*lpLastAccessTime);
  if (lpLastWriteTime) times[1] = FileTimes::ToTimespec(*lpLastWriteTime);
  if (futimens(file->Fd(), times) != 0) return Win32Error::FailFromErrno();
  return TRUE;
}

}
