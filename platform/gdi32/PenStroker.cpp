#include "PenStroker.h"

#include "Painter.h"
#include "PolygonRasterizer.h"
#include "RegionShapes.h"
#include "Rop3.h"

#include <algorithm>
#include <cmath>

namespace {

struct Vec {
  double x;
  double y;
};

Vec operator+(Vec a, Vec b) { return {a.x + b.x, a.y + b.y}; }
Vec operator-(Vec a, Vec b) { return {a.x - b.x, a.y - b.y}; }
Vec operator*(Vec a, double k) { return {a.x * k, a.y * k}; }
double Dot(Vec a, Vec b) { return a.x * b.x + a.y * b.y; }
double Length(Vec a) { return std::hypot(a.x, a.y); }
Vec ToVec(POINT p) { return {static_cast<double>(p.x), static_cast<double>(p.y)}; }

// Half-way values round up, so a band of odd width w around a line covers w/2 pixels before
// it and (w+1)/2 - 1 after it, matching the round cap.
int64_t Round(double v) { return static_cast<int64_t>(std::floor(v + 0.5)); }
PointL Snap(Vec v) { return PointL{Round(v.x), Round(v.y)}; }

// Consecutive duplicates removed; a closed figure also loses a last point equal to its first.
std::vector<POINT> DistinctPoints(const Figure& figure) {
  std::vector<POINT> points;
  for (const POINT& p : figure.points) {
    if (points.empty() || points.back().x != p.x || points.back().y != p.y) points.push_back(p);
  }
  if (figure.closed && points.size() > 1 && points.front().x == points.back().x && points.front().y == points.back().y) {
    points.pop_back();
  }
  return points;
}

RECT DeviceBounds(DeviceContext& dc) {
  RECT bounds = dc.DrawingArea().Bounds();
  const POINT origin = dc.SurfaceOrigin();
  OffsetRect(&bounds, -origin.x, -origin.y);
  return bounds;
}

// Builds the rows of a wide pen's outline: bands along the segments plus caps and joins.
class WideOutlineBuilder : public SpanSink {
 public:
  WideOutlineBuilder(const RECT& clip, const RealizedPen& pen)
      : clip_(clip), pen_(pen), half_(pen.Width() / 2.0) {
    const int w = pen.Width();
    const RECT box{-(w / 2), -(w / 2), (w + 1) / 2 + 1, (w + 1) / 2 + 1};
    disc_ = RegionShapes::RoundRect(box, box.right - box.left, box.bottom - box.top);
  }

  void AddFigure(const std::vector<POINT>& points, bool closed) {
    const size_t n = points.size();
    const size_t segments = closed ? n : n - 1;
    for (size_t k = 0; k < segments; ++k) {
      const bool capStart = !closed && k == 0;
      const bool capEnd = !closed && k + 1 == segments;
      AddSegment(points[k], points[(k + 1) % n], capStart, capEnd);
    }
    for (size_t k = 0; k < n; ++k) {
      if (!closed && (k == 0 || k + 1 == n)) {
        if (pen_.EndCap() == PS_ENDCAP_ROUND) AddDisc(points[k]);
      } else {
        AddJoin(points[(k + n - 1) % n], points[k], points[(k + 1) % n]);
      }
    }
  }

  Region Build() { return Region::FromRows(std::move(rows_)); }

  // The rows of the pieces, which overlap one another; Build merges them.
  void Add(int32_t top, int32_t bottom, std::span<const Span> spans) override {
    for (int32_t y = top; y < bottom && !spans.empty(); ++y) rows_.push_back({y, {spans.begin(), spans.end()}});
  }

 private:
  Vec Normal(POINT from, POINT to) const {
    const Vec d = ToVec(to) - ToVec(from);
    return Vec{-d.y, d.x} * (half_ / Length(d));
  }

  void AddPolygon(std::initializer_list<PointL> corners) {
    PolygonRasterizer rasterizer(clip_);
    rasterizer.AddPolygon(std::span<const PointL>(corners.begin(), corners.size()));
    rasterizer.Scan(WINDING, *this);
  }

