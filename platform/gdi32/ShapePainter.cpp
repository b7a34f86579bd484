#include "ShapePainter.h"

#include "Painter.h"
#include "RealizedBrush.h"
#include "Rop3.h"

ShapePainter::ShapePainter(DeviceContext& dc) : dc_(dc), pen_(RealizedPen::FromDc(dc)), stroker_(dc, pen_) {}

void ShapePainter::Fill(const Region& interior) {
  if (interior.IsEmpty()) return;
  const RealizedBrush brush = RealizedBrush::FromHandle(dc_, dc_.State().brush);
  Painter(dc_).FillRegion(interior, brush, rop3::FromRop2(dc_.State().rop2));
}

bool ShapePainter::FillAndStroke(const Region& interior, const std::vector<Figure>& outline) {
  if (pen_.GetKind() != RealizedPen::Kind::Wide) {
    Fill(interior);
    return stroker_.Stroke(outline);
  }
  std::optional<Region> wide = stroker_.WideOutline(outline);
  if (!wide) return false;
  Fill(Region::Combine(interior, *wide, RGN_DIFF));
  stroker_.PaintOutline(*wide);
  return true;
}
