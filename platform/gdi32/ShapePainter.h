// Paints filled shapes the common way: the interior with the DC's brush and ROP2, then the
// outline with the pen. A wide outline is taken out of the interior first, so every pixel is
// painted once.
#pragma once

#include "DeviceContext.h"
#include "Figure.h"
#include "PenStroker.h"
#include "RealizedBrush.h"
#include "RealizedPen.h"
#include "SpanSink.h"

#include <functional>
#include <vector>

class ShapePainter {
 public:
  explicit ShapePainter(DeviceContext& dc);

  const RealizedPen& Pen() const { return pen_; }
  // What the DC can draw on, in device coordinates.
  const RECT& Bounds() const { return stroker_.Bounds(); }

  // Puts a shape's interior, in device coordinates, into the sink it is given.
  using Interior = std::function<void(SpanSink&)>;

  // False when the pen is too wide to draw (nothing is painted then).
  bool FillAndStroke(const Interior& interior, const std::vector<Figure>& outline);
  bool Stroke(const std::vector<Figure>& outline) { return stroker_.Stroke(outline); }
  void Fill(const Interior& interior);

 private:
  RealizedBrush Brush() const;
  uint8_t Rop() const;

  DeviceContext& dc_;
  RealizedPen pen_;
  PenStroker stroker_;
};
