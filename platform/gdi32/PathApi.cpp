// Path brackets and drawing a finished path: BeginPath, EndPath, AbortPath, CloseFigure,
// StrokePath, FillPath and StrokeAndFillPath. Shape calls record into the open path (see
// ShapeApi.cpp).
#include "DeviceContext.h"
#include "PolygonRasterizer.h"
#include "ShapePainter.h"

namespace {

BOOL Fail(DWORD error) {
  SetLastError(error);
  return FALSE;
}

enum class PathUse { Stroke, Fill, StrokeAndFill };

// The interior of every figure, each closed, by the DC's poly fill mode.
ShapePainter::Interior PathInterior(const ShapePainter& painter, const Path& path, int fillMode) {
  PolygonRasterizer interior(painter.Bounds());
  for (const Figure& figure : path.Figures()) interior.AddPolygon(std::span<const POINT>(figure.points));
  return [interior = std::move(interior), fillMode](SpanSink& sink) { interior.Scan(fillMode, sink); };
}

std::vector<Figure> ClosedFigures(const Path& path) {
  std::vector<Figure> figures = path.Figures();
  for (Figure& figure : figures) figure.closed = true;
  return figures;
}

// Draws the finished path and discards it; fails when no finished path exists.
BOOL DrawPath(HDC hdc, PathUse use) {
  DeviceContext* dc = DeviceContext::FromHandle(hdc);
  if (!dc) return FALSE;
  std::optional<Path>& path = dc->CurrentPath();
  if (!path || path->IsOpen()) return Fail(ERROR_CAN_NOT_COMPLETE);
  const Path finished = std::move(*path);
  path.reset();

  ShapePainter painter(*dc);
  bool drawn = true;
  switch (use) {
    case PathUse::Stroke:
      drawn = painter.Stroke(finished.Figures());
      break;
    case PathUse::Fill:
      painter.Fill(PathInterior(painter, finished, dc->State().polyFillMode));
      break;
    case PathUse::StrokeAndFill:
      drawn = painter.FillAndStroke(PathInterior(painter, finished, dc->State().polyFillMode), ClosedFigures(finished));
      break;
  }
  return drawn ? TRUE : Fail(ERROR_INVALID_PARAMETER);
}

}  // namespace

extern "C" {

BOOL WINAPI BeginPath(HDC hdc) {
  DeviceContext* dc = DeviceContext::FromHandle(hdc);
  if (!dc) return FALSE;
  const POINT position = dc->State().currentPosition;
  dc->CurrentPath().emplace(dc->ToDevice(position.x, position.y));
  return TRUE;
}

BOOL WINAPI EndPath(HDC hdc) {
  DeviceContext* dc = DeviceContext::FromHandle(hdc);
  if (!dc) return FALSE;
  std::optional<Path>& path = dc->CurrentPath();
  if (!path || !path->IsOpen()) return Fail(ERROR_CAN_NOT_COMPLETE);
  path->End();
  return TRUE;
}

BOOL WINAPI AbortPath(HDC hdc) {
  DeviceContext* dc = DeviceContext::FromHandle(hdc);
  if (!dc) return FALSE;
  dc->CurrentPath().reset();
  return TRUE;
}

BOOL WINAPI CloseFigure(HDC hdc) {
  DeviceContext* dc = DeviceContext::FromHandle(hdc);
  if (!dc) return FALSE;
  std::optional<Path>& path = dc->CurrentPath();
  if (!path || !path->IsOpen()) return Fail(ERROR_CAN_NOT_COMPLETE);
  path->CloseFigure();
  return TRUE;
}

BOOL WINAPI StrokePath(HDC hdc) { return DrawPath(hdc, PathUse::Stroke); }
BOOL WINAPI FillPath(HDC hdc) { return DrawPath(hdc, PathUse::Fill); }
BOOL WINAPI StrokeAndFillPath(HDC hdc) { return DrawPath(hdc, PathUse::StrokeAndFill); }

}  // extern "C"
