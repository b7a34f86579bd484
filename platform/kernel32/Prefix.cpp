#include "Prefix.h"

#include <pwd.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <system_error>

#include <winport.h>

#include "DeferredSaves.h"

namespace fs = std::filesystem;

Prefix& Prefix::Instance() {
  static Prefix prefix;
  return prefix;
}

std::string Prefix::FromEnvironment() {
  if (const char* explicitPrefix = std::getenv("WINPREFIX"); explicitPrefix && *explicitPrefix) {
    return explicitPrefix;
  }
  if (const char* data = std::getenv("XDG_DATA_HOME"); data && *data) return std::string(data) + "/winprefix";
  const char* home = std::getenv("HOME");
  if (!home || !*home) {
    const passwd* entry = getpwuid(geteuid());
    home = entry ? entry->pw_dir : "/tmp";
  }
  return std::string(home) + "/.local/share/winprefix";
}

const std::string& Prefix::UserName() {
  std::lock_guard lock(mutex_);
  if (userName_.empty()) {
    if (const passwd* entry = getpwuid(geteuid()); entry && entry->pw_name && *entry->pw_name) {
      userName_ = entry->pw_name;
    } else if (const char* user = std::getenv("USER"); user && *user) {
      userName_ = user;
    } else {
      userName_ = "user";
    }
  }
  return userName_;
}

std::string Prefix::Root() {
  std::string profile = ProfileFolder();
  std::lock_guard lock(mutex_);
  if (root_.empty()) {
    std::error_code error;
    fs::path root = fs::absolute(chosen_.empty() ? FromEnvironment() : chosen_, error).lexically_normal();
    root_ = root.string();
    while (root_.size() > 1 && root_.back() == '/') root_.pop_back();
    const std::string folders[] = {"drive_c/WINDOWS/SYSTEM", "drive_c/WINDOWS/Temp", "drive_c/Program Files",
                                   "drive_c/" + profile + "/Start Menu/Programs", "drive_c/" + profile + "/Desktop",
                                   "drive_c/" + profile + "/My Documents", "drive_c/" + profile + "/Application Data",
                                   "drive_c/" + profile + "/Local Settings/Temp"};
    for (const std::string& folder : folders) {
      if (!fs::create_directories(root / folder, error) && error) {
        std::fprintf(stderr, "winport: cannot create %s in the prefix %s: %s\n", folder.c_str(), root_.c_str(),
                     error.message().c_str());
        break;
      }
    }
  }
  return root_;
}

void Prefix::Select(const char* hostPath) {
  DeferredSaves::Run();  // what is pending belongs to the prefix being left
  std::lock_guard lock(mutex_);
  chosen_ = hostPath ? hostPath : "";
  root_.clear();
  generation_.fetch_add(1, std::memory_order_acq_rel);
}

extern "C" void WinportSetPrefix(const char* hostPath) { Prefix::Instance().Select(hostPath); }

extern "C" const char* WinportGetPrefix(void) {
  thread_local std::string root;  // valid until this thread's next call
  root = Prefix::Instance().Root();
  return root.c_str();
}
