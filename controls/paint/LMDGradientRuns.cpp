#include "LMDGradientRuns.h"

#include <SysUtils.h>

#include <algorithm>
#include <cstring>

using enum TLMDGradientStyle;

namespace {

// The smallest integer not below a / b; b > 0.
int64_t CeilDivide(int64_t a, int64_t b) { return a >= 0 ? (a + b - 1) / b : -((-a) / b); }

// Writes `count` copies of `value`, four at a time (the last four may overlap the ones before).
inline void FillPixels(uint32_t* pixels, int32_t count, uint32_t value) {
  if (count < 4) {
    for (int32_t i = 0; i < count; ++i) pixels[i] = value;
    return;
  }
  const uint32_t block[4] = {value, value, value, value};
  for (int32_t i = 0; i < count - 4; i += 4) std::memcpy(pixels + i, block, sizeof block);
  std::memcpy(pixels + count - 4, block, sizeof block);
}

}  // namespace

TLMDGradientRuns::TLMDGradientRuns(TLMDGradientStyle style, const RECT& seed, int32_t width, int32_t height,
                                   int32_t count, const RECT& limit)
    : FStyle(style), FSeed(seed), FWidth(width), FHeight(height), FCount(count), FLimit(limit) {
  FChanges.assign(static_cast<size_t>(std::max<LONG>(FLimit.bottom - FLimit.top, 0)) + 1, 0);
  // Nested shapes are painted from the largest to the smallest, so the smallest shape containing
  // a pixel gives its colour; column bands do not overlap, so their order does not matter.
  for (int32_t i = 0; i < count; ++i) Add(ShapeOf(i));
  FMirror = CommonMirror();
  FCoversBounds = std::any_of(FShapes.rbegin(), FShapes.rend(), [&](const TShape& shape) { return Covers(shape, FBounds); });
}

// Keeps the shape's rows within FLimit and notes what it covers there and the rows where its
// span changes. Stored spans are limited when painted.
void TLMDGradientRuns::Add(TShape shape) {
  const int32_t first = std::max<int32_t>(FLimit.top, shape.Top);
  const int32_t last = std::min<int32_t>(FLimit.bottom, shape.Bottom);
  if (first >= last) {
    FShapes.emplace_back();
    return;
  }
  if (shape.Rows.size() > 1) {
    shape.Rows.erase(shape.Rows.begin() + (last - shape.Top), shape.Rows.end());
    shape.Rows.erase(shape.Rows.begin(), shape.Rows.begin() + (first - shape.Top));
  }
  shape.Top = first;
  shape.Bottom = last;
  MarkChange(first);
  MarkChange(last);
  // A slanted band moves on (nearly) every row, and the ellipses, which store a span per row,
  // seldom keep one for long: their rows are all taken to change.
  if (shape.Slant.has_value() || shape.Rows.size() > 1) {
    std::fill(FChanges.begin() + (first - FLimit.top), FChanges.begin() + (last - FLimit.top), 1);
  }
  TSpan reach{INT32_MAX, INT32_MIN};
  auto extend = [&](TSpan span) {
    if (span.Left < span.Right) reach = TSpan{std::min(reach.Left, span.Left), std::max(reach.Right, span.Right)};
  };
  if (shape.Slant.has_value()) {
    // The crossing moves one way only: the first and last rows hold the extremes.
    for (const int32_t y : {first, last - 1}) {
      const int64_t left = shape.Slant->CrossingOf(y);
      extend(Limited(left, left + shape.Slant->Width));
    }
  }
  for (const TSpan& span : shape.Rows) extend(span);
  const TSpan columns = Limited(reach.Left, reach.Right);
  if (columns.Left < columns.Right) {
    const RECT box{columns.Left, first, columns.Right, last};
    UnionRect(&FBounds, &FBounds, &box);
  }
  FShapes.push_back(std::move(shape));
}

bool TLMDGradientRuns::Covers(const TShape& shape, const RECT& box) const {
  if (shape.Top > box.top || shape.Bottom < box.bottom) return false;
  if (shape.Slant.has_value()) {  // the crossing moves one way only
    auto fits = [&](int32_t y) {
      const int64_t left = shape.Slant->CrossingOf(y);
      return left <= box.left && left + shape.Slant->Width >= box.right;
    };
    return fits(box.top) && fits(box.bottom - 1);
  }
  for (int32_t y = box.top; y < box.bottom; ++y) {
    const TSpan span = shape.At(y);
    if (span.Left > box.left || span.Right < box.right) return false;
  }
  return true;
}

