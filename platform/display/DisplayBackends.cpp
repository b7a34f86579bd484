#include "DisplayBackends.h"

#include <cstdlib>
#include <functional>
#include <string_view>

#include "HeadlessBackend.h"
#include "SdlBackend.h"

namespace {

struct BackendEntry {
  std::string_view name;
  bool needsHostDisplay;
  std::function<std::unique_ptr<DisplayBackend>()> create;
};

std::unique_ptr<DisplayBackend> OpenSdl() {
  auto backend = std::make_unique<SdlBackend>();
  if (!backend->IsOpen()) return nullptr;
  return backend;
}

// Every backend built into the program; a backend that needs a host display is listed before
// the headless fallback.
const std::vector<BackendEntry>& Entries() {
  static const std::vector<BackendEntry> entries{
      {"sdl", true, [] { return OpenSdl(); }},
      {"headless", false, [] { return std::make_unique<HeadlessBackend>(); }},
  };
  return entries;
}

bool HostDisplayExists() {
  const char* x11 = std::getenv("DISPLAY");
  const char* wayland = std::getenv("WAYLAND_DISPLAY");
  return (x11 && *x11) || (wayland && *wayland);
}

}  // namespace

std::unique_ptr<DisplayBackend> DisplayBackends::Create(const std::string& name) {
  for (const BackendEntry& entry : Entries()) {
    if (entry.name == name) return entry.create();
  }
  return nullptr;
}

std::string DisplayBackends::DefaultName() {
  if (const char* requested = std::getenv("WINDISPLAY"); requested && *requested) return requested;
  const bool host = HostDisplayExists();
  for (const BackendEntry& entry : Entries()) {
    if (!entry.needsHostDisplay || host) return std::string(entry.name);
  }
  return "headless";
}
