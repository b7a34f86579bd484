#include "Blitter.h"

#include "Painter.h"
#include "RealizedBrush.h"
#include "Rop3.h"

#include <algorithm>
#include <utility>
#include <vector>

namespace {

// Turns source pixels into destination pixel values by the blit colour rules.
class SourceConverter {
 public:
  SourceConverter(const DeviceContext& source, const DeviceContext& destination)
      : source_(source.Surface()), destination_(destination.Surface()) {
    const bool sourceMono = source_.IsMonochromeDdb();
    const bool destinationMono = destination_.IsMonochromeDdb();
    if (sourceMono && destinationMono) {
      mode_ = Mode::Raw;
    } else if (sourceMono) {
      mode_ = Mode::FromMono;
      zeroBit_ = destination.PixelFromColor(destination.State().textColor);
      oneBit_ = destination.PixelFromColor(destination.State().backgroundColor);
    } else if (destinationMono) {
      mode_ = Mode::ToMono;
      sourceBackground_ = source_.PixelFromColor(source.ResolveColor(source.State().backgroundColor));
      colorBits_ = source_.ColorMask();
    } else if (source_.SameFormatAs(destination_)) {
      mode_ = Mode::Raw;
    } else {
      mode_ = Mode::ByColor;
    }
  }

  bool IsRaw() const { return mode_ == Mode::Raw; }

  void Row(int x, int y, int count, uint32_t* out) const {
    source_.ReadRow(y, x, count, out);
    switch (mode_) {
      case Mode::Raw:
        return;
      case Mode::FromMono:
        for (int i = 0; i < count; ++i) out[i] = out[i] ? oneBit_ : zeroBit_;
        return;
      case Mode::ToMono:
        for (int i = 0; i < count; ++i) out[i] = (out[i] & colorBits_) == sourceBackground_ ? 1u : 0u;
        return;
      case Mode::ByColor:
        for (int i = 0; i < count; ++i) out[i] = destination_.PixelFromColor(source_.ColorFromPixel(out[i]));
        return;
    }
  }

 private:
  enum class Mode { Raw, FromMono, ToMono, ByColor };
  const PixelSurface& source_;
  const PixelSurface& destination_;
  Mode mode_;
  uint32_t zeroBit_ = 0;
  uint32_t oneBit_ = 0;
  uint32_t sourceBackground_ = 0;
  uint32_t colorBits_ = 0;  // unused and alpha bits take no part in matching the background
};

// A negative extent covers [x + w + 1, x + 1): mirrored and shifted by one.
bool Normalize(int& position, int& extent) {
  if (extent >= 0) return false;
  position += extent + 1;
  extent = -extent;
  return true;
}

// Which sides of a blit run backwards on one axis. A mirrored source is read backwards before
// the pixels are grouped; a mirrored destination is written backwards after.
struct Mirroring {
  bool source = false;
  bool destination = false;

