#include "SpanPainter.h"

#include "Painter.h"

#include <algorithm>
#include <climits>
#include <cmath>

namespace {

constexpr uint8_t kPatCopy = 0xF0;

int ClampToInt(double value) { return static_cast<int>(std::clamp(value, -1.0e9, 1.0e9)); }

}  // namespace

SpanPainter::SpanPainter(DeviceContext& dc, COLORREF color, const std::optional<RECT>& deviceClip)
    : dc_(dc), drawable_(dc.DrawingArea()), brush_(RealizedBrush::Solid(dc.PixelFromColor(color))), origin_(dc.SurfaceOrigin()) {
  if (deviceClip) {
    clip_ = *deviceClip;
    OffsetRect(&*clip_, origin_.x, origin_.y);
  }
}

void SpanPainter::Paint(long long y, long long left, long long right) {
  const long long surfaceY = y + origin_.y;
  long long from = left + origin_.x;
  long long to = right + origin_.x;
  if (clip_) {
    if (surfaceY < clip_->top || surfaceY >= clip_->bottom) return;
    from = std::max<long long>(from, clip_->left);
    to = std::min<long long>(to, clip_->right);
  }
  if (from >= to || surfaceY < INT_MIN || surfaceY > INT_MAX) return;
  const auto& bands = drawable_.Bands();
  const auto band = std::upper_bound(bands.begin(), bands.end(), surfaceY,
                                     [](long long row, const Region::Band& b) { return row < b.bottom; });
  if (band == bands.end() || surfaceY < band->top) return;
  for (const Span& span : band->spans) {
    const long long l = std::max<long long>(from, span.left);
    const long long r = std::min<long long>(to, span.right);
    if (l < r) {
      Painter::CombineSpan(dc_.Surface(), static_cast<int>(l), static_cast<int>(surfaceY), static_cast<int>(r - l), nullptr,
                           &brush_, kPatCopy);
    }
  }
}

void SpanPainter::FillConvex(const double (*corners)[2], int count) {
  double top = corners[0][1], bottom = corners[0][1];
  for (int i = 1; i < count; ++i) {
    top = std::min(top, corners[i][1]);
    bottom = std::max(bottom, corners[i][1]);
  }
  // Only rows the DC can draw on are scanned, however far the polygon reaches.
  const RECT bounds = drawable_.Bounds();
  const int firstRow = std::max(ClampToInt(std::ceil(top - 0.5)), bounds.top - origin_.y);
  const int endRow = std::min(ClampToInt(std::ceil(bottom - 0.5)), bounds.bottom - origin_.y);
  for (int y = firstRow; y < endRow; ++y) {
    const double centre = y + 0.5;
    double low = HUGE_VAL, high = -HUGE_VAL;
    for (int i = 0; i < count; ++i) {
      const double* a = corners[i];
      const double* b = corners[(i + 1) % count];
      if (a[1] == b[1] || centre < std::min(a[1], b[1]) || centre >= std::max(a[1], b[1])) continue;
      const double x = a[0] + (centre - a[1]) * (b[0] - a[0]) / (b[1] - a[1]);
      low = std::min(low, x);
      high = std::max(high, x);
    }
    if (low >= high) continue;
    Paint(y, ClampToInt(std::ceil(low - 0.5)), ClampToInt(std::ceil(high - 0.5)));
  }
}
