#include "AttributeStore.h"

#include <sys/file.h>

#include <cstdio>
#include <fstream>
#include <sstream>

#include "DurableFile.h"
#include "FileLock.h"
#include "Prefix.h"
#include "Win32Error.h"

namespace {

constexpr std::string_view kTemporaryPrefix = "dosattrib.txt.";

}  // namespace

AttributeStore& AttributeStore::Instance() {
  static AttributeStore store;
  return store;
}

std::string AttributeStore::Folder() const { return Prefix::Instance().Root(); }

std::string AttributeStore::Path() const { return Folder() + "/dosattrib.txt"; }

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
  std::ostringstream out;
  for (const auto& [key, entry] : entries_) {
    char attributes[16];
    std::snprintf(attributes, sizeof attributes, "0x%x", static_cast<unsigned>(entry.attributes));
    out << key.first << ' ' << key.second << ' ' << entry.birthSeconds << ' ' << entry.birthNanoseconds << ' '
        << attributes << '\n';
  }
  DurableFile::RemoveTemporaries(Folder(), kTemporaryPrefix);
  if (!DurableFile::Replace(Path(), DurableFile::TemporaryName(Folder(), kTemporaryPrefix), out.str(), 0644)) {
    return Win32Error::FailFromErrno();
  }
  return true;
}

bool AttributeStore::Get(const std::string& host, const struct stat& status, DWORD& attributes) {
  long long seconds;
  long nanoseconds;
  if (!BirthTime(host, seconds, nanoseconds)) return false;
  std::lock_guard guard(mutex_);
  Load();  // no lock needed: a save replaces the file whole
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
  FileLock lock(Path() + ".lock", LOCK_EX);
  if (!lock.Held()) return Win32Error::FailFromErrno();
  Load();
  entries_[{status.st_dev, status.st_ino}] = Entry{seconds, nanoseconds, attributes};
  return Save();
}
