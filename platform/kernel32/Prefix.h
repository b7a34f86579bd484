// The folder that holds all emulated machine state: drive_c and the registry hives. Chosen by
// WinportSetPrefix, else $WINPREFIX, else $XDG_DATA_HOME/winprefix; created on first use.
#pragma once

#include <atomic>
#include <mutex>
#include <string>

class Prefix {
 public:
  static Prefix& Instance();

  // The prefix folder (absolute host path), with its layout created.
  std::string Root();
  std::string DriveC() { return Root() + "/drive_c"; }
  // The host user's name, which names the profile folder.
  const std::string& UserName();
  // The profile folder relative to drive_c.
  std::string ProfileFolder() { return "Documents and Settings/" + UserName(); }

  // Selects another prefix (nullptr: from the environment again).
  void Select(const char* hostPath);
  // Changes whenever another prefix is selected, so that caches can notice.
  unsigned Generation() const { return generation_.load(std::memory_order_acquire); }

 private:
  Prefix() = default;
  static std::string FromEnvironment();
  void CreateLayout() const;

  std::mutex mutex_;
  std::string chosen_;
  std::string root_;
  std::string userName_;
  std::atomic<unsigned> generation_{0};
};
