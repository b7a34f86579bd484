#include "ShapeOutlines.h"

#include "QuarterEllipseWalk.h"
#include "RegionShapes.h"

#include <algorithm>

namespace ShapeOutlines {
namespace {

// A pixel of the bottom-right quarter of an ellipse as distances (u, v) from its right and
// bottom extremes.
struct QuarterPoint {
  int u;
  int v;
};

// The bottom-right quarter in order from the middle row (u = 0) to the middle column (v = 0).
std::vector<QuarterPoint> Quarter(int width, int height) {
  std::vector<QuarterPoint> quarter;
  for (const POINT& p : RegionShapes::EllipseOutline(RECT{0, 0, width, height})) {
    if (2 * p.x >= width - 1 && 2 * p.y >= height - 1) quarter.push_back({width - 1 - p.x, height - 1 - p.y});
  }
  std::sort(quarter.begin(), quarter.end(),
            [](QuarterPoint a, QuarterPoint b) { return a.v != b.v ? a.v > b.v : a.u < b.u; });
  return quarter;
}

void Append(std::vector<POINT>& loop, POINT p) {
  if (loop.empty() || loop.back().x != p.x || loop.back().y != p.y) loop.push_back(p);
}

// The ellipse quarter that arcs are measured on, as offsets from the centre pixel
// (width / 2, height / 2) of the box: from the right end of the middle row, x falling and y
// rising, to the middle column.
std::vector<POINT> ArcQuarter(int width, int height) {
  std::vector<POINT> quarter;
  QuarterEllipseWalk walk(width, height);
  for (int x = width - 1, y = height / 2; x >= width / 2;) {
    quarter.push_back(POINT{x - width / 2, y - height / 2});
    const QuarterEllipseWalk::Step step = walk.Next();
    if (step.column) --x;
    if (step.row) ++y;
  }
  return quarter;
}

// Where the ray from the centre through (x, y) (y up) crosses the ellipse, as a position in
// the loop of four quarters (counter-clockwise from the right end of the middle row).
int RayPosition(const std::vector<POINT>& quarter, int64_t x, int64_t y) {
  const int count = static_cast<int>(quarter.size());
  auto firstWhere = [&](auto before) {
    int i = 0;
    while (i < count && before(int64_t{quarter[static_cast<size_t>(i)].x}, int64_t{quarter[static_cast<size_t>(i)].y})) ++i;
    return i;
  };
  if (y >= 0 && x >= 0) return firstWhere([&](int64_t px, int64_t py) { return px * y > py * x; });
  if (y >= 0) return 2 * count - firstWhere([&](int64_t px, int64_t py) { return px * y >= py * -x; });
  if (x >= 0) return 4 * count - firstWhere([&](int64_t px, int64_t py) { return px * -y > py * x; });
  return 2 * count + firstWhere([&](int64_t px, int64_t py) { return px * -y >= py * -x; });
}

// The pixel at `position` of the loop: each quarter mirrors the first one onto its side of
// the box, the second and fourth running backwards through it.
POINT LoopPixel(const RECT& box, const std::vector<POINT>& quarter, int position) {
  const int count = static_cast<int>(quarter.size());
  const int index = position % count;
  const int quadrant = (position / count) % 4;
  const POINT& q = quarter[static_cast<size_t>(quadrant % 2 == 0 ? index : count - 1 - index)];
  const int width = box.right - box.left;
  const int height = box.bottom - box.top;
  const LONG x = box.left + width / 2 + q.x;  // right half
  const LONG y = box.top + height / 2 + q.y;  // bottom half
  const LONG mirroredX = box.right - 1 - (x - box.left);
  const LONG mirroredY = box.bottom - 1 - (y - box.top);
  switch (quadrant) {
    case 0: return POINT{x, mirroredY};
    case 1: return POINT{mirroredX, mirroredY};
    case 2: return POINT{mirroredX, y};
    default: return POINT{x, y};
  }
}

}  // namespace

std::vector<POINT> RectangleCorners(const RECT& c, int arcDirection) {
  if (arcDirection == AD_CLOCKWISE) return {{c.right, c.bottom}, {c.left, c.bottom}, {c.left, c.top}, {c.right, c.top}};
  return {{c.right, c.top}, {c.left, c.top}, {c.left, c.bottom}, {c.right, c.bottom}};
}

std::vector<POINT> RoundRectLoop(const RECT& box, int cornerWidth, int cornerHeight) {
  const std::vector<QuarterPoint> quarter = Quarter(cornerWidth, cornerHeight);
  const LONG right = box.right - 1;
  const LONG bottom = box.bottom - 1;
  std::vector<POINT> loop;
  loop.reserve(4 * quarter.size());
  for (auto q = quarter.begin(); q != quarter.end(); ++q) Append(loop, {right - q->u, box.top + q->v});
  for (auto q = quarter.rbegin(); q != quarter.rend(); ++q) Append(loop, {box.left + q->u, box.top + q->v});
  for (auto q = quarter.begin(); q != quarter.end(); ++q) Append(loop, {box.left + q->u, bottom - q->v});
  for (auto q = quarter.rbegin(); q != quarter.rend(); ++q) Append(loop, {right - q->u, bottom - q->v});
  if (loop.size() > 1 && loop.front().x == loop.back().x && loop.front().y == loop.back().y) loop.pop_back();
  return loop;
}

POINT ArcCentre(const RECT& box) {
  return POINT{box.left + (box.right - box.left) / 2, box.top + (box.bottom - box.top) / 2};
}

std::vector<POINT> ArcPoints(const RECT& box, POINT start, POINT end, int arcDirection) {
  const int width = box.right - box.left;
  const int height = box.bottom - box.top;
  if (width <= 0 || height <= 0) return {};
  const std::vector<POINT> quarter = ArcQuarter(width, height);
  const int count = static_cast<int>(quarter.size());
  const POINT centre = ArcCentre(box);
  // Clockwise arcs are counter-clockwise arcs of the box turned upside down.
  const bool clockwise = arcDirection == AD_CLOCKWISE;
  auto position = [&](POINT p) {
    const int64_t x = int64_t{p.x} - centre.x;
    const int64_t y = int64_t{p.y} - centre.y;
    return RayPosition(quarter, x, clockwise ? y : -y);
  };
  const int first = position(start);
  int last = position(end);
  if (last <= first) last += 4 * count;
  std::vector<POINT> arc;
  arc.reserve(static_cast<size_t>(last - first));
  for (int i = first; i < last; ++i) {
    POINT p = LoopPixel(box, quarter, i);
    if (clockwise) p.y = box.bottom - 1 - (p.y - box.top);
    arc.push_back(p);
  }
  return arc;
}

}  // namespace ShapeOutlines
