#include "RegionShapes.h"

#include <algorithm>
#include <cstdlib>
#include <map>

namespace RegionShapes {
namespace {

int64_t FloorDiv(int64_t a, int64_t b) {  // b > 0
  return a >= 0 ? a / b : -((-a + b - 1) / b);
}

int64_t CeilDiv(int64_t a, int64_t b) { return -FloorDiv(-a, b); }

struct Edge {
  int64_t x0, y0, x1, y1;
  int direction;  // +1 downwards, -1 upwards
};

struct Crossing {
  int64_t x;  // first pixel at or right of the crossing
  int direction;
};

Region RowsToRegion(const std::map<int, std::pair<int, int>>& extents) {
  std::vector<RowSpans> rows;
  for (const auto& [y, extent] : extents) rows.push_back({y, {{extent.first, extent.second + 1}}});
  return Region::FromRows(std::move(rows));
}

}  // namespace

std::optional<Region> Polygons(const std::vector<std::vector<POINT>>& polygons, int fillMode) {
  std::vector<Edge> edges;
  std::vector<int64_t> breaks;
  for (const auto& polygon : polygons) {
    for (size_t i = 0; i < polygon.size(); ++i) {
      const POINT a = polygon[i];
      const POINT b = polygon[(i + 1) % polygon.size()];
      if (a.y == b.y) continue;
      Edge e = a.y < b.y ? Edge{a.x, a.y, b.x, b.y, 1} : Edge{b.x, b.y, a.x, a.y, -1};
      edges.push_back(e);
      breaks.push_back(e.y0);
      breaks.push_back(e.y1);
    }
  }
  std::sort(breaks.begin(), breaks.end());
  breaks.erase(std::unique(breaks.begin(), breaks.end()), breaks.end());

  std::vector<Crossing> crossings;
  auto spansAt = [&](int64_t y) {
    crossings.clear();
    for (const Edge& e : edges) {
      if (y < e.y0 || y >= e.y1) continue;
      const int64_t numerator = e.x0 * (e.y1 - e.y0) + (y - e.y0) * (e.x1 - e.x0);
      crossings.push_back({CeilDiv(numerator, e.y1 - e.y0), e.direction});
    }
    std::sort(crossings.begin(), crossings.end(), [](const Crossing& a, const Crossing& b) { return a.x < b.x; });
    std::vector<Span> spans;
    int winding = 0;
    for (size_t i = 0; i + 1 < crossings.size(); ++i) {
      winding += fillMode == WINDING ? crossings[i].direction : 1;
      const bool inside = fillMode == WINDING ? winding != 0 : (winding & 1) != 0;
      if (inside && crossings[i].x < crossings[i + 1].x) {
        spans.push_back({static_cast<int32_t>(crossings[i].x), static_cast<int32_t>(crossings[i + 1].x)});
      }
    }
    return spans;
  };

  std::vector<Region::Band> bands;
  int64_t scanned = 0;
  for (size_t k = 0; k + 1 < breaks.size(); ++k) {
    const int64_t top = breaks[k];
    const int64_t bottom = breaks[k + 1];
    const bool allVertical = std::all_of(edges.begin(), edges.end(), [&](const Edge& e) {
      return e.y1 <= top || e.y0 >= bottom || e.x0 == e.x1;
    });
    if (allVertical) {
      bands.push_back({static_cast<int32_t>(top), static_cast<int32_t>(bottom), spansAt(top)});
      continue;
    }
    scanned += bottom - top;
    if (scanned > kMaxScannedRows) return std::nullopt;
    for (int64_t y = top; y < bottom; ++y) {
      bands.push_back({static_cast<int32_t>(y), static_cast<int32_t>(y + 1), spansAt(y)});
    }
  }
  return Region::FromBands(std::move(bands));
}

std::vector<POINT> EllipseOutline(const RECT& box) {
  std::vector<POINT> points;
  int64_t x0 = box.left;
  int64_t x1 = box.right - 1;
  int64_t y0 = box.top;
  int64_t y1 = box.bottom - 1;
  if (x1 < x0 || y1 < y0) return points;
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
  auto plot = [&](int64_t x, int64_t y) { points.push_back(POINT{static_cast<LONG>(x), static_cast<LONG>(y)}); };
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
  std::sort(points.begin(), points.end(), [](POINT p, POINT q) { return p.y != q.y ? p.y < q.y : p.x < q.x; });
  points.erase(std::unique(points.begin(), points.end(), [](POINT p, POINT q) { return p.x == q.x && p.y == q.y; }),
               points.end());
  return points;
}

std::vector<POINT> RoundRectCorners(const RECT& box, int cornerWidth, int cornerHeight) {
  std::vector<POINT> points = EllipseOutline(RECT{0, 0, cornerWidth, cornerHeight});
  for (POINT& p : points) {
    p.x = 2 * p.x <= cornerWidth - 1 ? box.left + p.x : box.right - cornerWidth + p.x;
    p.y = 2 * p.y <= cornerHeight - 1 ? box.top + p.y : box.bottom - cornerHeight + p.y;
  }
  return points;
}

Region FilledRoundRect(const RECT& box, int cornerWidth, int cornerHeight) {
  const int width = box.right - box.left;
  const int height = box.bottom - box.top;
  if (width <= 0 || height <= 0) return Region();
  cornerWidth = std::min(std::abs(cornerWidth), width);
  cornerHeight = std::min(std::abs(cornerHeight), height);
  if (cornerWidth < 3 || cornerHeight < 3) return Region::FromRect(box);
  // Rows with corner pixels span from the leftmost to the rightmost of them; the rows between
  // the corners are the full width.
  std::map<int, std::pair<int, int>> corners;
  for (const POINT& p : RoundRectCorners(box, cornerWidth, cornerHeight)) {
    auto [it, inserted] = corners.try_emplace(p.y, p.x, p.x);
    if (!inserted) {
      it->second.first = std::min(it->second.first, static_cast<int>(p.x));
      it->second.second = std::max(it->second.second, static_cast<int>(p.x));
    }
  }
  const int topRows = (cornerHeight - 1) / 2 + 1;  // the middle row of an odd corner belongs to the top
  const int middleTop = box.top + topRows;
  const int middleBottom = box.bottom - (cornerHeight - topRows);
  return Region::Combine(RowsToRegion(corners), Region::FromRect({box.left, middleTop, box.right, middleBottom}), RGN_OR);
}

Region RoundRect(const RECT& box, int cornerWidth, int cornerHeight) {
  RECT shrunk{box.left, box.top, box.right - 1, box.bottom - 1};
  if (shrunk.right <= shrunk.left || shrunk.bottom <= shrunk.top) return Region();
  const int width = shrunk.right - shrunk.left;
  const int height = shrunk.bottom - shrunk.top;
  cornerWidth = std::min(std::abs(cornerWidth), width);
  cornerHeight = std::min(std::abs(cornerHeight), height);
  if (cornerWidth < 2 || cornerHeight < 2) return Region::FromRect(shrunk);
  return FilledRoundRect(shrunk, cornerWidth, cornerHeight);
}

}  // namespace RegionShapes
