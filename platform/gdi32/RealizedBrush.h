// A brush turned into surface pixel values for one DC at draw time: monochrome patterns take
// the DC's text and background colours then, hatches its background mode.
#pragma once

#include "DeviceContext.h"

#include <cstdint>
#include <vector>

class RealizedBrush {
 public:
  // Nothing is painted with a null brush.
  static RealizedBrush Null();
  static RealizedBrush Solid(uint32_t pixel);
  // Any brush handle, realised for this DC; an invalid handle paints nothing.
  static RealizedBrush FromHandle(DeviceContext& dc, HBRUSH brush);

  bool IsNull() const { return null_; }
  bool IsSolid() const { return width_ == 1 && height_ == 1 && paint_.empty(); }
  uint32_t SolidPixel() const { return pixels_.front(); }
  bool HasMask() const { return !paint_.empty(); }

  // Pattern pixels for `count` surface pixels starting at (x, y), aligned to the origin.
  void Row(int x, int y, int count, uint32_t* out) const;
  // Whether each of those pixels is painted at all (transparent hatch gaps are not).
  void MaskRow(int x, int y, int count, uint8_t* out) const;

 private:
  RealizedBrush() = default;
  int Column(int x) const;
  int Line(int y) const;

  bool null_ = false;
  int width_ = 1;
  int height_ = 1;
  POINT origin_{0, 0};  // surface coordinates of pattern pixel (0, 0)
  std::vector<uint32_t> pixels_;
  std::vector<uint8_t> paint_;  // empty: every pixel painted
};
