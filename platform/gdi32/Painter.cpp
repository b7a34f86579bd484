#include "Painter.h"

#include "Rop3.h"

#include <algorithm>
#include <cstring>
#include <cwchar>
#include <optional>
#include <vector>

namespace {

constexpr uint8_t kPatCopy = 0xF0;
constexpr uint8_t kSrcCopy = 0xCC;

struct Scratch {
  std::vector<uint32_t> destination;
  std::vector<uint32_t> pattern;
  std::vector<uint32_t> original;
  std::vector<uint8_t> mask;

  void Reserve(int count) {
    if (static_cast<int>(destination.size()) < count) {
      destination.resize(count);
      pattern.resize(count);
      original.resize(count);
      mask.resize(count);
    }
  }
};

// wchar_t is 32 bits here, and the C library's wide fill is the fastest 32-bit fill it has.
static_assert(sizeof(wchar_t) == sizeof(uint32_t));
void FillPixels(uint32_t* row, int count, uint32_t pixel) {
  std::wmemset(reinterpret_cast<wchar_t*>(row), static_cast<wchar_t>(pixel), static_cast<size_t>(count));
}

// The pixel to store when painting the brush by the ROP just sets one colour on a 32-bit surface.
std::optional<uint32_t> PlainFillPixel(const PixelSurface& surface, const RealizedBrush& brush, uint8_t ropIndex) {
  if (surface.BitsPerPixel() != 32 || ropIndex != kPatCopy || brush.IsNull() || !brush.IsSolid()) return std::nullopt;
  return brush.SolidPixel();
}

Scratch& ThreadScratch() {
  thread_local Scratch scratch;
  return scratch;
}

}  // namespace

void Painter::CombineSpan(PixelSurface& surface, int x, int y, int count, const uint32_t* source,
                          const RealizedBrush* brush, uint8_t ropIndex) {
  if (count <= 0) return;
  const bool usesPattern = rop3::UsesPattern(ropIndex);
  if (usesPattern && brush && brush->IsNull()) return;
  const bool direct = surface.BitsPerPixel() == 32;
  uint32_t* row32 = direct ? reinterpret_cast<uint32_t*>(surface.Row(y)) + x : nullptr;
  const bool masked = usesPattern && brush && brush->HasMask();

  if (const std::optional<uint32_t> pixel = brush ? PlainFillPixel(surface, *brush, ropIndex) : std::nullopt) {
    FillPixels(row32, count, *pixel);
    return;
  }
  if (direct && !masked && ropIndex == kSrcCopy && source) {
    std::memmove(row32, source, sizeof(uint32_t) * count);
    return;
  }

  Scratch& scratch = ThreadScratch();
  scratch.Reserve(count);
  uint32_t* destination = direct && !masked ? row32 : scratch.destination.data();
  if (destination != row32) surface.ReadRow(y, x, count, destination);
  if (masked) std::copy_n(destination, count, scratch.original.data());
  const uint32_t* pattern = nullptr;
  const bool solid = usesPattern && brush && brush->IsSolid();
  if (solid) {
    scratch.pattern[0] = brush->SolidPixel();
    pattern = scratch.pattern.data();
  } else if (usesPattern && brush) {
    brush->Row(x, y, count, scratch.pattern.data());
    pattern = scratch.pattern.data();
  }
  rop3::KernelFor(ropIndex, solid)(destination, source, pattern, count);
  if (masked) {
    brush->MaskRow(x, y, count, scratch.mask.data());
    for (int i = 0; i < count; ++i) {
      if (!scratch.mask[i]) destination[i] = scratch.original[i];
    }
  }
  if (destination == row32) return;
  const uint32_t pixelMask = surface.PixelMask();
  for (int i = 0; i < count; ++i) destination[i] &= pixelMask;
  surface.WriteRow(y, x, count, destination);
}

Painter::BandFill::BandFill(DeviceContext& dc, const RealizedBrush& brush, uint8_t ropIndex)
    : area_(dc.DrawingArea().Bands()),
      surface_(dc.Surface()),
      origin_(dc.SurfaceOrigin()),
      brush_(brush),
      rop_(ropIndex),
      plainPixel_(PlainFillPixel(surface_, brush, ropIndex)) {}

void Painter::BandFill::Add(int32_t top, int32_t bottom, std::span<const Span> spans) {
  // Device coordinates far from the surface must not overflow on their way to it.
  const int64_t surfaceTop = int64_t{top} + origin_.y;
  const int64_t surfaceBottom = int64_t{bottom} + origin_.y;
  while (next_ < area_.size() && area_[next_].bottom <= surfaceTop) ++next_;
  for (size_t k = next_; k < area_.size() && area_[k].top < surfaceBottom; ++k) {
    const Region::Band& area = area_[k];
    const int32_t from = static_cast<int32_t>(std::max<int64_t>(area.top, surfaceTop));
    const int32_t to = static_cast<int32_t>(std::min<int64_t>(area.bottom, surfaceBottom));
    PaintIntersection(from, to, spans, area.spans);
  }
}

// Rows top..bottom (surface coordinates) of the shape's spans where the area's spans allow.
void Painter::BandFill::PaintIntersection(int32_t top, int32_t bottom, std::span<const Span> shape,
                                          const std::vector<Span>& area) {
  size_t a = 0;
  for (const Span& span : shape) {
    const int64_t left = int64_t{span.left} + origin_.x;
    const int64_t right = int64_t{span.right} + origin_.x;
    while (a < area.size() && area[a].right <= left) ++a;
    for (size_t k = a; k < area.size() && area[k].left < right; ++k) {
      const int32_t from = static_cast<int32_t>(std::max<int64_t>(left, area[k].left));
      const int32_t to = static_cast<int32_t>(std::min<int64_t>(right, area[k].right));
      if (plainPixel_) {
        for (int32_t y = top; y < bottom; ++y) {
          FillPixels(reinterpret_cast<uint32_t*>(surface_.Row(y)) + from, to - from, *plainPixel_);
        }
      } else {
        for (int32_t y = top; y < bottom; ++y) CombineSpan(surface_, from, y, to - from, nullptr, &brush_, rop_);
      }
    }
  }
}

void Painter::FillRect(const RECT& rect, const RealizedBrush& brush, uint8_t ropIndex) {
  if (rect.left >= rect.right || rect.top >= rect.bottom) return;
  BandFill(dc_, brush, ropIndex).AddRect(rect);
}

void Painter::FillRegion(const Region& region, const RealizedBrush& brush, uint8_t ropIndex) {
  BandFill fill(dc_, brush, ropIndex);
  for (const Region::Band& band : region.Bands()) fill.Add(band.top, band.bottom, band.spans);
}
