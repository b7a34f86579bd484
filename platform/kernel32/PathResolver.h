// Resolves Windows paths onto the host: C: is the prefix's drive_c, Z: the host root. Names
// are found case-insensitively and by 8.3 alias, keeping the case they have on disk; new names
// keep the case the caller gave. Folder resolutions and listings are cached and checked
// against the folder's status, so walking and copying trees stays fast.
#pragma once

#include <sys/stat.h>

#include <map>
#include <mutex>
#include <string>
#include <unordered_map>

#include "DirectoryListing.h"
#include "WindowsPath.h"

struct ResolvedPath {
  WindowsPath windows;
  std::string hostDir;   // the host folder holding the last name; for a drive root the root
  std::string hostName;  // host name of the last part, "" for a drive root
  bool exists = false;
  struct stat status {};  // lstat of the last part when it exists

  std::string Host() const {
    if (hostName.empty()) return hostDir.empty() ? "/" : hostDir;
    return hostDir + "/" + hostName;
  }
  bool IsDirectory() const { return exists && S_ISDIR(status.st_mode); }
};

class PathResolver {
 public:
  static PathResolver& Instance();

  // Resolves a path whose last part may be missing. Fails (with the last error set) when the
  // path is malformed, names an unknown drive or a folder on the way is missing.
  bool Resolve(LPCSTR path, ResolvedPath& out, bool wildcards = false);
  bool Resolve(const WindowsPath& path, ResolvedPath& out, bool wildcards = false);
  // The Windows form (code page 1250) of a host path.
  std::string ToWindows(const std::string& hostPath);
  WindowsPath CurrentFolder();
  // The 8.3 alias of a name in a host folder, "" when it has none.
  std::string AliasOf(const std::string& hostDir, const std::string& name);

  // Keeps the caches true after this process changed a folder.
  void NoteAdded(const std::string& hostDir, const std::string& name);
  void NoteRemoved(const std::string& hostDir, const std::string& name, bool folder);

 private:
  PathResolver() = default;
  bool DriveRoot(char drive, std::string& root);
  bool ResolveFolder(const WindowsPath& folder, std::string& host);
  bool FindName(const std::string& hostDir, const std::string& ansiName, std::string& hostName,
                struct stat& status);
  DirectoryListing* Listing(const std::string& hostDir, const struct stat& dirStatus);
  void CheckGeneration();

  std::mutex mutex_;
  unsigned generation_ = ~0u;
  std::string driveC_;
  std::string driveCReal_;
  std::map<std::u32string, std::string> folders_;  // folded Windows folder -> host folder
  std::unordered_map<std::string, DirectoryListing> listings_;
};