  // A band of the pen's width along the segment. Slanted bands are split unevenly: the half of
  // the width that rounds down goes to one side and the half that rounds up to the other, so
  // that consecutive bands of a curve meet without gaps.
  void AddSegment(POINT from, POINT to, bool capStart, bool capEnd) {
    PointL a{from.x, from.y};
    PointL b{to.x, to.y};
    const int64_t dx = b.x - a.x;
    const int64_t dy = b.y - a.y;
    const double length = std::hypot(static_cast<double>(dx), static_cast<double>(dy));
    if (pen_.EndCap() == PS_ENDCAP_SQUARE) {
      const Vec along = Vec{static_cast<double>(dx), static_cast<double>(dy)} * (half_ / length);
      if (capStart) a = Snap(ToVec(from) - along);
      if (capEnd) b = Snap(ToVec(to) + along);
    }
    const int64_t w = pen_.Width();
    if (dx == 0 || dy == 0) {
      const int64_t left = dx == 0 ? a.x - w / 2 : std::min(a.x, b.x);
      const int64_t top = dy == 0 ? a.y - w / 2 : std::min(a.y, b.y);
      const int64_t right = dx == 0 ? left + w : std::max(a.x, b.x);
      const int64_t bottom = dy == 0 ? top + w : std::max(a.y, b.y);
      AddPolygon({{left, top}, {right, top}, {right, bottom}, {left, bottom}});
      return;
    }
    const double widthX = static_cast<double>(w) * std::abs(static_cast<double>(dy)) / length;
    const double widthY = static_cast<double>(w) * std::abs(static_cast<double>(dx)) / length;
    const int64_t signX = dx > 0 ? 1 : -1;
    const int64_t signY = dy > 0 ? 1 : -1;
    const PointL wideHalf{Round((widthX + 1) / 2), Round((widthY + 1) / 2)};
    const PointL narrowHalf{Round(widthX / 2), Round(widthY / 2)};
    const PointL& leftHalf = dy > 0 ? wideHalf : narrowHalf;
    const PointL& rightHalf = dy > 0 ? narrowHalf : wideHalf;
    const PointL left{signY * leftHalf.x, -signX * leftHalf.y};
    const PointL right{-signY * rightHalf.x, signX * rightHalf.y};
    AddPolygon({{a.x + left.x, a.y + left.y}, {b.x + left.x, b.y + left.y}, {b.x + right.x, b.y + right.y},
                {a.x + right.x, a.y + right.y}});
  }

  void AddJoin(POINT previous, POINT vertex, POINT next) {
    if (pen_.Join() == PS_JOIN_ROUND) {
      AddDisc(vertex);
      return;
    }
    const Vec v = ToVec(vertex);
    Vec n1 = Normal(previous, vertex);
    Vec n2 = Normal(vertex, next);
    if (Dot(n1, ToVec(next) - v) > 0) {  // that side is inside the turn: use the other one
      n1 = n1 * -1;
      n2 = n2 * -1;
    }
    const Vec sum = n1 + n2;
    const double sumLength = Length(sum);
    constexpr double kMiterLimit = 10.0;  // the default of SetMiterLimit
    if (pen_.Join() == PS_JOIN_MITER && sumLength > 0 && 2 * half_ / sumLength <= kMiterLimit) {
      const Vec miter = sum * (2 * half_ * half_ / (sumLength * sumLength));
      AddPolygon({Snap(v), Snap(v + n1), Snap(v + miter), Snap(v + n2)});
    } else {
      AddPolygon({Snap(v), Snap(v + n1), Snap(v + n2)});
    }
  }

  void AddDisc(POINT centre) {
    for (const Region::Band& band : disc_.Bands()) {
      for (int64_t y = int64_t{band.top} + centre.y; y < int64_t{band.bottom} + centre.y; ++y) {
        if (y < clip_.top || y >= clip_.bottom) continue;
        RowSpans row{static_cast<int32_t>(y), {}};
        for (const Span& s : band.spans) {
          const int64_t left = std::max<int64_t>(int64_t{s.left} + centre.x, clip_.left);
          const int64_t right = std::min<int64_t>(int64_t{s.right} + centre.x, clip_.right);
          if (left < right) row.spans.push_back({static_cast<int32_t>(left), static_cast<int32_t>(right)});
        }
        if (!row.spans.empty()) rows_.push_back(std::move(row));
      }
    }
  }

