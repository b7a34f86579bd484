// Lines and filled shapes: MoveToEx, LineTo, Polyline, PolylineTo, Polygon, PolyPolygon,
// Rectangle, Ellipse, RoundRect, Arc, Chord and Pie. While a path is open they record their
// figures into it instead of drawing.
#include "DeviceContext.h"
#include "PolygonRasterizer.h"
#include "RegionShapes.h"
#include "ShapeOutlines.h"
#include "ShapePainter.h"

#include <algorithm>
#include <climits>
#include <cstdlib>

namespace {

// Curved shapes are traced point by point; larger ones are refused unless they miss the
// drawable area entirely (then there is nothing to draw).

BOOL Fail(DWORD error) {
  SetLastError(error);
  return FALSE;
}

// Drawing fails only for pens too wide to draw.
BOOL Drawn(bool ok) { return ok ? TRUE : Fail(ERROR_INVALID_PARAMETER); }

Path* RecordingPath(DeviceContext& dc) {
  std::optional<Path>& path = dc.CurrentPath();
  return path && path->IsOpen() ? &*path : nullptr;
}

POINT DevicePoint(const DeviceContext& dc, POINT logical) { return dc.ToDevice(logical.x, logical.y); }

std::vector<POINT> DevicePoints(const DeviceContext& dc, const POINT* points, size_t count) {
  std::vector<POINT> out(count);
  for (size_t i = 0; i < count; ++i) out[i] = DevicePoint(dc, points[i]);
  return out;
}

// The box in device coordinates with its corners ordered (swapped corners draw the same).
RECT DeviceBox(const DeviceContext& dc, int left, int top, int right, int bottom) {
  const POINT a = dc.ToDevice(left, top);
  const POINT b = dc.ToDevice(right, bottom);
  return RECT{std::min(a.x, b.x), std::min(a.y, b.y), std::max(a.x, b.x), std::max(a.y, b.y)};
}

bool IsEmptyBox(const RECT& box) { return box.left == box.right || box.top == box.bottom; }

int64_t BoxWidth(const RECT& box) { return int64_t{box.right} - box.left; }
int64_t BoxHeight(const RECT& box) { return int64_t{box.bottom} - box.top; }

LONG ClampToLong(int64_t value) { return static_cast<LONG>(std::clamp<int64_t>(value, INT32_MIN, INT32_MAX)); }

// PS_INSIDEFRAME with a wide pen: the box shrinks so the pen, centred on the outline, stays
// inside it. A box too small for the pen shrinks to its middle.
RECT InsideFrame(const RECT& box, const RealizedPen& pen) {
  if (!pen.InsideFrame() || pen.GetKind() != RealizedPen::Kind::Wide) return box;
  const int64_t w = pen.Width();
  RECT shrunk{ClampToLong(box.left + w / 2), ClampToLong(box.top + w / 2), ClampToLong(box.right - (w - 1) / 2),
              ClampToLong(box.bottom - (w - 1) / 2)};
  if (shrunk.right <= shrunk.left) {
    shrunk.left = ClampToLong(box.left + BoxWidth(box) / 2);
    shrunk.right = ClampToLong(int64_t{shrunk.left} + 1);
  }
  if (shrunk.bottom <= shrunk.top) {
    shrunk.top = ClampToLong(box.top + BoxHeight(box) / 2);
    shrunk.bottom = ClampToLong(int64_t{shrunk.top} + 1);
  }
  return shrunk;
}

enum class Curve { Traceable, OutOfSight, TooLarge };

// Whether a curve in `box` can be traced; a huge one that cannot touch the drawable area
// needs no tracing.
Curve ClassifyCurve(const ShapePainter& painter, const RECT& box) {
  if (BoxWidth(box) <= RegionShapes::kMaxCurveExtent && BoxHeight(box) <= RegionShapes::kMaxCurveExtent) return Curve::Traceable;
  const int64_t margin = painter.Pen().Width();
  const RECT& bounds = painter.Bounds();
  const bool outOfSight = box.left - margin >= bounds.right || box.right + margin <= bounds.left ||
                          box.top - margin >= bounds.bottom || box.bottom + margin <= bounds.top;
  return outOfSight ? Curve::OutOfSight : Curve::TooLarge;
}

// The result for curves that are not traced.
BOOL SkipCurve(Curve curve) { return curve == Curve::OutOfSight ? TRUE : Fail(ERROR_INVALID_PARAMETER); }

Figure Closed(std::vector<POINT> points) { return Figure{std::move(points), true}; }

ShapePainter::Interior RectInterior(const RECT& rect) {
  return [rect](SpanSink& sink) { sink.AddRect(rect); };
}

BOOL DrawRectangle(DeviceContext& dc, RECT box) {
  if (IsEmptyBox(box)) return TRUE;
  const int direction = dc.State().arcDirection;
  if (Path* path = RecordingPath(dc)) {
    path->AddClosedFigure(ShapeOutlines::RectangleCorners({box.left, box.top, box.right - 1, box.bottom - 1}, direction));
    return TRUE;
  }
  ShapePainter painter(dc);
  const RealizedPen::Kind kind = painter.Pen().GetKind();
  if (kind == RealizedPen::Kind::Null) {
    painter.Fill(RectInterior({box.left, box.top, box.right - 1, box.bottom - 1}));
    return TRUE;
  }
  // A 1-pixel outline is drawn over the interior's border; a wide one is cut out of it.
  box = InsideFrame(box, painter.Pen());
  const RECT corners{box.left, box.top, box.right - 1, box.bottom - 1};
  const int inset = kind == RealizedPen::Kind::Wide ? 0 : 1;
  const ShapePainter::Interior interior = RectInterior({box.left + inset, box.top + inset, box.right - 1, box.bottom - 1});
  return Drawn(painter.FillAndStroke(interior, {Closed(ShapeOutlines::RectangleCorners(corners, direction))}));
}

// RoundRect, and Ellipse as the rounded rectangle whose corners are the whole box.
BOOL DrawRoundRect(DeviceContext& dc, RECT box, int cornerWidth, int cornerHeight, bool ellipse) {
  if (IsEmptyBox(box)) return TRUE;
  const int64_t width = ellipse ? BoxWidth(box) : std::min<int64_t>(std::llabs(cornerWidth), BoxWidth(box));
  const int64_t height = ellipse ? BoxHeight(box) : std::min<int64_t>(std::llabs(cornerHeight), BoxHeight(box));
  if (width <= 2 || height <= 2) return DrawRectangle(dc, box);
  ShapePainter painter(dc);
  if (const Curve curve = ClassifyCurve(painter, box); curve != Curve::Traceable) return SkipCurve(curve);
  Path* path = RecordingPath(dc);
  if (!path) box = InsideFrame(box, painter.Pen());
  // Traceable boxes are small enough for int corner sizes.
  cornerWidth = static_cast<int>(ellipse ? BoxWidth(box) : std::min<int64_t>(width, BoxWidth(box)));
  cornerHeight = static_cast<int>(ellipse ? BoxHeight(box) : std::min<int64_t>(height, BoxHeight(box)));

  auto outline = [&] {
    std::vector<POINT> loop = ShapeOutlines::RoundRectLoop(box, cornerWidth, cornerHeight);
    if (dc.State().arcDirection == AD_CLOCKWISE && !loop.empty()) std::reverse(loop.begin() + 1, loop.end());
    return loop;
  };
  if (path) {
    path->AddClosedFigure(outline());
    return TRUE;
  }
  const ShapePainter::Interior interior = [&](SpanSink& sink) {
    RegionShapes::FilledRoundRect(box, cornerWidth, cornerHeight, sink);
  };
  // Without a pen the outline is not needed, and tracing it costs more than the fill.
  if (painter.Pen().GetKind() == RealizedPen::Kind::Null) {
    painter.Fill(interior);
    return TRUE;
  }
  return Drawn(painter.FillAndStroke(interior, {Closed(outline())}));
}

enum class ArcKind { Arc, Chord, Pie };

BOOL DrawArc(HDC hdc, ArcKind kind, int left, int top, int right, int bottom, int xs, int ys, int xe, int ye) {
  DeviceContext* dc = DeviceContext::FromHandle(hdc);
  if (!dc) return FALSE;
  RECT box = DeviceBox(*dc, left, top, right, bottom);
  if (IsEmptyBox(box)) return TRUE;
  ShapePainter painter(*dc);
  if (const Curve curve = ClassifyCurve(painter, box); curve != Curve::Traceable) return SkipCurve(curve);
  Path* path = RecordingPath(*dc);
  if (kind != ArcKind::Arc && !path) box = InsideFrame(box, painter.Pen());

  std::vector<POINT> points = ShapeOutlines::ArcPoints(box, dc->ToDevice(xs, ys), dc->ToDevice(xe, ye), dc->State().arcDirection);
  if (kind == ArcKind::Pie) points.push_back(ShapeOutlines::ArcCentre(box));
  const Figure figure{std::move(points), kind != ArcKind::Arc};
  if (path) {
    path->AddFigure(figure.points, figure.closed);
    return TRUE;
  }
  if (kind == ArcKind::Arc) return Drawn(painter.Stroke({figure}));
  PolygonRasterizer interior(painter.Bounds());
  interior.AddPolygon(std::span<const POINT>(figure.points));
  return Drawn(painter.FillAndStroke([&](SpanSink& sink) { interior.Scan(WINDING, sink); }, {figure}));
}

BOOL Stroke(DeviceContext& dc, std::vector<Figure> figures) {
  return Drawn(ShapePainter(dc).Stroke(figures));
}

}  // namespace

