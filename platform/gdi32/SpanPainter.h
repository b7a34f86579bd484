// Paints horizontal runs of one solid colour in device coordinates, limited to what the DC may
// draw on and, optionally, to a clip rectangle: how text, its background and its lines reach
// the surface.
#pragma once

#include "DeviceContext.h"
#include "RealizedBrush.h"

#include <optional>

class SpanPainter {
 public:
  SpanPainter(DeviceContext& dc, COLORREF color, const std::optional<RECT>& deviceClip);

  // Pixels [left, right) of device row y; coordinates far outside the surface are fine.
  void Paint(long long y, long long left, long long right);
  // Every pixel whose centre lies inside the convex polygon (device coordinates).
  void FillConvex(const double (*corners)[2], int count);

 private:
  DeviceContext& dc_;
  const Region& drawable_;
  RealizedBrush brush_;
  POINT origin_;
  std::optional<RECT> clip_;  // surface coordinates
};
