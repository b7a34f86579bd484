#include "FileSharing.h"

#include <fcntl.h>
#include <sys/mman.h>
#include <unistd.h>

#include <algorithm>
#include <atomic>
#include <cerrno>

#include "Prefix.h"

namespace {

constexpr off_t kCountBytes = sizeof(uint64_t);

// The count of held locks at the start of a lock file, mapped shared; null when the file
// cannot be mapped, in which case every deletion probes.
uint64_t* MapHeldCount(int fd) {
  struct stat status;
  if (fstat(fd, &status) != 0) return nullptr;
  // Growing only, never shrinking: another process may have grown the file and counted already.
  if (status.st_size < kCountBytes && ftruncate(fd, kCountBytes) != 0) return nullptr;
  void* mapped = mmap(nullptr, kCountBytes, PROT_READ | PROT_WRITE, MAP_SHARED, fd, 0);
  return mapped == MAP_FAILED ? nullptr : static_cast<uint64_t*>(mapped);
}

constexpr DWORD kReadRights = GENERIC_READ | GENERIC_ALL | 0x0001;              // FILE_READ_DATA
constexpr DWORD kWriteRights = GENERIC_WRITE | GENERIC_ALL | 0x0002 | 0x0004;  // FILE_WRITE_DATA, FILE_APPEND_DATA
}  // namespace

FileSharing& FileSharing::Instance() {
  static FileSharing sharing;
  return sharing;
}

DWORD FileSharing::NormaliseAccess(DWORD access) {
  DWORD normal = 0;
  if (access & kReadRights) normal |= GENERIC_READ;
  if (access & kWriteRights) normal |= GENERIC_WRITE;
  if (access & (DELETE | GENERIC_ALL)) normal |= DELETE;
  return normal;
}

bool FileSharing::Conflicts(const Ticket& open, DWORD access, DWORD share) {
  auto denies = [](DWORD rights, DWORD sharing) {
    return ((rights & GENERIC_READ) && !(sharing & FILE_SHARE_READ)) ||
           ((rights & GENERIC_WRITE) && !(sharing & FILE_SHARE_WRITE)) ||
           ((rights & DELETE) && !(sharing & FILE_SHARE_DELETE));
  };
  return denies(access, open.share) || denies(open.access, share);
}

off_t FileSharing::LockOffset(dev_t device, ino_t inode) {
  unsigned long long mixed = static_cast<unsigned long long>(inode) ^
                             (static_cast<unsigned long long>(device) * 0x9E3779B97F4A7C15ull);
  return static_cast<off_t>(mixed & 0x3FFFFFFFFFFFFFFFull);
}

int FileSharing::LockFile() {
  unsigned generation = Prefix::Instance().Generation();
  if (lockFd_ < 0 || generation != lockGeneration_) {
    // Locks taken through an earlier prefix stay on their descriptor until their handles close.
    lockFd_ = open((Prefix::Instance().Root() + "/inuse.lock").c_str(), O_RDWR | O_CREAT | O_CLOEXEC, 0644);
    lockGeneration_ = generation;
    if (lockFd_ >= 0) heldCounts_[lockFd_] = MapHeldCount(lockFd_);
  }
  return lockFd_;
}

bool FileSharing::SetLock(int fd, off_t offset, short type) {
  struct flock lock {};
  lock.l_type = type;
  lock.l_whence = SEEK_SET;
  lock.l_start = offset;
  lock.l_len = 1;
  return fcntl(fd, F_OFD_SETLK, &lock) == 0;
}

bool FileSharing::Lock(int fd, off_t offset) {
  uint64_t* held = heldCounts_[fd];
  // Counted before the lock is taken, so that a deleter never sees the lock without the count.
  if (held) std::atomic_ref(*held).fetch_add(1);
  if (SetLock(fd, offset, F_RDLCK)) return true;
  if (held) std::atomic_ref(*held).fetch_sub(1);
  return false;
}

void FileSharing::Unlock(int fd, off_t offset) {
  SetLock(fd, offset, F_UNLCK);
  if (uint64_t* held = heldCounts_[fd]) std::atomic_ref(*held).fetch_sub(1);
}

bool FileSharing::AnyLockHeld(int fd) {
  uint64_t* held = heldCounts_[fd];
  return !held || std::atomic_ref(*held).load() != 0;
}

bool FileSharing::MayOpen(const struct stat& status, DWORD access, DWORD share) {
  std::lock_guard guard(mutex_);
  auto it = opens_.find({status.st_dev, status.st_ino});
  if (it == opens_.end()) return true;
  return std::none_of(it->second.begin(), it->second.end(),
                      [&](const Ticket& open) { return Conflicts(open, NormaliseAccess(access), share); });
}

bool FileSharing::Open(const struct stat& status, DWORD access, DWORD share, Ticket& ticket) {
  std::lock_guard guard(mutex_);
  ticket = Ticket{status.st_dev, status.st_ino, NormaliseAccess(access), share, -1};
  std::vector<Ticket>& opens = opens_[{status.st_dev, status.st_ino}];
  for (const Ticket& open : opens) {
    if (Conflicts(open, ticket.access, share)) {
      if (opens.empty()) opens_.erase({status.st_dev, status.st_ino});
      SetLastError(ERROR_SHARING_VIOLATION);
      return false;
    }
  }
  if (!(share & FILE_SHARE_DELETE)) {
    int fd = LockFile();
    off_t offset = LockOffset(status.st_dev, status.st_ino);
    if (fd >= 0) {
      int& count = lockCounts_[{fd, offset}];
      if (count > 0 || Lock(fd, offset)) {
        ++count;
        ticket.lockFd = fd;
      } else {
        lockCounts_.erase({fd, offset});
      }
    }
  }
  opens.push_back(ticket);
  return true;
}

void FileSharing::Close(const Ticket& ticket) {
  std::lock_guard guard(mutex_);
  auto it = opens_.find({ticket.device, ticket.inode});
  if (it != opens_.end()) {
    auto& opens = it->second;
    auto same = std::find_if(opens.begin(), opens.end(), [&](const Ticket& open) {
      return open.access == ticket.access && open.share == ticket.share && open.lockFd == ticket.lockFd;
    });
    if (same != opens.end()) opens.erase(same);
    if (opens.empty()) opens_.erase(it);
  }
  if (ticket.lockFd < 0) return;
  off_t offset = LockOffset(ticket.device, ticket.inode);
  auto count = lockCounts_.find({ticket.lockFd, offset});
  if (count != lockCounts_.end() && --count->second == 0) {
    Unlock(ticket.lockFd, offset);
    lockCounts_.erase(count);
  }
}

bool FileSharing::MayDelete(const struct stat& status) {
  std::lock_guard guard(mutex_);
  if (auto it = opens_.find({status.st_dev, status.st_ino}); it != opens_.end()) {
    for (const Ticket& open : it->second) {
      if (!(open.share & FILE_SHARE_DELETE)) return false;
    }
  }
  int fd = LockFile();
  if (fd < 0 || !AnyLockHeld(fd)) return true;
  struct flock probe {};
  probe.l_type = F_WRLCK;
  probe.l_whence = SEEK_SET;
  probe.l_start = LockOffset(status.st_dev, status.st_ino);
  probe.l_len = 1;
  if (fcntl(fd, F_OFD_GETLK, &probe) != 0) return true;
  return probe.l_type == F_UNLCK;
}
