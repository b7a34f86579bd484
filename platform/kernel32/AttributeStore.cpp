#include "AttributeStore.h"

#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <fstream>
#include <sstream>

#include "Prefix.h"
#include "Win32Error.h"

namespace {

class StoreLock {
 public:
  explicit StoreLock(const std::string& path) : fd_(open((path + ".lock").c_str(), O_RDWR | O_CREAT | O_CLOEXEC, 0644)) {
    while (fd_ >= 0 && flock(fd_, LOCK_EX) != 0 && errno == EINTR) {
    }
  }
  ~StoreLock() {
    if (fd_ >= 0) close(fd_);
  }
  StoreLock(const StoreLock&) = delete;
  StoreLock& operator=(const StoreLock&) = delete;

 private:
  int fd_;
};

}  // namespace

AttributeStore& AttributeStore::Instance() {
  static AttributeStore store;
  return store;
}

std::string AttributeStore::Path() const { return Prefix::Instance().Root() + "/dosattrib.txt"; }

bool AttributeStore::BirthTime(const std::string& host, long long& seconds, long& nanoseconds) {
  struct statx status;
  if (statx(AT_FDCWD, host.c_str(), AT_SYMLINK_NOFOLLOW, STATX_BTIME, &status) != 0) return false;
  bool known = status.stx_mask & STATX_BTIME;
  seconds = known ? status.stx_btime.tv_sec : 0;
  nanoseconds = known ? static_cast<long>(status.stx_btime.tv_nsec) : 0;
  return true;
}

void AttributeStore::Load() {
  entries_.clear();
  std::ifstream in(Path());
  std::string line;
  while (std::getline(in, line)) {
    std::istringstream fields(line);
    unsigned long long device, inode;
    Entry entry;
    std::string attributes;
    if (fields >> device >> inode >> entry.birthSeconds >> entry.birthNanoseconds >> attributes) {
      entry.attributes = static_cast<DWORD>(std::strtoul(attributes.c_str(), nullptr, 16));
      entries_[{device, inode}] = entry;
    }
  }
}

bool AttributeStore::Save() const {
  std::string path = Path();
  std::string temporary = path + "." + std::to_string(getpid()) + ".tmp";
  {
    std::ofstream out(temporary, std::ios::trunc);
    for (const auto& [key, entry] : entries_) {
      char attributes[16];
      std::snprintf(attributes, sizeof attributes, "0x%x", static_cast<unsigned>(entry.attributes));
      out << key.first << ' ' << key.second << ' ' << entry.birthSeconds << ' ' << entry.birthNanoseconds << ' '
          << attributes << '\n';
    }
    if (!out.flush()) {
      unlink(temporary.c_str());
      return Win32Error::Fail(ERROR_CANTWRITE);
    }
  }
  if (rename(temporary.c_str(), path.c_str()) != 0) {
    unlink(temporary.c_str());
    return Win32Error::FailFromErrno();
  }
  return true;
}

bool AttributeStore::Get(const std::string& host, const struct stat& status, DWORD& attributes) {
  long long seconds;
  long nanoseconds;
  if (!BirthTime(host, seconds, nanoseconds)) return false;
  std::lock_guard guard(mutex_);
  StoreLock lock(Path());
  Load();
  auto it = entries_.find({status.st_dev, status.st_ino});
  if (it == entries_.end() || it->second.birthSeconds != seconds || it->second.birthNanoseconds != nanoseconds) return false;
  attributes = it->second.attributes;
  return true;
}

bool AttributeStore::Set(const std::string& host, const struct stat& status, DWORD attributes) {
  long long seconds;
  long nanoseconds;
  if (!BirthTime(host, seconds, nanoseconds)) return Win32Error::FailFromErrno();
  std::lock_guard guard(mutex_);
  StoreLock lock(Path());
  Load();
  entries_[{status.st_dev, status.st_ino}] = Entry{seconds, nanoseconds, attributes};
  return Save();
}