// The axis of the first shape the limit leaves whole, when every shape is symmetric about it
// wherever both rows can be painted.
std::optional<int64_t> TLMDGradientRuns::CommonMirror() const {
  const auto whole = std::find_if(FShapes.begin(), FShapes.end(), [&](const TShape& shape) {
    return shape.Top < shape.Bottom && shape.Top > FLimit.top && shape.Bottom < FLimit.bottom;
  });
  const bool slanted = std::any_of(FShapes.begin(), FShapes.end(), [](const TShape& shape) { return shape.Slant.has_value(); });
  if (whole == FShapes.end() || slanted) return std::nullopt;
  const int64_t axis = int64_t{whole->Top} + whole->Bottom - 1;
  const bool symmetric = std::all_of(FShapes.begin(), FShapes.end(), [&](const TShape& shape) {
    // The rows whose mirror can be painted must mirror rows of the shape, with the same span.
    const int64_t first = std::max<int64_t>(shape.Top, axis - (FLimit.bottom - 1));
    const int64_t last = std::min<int64_t>(shape.Bottom - 1, axis - FLimit.top);
    if (first > last) return true;
    if (axis - last < shape.Top || axis - first >= shape.Bottom) return false;
    if (shape.Rows.size() == 1) return true;
    bool same = true;
    for (int64_t y = first; y <= last && 2 * y < axis; ++y) {  // each pair once
      same &= !shape.Rows[static_cast<size_t>(y - shape.Top)].Differs(shape.Rows[static_cast<size_t>(axis - y - shape.Top)]);
    }
    return same;
  });
  return symmetric ? std::optional<int64_t>(axis) : std::nullopt;
}

TLMDGradientRuns::TShape TLMDGradientRuns::ShapeOf(int32_t i) const {
  const RECT& s = FSeed;
  const int32_t dx = MulDiv(i + 1, FWidth, FCount);
  const int32_t dy = MulDiv(i + 1, FHeight, FCount);
  switch (FStyle) {
    case gstHorizontal: return ColumnShape(i);
    case gstVertical: break;  // whole rows are painted as they are
    case gstSquare: {
      const int32_t hx = dx / 2;
      const int32_t hy = dy / 2;
      return RectangleShape(RECT{s.left - hx, s.top - hy, s.left + hx + 2, s.top + hy + 2});
    }
    case gstElliptic: {
      const auto ex = static_cast<int32_t>(Round(dx / 1.4L));
      const auto ey = static_cast<int32_t>(Round(dy / 1.4L));
      return EllipseShape(RECT{s.left - ex, s.top - ey, s.left + ex, s.top + ey});
    }
    case gstTopLeft: return RectangleShape(RECT{s.left, s.top, s.right + dx, s.bottom + dy});
    case gstTopRight: return RectangleShape(RECT{s.left - dx, s.top + dy, s.right, s.bottom});
    case gstBottomLeft: return RectangleShape(RECT{s.left + dx, s.top - dy, s.right, s.bottom});
    case gstBottomRight: return RectangleShape(RECT{s.left - dx, s.top - dy, s.right, s.bottom});
    case gstTopLeftDiagonal:
      return SlantedBandShape(POINT{s.left, s.top}, POINT{s.left - 2 * dx, s.bottom + 2 * dy}, 2 * dx);
    case gstTopRightDiagonal:
      return SlantedBandShape(POINT{s.right - 2 * dx, s.top}, POINT{s.right, s.bottom + 2 * dy}, 2 * dx);
  }
  return TShape{};
}

// A band of columns filled like FillRect: its right column and bottom row are outside.
TLMDGradientRuns::TShape TLMDGradientRuns::ColumnShape(int32_t i) const {
  const RECT& s = FSeed;
  const TSpan band{s.left + MulDiv(i, FWidth, FCount), s.left + MulDiv(i + 1, FWidth, FCount)};
  if (band.Left >= band.Right || s.top >= s.bottom) return TShape{};
  return TShape{s.top, s.bottom, {band}, std::nullopt};
}

// Rectangle without a pen: the corners may come in any order, and the interior loses the
// right column and the bottom row of the box.
TLMDGradientRuns::TShape TLMDGradientRuns::RectangleShape(RECT box) const {
  box = RECT{std::min(box.left, box.right), std::min(box.top, box.bottom), std::max(box.left, box.right) - 1,
             std::max(box.top, box.bottom) - 1};
  if (box.left >= box.right || box.top >= box.bottom) return TShape{};
  return TShape{box.top, box.bottom, {TSpan{box.left, box.right}}, std::nullopt};
}

