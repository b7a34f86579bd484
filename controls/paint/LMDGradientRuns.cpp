#include "LMDGradientRuns.h"

#include <SysUtils.h>

#include <algorithm>

using enum TLMDGradientStyle;

namespace {

// The smallest integer not below a / b; b > 0.
int64_t CeilDivide(int64_t a, int64_t b) { return a >= 0 ? (a + b - 1) / b : -((-a) / b); }

}  // namespace

TLMDGradientRuns::TLMDGradientRuns(TLMDGradientStyle style, const RECT& seed, int32_t width, int32_t height,
                                   int32_t count, const RECT& limit)
    : FStyle(style), FSeed(seed), FWidth(width), FHeight(height), FCount(count), FLimit(limit) {
  // Nested shapes are painted from the largest to the smallest, so the smallest shape containing
  // a pixel gives its colour; column bands do not overlap, so their order does not matter.
  for (int32_t i = 0; i < count; ++i) FShapes.push_back(Limited(ShapeOf(i)));
  for (const TShape& shape : FShapes) {
    RECT box{INT32_MAX, shape.Top, INT32_MIN, shape.Top + static_cast<int32_t>(shape.Rows.size())};
    for (const TSpan& span : shape.Rows) {
      if (span.Left >= span.Right) continue;
      box.left = std::min<LONG>(box.left, span.Left);
      box.right = std::max<LONG>(box.right, span.Right);
    }
    if (box.left < box.right) UnionRect(&FBounds, &FBounds, &box);
  }
  FChanges.assign(static_cast<size_t>(std::max<LONG>(FBounds.bottom - FBounds.top, 0)), false);
  auto mark = [&](int64_t y) {
    if (y >= FBounds.top && y < FBounds.bottom) FChanges[static_cast<size_t>(y - FBounds.top)] = true;
  };
  for (const TShape& shape : FShapes) {
    mark(shape.Top);
    mark(int64_t{shape.Top} + static_cast<int64_t>(shape.Rows.size()));
    for (size_t k = 1; k < shape.Rows.size(); ++k) {
      const TSpan& now = shape.Rows[k];
      const TSpan& before = shape.Rows[k - 1];
      if (now.Left != before.Left || now.Right != before.Right) mark(shape.Top + static_cast<int64_t>(k));
    }
  }
}

// The shape's rows and spans within FLimit; spans left empty are (0, 0).
TLMDGradientRuns::TShape TLMDGradientRuns::Limited(TShape shape) const {
  const int64_t first = std::max<int64_t>(FLimit.top, shape.Top);
  const int64_t last = std::min<int64_t>(FLimit.bottom, int64_t{shape.Top} + static_cast<int64_t>(shape.Rows.size()));
  if (first >= last) return TShape{};
  shape.Rows.resize(static_cast<size_t>(last - shape.Top));
  shape.Rows.erase(shape.Rows.begin(), shape.Rows.begin() + (first - shape.Top));
  shape.Top = static_cast<int32_t>(first);
  for (TSpan& span : shape.Rows) {
    span = TSpan{std::max<int32_t>(span.Left, FLimit.left), std::min<int32_t>(span.Right, FLimit.right)};
    if (span.Left >= span.Right) span = TSpan{0, 0};
  }
  return shape;
}

TLMDGradientRuns::TShape TLMDGradientRuns::ShapeOf(int32_t i) const {
  const RECT& s = FSeed;
  const int32_t dx = MulDiv(i + 1, FWidth, FCount);
  const int32_t dy = MulDiv(i + 1, FHeight, FCount);
  switch (FStyle) {
    case gstHorizontal: return ColumnShape(i);
    case gstVertical: break;  // whole rows are painted as they are
    case gstSquare: {
      const int32_t hx = dx / 2;
      const int32_t hy = dy / 2;
      return RectangleShape(RECT{s.left - hx, s.top - hy, s.left + hx + 2, s.top + hy + 2});
    }
    case gstElliptic: {
      const auto ex = static_cast<int32_t>(Round(dx / 1.4L));
      const auto ey = static_cast<int32_t>(Round(dy / 1.4L));
      return EllipseShape(RECT{s.left - ex, s.top - ey, s.left + ex, s.top + ey});
    }
    case gstTopLeft: return RectangleShape(RECT{s.left, s.top, s.right + dx, s.bottom + dy});
    case gstTopRight: return RectangleShape(RECT{s.left - dx, s.top + dy, s.right, s.bottom});
    case gstBottomLeft: return RectangleShape(RECT{s.left + dx, s.top - dy, s.right, s.bottom});
    case gstBottomRight: return RectangleShape(RECT{s.left - dx, s.top - dy, s.right, s.bottom});
    case gstTopLeftDiagonal: {
      const POINT corners[4] = {{s.left, s.top}, {s.left + 2 * dx, s.top}, {s.left, s.bottom + 2 * dy},
                                {s.left - 2 * dx, s.bottom + 2 * dy}};
      return QuadrilateralShape(corners);
    }
    case gstTopRightDiagonal: {
      const POINT corners[4] = {{s.right, s.top}, {s.right - 2 * dx, s.top}, {s.right, s.bottom + 2 * dy},
                                {s.right + 2 * dx, s.bottom + 2 * dy}};
      return QuadrilateralShape(corners);
    }
  }
  return TShape{};
}

