#include "ShapePainter.h"

#include "Painter.h"
#include "RealizedBrush.h"
#include "RegionBuilder.h"
#include "Rop3.h"

ShapePainter::ShapePainter(DeviceContext& dc) : dc_(dc), pen_(RealizedPen::FromDc(dc)), stroker_(dc, pen_) {}

RealizedBrush ShapePainter::Brush() const { return RealizedBrush::FromHandle(dc_, dc_.State().brush); }

uint8_t ShapePainter::Rop() const { return rop3::FromRop2(dc_.State().rop2); }

void ShapePainter::Fill(const Interior& interior) {
  const RealizedBrush brush = Brush();
  Painter::BandFill fill(dc_, brush, Rop());
  interior(fill);
}

bool ShapePainter::FillAndStroke(const Interior& interior, const std::vector<Figure>& outline) {
  if (pen_.GetKind() != RealizedPen::Kind::Wide) {
    Fill(interior);
    return stroker_.Stroke(outline);
  }
  std::optional<Region> wide = stroker_.WideOutline(outline);
  if (!wide) return false;
  RegionBuilder inside;
  interior(inside);
  const Region rest = Region::Combine(inside.Build(), *wide, RGN_DIFF);
  if (!rest.IsEmpty()) Painter(dc_).FillRegion(rest, Brush(), Rop());
  stroker_.PaintOutline(*wide);
  return true;
}