  bool Any() const { return source != destination; }
};

// Destination index j → source index, nearest neighbour (enlarging: the source pixel under
// the destination pixel's centre; shrinking: the first source pixel of the group).
int SourceIndex(int j, int sourceLength, int destinationLength) {
  if (destinationLength >= sourceLength) {
    const int64_t numerator = (2 * int64_t{j} + 1) * sourceLength;
    const int64_t denominator = 2 * int64_t{destinationLength};
    return static_cast<int>((numerator + denominator - 1) / denominator) - 1;
  }
  const int64_t numerator = 2 * int64_t{j} * sourceLength - destinationLength;
  const int64_t denominator = 2 * int64_t{destinationLength};
  const int64_t floor = numerator >= 0 ? numerator / denominator : -((-numerator + denominator - 1) / denominator);
  return static_cast<int>(floor) + 1;
}

struct Axis {
  std::vector<int> first;  // first source index per destination index
  std::vector<int> count;  // source pixels combined into it (shrinking), else 1
};

// Shrinking without combining keeps the last source pixel of each group: the group's pixels
// are written in turn and each overwrites the one before.
Axis MapAxis(int sourceLength, int destinationLength, Mirroring mirroring, bool keepLast) {
  Axis axis;
  axis.first.resize(destinationLength);
  axis.count.assign(destinationLength, 1);
  // A one-pixel-wide destination takes one pixel less of the source, as Windows does.
  const int effective = destinationLength == 1 && sourceLength > 1 ? sourceLength - 1 : sourceLength;
  for (int j = 0; j < destinationLength; ++j) {
    axis.first[j] = SourceIndex(j, effective, destinationLength);
    if (destinationLength < effective) {
      const int next = j + 1 < destinationLength ? SourceIndex(j + 1, effective, destinationLength) : effective;
      axis.count[j] = std::max(1, next - axis.first[j]);
    }
  }
  if (keepLast) {
    for (int j = 0; j < destinationLength; ++j) axis.first[j] += std::exchange(axis.count[j], 1) - 1;
  }
  if (mirroring.source) {
    for (int j = 0; j < destinationLength; ++j) axis.first[j] = sourceLength - axis.first[j] - axis.count[j];
  }
  if (mirroring.destination) {
    std::reverse(axis.first.begin(), axis.first.end());
    std::reverse(axis.count.begin(), axis.count.end());
  }
  return axis;
}

uint32_t Merge(int stretchMode, uint32_t a, uint32_t b) {
  return stretchMode == WHITEONBLACK ? (a | b) : (a & b);
}

struct SpanJob {
  int y;
  int left;
  int right;
};

std::vector<SpanJob> SpansOf(const Region& drawable, const RECT& target) {
  std::vector<SpanJob> jobs;
  for (const Region::Band& band : drawable.Bands()) {
    if (band.bottom <= target.top) continue;
    if (band.top >= target.bottom) break;
    for (const Span& span : band.spans) {
      const int left = std::max(span.left, target.left);
      const int right = std::min(span.right, target.right);
      if (left >= right) continue;
      for (int y = std::max(band.top, target.top); y < std::min(band.bottom, target.bottom); ++y) {
        jobs.push_back({y, left, right});
      }
    }
  }
  return jobs;
}

// One-to-one copy: no scaling or mirroring, so source rows are read in place when they need
// no conversion.
void CopyUnscaled(const std::vector<SpanJob>& jobs, Blitter::Area to, Blitter::Area from, const PixelSurface& source,
                  PixelSurface& destination, const SourceConverter& converter, const RealizedBrush& brush,
                  uint8_t index) {
  const bool inPlace = converter.IsRaw() && source.BitsPerPixel() == 32 && &source != &destination;
  const RECT bounds = source.Bounds();
  std::vector<uint32_t> row;
  for (const SpanJob& job : jobs) {
    const int sy = from.y + (job.y - to.y);
    if (sy < bounds.top || sy >= bounds.bottom) continue;
    const int left = std::max(job.left, to.x + (bounds.left - from.x));
    const int right = std::min(job.right, to.x + (bounds.right - from.x));
    if (left >= right) continue;
    const int sx = from.x + (left - to.x);
    const uint32_t* pixels;
    if (inPlace) {
      pixels = reinterpret_cast<const uint32_t*>(source.Row(sy)) + sx;
    } else {
      row.resize(right - left);
      converter.Row(sx, sy, right - left, row.data());
      pixels = row.data();
    }
    Painter::CombineSpan(destination, left, job.y, right - left, pixels, &brush, index);
  }
}

}  // namespace