// A band of columns filled like FillRect: its right column and bottom row are outside.
TLMDGradientRuns::TShape TLMDGradientRuns::ColumnShape(int32_t i) const {
  const RECT& s = FSeed;
  const TSpan band{s.left + MulDiv(i, FWidth, FCount), s.left + MulDiv(i + 1, FWidth, FCount)};
  if (band.Left >= band.Right || s.top >= s.bottom) return TShape{};
  return TShape{s.top, std::vector<TSpan>(static_cast<size_t>(s.bottom - s.top), band)};
}

// Rectangle without a pen: the corners may come in any order, and the interior loses the
// right column and the bottom row of the box.
TLMDGradientRuns::TShape TLMDGradientRuns::RectangleShape(RECT box) const {
  box = RECT{std::min(box.left, box.right), std::min(box.top, box.bottom), std::max(box.left, box.right) - 1,
             std::max(box.top, box.bottom) - 1};
  TShape shape{box.top, {}};
  if (box.left < box.right && box.top < box.bottom) {
    shape.Rows.assign(static_cast<size_t>(box.bottom - box.top), TSpan{box.left, box.right});
  }
  return shape;
}

// Ellipse without a pen: each row spans the outline pixels of the midpoint rasterisation of
// the ellipse whose extreme pixels are the box's first and last columns and rows. Boxes of
// two pixels or less across are rectangles.
TLMDGradientRuns::TShape TLMDGradientRuns::EllipseShape(RECT box) const {
  box = RECT{std::min(box.left, box.right), std::min(box.top, box.bottom), std::max(box.left, box.right),
             std::max(box.top, box.bottom)};
  const int64_t width = int64_t{box.right} - box.left;
  const int64_t height = int64_t{box.bottom} - box.top;
  if (width <= 2 || height <= 2) return RectangleShape(box);
  TShape shape{box.top, std::vector<TSpan>(static_cast<size_t>(height), TSpan{INT32_MAX, INT32_MIN})};
  auto plot = [&](int64_t x, int64_t y) {
    TSpan& row = shape.Rows[static_cast<size_t>(y)];
    row.Left = std::min(row.Left, static_cast<int32_t>(box.left + x));
    row.Right = std::max(row.Right, static_cast<int32_t>(box.left + x + 1));
  };
  int64_t x0 = 0;
  int64_t x1 = width - 1;
  int64_t a = x1;
  const int64_t b = height - 1;
  int64_t b1 = b & 1;
  int64_t dx = 4 * (1 - a) * b * b;
  int64_t dy = 4 * (b1 + 1) * a * a;
  int64_t err = dx + dy + b1 * a * a;
  int64_t y0 = (b + 1) / 2;
  int64_t y1 = y0 - b1;
  a *= 8 * a;
  b1 = 8 * b * b;
  do {
    plot(x1, y0);
    plot(x0, y0);
    plot(x0, y1);
    plot(x1, y1);
    const int64_t e2 = 2 * err;
    if (e2 <= dy) {
      ++y0;
      --y1;
      err += dy += a;
    }
    if (e2 >= dx || 2 * err > dy) {
      ++x0;
      --x1;
      err += dx += b1;
    }
  } while (x0 <= x1);
  while (y0 - y1 < b) {  // flat ellipses stop early: finish the tips
    plot(x0 - 1, y0);
    plot(x1 + 1, y0++);
    plot(x0 - 1, y1);
    plot(x1 + 1, y1--);
  }
  return shape;
}

