#include "FileCopy.h"

#include <fcntl.h>
#include <sys/sendfile.h>
#include <sys/stat.h>
#include <sys/xattr.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <random>
#include <vector>

#include "DosAttributes.h"
#include "FileSharing.h"
#include "PathResolver.h"
#include "Win32Error.h"

namespace {

class Descriptor {
 public:
  explicit Descriptor(int fd) : fd_(fd) {}
  ~Descriptor() {
    if (fd_ >= 0) close(fd_);
  }
  Descriptor(const Descriptor&) = delete;
  Descriptor& operator=(const Descriptor&) = delete;
  int Get() const { return fd_; }
  // Closes now, reporting a failed close (a late write error).
  bool Close() {
    int fd = fd_;
    fd_ = -1;
    return close(fd) == 0;
  }

 private:
  int fd_;
};

std::string TemporaryName(const std::string& name) {
  static thread_local std::mt19937 random{std::random_device{}()};
  char suffix[16];
  std::snprintf(suffix, sizeof suffix, "%08x", static_cast<unsigned>(random()));
  return "." + name + ".copy-" + suffix;
}

}  // namespace

bool FileCopy::CopyData(int from, int to, off_t size) {
  off_t copied = 0;
  while (copied < size) {
    ssize_t n = copy_file_range(from, nullptr, to, nullptr, static_cast<size_t>(size - copied), 0);
    if (n < 0 && errno == EINTR) continue;
    if (n < 0 && (errno == EXDEV || errno == ENOSYS || errno == EINVAL || errno == EOPNOTSUPP)) {
      n = sendfile(to, from, nullptr, static_cast<size_t>(size - copied));
    }
    if (n < 0) return false;
    if (n == 0) break;  // the source shrank meanwhile
    copied += n;
  }
  // The source may have grown since it was measured; copy the rest the plain way.
  std::vector<char> buffer(64 * 1024);
  for (;;) {
    ssize_t n = read(from, buffer.data(), buffer.size());
    if (n < 0 && errno == EINTR) continue;
    if (n < 0) return false;
    if (n == 0) return true;
    for (ssize_t written = 0; written < n;) {
      ssize_t w = write(to, buffer.data() + written, static_cast<size_t>(n - written));
      if (w < 0 && errno == EINTR) continue;
      if (w < 0) return false;
      written += w;
    }
  }
}

bool FileCopy::CopyMetadata(int from, int to, const struct stat& status) {
  char text[16];
  ssize_t length = fgetxattr(from, DosAttributes::kAttributeName, text, sizeof text);
  if (length > 0 && fsetxattr(to, DosAttributes::kAttributeName, text, static_cast<size_t>(length), 0) != 0 &&
      errno != ENOTSUP) {
    return false;
  }
  if (fchmod(to, status.st_mode & 07777) != 0) return false;
  const timespec times[2] = {status.st_atim, status.st_mtim};
  return futimens(to, times) == 0;
}

BOOL FileCopy::Run(LPCSTR sourceName, LPCSTR destinationName, BOOL failIfExists) {
  if (!sourceName || !destinationName) return Win32Error::Fail(ERROR_INVALID_PARAMETER);
  PathResolver& resolver = PathResolver::Instance();
  ResolvedPath source, destination;
  if (!resolver.Resolve(sourceName, source)) return FALSE;
  if (!source.exists) return Win32Error::Fail(ERROR_FILE_NOT_FOUND);
  Descriptor from(open(source.Host().c_str(), O_RDONLY | O_CLOEXEC));
  struct stat status;
  if (from.Get() < 0) return Win32Error::FailFromErrno();
  fstat(from.Get(), &status);
  if (S_ISDIR(status.st_mode)) return Win32Error::Fail(ERROR_ACCESS_DENIED);
  if (!FileSharing::Instance().MayOpen(status, GENERIC_READ, FILE_SHARE_READ)) return Win32Error::Fail(ERROR_SHARING_VIOLATION);

  if (!resolver.Resolve(destinationName, destination)) return FALSE;
  if (destination.windows.IsRoot()) return Win32Error::Fail(ERROR_ACCESS_DENIED);
  if (destination.exists) {
    if (destination.status.st_dev == status.st_dev && destination.status.st_ino == status.st_ino) {
      return Win32Error::Fail(ERROR_SHARING_VIOLATION);
    }
    if (failIfExists) return Win32Error::Fail(ERROR_FILE_EXISTS);
    if (S_ISDIR(destination.status.st_mode)) return Win32Error::Fail(ERROR_ACCESS_DENIED);
    DWORD attributes = DosAttributes::Get(destination.Host(), destination.status);
    if (attributes & (FILE_ATTRIBUTE_READONLY | FILE_ATTRIBUTE_HIDDEN)) return Win32Error::Fail(ERROR_ACCESS_DENIED);
    if (!FileSharing::Instance().MayDelete(destination.status)) return Win32Error::Fail(ERROR_SHARING_VIOLATION);
  }

  std::string finalPath = destination.Host();
  std::string writtenPath = destination.exists ? destination.hostDir + "/" + TemporaryName(destination.hostName) : finalPath;
  Descriptor to(open(writtenPath.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0600));
  if (to.Get() < 0) return Win32Error::FailFromErrno();
  int error = 0;
  if (!CopyData(from.Get(), to.Get(), status.st_size) || !CopyMetadata(from.Get(), to.Get(), status)) error = errno;
  if (!to.Close() && !error) error = errno;
  if (!error && destination.exists && rename(writtenPath.c_str(), finalPath.c_str()) != 0) error = errno;
  if (error) {
    unlink(writtenPath.c_str());
    return Win32Error::Fail(Win32Error::FromErrno(error));
  }
  if (!destination.exists) resolver.NoteAdded(destination.hostDir, destination.hostName);
  SetLastError(ERROR_SUCCESS);
  return TRUE;
}
