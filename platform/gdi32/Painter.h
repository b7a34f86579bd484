// Paints spans of a DC's surface with a realised brush, an optional source row and a ROP3,
// limited to what the DC may draw on. Every drawing primitive ends here.
#pragma once

#include "DeviceContext.h"
#include "RealizedBrush.h"
#include "Region.h"
#include "SpanSink.h"

#include <cstdint>
#include <optional>
#include <span>

class Painter {
 public:
  explicit Painter(DeviceContext& dc) : dc_(dc) {}

  // Rectangles and regions are in device coordinates.
  void FillRect(const RECT& rect, const RealizedBrush& brush, uint8_t ropIndex);
  void FillRegion(const Region& region, const RealizedBrush& brush, uint8_t ropIndex);

  // Paints the bands it receives (device coordinates) with a brush and a ROP3, clipped to the
  // drawing area as they come, without building their intersection with it.
  class BandFill;

  // Combines `count` pixels at surface position (x, y) with the source pixels (already in the
  // surface's format; may be null) and the brush (may be null) by the ROP3. No clipping here.
  static void CombineSpan(PixelSurface& surface, int x, int y, int count, const uint32_t* source,
                          const RealizedBrush* brush, uint8_t ropIndex);

 private:
  DeviceContext& dc_;
};

class Painter::BandFill : public SpanSink {
 public:
  BandFill(DeviceContext& dc, const RealizedBrush& brush, uint8_t ropIndex);

  void Add(int32_t top, int32_t bottom, std::span<const Span> spans) override;

 private:
  void PaintIntersection(int32_t top, int32_t bottom, std::span<const Span> shape, const std::vector<Span>& area);

  const std::vector<Region::Band>& area_;  // surface coordinates
  PixelSurface& surface_;
  POINT origin_;
  const RealizedBrush& brush_;
  uint8_t rop_;
  std::optional<uint32_t> plainPixel_;  // set when the fill just stores one colour
  size_t next_ = 0;                      // the first area band that may meet the next shape band
};