extern "C" {

BOOL WINAPI MoveToEx(HDC hdc, int x, int y, LPPOINT lppt) {
  DeviceContext* dc = DeviceContext::FromHandle(hdc);
  if (!dc) return FALSE;
  if (lppt) *lppt = dc->State().currentPosition;
  dc->State().currentPosition = POINT{x, y};
  if (Path* path = RecordingPath(*dc)) path->MoveTo(dc->ToDevice(x, y));
  return TRUE;
}

BOOL WINAPI LineTo(HDC hdc, int x, int y) {
  DeviceContext* dc = DeviceContext::FromHandle(hdc);
  if (!dc) return FALSE;
  const POINT from = DevicePoint(*dc, dc->State().currentPosition);
  dc->State().currentPosition = POINT{x, y};
  if (Path* path = RecordingPath(*dc)) {
    path->LineTo(dc->ToDevice(x, y));
    return TRUE;
  }
  return Stroke(*dc, {Figure{{from, dc->ToDevice(x, y)}, false}});
}

BOOL WINAPI Polyline(HDC hdc, const POINT* apt, int cpt) {
  DeviceContext* dc = DeviceContext::FromHandle(hdc);
  if (!dc) return FALSE;
  if (!apt || cpt < 2) return Fail(ERROR_INVALID_PARAMETER);
  std::vector<POINT> points = DevicePoints(*dc, apt, static_cast<size_t>(cpt));
  if (Path* path = RecordingPath(*dc)) {
    path->AddFigure(std::move(points), false);
    return TRUE;
  }
  return Stroke(*dc, {Figure{std::move(points), false}});
}

BOOL WINAPI PolylineTo(HDC hdc, const POINT* apt, DWORD cpt) {
  DeviceContext* dc = DeviceContext::FromHandle(hdc);
  if (!dc) return FALSE;
  if ((!apt && cpt > 0) || cpt > INT_MAX) return Fail(ERROR_INVALID_PARAMETER);
  if (cpt == 0) return TRUE;
  std::vector<POINT> points{DevicePoint(*dc, dc->State().currentPosition)};
  const std::vector<POINT> rest = DevicePoints(*dc, apt, cpt);
  points.insert(points.end(), rest.begin(), rest.end());
  dc->State().currentPosition = apt[cpt - 1];
  if (Path* path = RecordingPath(*dc)) {
    for (size_t i = 1; i < points.size(); ++i) path->LineTo(points[i]);
    return TRUE;
  }
  return Stroke(*dc, {Figure{std::move(points), false}});
}

BOOL WINAPI PolyPolygon(HDC hdc, const POINT* apt, const INT* asz, int csz) {
  DeviceContext* dc = DeviceContext::FromHandle(hdc);
  if (!dc) return FALSE;
  if (!apt || !asz || csz <= 0) return Fail(ERROR_INVALID_PARAMETER);
  if (std::any_of(asz, asz + csz, [](INT count) { return count < 2; })) return Fail(ERROR_INVALID_PARAMETER);

  std::vector<Figure> figures;
  figures.reserve(static_cast<size_t>(csz));
  const POINT* next = apt;
  for (int i = 0; i < csz; ++i) {
    figures.push_back(Closed(DevicePoints(*dc, next, static_cast<size_t>(asz[i]))));
    next += asz[i];
  }
  if (Path* path = RecordingPath(*dc)) {
    for (Figure& figure : figures) path->AddClosedFigure(std::move(figure.points));
    return TRUE;
  }
  ShapePainter painter(*dc);
  PolygonRasterizer interior(painter.Bounds());
  for (const Figure& figure : figures) interior.AddPolygon(std::span<const POINT>(figure.points));
  const int fillMode = dc->State().polyFillMode;
  return Drawn(painter.FillAndStroke([&](SpanSink& sink) { interior.Scan(fillMode, sink); }, figures));
}

BOOL WINAPI Polygon(HDC hdc, const POINT* apt, int cpt) { return PolyPolygon(hdc, apt, &cpt, 1); }

BOOL WINAPI Rectangle(HDC hdc, int left, int top, int right, int bottom) {
  DeviceContext* dc = DeviceContext::FromHandle(hdc);
  if (!dc) return FALSE;
  return DrawRectangle(*dc, DeviceBox(*dc, left, top, right, bottom));
}

BOOL WINAPI RoundRect(HDC hdc, int left, int top, int right, int bottom, int width, int height) {
  DeviceContext* dc = DeviceContext::FromHandle(hdc);
  if (!dc) return FALSE;
  return DrawRoundRect(*dc, DeviceBox(*dc, left, top, right, bottom), width, height, false);
}

BOOL WINAPI Ellipse(HDC hdc, int left, int top, int right, int bottom) {
  DeviceContext* dc = DeviceContext::FromHandle(hdc);
  if (!dc) return FALSE;
  return DrawRoundRect(*dc, DeviceBox(*dc, left, top, right, bottom), 0, 0, true);
}

BOOL WINAPI Arc(HDC hdc, int x1, int y1, int x2, int y2, int x3, int y3, int x4, int y4) {
  return DrawArc(hdc, ArcKind::Arc, x1, y1, x2, y2, x3, y3, x4, y4);
}

BOOL WINAPI Chord(HDC hdc, int x1, int y1, int x2, int y2, int x3, int y3, int x4, int y4) {
  return DrawArc(hdc, ArcKind::Chord, x1, y1, x2, y2, x3, y3, x4, y4);
}

BOOL WINAPI Pie(HDC hdc, int left, int top, int right, int bottom, int xr1, int yr1, int xr2, int yr2) {
  return DrawArc(hdc, ArcKind::Pie, left, top, right, bottom, xr1, yr1, xr2, yr2);
}

}  // extern "C"
