#include "RegionShapes.h"

#include "PolygonRasterizer.h"
#include "QuarterEllipseWalk.h"
#include "RegionBuilder.h"

#include <algorithm>
#include <climits>
#include <cstdlib>

namespace RegionShapes {
namespace {

// Plots the outline pixels of the ellipse whose extreme pixels are x = l, x = r - 1, y = t and
// y = b - 1 (a midpoint rasterisation computed for the first quadrant and mirrored); some
// pixels come more than once.
template <typename Plot>
void TraceEllipse(const RECT& box, Plot plot) {
  int64_t x0 = box.left;
  int64_t x1 = box.right - 1;
  int64_t y0 = box.top;
  int64_t y1 = box.bottom - 1;
  if (x1 < x0 || y1 < y0) return;
  int64_t a = x1 - x0;
  const int64_t b = y1 - y0;
  int64_t b1 = b & 1;
  int64_t dx = 4 * (1 - a) * b * b;
  int64_t dy = 4 * (b1 + 1) * a * a;
  int64_t err = dx + dy + b1 * a * a;
  y0 += (b + 1) / 2;
  y1 = y0 - b1;
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
}

}  // namespace

std::optional<Region> Polygons(const std::vector<std::vector<POINT>>& polygons, int fillMode) {
  PolygonRasterizer rasterizer(RECT{INT32_MIN, INT32_MIN, INT32_MAX, INT32_MAX});
  for (const auto& polygon : polygons) rasterizer.AddPolygon(std::span<const POINT>(polygon));
  RegionBuilder region;
  if (!rasterizer.Scan(fillMode, region, kMaxScannedRows)) return std::nullopt;
  return region.Build();
}

std::vector<POINT> EllipseOutline(const RECT& box) {
  std::vector<POINT> points;
  TraceEllipse(box, [&](int64_t x, int64_t y) { points.push_back(POINT{static_cast<LONG>(x), static_cast<LONG>(y)}); });
  std::sort(points.begin(), points.end(), [](POINT p, POINT q) { return p.y != q.y ? p.y < q.y : p.x < q.x; });
  points.erase(std::unique(points.begin(), points.end(), [](POINT p, POINT q) { return p.x == q.x && p.y == q.y; }),
               points.end());
  return points;
}

void FilledRoundRect(const RECT& box, int cornerWidth, int cornerHeight, SpanSink& sink) {
  const int width = box.right - box.left;
  const int height = box.bottom - box.top;
  if (width <= 0 || height <= 0) return;
  cornerWidth = std::min(std::abs(cornerWidth), width);
  cornerHeight = std::min(std::abs(cornerHeight), height);
  if (cornerWidth < 3 || cornerHeight < 3) {
    sink.AddRect(box);
    return;
  }
  // Each row of the corner ellipse spans from its leftmost pixel, in the left corner, to its
  // rightmost, in the right corner; the rows between the corners are the full width.
  std::vector<Span> rows(static_cast<size_t>(cornerHeight), Span{cornerWidth, -1});
  TraceEllipse(RECT{0, 0, cornerWidth, cornerHeight}, [&](int64_t x, int64_t y) {
    Span& row = rows[static_cast<size_t>(y)];
    row.left = std::min(row.left, static_cast<int32_t>(x));
    row.right = std::max(row.right, static_cast<int32_t>(x));
  });
  const int topRows = (cornerHeight - 1) / 2 + 1;  // the middle row of an odd corner belongs to the top
  const int32_t rightShift = box.right - cornerWidth;
  auto addCornerRow = [&](int index, int32_t y) {
    const Span& row = rows[static_cast<size_t>(index)];
    const Span span{box.left + row.left, rightShift + row.right + 1};
    if (row.left <= row.right) sink.Add(y, y + 1, {&span, 1});
  };
  for (int i = 0; i < topRows; ++i) addCornerRow(i, box.top + i);
  sink.AddRect({box.left, box.top + topRows, box.right, box.bottom - (cornerHeight - topRows)});
  for (int i = topRows; i < cornerHeight; ++i) addCornerRow(i, box.bottom - cornerHeight + i);
}

Region RoundRect(const RECT& box, int cornerWidth, int cornerHeight) {
  const RECT shrunk{box.left, box.top, box.right - 1, box.bottom - 1};
  if (shrunk.right <= shrunk.left || shrunk.bottom <= shrunk.top) return Region();
  const int width = std::min(std::abs(cornerWidth), static_cast<int>(shrunk.right - shrunk.left));
  const int height = std::min(std::abs(cornerHeight), static_cast<int>(shrunk.bottom - shrunk.top));
  if (width < 2 || height < 2) return Region::FromRect(shrunk);
  // The lower half of the corner ellipse, traced from its middle row down: each row spans from
  // where the curve enters it (a midpoint rasterisation of the ellipse through the extreme
  // pixels) to the mirrored point on the right. The upper half mirrors the lower one.
  std::vector<int32_t> inset(static_cast<size_t>(height), 0);
  QuarterEllipseWalk walk(width, height);
  for (int32_t x = 0, y = height / 2; x <= width / 2 && y + 1 < height;) {
    const QuarterEllipseWalk::Step step = walk.Next();
    if (step.column) ++x;
    if (step.row) inset[static_cast<size_t>(++y)] = x;
  }
  const int b = height - 1;
  for (int i = 0; i < height / 2; ++i) inset[static_cast<size_t>(i)] = inset[static_cast<size_t>(b - i)];
  RegionBuilder region;
  auto addRow = [&](int32_t row, int32_t rowInset) {
    const Span span{shrunk.left + rowInset, shrunk.right - rowInset};
    if (span.left < span.right) region.Add(row, row + 1, {&span, 1});
  };
  for (int i = 0; i < height / 2; ++i) addRow(shrunk.top + i, inset[static_cast<size_t>(i)]);
  const Span middle{shrunk.left, shrunk.right};
  region.Add(shrunk.top + height / 2, shrunk.bottom - height + height / 2 + 1, {&middle, 1});
  for (int i = height / 2 + 1; i < height; ++i) addRow(shrunk.bottom - height + i, inset[static_cast<size_t>(i)]);
  return region.Build();
}

}  // namespace RegionShapes
