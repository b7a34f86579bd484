// Finds what a change of window geometry, z-order or visibility uncovers. Before the change it
// records the pixels each visible window shows (relative to the window, and where the window
// sits on its surface); afterwards every window gets the pixels it newly shows invalidated: its
// client part into the update region (with erase), its frame part as an invalid frame. A child
// that moved on its top-level's surface is invalidated whole, because its old pixels stayed
// behind.
#pragma once

#include <memory>
#include <vector>

#include "Region.h"
#include "Window.h"

class ExposureTracker {
 public:
  ExposureTracker();
  // Invalidates what became visible; returns the windows that got something invalidated.
  std::vector<std::shared_ptr<Window>> InvalidateExposed();

 private:
  struct Shown {
    std::shared_ptr<Window> window;
    Region owned;         // relative to the window rectangle
    POINT surfaceOffset;  // the window rectangle's place on its top-level's surface
  };
  static std::vector<Shown> Capture();

  std::vector<Shown> before_;
};
