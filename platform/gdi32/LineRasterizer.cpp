#include "LineRasterizer.h"

#include <algorithm>
#include <cstdlib>

namespace {

using Wide = __int128;

// ceil(a / b) for b > 0.
int64_t CeilDiv(Wide a, Wide b) {
  const Wide q = a / b;
  return static_cast<int64_t>(q + ((a % b != 0 && a > 0) ? 1 : 0));
}

// roundHalfDown(i * delta / length) = ceil((2 * i * delta - length) / (2 * length)).
int64_t MinorOffset(int64_t i, int64_t delta, int64_t length) {
  return CeilDiv(Wide{2} * i * delta - length, Wide{2} * length);
}

// Steps i in [0, length) with low <= start + i * sign < high.
std::pair<int64_t, int64_t> StepsInside(int64_t start, int64_t sign, int64_t length, int64_t low, int64_t high) {
  int64_t first = sign > 0 ? low - start : start - high + 1;
  int64_t last = sign > 0 ? high - start : start - low + 1;
  first = std::max<int64_t>(first, 0);
  last = std::min(last, length);
  return first < last ? std::pair{first, last} : std::pair<int64_t, int64_t>{0, 0};
}

}  // namespace

LineRasterizer::LineRasterizer(POINT from, POINT to)
    : x0_(from.x), y0_(from.y), dx_(int64_t{to.x} - from.x), dy_(int64_t{to.y} - from.y) {
  xMajor_ = std::llabs(dx_) > std::llabs(dy_);
  length_ = xMajor_ ? std::llabs(dx_) : std::llabs(dy_);
}

POINT LineRasterizer::PixelAt(int64_t i) const {
  if (xMajor_) {
    const int64_t x = x0_ + (dx_ > 0 ? i : -i);
    return POINT{static_cast<LONG>(x), static_cast<LONG>(y0_ + MinorOffset(i, dy_, length_))};
  }
  const int64_t y = y0_ + (dy_ > 0 ? i : -i);
  return POINT{static_cast<LONG>(x0_ + MinorOffset(i, dx_, length_)), static_cast<LONG>(y)};
}

std::pair<int64_t, int64_t> LineRasterizer::StepsWithin(const RECT& bounds) const {
  if (length_ == 0) return {0, 0};
  if (xMajor_) return StepsInside(x0_, dx_ > 0 ? 1 : -1, length_, bounds.left, bounds.right);
  return StepsInside(y0_, dy_ > 0 ? 1 : -1, length_, bounds.top, bounds.bottom);
}
