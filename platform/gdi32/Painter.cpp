#include "Painter.h"

#include "Rop3.h"

#include <algorithm>
#include <cstring>
#include <cwchar>
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

  if (direct && !masked) {
    if (ropIndex == kPatCopy && brush && brush->IsSolid()) {
      FillPixels(row32, count, brush->SolidPixel());
      return;
    }
    if (ropIndex == kSrcCopy && source) {
      std::memmove(row32, source, sizeof(uint32_t) * count);
      return;
    }
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

void Painter::FillRect(const RECT& rect, const RealizedBrush& brush, uint8_t ropIndex) {
  if (rect.left >= rect.right || rect.top >= rect.bottom) return;
  const POINT origin = dc_.SurfaceOrigin();
  const RECT target{rect.left + origin.x, rect.top + origin.y, rect.right + origin.x, rect.bottom + origin.y};
  PixelSurface& surface = dc_.Surface();
  for (const Region::Band& band : dc_.DrawingArea().Bands()) {
    if (band.bottom <= target.top) continue;
    if (band.top >= target.bottom) break;
    const int top = std::max(band.top, target.top);
    const int bottom = std::min(band.bottom, target.bottom);
    for (const Span& span : band.spans) {
      const int left = std::max(span.left, target.left);
      const int right = std::min(span.right, target.right);
      if (left >= right) continue;
      for (int y = top; y < bottom; ++y) CombineSpan(surface, left, y, right - left, nullptr, &brush, ropIndex);
    }
  }
}

void Painter::FillRegion(const Region& region, const RealizedBrush& brush, uint8_t ropIndex) {
  Region target = region;
  const POINT origin = dc_.SurfaceOrigin();
  target.Offset(origin.x, origin.y);
  target = Region::Combine(target, dc_.DrawingArea(), RGN_AND);
  PixelSurface& surface = dc_.Surface();
  for (const Region::Band& band : target.Bands()) {
    for (const Span& span : band.spans) {
      for (int y = band.top; y < band.bottom; ++y) {
        CombineSpan(surface, span.left, y, span.right - span.left, nullptr, &brush, ropIndex);
      }
    }
  }
}
