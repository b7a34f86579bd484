// A set of pixels stored as horizontal bands of disjoint spans, the representation behind
// region objects, clip regions and the rasterisers' output.
#pragma once

#include <windows.h>

#include <cstdint>
#include <vector>

struct Span {
  int32_t left;
  int32_t right;  // exclusive
  bool operator==(const Span&) const = default;
};

// One row's spans, as a rasteriser produces them.
struct RowSpans {
  int32_t y;
  std::vector<Span> spans;  // sorted, disjoint
};

class Region {
 public:
  struct Band {
    int32_t top;
    int32_t bottom;           // exclusive
    std::vector<Span> spans;  // sorted, disjoint, not touching
    bool operator==(const Band&) const = default;
  };

  Region() = default;

  // The rectangle as given; empty when it has no area (callers normalise first where
  // the platform normalises).
  static Region FromRect(const RECT& rect);
  // Rows may come in any order and hold overlapping spans; they are merged.
  static Region FromRows(std::vector<RowSpans> rows);
  // Bands sorted by top and not overlapping; their spans may be unsorted or overlap.
  static Region FromBands(std::vector<Band> bands);
  static Region Combine(const Region& a, const Region& b, int mode);

  bool IsEmpty() const { return bands_.empty(); }
  // NULLREGION, SIMPLEREGION or COMPLEXREGION.
  int Type() const;
  RECT Bounds() const;
  bool Contains(int32_t x, int32_t y) const;
  bool Intersects(const RECT& rect) const;
  void Offset(int32_t dx, int32_t dy);
  Region Intersected(const RECT& rect) const;
  const std::vector<Band>& Bands() const { return bands_; }
  std::vector<RECT> Rects() const;

  bool operator==(const Region&) const = default;

 private:
  void AppendBand(int32_t top, int32_t bottom, std::vector<Span> spans);

  std::vector<Band> bands_;  // sorted by top, disjoint, adjacent equal bands merged
};
