// Where HIDDEN, SYSTEM and ARCHIVE go on file systems without extended attributes: the
// prefix's "dosattrib.txt", one line per file ("device inode birth-seconds birth-nanoseconds
// 0xattributes"). The birth time tells a reused inode from the file the line was made for,
// so a deleted file's attributes never pass to a new one. Shared by the processes of the
// prefix: changed under an flock and saved through DurableFile; read without the lock.
#pragma once

#include <sys/stat.h>

#include <map>
#include <mutex>
#include <string>
#include <tuple>

#include <windows.h>

class AttributeStore {
 public:
  static AttributeStore& Instance();

  // The stored attributes of the file at `host` (lstat `status`); false when none are stored.
  bool Get(const std::string& host, const struct stat& status, DWORD& attributes);
  // Stores them; false with the last error set when the store cannot be written.
  bool Set(const std::string& host, const struct stat& status, DWORD attributes);

 private:
  struct Entry {
    long long birthSeconds;
    long birthNanoseconds;
    DWORD attributes;
  };
  using Key = std::pair<unsigned long long, unsigned long long>;

  AttributeStore() = default;
  static bool BirthTime(const std::string& host, long long& seconds, long& nanoseconds);
  std::string Folder() const;
  std::string Path() const;
  void Load();
  bool Save() const;

  std::mutex mutex_;
  std::map<Key, Entry> entries_;
};
