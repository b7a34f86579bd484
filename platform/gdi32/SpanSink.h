// Where rasterisers put the inside of a shape: band by band, as they produce it, so that a
// fill can go straight to the surface and a region is built only when one is needed.
#pragma once

#include "Region.h"

#include <cstdint>
#include <span>

class SpanSink {
 public:
  virtual ~SpanSink() = default;

  // The bands of one shape come top to bottom without overlapping, each with sorted,
  // disjoint spans; a band without rows or spans is ignored.
  virtual void Add(int32_t top, int32_t bottom, std::span<const Span> spans) = 0;

  void AddRect(const RECT& rect) {
    const Span span{rect.left, rect.right};
    if (rect.left < rect.right) Add(rect.top, rect.bottom, {&span, 1});
  }
};
