// The inside of a filled shape as bands of spans, stored flat so that a rasteriser adds a row
// without an allocation of its own. Goes to the painter directly, or into a region when a
// wide pen has to be cut out of it.
#pragma once

#include "Region.h"

#include <cstdint>
#include <span>
#include <vector>

class SpanBands {
 public:
  struct Band {
    int32_t top;
    int32_t bottom;  // exclusive
    uint32_t first;  // index of its first span
    uint32_t count;
  };

  static SpanBands FromRect(const RECT& rect);

  // Bands come top to bottom without overlapping; spans sorted and disjoint. A band equal to
  // the one right above it extends that one.
  void Add(int32_t top, int32_t bottom, std::span<const Span> spans);

  bool IsEmpty() const { return bands_.empty(); }
  const std::vector<Band>& Bands() const { return bands_; }
  std::span<const Span> SpansOf(const Band& band) const { return {spans_.data() + band.first, band.count}; }

  Region ToRegion() const;
  // One entry per row, for callers that merge the rows of several shapes.
  void AppendRows(std::vector<RowSpans>& rows) const;

 private:
  std::vector<Band> bands_;
  std::vector<Span> spans_;
};