bool Blitter::Blit(DeviceContext& destination, Area to, DeviceContext* source, Area from, DWORD rop) {
  const uint8_t index = rop3::IndexOf(rop);
  const RealizedBrush brush = RealizedBrush::FromHandle(destination, destination.State().brush);
  Mirroring mirrorX;
  Mirroring mirrorY;
  mirrorX.destination = Normalize(to.x, to.width);
  mirrorY.destination = Normalize(to.y, to.height);
  if (!rop3::UsesSource(index)) {
    Painter(destination).FillRect(RECT{to.x, to.y, to.x + to.width, to.y + to.height}, brush, index);
    return true;
  }
  if (!source) {
    SetLastError(ERROR_INVALID_HANDLE);
    return false;
  }
  mirrorX.source = Normalize(from.x, from.width);
  mirrorY.source = Normalize(from.y, from.height);
  if (to.width == 0 || to.height == 0 || from.width == 0 || from.height == 0) return true;

  const POINT sourceOrigin = source->SurfaceOrigin();
  const POINT destinationOrigin = destination.SurfaceOrigin();
  from.x += sourceOrigin.x;
  from.y += sourceOrigin.y;
  to.x += destinationOrigin.x;
  to.y += destinationOrigin.y;

  const PixelSurface& sourceSurface = source->Surface();
  PixelSurface& destinationSurface = destination.Surface();
  const SourceConverter converter(*source, destination);
  std::vector<SpanJob> jobs =
      SpansOf(destination.DrawingArea(), RECT{to.x, to.y, to.x + to.width, to.y + to.height});
  const bool sameSurface = &sourceSurface == &destinationSurface;
  if (sameSurface && to.y > from.y) std::reverse(jobs.begin(), jobs.end());
  if (to.width == from.width && to.height == from.height && !mirrorX.Any() && !mirrorY.Any()) {
    CopyUnscaled(jobs, to, from, sourceSurface, destinationSurface, converter, brush, index);
    return true;
  }

  const int stretchMode = destination.State().stretchMode;
  const bool shrinking = to.width < from.width || to.height < from.height;
  const bool combineGroups = shrinking && (stretchMode == BLACKONWHITE || stretchMode == WHITEONBLACK);
  const Axis columns = MapAxis(from.width, to.width, mirrorX, !combineGroups);
  const Axis rows = MapAxis(from.height, to.height, mirrorY, !combineGroups);

  // Destination pixels whose source lies outside the source surface are left alone.
  const RECT sourceBounds = sourceSurface.Bounds();

  std::vector<uint32_t> sourceRow(from.width);
  std::vector<uint32_t> groupRow(from.width);
  std::vector<uint32_t> pixels;
  for (const SpanJob& job : jobs) {
    const int dy = job.y - to.y;
    const int firstRow = from.y + rows.first[dy];
    const int rowCount = combineGroups ? rows.count[dy] : 1;
    // Clip the span to destination pixels that map inside the source surface.
    int left = job.left;
    int right = job.right;
    while (left < right) {
      const int sx = from.x + columns.first[left - to.x];
      if (sx >= sourceBounds.left && sx < sourceBounds.right) break;
      ++left;
    }
    while (right > left) {
      const int sx = from.x + columns.first[right - 1 - to.x];
      if (sx >= sourceBounds.left && sx < sourceBounds.right) break;
      --right;
    }
    if (left >= right) continue;
    bool rowInside = false;
    for (int r = 0; r < rowCount; ++r) {
      const int sy = firstRow + r;
      if (sy < sourceBounds.top || sy >= sourceBounds.bottom) continue;
      const int readLeft = std::max(from.x, 0);
      const int readRight = std::min(from.x + from.width, sourceBounds.right);
      if (readLeft >= readRight) continue;
      converter.Row(readLeft, sy, readRight - readLeft, groupRow.data() + (readLeft - from.x));
      if (!rowInside) {
        std::copy(groupRow.begin() + (readLeft - from.x), groupRow.begin() + (readRight - from.x),
                  sourceRow.begin() + (readLeft - from.x));
      } else {
        for (int i = readLeft - from.x; i < readRight - from.x; ++i) sourceRow[i] = Merge(stretchMode, sourceRow[i], groupRow[i]);
      }
      rowInside = true;
    }
    if (!rowInside) continue;

    pixels.resize(right - left);
    for (int x = left; x < right; ++x) {
      const int dx = x - to.x;
      const int first = columns.first[dx];
      const int count = combineGroups ? columns.count[dx] : 1;
      uint32_t value = sourceRow[std::clamp(first, 0, from.width - 1)];
      for (int k = 1; k < count && first + k < from.width; ++k) value = Merge(stretchMode, value, sourceRow[first + k]);
      pixels[x - left] = value;
    }
    Painter::CombineSpan(destinationSurface, left, job.y, right - left, pixels.data(), &brush, index);
  }
  return true;
}
