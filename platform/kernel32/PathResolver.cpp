#include "PathResolver.h"

#include <fcntl.h>
#include <unistd.h>

#include <climits>
#include <cstdlib>
#include <filesystem>

#include "NameCodec.h"
#include "Prefix.h"

namespace {

constexpr size_t kMaxCachedFolders = 4096;
constexpr size_t kMaxCachedListings = 256;

bool IsAbsolute(const char* path) {
  return (path[0] && path[1] == ':' && (path[2] == '\\' || path[2] == '/')) ||
         (path[0] == '\\' && path[1] == '\\');
}

}  // namespace

PathResolver& PathResolver::Instance() {
  static PathResolver resolver;
  return resolver;
}

void PathResolver::CheckGeneration() {
  unsigned generation = Prefix::Instance().Generation();
  if (generation == generation_) return;
  generation_ = generation;
  folders_.clear();
  listings_.clear();
  driveC_ = Prefix::Instance().DriveC();
  char real[PATH_MAX];
  driveCReal_ = realpath(driveC_.c_str(), real) ? real : driveC_;
}

bool PathResolver::DriveRoot(char drive, std::string& root) {
  if (drive == 'C') {
    root = driveC_;
    return true;
  }
  if (drive == 'Z') {
    root.clear();  // names are appended as "/name"
    return true;
  }
  return false;
}

DirectoryListing* PathResolver::Listing(const std::string& hostDir, const struct stat& dirStatus) {
  auto it = listings_.find(hostDir);
  if (it != listings_.end() && it->second.Matches(dirStatus)) return &it->second;
  if (it == listings_.end()) {
    if (listings_.size() >= kMaxCachedListings) listings_.clear();
    it = listings_.emplace(hostDir, DirectoryListing{}).first;
  }
  if (!it->second.Read(hostDir.empty() ? "/" : hostDir)) {
    listings_.erase(it);
    return nullptr;
  }
  it->second.Stamp(dirStatus);
  return &it->second;
}

bool PathResolver::FindName(const std::string& hostDir, const std::string& ansiName, std::string& hostName,
                            struct stat& status) {
  std::string exact = NameCodec::AnsiToHost(ansiName);
  if (fstatat(AT_FDCWD, (hostDir + "/" + exact).c_str(), &status, AT_SYMLINK_NOFOLLOW) == 0) {
    hostName = std::move(exact);
    return true;
  }
  struct stat dirStatus;
  if (stat(hostDir.empty() ? "/" : hostDir.c_str(), &dirStatus) != 0) return false;
  DirectoryListing* listing = Listing(hostDir, dirStatus);
  if (!listing) return false;
  const std::string* found = listing->Find(NameCodec::FoldAnsi(ansiName));
  if (!found || fstatat(AT_FDCWD, (hostDir + "/" + *found).c_str(), &status, AT_SYMLINK_NOFOLLOW) != 0) return false;
  hostName = *found;
  return true;
}

bool PathResolver::ResolveFolder(const WindowsPath& folder, std::string& host) {
  std::u32string key = NameCodec::FoldAnsi(folder.ToString());
  if (auto it = folders_.find(key); it != folders_.end()) {
    struct stat status;
    if (stat(it->second.empty() ? "/" : it->second.c_str(), &status) == 0 && S_ISDIR(status.st_mode)) {
      host = it->second;
      return true;
    }
    folders_.erase(it);
  }
  if (!DriveRoot(folder.Drive(), host)) {
    SetLastError(ERROR_PATH_NOT_FOUND);
    return false;
  }
  WindowsPath walked = WindowsPath::Root(folder.Drive());
  for (const std::string& name : folder.Names()) {
    std::string hostName;
    struct stat status;
    bool found = FindName(host, name, hostName, status);
    if (found && S_ISLNK(status.st_mode)) found = stat((host + "/" + hostName).c_str(), &status) == 0;
    if (!found || !S_ISDIR(status.st_mode)) {
      SetLastError(ERROR_PATH_NOT_FOUND);
      return false;
    }
    host += "/" + hostName;
    walked.Append(name);
    if (folders_.size() >= kMaxCachedFolders) folders_.clear();
    folders_[NameCodec::FoldAnsi(walked.ToString())] = host;
  }
  return true;
}

WindowsPath PathResolver::CurrentFolder() {
  char buffer[PATH_MAX];
  std::string windows = getcwd(buffer, sizeof buffer) ? ToWindows(buffer) : "Z:\\";
  WindowsPath path;
  if (WindowsPath::Parse(windows, WindowsPath::Root('Z'), false, path) != ERROR_SUCCESS) return WindowsPath::Root('Z');
  return path;
}

