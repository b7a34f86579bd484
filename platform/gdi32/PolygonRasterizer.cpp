#include "PolygonRasterizer.h"

#include <algorithm>
#include <tuple>

namespace {

using Wide = __int128;

// Quotient rounded towards minus infinity and the remainder that goes with it; b > 0.
template <typename Integer>
std::pair<Integer, Integer> FloorDivide(Integer a, Integer b) {
  Integer q = a / b;
  Integer r = a % b;
  if (r < 0) {
    --q;
    r += b;
  }
  return {q, r};
}

bool FitsIn32Bits(int64_t value) { return value >= INT32_MIN && value <= INT32_MAX; }

}  // namespace

void PolygonRasterizer::AddEdge(PointL a, PointL b) {
  if (a.y == b.y) return;  // horizontal edges cover no scanline
  edges_.push_back(a.y < b.y ? Edge{a.x, a.y, b.x, b.y, 1} : Edge{b.x, b.y, a.x, a.y, -1});
}

void PolygonRasterizer::AddPolygon(std::span<const PointL> polygon) {
  for (size_t i = 0; i < polygon.size(); ++i) AddEdge(polygon[i], polygon[(i + 1) % polygon.size()]);
}

void PolygonRasterizer::AddPolygon(std::span<const POINT> polygon) {
  for (size_t i = 0; i < polygon.size(); ++i) {
    const POINT a = polygon[i];
    const POINT b = polygon[(i + 1) % polygon.size()];
    AddEdge(PointL{a.x, a.y}, PointL{b.x, b.y});
  }
}

PolygonRasterizer::ActiveEdge PolygonRasterizer::Activate(const Edge& e, int64_t y) {
  const int64_t height = e.y1 - e.y0;
  // The crossing at row y is (x0 * height + (y - y0) * (x1 - x0)) / height; its ceiling is the
  // first pixel inside. Coordinates of ordinary size need no 128-bit division.
  const bool narrow = FitsIn32Bits(e.x0) && FitsIn32Bits(height) && FitsIn32Bits(y - e.y0) && FitsIn32Bits(e.x1 - e.x0);
  Wide quotient;
  Wide remainder;
  if (narrow) {
    std::tie(quotient, remainder) = FloorDivide<int64_t>(e.x0 * height + (y - e.y0) * (e.x1 - e.x0), height);
  } else {
    std::tie(quotient, remainder) = FloorDivide(Wide{e.x0} * height + Wide{y - e.y0} * (e.x1 - e.x0), Wide{height});
  }
  if (remainder != 0) {
    ++quotient;
    remainder -= height;
  }
  const auto [step, stepRemainder] = FloorDivide<int64_t>(e.x1 - e.x0, height);
  return ActiveEdge{static_cast<int64_t>(quotient), static_cast<int64_t>(remainder), static_cast<int64_t>(step),
                    static_cast<int64_t>(stepRemainder), height, e.y1, e.direction};
}

void PolygonRasterizer::ScanRow(const std::vector<ActiveEdge>& edges, int fillMode, std::vector<Span>& spans) const {
  spans.clear();
  int winding = 0;
  for (size_t i = 0; i + 1 < edges.size(); ++i) {
    winding += fillMode == WINDING ? edges[i].direction : 1;
    const bool inside = fillMode == WINDING ? winding != 0 : (winding & 1) != 0;
    if (!inside) continue;
    const int64_t left = std::max<int64_t>(edges[i].x, clip_.left);
    const int64_t right = std::min<int64_t>(edges[i + 1].x, clip_.right);
    if (left >= right) continue;
    // Spans of one row may touch (several polygons); they join into one.
    if (!spans.empty() && spans.back().right == left) {
      spans.back().right = static_cast<int32_t>(right);
    } else {
      spans.push_back({static_cast<int32_t>(left), static_cast<int32_t>(right)});
    }
  }
}

int64_t PolygonRasterizer::SlantedRows() const {
  thread_local std::vector<std::pair<int64_t, int64_t>> ranges;  // kept: figures are scanned on every paint
  ranges.clear();
  for (const Edge& e : edges_) {
    const int64_t top = std::max<int64_t>(e.y0, clip_.top);
    const int64_t bottom = std::min<int64_t>(e.y1, clip_.bottom);
    if (e.x0 != e.x1 && top < bottom) ranges.emplace_back(top, bottom);
  }
  std::sort(ranges.begin(), ranges.end());
  int64_t rows = 0;
  int64_t covered = INT64_MIN;  // rows above this are counted
  for (const auto& [top, bottom] : ranges) {
    if (bottom > covered) rows += bottom - std::max(top, covered);
    covered = std::max(covered, bottom);
  }
  return rows;
}

bool PolygonRasterizer::Scan(int fillMode, SpanSink& sink, int64_t rowBudget) const {
  if (edges_.empty() || clip_.left >= clip_.right) return true;
  if (SlantedRows() > rowBudget) return false;
  // Kept from one scan to the next: figures are scanned on every paint.
  thread_local std::vector<const Edge*> pending;
  thread_local std::vector<ActiveEdge> active;
  thread_local std::vector<Span> spans;
  pending.clear();
  active.clear();
  for (const Edge& e : edges_) {
    if (e.y1 > clip_.top && e.y0 < clip_.bottom) pending.push_back(&e);
  }
  std::sort(pending.begin(), pending.end(), [](const Edge* a, const Edge* b) { return a->y0 < b->y0; });
  if (pending.empty()) return true;

  size_t next = 0;
  int64_t y = std::max<int64_t>(pending.front()->y0, clip_.top);
  for (; y < clip_.bottom && (next < pending.size() || !active.empty()); ++y) {
    while (next < pending.size() && pending[next]->y0 <= y) active.push_back(Activate(*pending[next++], y));
    std::erase_if(active, [y](const ActiveEdge& e) { return e.bottom <= y; });
    if (active.empty()) {
      if (next < pending.size()) y = pending[next]->y0 - 1;  // skip the empty rows
      continue;
    }
    // The edges stay in crossing order from row to row except where they cross: insertion
    // sort is linear then.
    for (size_t i = 1; i < active.size(); ++i) {
      if (active[i - 1].x <= active[i].x) continue;
      const ActiveEdge edge = active[i];
      size_t j = i;
      for (; j > 0 && active[j - 1].x > edge.x; --j) active[j] = active[j - 1];
      active[j] = edge;
    }
    ScanRow(active, fillMode, spans);
    if (std::ranges::all_of(active, &ActiveEdge::IsVertical)) {
      // Every row up to the next edge's start or end is this one.
      int64_t end = next < pending.size() ? std::min<int64_t>(pending[next]->y0, clip_.bottom) : clip_.bottom;
      for (const ActiveEdge& e : active) end = std::min(end, e.bottom);
      sink.Add(static_cast<int32_t>(y), static_cast<int32_t>(end), spans);
      y = end - 1;
      continue;
    }
    sink.Add(static_cast<int32_t>(y), static_cast<int32_t>(y + 1), spans);
    for (ActiveEdge& e : active) {
      // Whether the remainder carries into x follows the edge's slope, not a pattern a branch
      // predictor could learn: carry without a branch.
      e.remainder += e.stepRemainder;
      const int64_t carry = e.remainder > 0 ? 1 : 0;
      e.x += e.step + carry;
      e.remainder -= e.height & -carry;
    }
  }
  return true;
}
