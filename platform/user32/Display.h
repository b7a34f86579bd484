// The display backend the process uses, chosen on first use (WINDISPLAY, or the default for the
// environment) unless WinportSetDisplay chose one before. It also records which thread pumps
// the backend's events: the first thread that waits for messages with windows of its own.
#pragma once

#include <atomic>
#include <memory>
#include <mutex>
#include <string>

#include "DisplayBackend.h"

class Display {
 public:
  static DisplayBackend& Backend();
  // Chooses the backend before first use; false when the name is unknown or one is in use.
  static bool Choose(const std::string& name);
  static bool IsHeadless();
  // True when USER clips windows against the top-level windows above them (see
  // DisplayBackend::ComposesScreen).
  static bool ComposesScreen();

 private:
  static std::unique_ptr<DisplayBackend>& Slot();
  static std::mutex& Mutex();
  static void Install(std::unique_ptr<DisplayBackend> backend);
};
