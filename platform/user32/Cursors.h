// The shared system cursors (LoadCursor with a null instance) and the current cursor, which
// the display backend is told about.
#pragma once

#include <windows.h>

#include <optional>

#include "DisplayBackend.h"

class Cursors {
 public:
  // The shared handle for an IDC_ ordinal; null for ordinals that are not system cursors.
  static HCURSOR System(LPCSTR name);
  // The shape a handle stands for; none for handles that are not cursors.
  static std::optional<CursorShape> ShapeOf(HCURSOR cursor);
  static HCURSOR Current();
  // Sets the current cursor (null hides it) and returns the previous one.
  static HCURSOR SetCurrent(HCURSOR cursor);
};
