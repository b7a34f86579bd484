// Draws figures with a realised pen. One-pixel pens draw segment by segment with the line rule
// and the dash pattern (the phase runs on across a figure's vertices); wide pens turn all the
// figures of one call into a single region (segment bands, caps, joins) painted once, so
// overlapping parts are not mixed twice by the ROP2.
#pragma once

#include "DeviceContext.h"
#include "Figure.h"
#include "LineRasterizer.h"
#include "RealizedBrush.h"
#include "RealizedPen.h"
#include "Region.h"

#include <optional>
#include <vector>

class PenStroker {
 public:
  // The widest pen drawn; wider ones are refused instead of building huge caps and joins.
  static constexpr int kMaxWideWidth = 1 << 15;

  PenStroker(DeviceContext& dc, const RealizedPen& pen);

  // Strokes the figures as one drawing call; false when the pen is too wide to draw.
  bool Stroke(const std::vector<Figure>& figures);
  // The pixels a wide pen covers along the figures (device coordinates, clipped to what the
  // DC can draw on); nothing when the pen is too wide.
  std::optional<Region> WideOutline(const std::vector<Figure>& figures) const;
  // Paints a wide outline with the pen colour and the ROP2.
  void PaintOutline(const Region& outline);
  // What the DC can draw on, in device coordinates.
  const RECT& Bounds() const { return bounds_; }

 private:
  struct Run {
    int32_t y;
    int32_t left;
    int32_t right;
    bool dash;
  };

  void StrokeCosmetic(const Figure& figure);
  void DrawLine(const LineRasterizer& line, int64_t position);
  void Flush(const Run& run);
  void PaintRun(int32_t y, int32_t left, int32_t right, const RealizedBrush& brush);

  DeviceContext& dc_;
  const RealizedPen& pen_;
  RECT bounds_;  // device coordinates
  uint8_t rop_;
  RealizedBrush ink_;
  RealizedBrush gap_;
};
