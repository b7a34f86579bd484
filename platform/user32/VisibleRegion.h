// What a window may draw on, in screen coordinates: its client (or whole window) rectangle,
// limited to every ancestor's client area, minus visible children (clip children), minus
// overlapping siblings above it (clip siblings, at every level that asks for it) and, when the
// display composes one screen, minus the top-level windows above its own.
#pragma once

#include "Region.h"
#include "Window.h"

class VisibleRegion {
 public:
  struct Options {
    bool wholeWindow = false;  // the window rectangle instead of the client rectangle
    bool clipChildren = false;
    bool clipSiblings = false;
    bool parentClip = false;  // CS_PARENTDC: the parent's client area instead of the window's own
  };

  // The options GetDC uses for a window: from its styles and class style.
  static Options ForStyle(const Window& window, bool wholeWindow);
  static Region Of(const Window& window, const Options& options);
  // The pixels the window itself shows on screen (children and siblings above removed), as
  // exposure tracking needs them.
  static Region Owned(const Window& window);

 private:
  static void ExcludeSiblingsAbove(Region& region, const Window& window);
  static void ExcludeChildren(Region& region, const Window& window);
};