// Ellipse without a pen: each row spans the outline pixels of the midpoint rasterisation of
// the ellipse whose extreme pixels are the box's first and last columns and rows. Boxes of
// two pixels or less across are rectangles. Only rows within FLimit are worked out.
TLMDGradientRuns::TShape TLMDGradientRuns::EllipseShape(RECT box) const {
  box = RECT{std::min(box.left, box.right), std::min(box.top, box.bottom), std::max(box.left, box.right),
             std::max(box.top, box.bottom)};
  const int64_t width = int64_t{box.right} - box.left;
  const int64_t height = int64_t{box.bottom} - box.top;
  if (width <= 2 || height <= 2) return RectangleShape(box);
  const int64_t firstRow = std::max<int64_t>(int64_t{FLimit.top} - box.top, 0);
  const int64_t lastRow = std::min<int64_t>(int64_t{FLimit.bottom} - box.top, height) - 1;
  if (firstRow > lastRow) return TShape{};
  TShape shape{static_cast<int32_t>(box.top + firstRow), static_cast<int32_t>(box.top + lastRow + 1),
               std::vector<TSpan>(static_cast<size_t>(lastRow - firstRow + 1)), std::nullopt};
  // The walk steps through rows y0 of the lower half; row b - y0 of the upper half mirrors it.
  // A row's first pixels are its outermost: x0 only grows and x1 only shrinks.
  const int64_t b = height - 1;
  const int64_t walkEnd = std::max(lastRow, b - firstRow);
  int64_t recorded = -1;
  auto record = [&](int64_t y, int64_t left, int64_t right) {
    recorded = y;
    const TSpan span{static_cast<int32_t>(box.left + left), static_cast<int32_t>(box.left + right + 1)};
    if (y >= firstRow && y <= lastRow) shape.Rows[static_cast<size_t>(y - firstRow)] = span;
    if (b - y >= firstRow && b - y <= lastRow) shape.Rows[static_cast<size_t>(b - y - firstRow)] = span;
  };
  int64_t x0 = 0;
  int64_t x1 = width - 1;
  int64_t a = x1;
  int64_t b1 = b & 1;
  int64_t dx = 4 * (1 - a) * b * b;
  int64_t dy = 4 * (b1 + 1) * a * a;
  int64_t err = dx + dy + b1 * a * a;
  int64_t y0 = (b + 1) / 2;
  a *= 8 * a;
  b1 = 8 * b * b;
  do {
    if (y0 > walkEnd) return shape;
    if (y0 != recorded) record(y0, x0, x1);
    const int64_t e2 = 2 * err;
    if (e2 <= dy) {
      ++y0;
      err += dy += a;
    }
    if (e2 >= dx || 2 * err > dy) {
      ++x0;
      --x1;
      err += dx += b1;
    }
  } while (x0 <= x1);
  for (; y0 < b && y0 <= walkEnd; ++y0) {  // flat ellipses stop early: finish the tips
    if (y0 != recorded) record(y0, x0 - 1, x1 + 1);
  }
  return shape;
}

// A band between two parallel lines `width` pixels apart, filled as a polygon without a pen
// whose top and bottom edges are level: pixel (x, y) is inside when the point (x, y) is, points
// on the left line counting and points on the right line not. Rows run from the top left
// corner's row up to the bottom left corner's.
TLMDGradientRuns::TShape TLMDGradientRuns::SlantedBandShape(POINT topLeft, POINT bottomLeft, int32_t width) const {
  if (topLeft.y >= bottomLeft.y || width <= 0) return TShape{};
  if (topLeft.x == bottomLeft.x) return RectangleShape(RECT{topLeft.x, topLeft.y, topLeft.x + width + 1, bottomLeft.y + 1});
  TSlant slant{topLeft.x, topLeft.y, int64_t{bottomLeft.y} - topLeft.y, int64_t{bottomLeft.x} - topLeft.x, width};
  slant.Step = slant.Run >= 0 ? slant.Run / slant.Rise : -CeilDivide(-slant.Run, slant.Rise);
  slant.StepRemainder = slant.Run - slant.Step * slant.Rise;
  return TShape{topLeft.y, bottomLeft.y, {}, slant};
}

int64_t TLMDGradientRuns::TSlant::Numerator(int32_t y) const { return AX * Rise + (y - AY) * Run; }

int64_t TLMDGradientRuns::TSlant::CrossingOf(int32_t y) const { return CeilDivide(Numerator(y), Rise); }

// The crossing is stepped from the row before: its ceiling and how far the ceiling lies past
// the exact crossing, in 1/Rise of a pixel.
inline int64_t TLMDGradientRuns::TSlant::WalkTo(int32_t y) {
  if (y == Row + 1) {
    X += Step;
    Excess -= StepRemainder;
    if (Excess < 0) {
      ++X;
      Excess += Rise;
    }
  } else if (y != Row) {
    X = CrossingOf(y);
    Excess = X * Rise - Numerator(y);
  }
  Row = y;
  return X;
}

