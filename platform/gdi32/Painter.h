// Paints spans of a DC's surface with a realised brush, an optional source row and a ROP3,
// limited to what the DC may draw on. Every drawing primitive ends here.
#pragma once

#include "DeviceContext.h"
#include "RealizedBrush.h"
#include "Region.h"
#include "SpanBands.h"

#include <cstdint>
#include <span>

class Painter {
 public:
  explicit Painter(DeviceContext& dc) : dc_(dc) {}

  // Rectangles and regions are in device coordinates.
  void FillRect(const RECT& rect, const RealizedBrush& brush, uint8_t ropIndex);
  void FillRegion(const Region& region, const RealizedBrush& brush, uint8_t ropIndex);
  void FillBands(const SpanBands& bands, const RealizedBrush& brush, uint8_t ropIndex);

  // Combines `count` pixels at surface position (x, y) with the source pixels (already in the
  // surface's format; may be null) and the brush (may be null) by the ROP3. No clipping here.
  static void CombineSpan(PixelSurface& surface, int x, int y, int count, const uint32_t* source,
                          const RealizedBrush* brush, uint8_t ropIndex);

 private:
  // Walks the bands of a shape, top to bottom, and the drawing area alongside them.
  class ClippedFill;

  DeviceContext& dc_;
};
