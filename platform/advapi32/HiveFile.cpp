#include "HiveFile.h"

#include <sys/file.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <memory>

#include "DurableFile.h"
#include "FileTimes.h"
#include "HiveText.h"

namespace {

bool SameFile(const struct stat& a, const struct stat& b) {
  return a.st_dev == b.st_dev && a.st_ino == b.st_ino && a.st_size == b.st_size &&
         a.st_mtim.tv_sec == b.st_mtim.tv_sec && a.st_mtim.tv_nsec == b.st_mtim.tv_nsec;
}

// The save count kept at the start of the lock file; 0 while none is stored.
uint64_t ReadGeneration(const FileLock& lock) {
  uint64_t generation = 0;
  return pread(lock.Descriptor(), &generation, sizeof generation, 0) == sizeof generation ? generation : 0;
}

bool WriteGeneration(const FileLock& lock, uint64_t generation) {
  return pwrite(lock.Descriptor(), &generation, sizeof generation, 0) == sizeof generation;
}

}  // namespace

HiveFile::HiveFile(std::string path)
    : path_(std::move(path)),
      folder_(path_.substr(0, path_.rfind('/'))),
      temporaryPrefix_(path_.substr(folder_.size() + 1) + ".") {}

// Reads the contents afresh when the file changed since they were read, then applies the
// changes held back over them.
bool HiveFile::Refresh(const FileLock& lock) {
  uint64_t generation = ReadGeneration(lock);
  struct stat status {};  // stays empty while there is no file: an empty hive
  const bool exists = stat(path_.c_str(), &status) == 0;
  if (!exists && errno != ENOENT) return false;
  if (loaded_ && generation == generation_ && SameFile(status, signature_)) return !damaged_;
  RegistryKey fresh;
  damaged_ = false;
  if (exists && !Load(fresh, status)) return false;
  loaded_ = true;
  signature_ = status;
  generation_ = generation;
  if (damaged_) {
    top_.Clear();
    return false;
  }
  top_ = std::move(fresh);
  for (const Change& change : pending_) {
    bool changed = false;
    change(top_, changed);
  }
  return true;
}

// Parses the file into `fresh`; false when it cannot be read. A damaged file is reported and
// marks the hive damaged.
bool HiveFile::Load(RegistryKey& fresh, struct stat& status) {
  std::unique_ptr<FILE, int (*)(FILE*)> file(std::fopen(path_.c_str(), "rb"), std::fclose);
  if (!file) return false;
  std::string text;
  char buffer[65536];
  for (size_t n; (n = std::fread(buffer, 1, sizeof buffer, file.get())) > 0;) text.append(buffer, n);
  fstat(fileno(file.get()), &status);
  std::string error;
  damaged_ = !HiveText::Parse(text, fresh, error);
  if (damaged_) {
    std::fprintf(stderr, "winport: the registry hive %s is damaged (%s); it is kept as it is and calls on it fail\n",
                 path_.c_str(), error.c_str());
  }
  return true;
}

bool HiveFile::Save(const FileLock& lock) {
  DurableFile::RemoveTemporaries(folder_, temporaryPrefix_);
  // Counted before the file changes: a writer dying in between makes others read again for
  // nothing, never miss a change.
  if (!WriteGeneration(lock, generation_ + 1)) return false;
  ++generation_;
  if (!DurableFile::Replace(path_, DurableFile::TemporaryName(folder_, temporaryPrefix_), HiveText::Write(top_), 0644)) {
    return false;
  }
  stat(path_.c_str(), &signature_);
  return true;
}

LONG HiveFile::Read(const std::function<LONG(const RegistryKey&)>& work) {
  std::lock_guard guard(mutex_);
  FileLock lock(path_ + ".lock", LOCK_SH);
  if (!lock.Held()) return ERROR_CANTOPEN;
  if (!Refresh(lock)) return damaged_ ? ERROR_BADDB : ERROR_CANTREAD;
  return work(top_);
}

LONG HiveFile::Modify(Change change, bool* changed) {
  std::lock_guard guard(mutex_);
  FileLock lock(path_ + ".lock", LOCK_EX);
  if (!lock.Held()) return ERROR_CANTOPEN;
  if (!Refresh(lock)) return damaged_ ? ERROR_BADDB : ERROR_CANTREAD;
  bool madeChange = false;
  LONG result = change(top_, madeChange);
  if (changed) *changed = madeChange;
  if (result == ERROR_SUCCESS && madeChange) pending_.push_back(std::move(change));
  return result;
}

LONG HiveFile::SavePending() {
  std::lock_guard guard(mutex_);
  if (pending_.empty()) return ERROR_SUCCESS;
  FileLock lock(path_ + ".lock", LOCK_EX);
  if (!lock.Held()) return ERROR_CANTOPEN;
  if (!Refresh(lock)) return damaged_ ? ERROR_BADDB : ERROR_CANTREAD;
  if (!Save(lock)) return errno == ENOSPC || errno == EDQUOT ? ERROR_DISK_FULL : ERROR_CANTWRITE;
  pending_.clear();
  return ERROR_SUCCESS;
}

FILETIME HiveFile::LastWrite() {
  std::lock_guard guard(mutex_);
  return FileTimes::FromTimespec(signature_.st_mtim);
}
