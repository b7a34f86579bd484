// Collects the bands a rasteriser produces into a region.
#pragma once

#include "Region.h"
#include "SpanSink.h"

#include <vector>

class RegionBuilder : public SpanSink {
 public:
  void Add(int32_t top, int32_t bottom, std::span<const Span> spans) override;
  Region Build() { return Region::FromBands(std::move(bands_)); }

 private:
  std::vector<Region::Band> bands_;
};
