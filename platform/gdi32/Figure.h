// One connected run of line segments in device coordinates: the outline of a shape, one
// polyline, or one figure of a path. A closed figure also runs from its last point back to
// its first.
#pragma once

#include <windows.h>

#include <vector>

struct Figure {
  std::vector<POINT> points;
  bool closed = false;
};
