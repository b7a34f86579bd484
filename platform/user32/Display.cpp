#include "Display.h"

#include <cstdio>

#include "DisplayBackends.h"
#include "DisplayMode.h"
#include "HeadlessBackend.h"

std::unique_ptr<DisplayBackend>& Display::Slot() {
  static std::unique_ptr<DisplayBackend> backend;
  return backend;
}

std::mutex& Display::Mutex() {
  static std::mutex mutex;
  return mutex;
}

void Display::Install(std::unique_ptr<DisplayBackend> backend) {
  const SIZE size = backend->ScreenSize();
  DisplayMode mode = DisplayMode::Current();
  mode.width = size.cx;
  mode.height = size.cy;
  DisplayMode::SetCurrent(mode);
  Slot() = std::move(backend);
}

DisplayBackend& Display::Backend() {
  std::lock_guard lock(Mutex());
  if (!Slot()) {
    const std::string name = DisplayBackends::DefaultName();
    std::unique_ptr<DisplayBackend> backend = DisplayBackends::Create(name);
    if (!backend) {
      std::fprintf(stderr, "WINDISPLAY=%s is not available here; using the headless display\n", name.c_str());
      backend = std::make_unique<HeadlessBackend>();
    }
    Install(std::move(backend));
  }
  return *Slot();
}

bool Display::Choose(const std::string& name) {
  std::lock_guard lock(Mutex());
  if (Slot()) return Slot()->Name() == name;
  std::unique_ptr<DisplayBackend> backend = DisplayBackends::Create(name);
  if (!backend) return false;
  Install(std::move(backend));
  return true;
}

bool Display::IsHeadless() { return std::string(Backend().Name()) == "headless"; }

bool Display::ComposesScreen() { return Backend().ComposesScreen(); }
