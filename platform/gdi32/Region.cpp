#include "Region.h"

#include <algorithm>
#include <map>

namespace {

// Sorts spans and merges overlapping or touching ones.
std::vector<Span> Normalized(std::vector<Span> spans) {
  std::sort(spans.begin(), spans.end(), [](const Span& a, const Span& b) { return a.left < b.left; });
  std::vector<Span> out;
  for (const Span& s : spans) {
    if (s.left >= s.right) continue;
    if (!out.empty() && s.left <= out.back().right) {
      out.back().right = std::max(out.back().right, s.right);
    } else {
      out.push_back(s);
    }
  }
  return out;
}

bool Apply(int mode, bool inA, bool inB) {
  switch (mode) {
    case RGN_AND:
      return inA && inB;
    case RGN_OR:
      return inA || inB;
    case RGN_XOR:
      return inA != inB;
    case RGN_DIFF:
      return inA && !inB;
    default:
      return inA;
  }
}

// Combines two sorted, disjoint span lists by sweeping over their edges.
std::vector<Span> CombineSpans(const std::vector<Span>& a, const std::vector<Span>& b, int mode) {
  std::vector<int32_t> edges;
  edges.reserve(2 * (a.size() + b.size()));
  for (const Span& s : a) {
    edges.push_back(s.left);
    edges.push_back(s.right);
  }
  for (const Span& s : b) {
    edges.push_back(s.left);
    edges.push_back(s.right);
  }
  std::sort(edges.begin(), edges.end());
  edges.erase(std::unique(edges.begin(), edges.end()), edges.end());

  std::vector<Span> out;
  size_t ia = 0;
  size_t ib = 0;
  for (size_t k = 0; k + 1 < edges.size(); ++k) {
    const int32_t x = edges[k];
    while (ia < a.size() && a[ia].right <= x) ++ia;
    while (ib < b.size() && b[ib].right <= x) ++ib;
    const bool inA = ia < a.size() && a[ia].left <= x;
    const bool inB = ib < b.size() && b[ib].left <= x;
    if (!Apply(mode, inA, inB)) continue;
    if (!out.empty() && out.back().right == x) {
      out.back().right = edges[k + 1];
    } else {
      out.push_back({x, edges[k + 1]});
    }
  }
  return out;
}

const std::vector<Span>* SpansAt(const std::vector<Region::Band>& bands, size_t& cursor, int32_t y) {
  while (cursor < bands.size() && bands[cursor].bottom <= y) ++cursor;
  if (cursor < bands.size() && bands[cursor].top <= y) return &bands[cursor].spans;
  return nullptr;
}

}  // namespace

Region Region::FromRect(const RECT& rect) {
  Region region;
  if (rect.left < rect.right && rect.top < rect.bottom) {
    region.bands_.push_back({rect.top, rect.bottom, {{rect.left, rect.right}}});
  }
  return region;
}

Region Region::FromRows(std::vector<RowSpans> rows) {
  std::map<int32_t, std::vector<Span>> byRow;
  for (RowSpans& row : rows) {
    auto& target = byRow[row.y];
    target.insert(target.end(), row.spans.begin(), row.spans.end());
  }
  Region region;
  for (auto& [y, spans] : byRow) region.AppendBand(y, y + 1, Normalized(std::move(spans)));
  return region;
}

Region Region::FromBands(std::vector<Band> bands) {
  Region region;
  for (Band& band : bands) region.AppendBand(band.top, band.bottom, Normalized(std::move(band.spans)));
  return region;
}

void Region::AppendBand(int32_t top, int32_t bottom, std::vector<Span> spans) {
  if (spans.empty() || top >= bottom) return;
  if (!bands_.empty() && bands_.back().bottom == top && bands_.back().spans == spans) {
    bands_.back().bottom = bottom;
    return;
  }
  bands_.push_back({top, bottom, std::move(spans)});
}

Region Region::Combine(const Region& a, const Region& b, int mode) {
  if (mode == RGN_COPY) return a;
  std::vector<int32_t> ys;
  for (const Band& band : a.bands_) {
    ys.push_back(band.top);
    ys.push_back(band.bottom);
  }
  for (const Band& band : b.bands_) {
    ys.push_back(band.top);
    ys.push_back(band.bottom);
  }
  std::sort(ys.begin(), ys.end());
  ys.erase(std::unique(ys.begin(), ys.end()), ys.end());

  static const std::vector<Span> kNone;
  Region out;
  size_t ca = 0;
  size_t cb = 0;
  for (size_t k = 0; k + 1 < ys.size(); ++k) {
    const std::vector<Span>* sa = SpansAt(a.bands_, ca, ys[k]);
    const std::vector<Span>* sb = SpansAt(b.bands_, cb, ys[k]);
    if (!sa && !sb) continue;
    out.AppendBand(ys[k], ys[k + 1], CombineSpans(sa ? *sa : kNone, sb ? *sb : kNone, mode));
  }
  return out;
}

int Region::Type() const {
  if (bands_.empty()) return NULLREGION;
  return bands_.size() == 1 && bands_.front().spans.size() == 1 ? SIMPLEREGION : COMPLEXREGION;
}

RECT Region::Bounds() const {
  if (bands_.empty()) return RECT{0, 0, 0, 0};
  RECT r{bands_.front().spans.front().left, bands_.front().top, bands_.front().spans.back().right,
         bands_.back().bottom};
  for (const Band& band : bands_) {
    r.left = std::min(r.left, band.spans.front().left);
    r.right = std::max(r.right, band.spans.back().right);
  }
  return r;
}

bool Region::Contains(int32_t x, int32_t y) const {
  for (const Band& band : bands_) {
    if (y < band.top) return false;
    if (y >= band.bottom) continue;
    for (const Span& s : band.spans) {
      if (x < s.left) return false;
      if (x < s.right) return true;
    }
    return false;
  }
  return false;
}

bool Region::Intersects(const RECT& rect) const {
  if (rect.left >= rect.right || rect.top >= rect.bottom) return false;
  for (const Band& band : bands_) {
    if (band.bottom <= rect.top) continue;
    if (band.top >= rect.bottom) return false;
    for (const Span& s : band.spans) {
      if (s.right > rect.left && s.left < rect.right) return true;
    }
  }
  return false;
}

void Region::Offset(int32_t dx, int32_t dy) {
  for (Band& band : bands_) {
    band.top += dy;
    band.bottom += dy;
    for (Span& s : band.spans) {
      s.left += dx;
      s.right += dx;
    }
  }
}

Region Region::Intersected(const RECT& rect) const {
  return Combine(*this, FromRect(rect), RGN_AND);
}

std::vector<RECT> Region::Rects() const {
  std::vector<RECT> rects;
  for (const Band& band : bands_) {
    for (const Span& s : band.spans) rects.push_back({s.left, band.top, s.right, band.bottom});
  }
  return rects;
}
