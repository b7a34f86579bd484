// The pixels of a 1-pixel line from one point up to, not including, another. Pixel i of the
// line is computed in closed form, so a line can be clipped to any range of steps and still
// know each pixel's position along the line (the dash phase) without walking from the start.
#pragma once

#include <windows.h>

#include <cstdint>
#include <utility>

class LineRasterizer {
 public:
  LineRasterizer(POINT from, POINT to);

  // Number of pixels: the length along the major axis (the end point is not drawn).
  int64_t Length() const { return length_; }
  // Pixel i, 0 <= i < Length(). The major coordinate advances by one per step; the minor one
  // is start + roundHalfDown(i * minorDelta / majorLength), ties going to the smaller value.
  POINT PixelAt(int64_t i) const;
  // The steps [first, last) whose major coordinate lies inside `bounds` (right and bottom
  // exclusive). Pixels of those steps may still lie outside along the minor axis.
  std::pair<int64_t, int64_t> StepsWithin(const RECT& bounds) const;

 private:
  int64_t x0_;
  int64_t y0_;
  int64_t dx_;
  int64_t dy_;
  int64_t length_;
  bool xMajor_;
};
