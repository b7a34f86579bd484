#include "RegionBuilder.h"

void RegionBuilder::Add(int32_t top, int32_t bottom, std::span<const Span> spans) {
  if (top < bottom && !spans.empty()) bands_.push_back({top, bottom, {spans.begin(), spans.end()}});
}
