// The DC's selected pen turned into what the rasterisers need: nothing, a 1-pixel (cosmetic)
// line with an optional dash pattern, or a wide (geometric) solid pen with caps and joins.
#pragma once

#include "DeviceContext.h"

#include <cstdint>
#include <vector>

class RealizedPen {
 public:
  enum class Kind { Null, Cosmetic, Wide };

  static RealizedPen FromDc(DeviceContext& dc);

  Kind GetKind() const { return kind_; }
  // Width in device pixels (1 for cosmetic pens).
  int Width() const { return width_; }
  // PS_INSIDEFRAME: closed shapes shrink so that a wide pen stays inside their box.
  bool InsideFrame() const { return insideFrame_; }
  UINT EndCap() const { return endCap_; }  // PS_ENDCAP_ROUND, _SQUARE or _FLAT
  UINT Join() const { return join_; }      // PS_JOIN_ROUND, _BEVEL or _MITER

  uint32_t Pixel() const { return pixel_; }
  uint32_t GapPixel() const { return gapPixel_; }
  // Whether gaps of a dash pattern are painted (background mode OPAQUE).
  bool PaintsGaps() const { return paintsGaps_; }
  // Whether the pixel at `position` along a figure (0 = its first pixel) is a dash.
  bool IsDash(int64_t position) const;

 private:
  RealizedPen() = default;

  Kind kind_ = Kind::Null;
  int width_ = 1;
  bool insideFrame_ = false;
  UINT endCap_ = PS_ENDCAP_ROUND;
  UINT join_ = PS_JOIN_ROUND;
  uint32_t pixel_ = 0;
  uint32_t gapPixel_ = 0;
  bool paintsGaps_ = false;
  std::vector<int> pattern_;  // on, off, on, off... lengths; empty means solid
  int patternLength_ = 0;
};