inline TLMDGradientRuns::TSpan TLMDGradientRuns::SpanOf(size_t shape, int32_t y) {
  TShape& s = FShapes[shape];
  if (y < s.Top || y >= s.Bottom) return TSpan{0, 0};
  if (!s.Slant.has_value()) {
    const TSpan span = s.At(y);
    return Limited(span.Left, span.Right);
  }
  const int64_t left = s.Slant->WalkTo(y);
  return Limited(left, left + s.Slant->Width);
}

inline TLMDGradientRuns::TSpan TLMDGradientRuns::Limited(int64_t left, int64_t right) const {
  left = std::max<int64_t>(left, FLimit.left);
  right = std::min<int64_t>(right, FLimit.right);
  return left < right ? TSpan{static_cast<int32_t>(left), static_cast<int32_t>(right)} : TSpan{0, 0};
}

std::optional<int32_t> TLMDGradientRuns::SameRunsAs(int32_t y) const {
  if (y > FBounds.top && !FChanges[static_cast<size_t>(y - FLimit.top)]) return y - 1;
  if (FMirror.has_value()) {
    const int64_t mirrored = *FMirror - y;
    if (mirrored >= FBounds.top && mirrored < y) return static_cast<int32_t>(mirrored);
  }
  return std::nullopt;
}

void TLMDGradientRuns::Write(uint32_t* origin, std::ptrdiff_t stride, const std::vector<uint32_t>& pixels) {
  FCovers.clear();
  FCoverStart.assign(1, 0);
  for (int32_t y = FBounds.top; y < FBounds.bottom; ++y) {
    uint32_t* row = origin + (y - FBounds.top) * stride;
    if (const std::optional<int32_t> same = SameRunsAs(y)) {
      CopyRow(*same, row, origin + (*same - FBounds.top) * stride);
    } else {
      PaintRow(y, row, pixels);
    }
    FCoverStart.push_back(FCovers.size());
  }
}

// Copies what row `from` covers; the gaps between keep their pixels.
void TLMDGradientRuns::CopyRow(int32_t from, uint32_t* row, const uint32_t* source) {
  const size_t end = FCoverStart[static_cast<size_t>(from - FBounds.top) + 1];
  for (size_t k = FCoverStart[static_cast<size_t>(from - FBounds.top)]; k < end; ++k) {
    const TSpan span = FCovers[k];
    const int32_t left = span.Left - FBounds.left;
    std::memcpy(row + left, source + left, static_cast<size_t>(span.Right - span.Left) * sizeof(uint32_t));
    FCovers.push_back(span);
  }
}

// Gives each shape's span on the row the colour of the shape, where no earlier shape covers it.
void TLMDGradientRuns::PaintRow(int32_t y, uint32_t* row, const std::vector<uint32_t>& pixels) {
  auto fill = [&](int32_t left, int32_t right, size_t color) {
    FillPixels(row + (left - FBounds.left), right - left, pixels[color]);
  };
  // While each span holds the spans before it, what is covered is one span and each shape adds
  // at most a run on either side.
  const size_t count = FShapes.size();
  size_t color = 0;
  TSpan inner{0, 0};
  for (; color < count; ++color) {
    const TSpan span = SpanOf(color, y);
    if (span.Left >= span.Right) continue;
    if (inner.Left >= inner.Right) {
      fill(span.Left, span.Right, color);
    } else {
      if (span.Left > inner.Left || span.Right < inner.Right) break;
      if (span.Left < inner.Left) fill(span.Left, inner.Left, color);
      if (inner.Right < span.Right) fill(inner.Right, span.Right, color);
    }
    inner = span;
  }
  // The rest in general: the covered spans stay sorted and merged.
  FCovered.clear();
  if (inner.Left < inner.Right) FCovered.push_back(inner);
  for (; color < count; ++color) {
    TSpan span = SpanOf(color, y);
    if (span.Left >= span.Right) continue;
    int32_t from = span.Left;
    for (const TSpan& covered : FCovered) {
      if (covered.Right <= from) continue;
      if (covered.Left >= span.Right) break;
      if (from < covered.Left) fill(from, covered.Left, color);
      from = std::max(from, covered.Right);
    }
    if (from < span.Right) fill(from, span.Right, color);
    auto first = std::lower_bound(FCovered.begin(), FCovered.end(), span.Left,
                                  [](const TSpan& c, int32_t left) { return c.Right < left; });
    auto last = first;
    while (last != FCovered.end() && last->Left <= span.Right) {
      span.Left = std::min(span.Left, last->Left);
      span.Right = std::max(span.Right, last->Right);
      ++last;
    }
    FCovered.insert(FCovered.erase(first, last), span);
  }
  FCovers.insert(FCovers.end(), FCovered.begin(), FCovered.end());
}
