#include "PolygonRasterizer.h"

#include <algorithm>

namespace {

using Wide = __int128;

int64_t CeilDiv(Wide a, Wide b) {  // b > 0
  const Wide q = a / b;
  return static_cast<int64_t>(q + ((a % b != 0 && a > 0) ? 1 : 0));
}

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

void PolygonRasterizer::AppendRow(int64_t y, std::vector<Crossing>& crossings, int fillMode,
                                  std::vector<RowSpans>& rows) const {
  std::sort(crossings.begin(), crossings.end(), [](const Crossing& a, const Crossing& b) { return a.x < b.x; });
  RowSpans row{static_cast<int32_t>(y), {}};
  int winding = 0;
  for (size_t i = 0; i + 1 < crossings.size(); ++i) {
    winding += fillMode == WINDING ? crossings[i].direction : 1;
    const bool inside = fillMode == WINDING ? winding != 0 : (winding & 1) != 0;
    if (!inside) continue;
    const int64_t left = std::max<int64_t>(crossings[i].x, clip_.left);
    const int64_t right = std::min<int64_t>(crossings[i + 1].x, clip_.right);
    if (left < right) row.spans.push_back({static_cast<int32_t>(left), static_cast<int32_t>(right)});
  }
  if (!row.spans.empty()) rows.push_back(std::move(row));
}

void PolygonRasterizer::AppendRows(int fillMode, std::vector<RowSpans>& rows) const {
  if (edges_.empty() || clip_.left >= clip_.right) return;
  std::vector<const Edge*> pending;
  pending.reserve(edges_.size());
  for (const Edge& e : edges_) {
    if (e.y1 > clip_.top && e.y0 < clip_.bottom) pending.push_back(&e);
  }
  std::sort(pending.begin(), pending.end(), [](const Edge* a, const Edge* b) { return a->y0 < b->y0; });
  if (pending.empty()) return;

  std::vector<const Edge*> active;
  std::vector<Crossing> crossings;
  size_t next = 0;
  int64_t y = std::max<int64_t>(pending.front()->y0, clip_.top);
  for (; y < clip_.bottom && (next < pending.size() || !active.empty()); ++y) {
    while (next < pending.size() && pending[next]->y0 <= y) active.push_back(pending[next++]);
    std::erase_if(active, [y](const Edge* e) { return e->y1 <= y; });
    if (active.empty()) {
      if (next < pending.size()) y = pending[next]->y0 - 1;  // skip the empty rows
      continue;
    }
    crossings.clear();
    for (const Edge* e : active) {
      const Wide numerator = Wide{e->x0} * (e->y1 - e->y0) + Wide{y - e->y0} * (e->x1 - e->x0);
      crossings.push_back({CeilDiv(numerator, e->y1 - e->y0), e->direction});
    }
    AppendRow(y, crossings, fillMode, rows);
  }
}

Region PolygonRasterizer::ToRegion(int fillMode) const {
  std::vector<RowSpans> rows;
  AppendRows(fillMode, rows);
  return Region::FromRows(std::move(rows));
}