  RECT clip_;
  const RealizedPen& pen_;
  double half_;
  Region disc_;
  std::vector<RowSpans> rows_;
};

}  // namespace

PenStroker::PenStroker(DeviceContext& dc, const RealizedPen& pen)
    : dc_(dc),
      pen_(pen),
      bounds_(DeviceBounds(dc)),
      rop_(rop3::FromRop2(dc.State().rop2)),
      ink_(RealizedBrush::Solid(pen.Pixel())),
      gap_(RealizedBrush::Solid(pen.GapPixel())) {}

bool PenStroker::Stroke(const std::vector<Figure>& figures) {
  switch (pen_.GetKind()) {
    case RealizedPen::Kind::Null:
      return true;
    case RealizedPen::Kind::Cosmetic:
      for (const Figure& figure : figures) StrokeCosmetic(figure);
      return true;
    case RealizedPen::Kind::Wide: {
      std::optional<Region> outline = WideOutline(figures);
      if (!outline) return false;
      PaintOutline(*outline);
      return true;
    }
  }
  return true;
}

void PenStroker::PaintOutline(const Region& outline) { Painter(dc_).FillRegion(outline, ink_, rop_); }

std::optional<Region> PenStroker::WideOutline(const std::vector<Figure>& figures) const {
  if (pen_.Width() > kMaxWideWidth) return std::nullopt;
  WideOutlineBuilder builder(bounds_, pen_);
  for (const Figure& figure : figures) {
    const std::vector<POINT> points = DistinctPoints(figure);
    if (points.size() >= 2) builder.AddFigure(points, figure.closed);
  }
  return builder.Build();
}

void PenStroker::StrokeCosmetic(const Figure& figure) {
  const size_t n = figure.points.size();
  if (n < 2) return;
  const size_t segments = figure.closed ? n : n - 1;
  int64_t position = 0;
  for (size_t k = 0; k < segments; ++k) {
    const LineRasterizer line(figure.points[k], figure.points[(k + 1) % n]);
    DrawLine(line, position);
    position += line.Length();
  }
}

void PenStroker::DrawLine(const LineRasterizer& line, int64_t position) {
  const auto [first, last] = line.StepsWithin(bounds_);
  Run run{0, 0, 0, false};
  bool open = false;
  for (int64_t i = first; i < last; ++i) {
    const POINT p = line.PixelAt(i);
    const bool dash = pen_.IsDash(position + i);
    const bool visible = p.x >= bounds_.left && p.x < bounds_.right && p.y >= bounds_.top && p.y < bounds_.bottom;
    if (!visible || (!dash && !pen_.PaintsGaps())) {
      if (open) Flush(run);
      open = false;
      continue;
    }
    if (open && run.y == p.y && run.dash == dash && (p.x == run.right || p.x + 1 == run.left)) {
      run.left = std::min<int32_t>(run.left, p.x);
      run.right = std::max<int32_t>(run.right, p.x + 1);
      continue;
    }
    if (open) Flush(run);
    run = Run{p.y, p.x, p.x + 1, dash};
    open = true;
  }
  if (open) Flush(run);
}

void PenStroker::Flush(const Run& run) { PaintRun(run.y, run.left, run.right, run.dash ? ink_ : gap_); }

void PenStroker::PaintRun(int32_t y, int32_t left, int32_t right, const RealizedBrush& brush) {
  const POINT origin = dc_.SurfaceOrigin();
  const int32_t sy = y + origin.y;
  const std::vector<Region::Band>& bands = dc_.Drawable().Bands();
  const auto band = std::upper_bound(bands.begin(), bands.end(), sy,
                                     [](int32_t value, const Region::Band& b) { return value < b.bottom; });
  if (band == bands.end() || band->top > sy) return;
  PixelSurface& surface = dc_.Surface();
  for (const Span& span : band->spans) {
    const int32_t from = std::max(span.left, left + origin.x);
    const int32_t to = std::min(span.right, right + origin.x);
    if (from < to) Painter::CombineSpan(surface, from, sy, to - from, nullptr, &brush, rop_);
  }
}
