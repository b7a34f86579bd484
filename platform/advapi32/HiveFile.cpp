#include "HiveFile.h"

#include <dirent.h>
#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <memory>

#include "FileTimes.h"
#include "HiveText.h"

namespace {

bool SameFile(const struct stat& a, const struct stat& b) {
  return a.st_dev == b.st_dev && a.st_ino == b.st_ino && a.st_size == b.st_size &&
         a.st_mtim.tv_sec == b.st_mtim.tv_sec && a.st_mtim.tv_nsec == b.st_mtim.tv_nsec;
}

bool WriteAll(int fd, const std::string& text) {
  for (size_t done = 0; done < text.size();) {
    ssize_t n = write(fd, text.data() + done, text.size() - done);
    if (n < 0 && errno == EINTR) continue;
    if (n < 0) return false;
    done += static_cast<size_t>(n);
  }
  return true;
}

}  // namespace

// The advisory lock on "<hive>.lock" for the length of one call.
class HiveFile::Lock {
 public:
  Lock(const std::string& hive, int operation) : fd_(open((hive + ".lock").c_str(), O_RDWR | O_CREAT | O_CLOEXEC, 0644)) {
    while (fd_ >= 0 && flock(fd_, operation) != 0 && errno == EINTR) {
    }
  }
  ~Lock() {
    if (fd_ >= 0) close(fd_);
  }
  Lock(const Lock&) = delete;
  Lock& operator=(const Lock&) = delete;
  bool Held() const { return fd_ >= 0; }

 private:
  int fd_;
};

HiveFile::HiveFile(std::string path) : path_(std::move(path)), folder_(path_.substr(0, path_.rfind('/'))) {}

bool HiveFile::Refresh() {
  struct stat status;
  if (stat(path_.c_str(), &status) != 0) {
    if (errno != ENOENT) return false;
    top_.Clear();  // no file yet: an empty hive
    loaded_ = true;
    damaged_ = false;
    signature_ = {};
    return true;
  }
  if (loaded_ && SameFile(status, signature_)) return !damaged_;
  std::unique_ptr<FILE, int (*)(FILE*)> file(std::fopen(path_.c_str(), "rb"), std::fclose);
  if (!file) return false;
  std::string text;
  char buffer[65536];
  for (size_t n; (n = std::fread(buffer, 1, sizeof buffer, file.get())) > 0;) text.append(buffer, n);
  fstat(fileno(file.get()), &status);
  RegistryKey fresh;
  std::string error;
  loaded_ = true;
  signature_ = status;
  damaged_ = !HiveText::Parse(text, fresh, error);
  if (damaged_) {
    std::fprintf(stderr, "winport: the registry hive %s is damaged (%s); it is kept as it is and calls on it fail\n",
                 path_.c_str(), error.c_str());
    top_.Clear();
    return false;
  }
  top_ = std::move(fresh);
  return true;
}

void HiveFile::RemoveStaleTemporaries() const {
  // Left by writers that died mid-save; safe to remove while the exclusive lock is held.
  std::string base = path_.substr(folder_.size() + 1) + ".";
  std::unique_ptr<DIR, int (*)(DIR*)> dir(opendir(folder_.c_str()), closedir);
  if (!dir) return;
  while (const dirent* entry = readdir(dir.get())) {
    std::string_view name = entry->d_name;
    if (name.starts_with(base) && name.ends_with(".tmp")) unlink((folder_ + "/" + std::string(name)).c_str());
  }
}

bool HiveFile::Save() {
  RemoveStaleTemporaries();
  std::string temporary = path_ + "." + std::to_string(getpid()) + ".tmp";
  int fd = open(temporary.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0644);
  if (fd < 0) return false;
  bool written = WriteAll(fd, HiveText::Write(top_)) && fsync(fd) == 0;
  written = close(fd) == 0 && written;
  if (!written || rename(temporary.c_str(), path_.c_str()) != 0) {
    int error = errno;
    unlink(temporary.c_str());
    errno = error;
    return false;
  }
  int folder = open(folder_.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
  if (folder >= 0) {
    fsync(folder);
    close(folder);
  }
  stat(path_.c_str(), &signature_);
  return true;
}

LONG HiveFile::Read(const std::function<LONG(const RegistryKey&)>& work) {
  std::lock_guard guard(mutex_);
  Lock lock(path_, LOCK_SH);
  if (!lock.Held()) return ERROR_CANTOPEN;
  if (!Refresh()) return damaged_ ? ERROR_BADDB : ERROR_CANTREAD;
  return work(top_);
}

LONG HiveFile::Modify(const std::function<LONG(RegistryKey&, bool&)>& change) {
  std::lock_guard guard(mutex_);
  Lock lock(path_, LOCK_EX);
  if (!lock.Held()) return ERROR_CANTOPEN;
  if (!Refresh()) return damaged_ ? ERROR_BADDB : ERROR_CANTREAD;
  bool changed = false;
  LONG result = change(top_, changed);
  if (result != ERROR_SUCCESS || !changed) return result;
  if (!Save()) {
    loaded_ = false;  // the memory is ahead of the file; read it again next time
    return errno == ENOSPC || errno == EDQUOT ? ERROR_DISK_FULL : ERROR_CANTWRITE;
  }
  return ERROR_SUCCESS;
}

FILETIME HiveFile::LastWrite() {
  std::lock_guard guard(mutex_);
  return FileTimes::FromTimespec(signature_.st_mtim);
}
