// The registry of the prefix: HKEY_CURRENT_USER lives in user.reg; HKEY_LOCAL_MACHINE,
// HKEY_USERS and HKEY_CURRENT_CONFIG in system.reg; HKEY_CLASSES_ROOT is
// HKEY_LOCAL_MACHINE\SOFTWARE\Classes. Opened keys are handles naming a hive and a path, so
// they stay valid while other processes change the hive; a key deleted meanwhile reports
// ERROR_KEY_DELETED. Changes are saved at the save points: RegFlushKey (that key's hive), the
// message loop going for the next message, another prefix being selected, and the process's
// exit (the last three through DeferredSaves).
#pragma once

#include <map>
#include <memory>
#include <mutex>
#include <string>
#include <vector>

#include "HiveFile.h"

class Registry {
 public:
  struct Key {
    HiveFile* hive = nullptr;
    std::vector<std::string> path;  // from the root name down, e.g. {"HKEY_CURRENT_USER", "SOFTWARE"}
    REGSAM access = 0;
    bool predefined = false;
  };

  static Registry& Instance();

  // Saves the changes every hive holds back (see HiveFile::SavePending).
  void SavePending();

  // The key behind a handle (predefined or opened); false for HKEY_DYN_DATA and unknown handles.
  bool Lookup(HKEY handle, Key& key);
  HKEY Add(Key key);
  bool Close(HKEY handle);

  // Splits a subkey path; ERROR_BAD_PATHNAME for a leading backslash or an empty name.
  static LONG SplitPath(const char* subKey, std::vector<std::string>& names);
  // Walks `path` down from `top`; nullptr when a part is missing.
  static RegistryKey* Walk(const RegistryKey& top, const std::vector<std::string>& path);

 private:
  Registry() = default;
  void CheckGeneration();
  HiveFile* Hive(bool user);

  std::mutex mutex_;
  unsigned generation_ = ~0u;
  std::unique_ptr<HiveFile> user_;
  std::unique_ptr<HiveFile> system_;
  std::vector<std::unique_ptr<HiveFile>> retired_;
  std::map<std::uintptr_t, Key> handles_;
  std::uintptr_t next_ = 0x1000;
};
