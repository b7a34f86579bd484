// Chooses and creates the display backend. WINDISPLAY names it ("headless", "sdl"); without
// it a backend that needs a host display is chosen only when one exists, else headless.
#pragma once

#include <memory>
#include <string>

#include "DisplayBackend.h"

class DisplayBackends {
 public:
  // Null when no backend has that name.
  static std::unique_ptr<DisplayBackend> Create(const std::string& name);
  // The name WINDISPLAY asks for, or the default for this environment.
  static std::string DefaultName();
};
