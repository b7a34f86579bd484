#include "ShapeOutlines.h"

#include "RegionShapes.h"

#include <algorithm>
#include <cmath>
#include <numbers>

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

// Angle of p around the centre, counter-clockwise on screen (y grows downwards), in [0, 2pi).
double AngleOf(POINT p, POINT centre) {
  const double angle = std::atan2(static_cast<double>(centre.y) - p.y, static_cast<double>(p.x) - centre.x);
  return angle < 0 ? angle + 2 * std::numbers::pi : angle;
}

// How far `angle` lies past `from` in the sweep direction, in [0, 2pi).
double SweepFrom(double from, double angle, bool counterClockwise) {
  double delta = counterClockwise ? angle - from : from - angle;
  delta = std::fmod(delta, 2 * std::numbers::pi);
  return delta < 0 ? delta + 2 * std::numbers::pi : delta;
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
  const std::vector<POINT> loop = RoundRectLoop(box, box.right - box.left, box.bottom - box.top);
  if (loop.empty()) return loop;
  const POINT centre = ArcCentre(box);
  const bool counterClockwise = arcDirection != AD_CLOCKWISE;
  const double from = AngleOf(start, centre);
  double sweep = SweepFrom(from, AngleOf(end, centre), counterClockwise);
  if (sweep == 0) sweep = 2 * std::numbers::pi;

  std::vector<double> offsets(loop.size());
  for (size_t k = 0; k < loop.size(); ++k) offsets[k] = SweepFrom(from, AngleOf(loop[k], centre), counterClockwise);
  const size_t first = std::min_element(offsets.begin(), offsets.end()) - offsets.begin();
  const size_t n = loop.size();
  std::vector<POINT> arc;
  for (size_t step = 0; step < n; ++step) {
    const size_t k = counterClockwise ? (first + step) % n : (first + n - step) % n;
    if (offsets[k] > sweep) break;
    arc.push_back(loop[k]);
  }
  return arc;
}

}  // namespace ShapeOutlines
