#include "SpanBands.h"

#include <algorithm>

SpanBands SpanBands::FromRect(const RECT& rect) {
  SpanBands bands;
  const Span span{rect.left, rect.right};
  if (rect.left < rect.right) bands.Add(rect.top, rect.bottom, {&span, 1});
  return bands;
}

void SpanBands::Add(int32_t top, int32_t bottom, std::span<const Span> spans) {
  if (spans.empty() || top >= bottom) return;
  if (!bands_.empty() && bands_.back().bottom == top && std::ranges::equal(SpansOf(bands_.back()), spans)) {
    bands_.back().bottom = bottom;
    return;
  }
  bands_.push_back({top, bottom, static_cast<uint32_t>(spans_.size()), static_cast<uint32_t>(spans.size())});
  for (const Span& span : spans) spans_.push_back(span);  // rows hold few spans: no block copy
}

Region SpanBands::ToRegion() const {
  std::vector<Region::Band> bands;
  bands.reserve(bands_.size());
  for (const Band& band : bands_) {
    const std::span<const Span> spans = SpansOf(band);
    bands.push_back({band.top, band.bottom, {spans.begin(), spans.end()}});
  }
  return Region::FromBands(std::move(bands));
}

void SpanBands::AppendRows(std::vector<RowSpans>& rows) const {
  for (const Band& band : bands_) {
    const std::span<const Span> spans = SpansOf(band);
    for (int32_t y = band.top; y < band.bottom; ++y) rows.push_back({y, {spans.begin(), spans.end()}});
  }
}