bool PathResolver::Resolve(LPCSTR path, ResolvedPath& out, bool wildcards) {
  if (!path) {
    SetLastError(ERROR_INVALID_PARAMETER);
    return false;
  }
  WindowsPath parsed;
  WindowsPath current = IsAbsolute(path) ? WindowsPath::Root('C') : CurrentFolder();
  if (DWORD error = WindowsPath::Parse(path, current, wildcards, parsed); error != ERROR_SUCCESS) {
    SetLastError(error);
    return false;
  }
  return Resolve(parsed, out, wildcards);
}

bool PathResolver::Resolve(const WindowsPath& path, ResolvedPath& out, bool wildcards) {
  std::lock_guard lock(mutex_);
  CheckGeneration();
  out = ResolvedPath{};
  out.windows = path;
  if (path.IsRoot()) {
    if (!DriveRoot(path.Drive(), out.hostDir)) {
      SetLastError(ERROR_PATH_NOT_FOUND);
      return false;
    }
    out.exists = stat(out.hostDir.empty() ? "/" : out.hostDir.c_str(), &out.status) == 0;
    return true;
  }
  if (!ResolveFolder(path.Parent(), out.hostDir)) return false;
  const std::string& name = path.Names().back();
  if (wildcards && name.find_first_of("*?") != std::string::npos) {
    out.hostName = NameCodec::AnsiToHost(name);
    return true;
  }
  out.exists = FindName(out.hostDir, name, out.hostName, out.status);
  if (!out.exists) out.hostName = NameCodec::AnsiToHost(name);
  return true;
}

std::string PathResolver::ToWindows(const std::string& hostPath) {
  std::filesystem::path path(hostPath);
  if (path.is_relative()) {
    char buffer[PATH_MAX];
    if (getcwd(buffer, sizeof buffer)) path = std::filesystem::path(buffer) / path;
  }
  std::string normal = path.lexically_normal().string();
  while (normal.size() > 1 && normal.back() == '/') normal.pop_back();
  std::string rest;
  char drive = 'Z';
  {
    std::lock_guard lock(mutex_);
    CheckGeneration();
    for (const std::string* root : {&driveC_, &driveCReal_}) {
      if (normal == *root || normal.starts_with(*root + "/")) {
        drive = 'C';
        rest = normal.substr(root->size());
        break;
      }
    }
  }
  if (drive == 'Z') rest = normal == "/" ? "" : normal;
  std::string windows{drive, ':', '\\'};
  if (!rest.empty()) windows += NameCodec::HostToAnsi(rest.substr(1));
  for (char& c : windows) {
    if (c == '/') c = '\\';
  }
  return windows;
}

std::string PathResolver::AliasOf(const std::string& hostDir, const std::string& name) {
  std::lock_guard lock(mutex_);
  CheckGeneration();
  struct stat dirStatus;
  if (stat(hostDir.empty() ? "/" : hostDir.c_str(), &dirStatus) != 0) return {};
  DirectoryListing* listing = Listing(hostDir, dirStatus);
  return listing ? listing->AliasOf(name) : std::string{};
}

void PathResolver::NoteAdded(const std::string& hostDir, const std::string& name) {
  std::lock_guard lock(mutex_);
  auto it = listings_.find(hostDir);
  if (it == listings_.end()) return;
  struct stat dirStatus;
  if (stat(hostDir.empty() ? "/" : hostDir.c_str(), &dirStatus) != 0) {
    listings_.erase(it);
    return;
  }
  it->second.Add(name);
  it->second.Stamp(dirStatus);
}

void PathResolver::NoteRemoved(const std::string& hostDir, const std::string& name, bool folder) {
  std::lock_guard lock(mutex_);
  if (folder) {
    std::string removed = hostDir + "/" + name;
    for (auto it = folders_.begin(); it != folders_.end();) {
      if (it->second == removed || it->second.starts_with(removed + "/")) it = folders_.erase(it);
      else ++it;
    }
    for (auto it = listings_.begin(); it != listings_.end();) {
      if (it->first == removed || it->first.starts_with(removed + "/")) it = listings_.erase(it);
      else ++it;
    }
  }
  auto it = listings_.find(hostDir);
  if (it == listings_.end()) return;
  struct stat dirStatus;
  if (stat(hostDir.empty() ? "/" : hostDir.c_str(), &dirStatus) != 0) {
    listings_.erase(it);
    return;
  }
  it->second.Remove(name);
  it->second.Stamp(dirStatus);
}