// Polygon without a pen: pixel (x, y) is inside when the point (x, y) is, points on left and
// top edges counting and points on right and bottom edges not.
TLMDGradientRuns::TShape TLMDGradientRuns::QuadrilateralShape(const POINT (&corners)[4]) const {
  int32_t top = corners[0].y;
  int32_t bottom = corners[0].y;
  for (const POINT& p : corners) {
    top = std::min<int32_t>(top, p.y);
    bottom = std::max<int32_t>(bottom, p.y);
  }
  top = std::max<int32_t>(top, FLimit.top);
  bottom = std::min<int32_t>(bottom, FLimit.bottom);
  if (top >= bottom) return TShape{};
  TShape shape{top, std::vector<TSpan>(static_cast<size_t>(bottom - top), TSpan{0, 0})};
  // Each edge's crossing with a row is stepped from the row before: its ceiling x and how far
  // the ceiling lies past the exact crossing, in 1/rise of a pixel.
  struct TEdgeWalk {
    int64_t FirstRow;
    int64_t EndRow;
    int64_t X;
    int64_t Excess;
    int64_t Step;
    int64_t StepRemainder;
    int64_t Rise;
  };
  std::vector<TEdgeWalk> edges;
  for (size_t k = 0; k < 4; ++k) {
    POINT a = corners[k];
    POINT b = corners[(k + 1) % 4];
    if (a.y == b.y) continue;
    if (a.y > b.y) std::swap(a, b);
    const int64_t rise = int64_t{b.y} - a.y;
    const int64_t run = int64_t{b.x} - a.x;
    const int64_t first = std::max<int64_t>(a.y, top);
    const int64_t numerator = int64_t{a.x} * rise + (first - a.y) * run;
    const int64_t x = CeilDivide(numerator, rise);
    const int64_t step = run >= 0 ? run / rise : -CeilDivide(-run, rise);
    edges.push_back(TEdgeWalk{first, b.y, x, x * rise - numerator, step, run - step * rise, rise});
  }
  for (int32_t y = top; y < bottom; ++y) {
    int64_t left = INT64_MAX;
    int64_t right = INT64_MIN;
    int crossings = 0;
    for (TEdgeWalk& edge : edges) {
      if (y < edge.FirstRow || y >= edge.EndRow) continue;
      left = std::min(left, edge.X);
      right = std::max(right, edge.X);
      ++crossings;
      edge.X += edge.Step;
      edge.Excess -= edge.StepRemainder;
      if (edge.Excess < 0) {
        ++edge.X;
        edge.Excess += edge.Rise;
      }
    }
    // A convex outline crosses each row it covers twice.
    if (crossings >= 2) {
      shape.Rows[static_cast<size_t>(y - top)] = TSpan{static_cast<int32_t>(left), static_cast<int32_t>(right)};
    }
  }
  return shape;
}

TLMDGradientRuns::TSpan TLMDGradientRuns::SpanOf(size_t shape, int32_t y) const {
  const TShape& s = FShapes[shape];
  if (y < s.Top || y - s.Top >= static_cast<int32_t>(s.Rows.size())) return TSpan{0, 0};
  const TSpan span = s.Rows[static_cast<size_t>(y - s.Top)];
  return span.Left < span.Right ? span : TSpan{0, 0};
}

const std::vector<TLMDGradientRuns::TRun>& TLMDGradientRuns::Row(int32_t y) {
  // The row after the one FRow holds has the same runs unless some shape's span changes on it.
  const bool repeats = FRowY.has_value() && y == *FRowY + 1 && y > FBounds.top && y < FBounds.bottom &&
                       !FChanges[static_cast<size_t>(y - FBounds.top)];
  FRowY = y;
  FRepeated = repeats;
  if (repeats) return FRow;
  FRow.clear();
  FCovered.clear();
  for (size_t k = 0; k < FShapes.size(); ++k) Cover(SpanOf(k, y), static_cast<int32_t>(k));
  return FRow;
}

// Gives `color` to the parts of `span` not yet covered on the row, then counts the span as
// covered. The covered spans stay sorted and merged: nested shapes keep one.
void TLMDGradientRuns::Cover(TSpan span, int32_t color) {
  if (span.Left >= span.Right) return;
  if (FCovered.empty()) {
    FRow.push_back(TRun{span.Left, span.Right, color});
    FCovered.push_back(span);
    return;
  }
  if (FCovered.size() == 1 && span.Left <= FCovered[0].Left && span.Right >= FCovered[0].Right) {
    if (span.Left < FCovered[0].Left) FRow.push_back(TRun{span.Left, FCovered[0].Left, color});
    if (FCovered[0].Right < span.Right) FRow.push_back(TRun{FCovered[0].Right, span.Right, color});
    FCovered[0] = span;
    return;
  }
  int32_t from = span.Left;
  for (const TSpan& covered : FCovered) {
    if (covered.Right <= from) continue;
    if (covered.Left >= span.Right) break;
    if (from < covered.Left) FRow.push_back(TRun{from, covered.Left, color});
    from = std::max(from, covered.Right);
  }
  if (from < span.Right) FRow.push_back(TRun{from, span.Right, color});

  auto first = std::lower_bound(FCovered.begin(), FCovered.end(), span.Left,
                                [](const TSpan& c, int32_t left) { return c.Right < left; });
  auto last = first;
  while (last != FCovered.end() && last->Left <= span.Right) {
    span.Left = std::min(span.Left, last->Left);
    span.Right = std::max(span.Right, last->Right);
    ++last;
  }
  FCovered.insert(FCovered.erase(first, last), span);
}
