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

bool HiveFile::Refresh(const FileLock& lock) {
  uint64_t generation = ReadGeneration(lock);
  struct stat status;
  if (stat(path_.c_str(), &status) != 0) {
    if (errno != ENOENT) return false;
    top_.Clear();  // no file yet: an empty hive
    loaded_ = true;
    damaged_ = false;
    signature_ = {};
    generation_ = generation;
    return true;
  }
  if (loaded_ && generation == generation_ && SameFile(status, signature_)) return !damaged_;
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
  generation_ = generation;
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

LONG HiveFile::Modify(const std::function<LONG(RegistryKey&, bool&)>& change) {
  std::lock_guard guard(mutex_);
  FileLock lock(path_ + ".lock", LOCK_EX);
  if (!lock.Held()) return ERROR_CANTOPEN;
  if (!Refresh(lock)) return damaged_ ? ERROR_BADDB : ERROR_CANTREAD;
  bool changed = false;
  LONG result = change(top_, changed);
  if (result != ERROR_SUCCESS || !changed) return result;
  if (!Save(lock)) {
    loaded_ = false;  // the memory is ahead of the file; read it again next time
    return errno == ENOSPC || errno == EDQUOT ? ERROR_DISK_FULL : ERROR_CANTWRITE;
  }
  return ERROR_SUCCESS;
}

FILETIME HiveFile::LastWrite() {
  std::lock_guard guard(mutex_);
  return FileTimes::FromTimespec(signature_.st_mtim);
}
