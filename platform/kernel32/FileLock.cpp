#include "FileLock.h"

#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

#include <cerrno>

FileLock::FileLock(const std::string& lockPath, int operation)
    : fd_(open(lockPath.c_str(), O_RDWR | O_CREAT | O_CLOEXEC, 0644)) {
  if (fd_ < 0) return;
  int result;
  do {
    result = flock(fd_, operation);
  } while (result != 0 && errno == EINTR);
  if (result != 0) {
    int error = errno;
    close(fd_);
    fd_ = -1;
    errno = error;
  }
}

FileLock::~FileLock() {
  if (fd_ >= 0) close(fd_);
}
