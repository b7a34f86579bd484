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
  FChanges.assign(static_cast<size_t>(std::max<LONG>(FLimit.bottom - FLimit.top, 0)) + 1, false);
  // Nested shapes are painted from the largest to the smallest, so the smallest shape containing
  // a pixel gives its colour; column bands do not overlap, so their order does not matter.
  for (int32_t i = 0; i < count; ++i) Add(ShapeOf(i));
  FMirror = CommonMirror();
  FCoversBounds = std::any_of(FShapes.rbegin(), FShapes.rend(), [&](const TShape& shape) { return Covers(shape, FBounds); });
}

// Keeps the shape's rows and spans within FLimit (spans left empty become (0, 0)), and notes
// what it covers and the rows where its span changes.
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
  RECT box{INT32_MAX, first, INT32_MIN, last};
  for (size_t k = 0; k < shape.Rows.size(); ++k) {
    TSpan& span = shape.Rows[k];
    span = TSpan{std::max<int32_t>(span.Left, FLimit.left), std::min<int32_t>(span.Right, FLimit.right)};
    if (span.Left >= span.Right) {
      span = TSpan{0, 0};
    } else {
      box.left = std::min<LONG>(box.left, span.Left);
      box.right = std::max<LONG>(box.right, span.Right);
    }
    if (k > 0 && span != shape.Rows[k - 1]) MarkChange(first + static_cast<int32_t>(k));
  }
  if (box.left < box.right) UnionRect(&FBounds, &FBounds, &box);
  FShapes.push_back(std::move(shape));
}

void TLMDGradientRuns::MarkChange(int32_t y) { FChanges[static_cast<size_t>(y - FLimit.top)] = true; }

bool TLMDGradientRuns::Covers(const TShape& shape, const RECT& box) const {
  if (shape.Top > box.top || shape.Bottom < box.bottom) return false;
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
  if (whole == FShapes.end()) return std::nullopt;
  const int64_t axis = int64_t{whole->Top} + whole->Bottom - 1;
  const bool symmetric = std::all_of(FShapes.begin(), FShapes.end(), [&](const TShape& shape) {
    for (int32_t y = shape.Top; y < shape.Bottom; ++y) {
      const int64_t mirrored = axis - y;
      if (mirrored < FLimit.top || mirrored >= FLimit.bottom) continue;
      if (mirrored < shape.Top || mirrored >= shape.Bottom || shape.At(static_cast<int32_t>(mirrored)) != shape.At(y)) {
        return false;
      }
    }
    return true;
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
    case gstTopLeftDiagonal: {
      const POINT corners[4] = {{s.left, s.top}, {s.left + 2 * dx, s.top}, {s.left, s.bottom + 2 * dy},
                                {s.left - 2 * dx, s.bottom + 2 * dy}};
      return QuadrilateralShape(corners);
    }
    case gstTopRightDiagonal: {
      const POINT corners[4] = {{s.right, s.top}, {s.right - 2 * dx, s.top}, {s.right, s.bottom + 2 * dy},
                                {s.right + 2 * dx, s.bottom + 2 * dy}};
      return QuadrilateralShape(corners);
    }
  }
  return TShape{};
}

// A band of columns filled like FillRect: its right column and bottom row are outside.
TLMDGradientRuns::TShape TLMDGradientRuns::ColumnShape(int32_t i) const {
  const RECT& s = FSeed;
  const TSpan band{s.left + MulDiv(i, FWidth, FCount), s.left + MulDiv(i + 1, FWidth, FCount)};
  if (band.Left >= band.Right || s.top >= s.bottom) return TShape{};
  return TShape{s.top, s.bottom, {band}};
}

// Rectangle without a pen: the corners may come in any order, and the interior loses the
// right column and the bottom row of the box.
TLMDGradientRuns::TShape TLMDGradientRuns::RectangleShape(RECT box) const {
  box = RECT{std::min(box.left, box.right), std::min(box.top, box.bottom), std::max(box.left, box.right) - 1,
             std::max(box.top, box.bottom) - 1};
  if (box.left >= box.right || box.top >= box.bottom) return TShape{};
  return TShape{box.top, box.bottom, {TSpan{box.left, box.right}}};
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
               std::vector<TSpan>(static_cast<size_t>(lastRow - firstRow + 1))};
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

// Polygon without a pen: pixel (x, y) is inside when the point (x, y) is, points on left and
// top edges counting and points on right and bottom edges not.
TLMDGradientRuns::TShape TLMDGradientRuns::QuadrilateralShape(const POINT (&corners)[4]) const {
  int32_t top = corners[0].y;
  int32_t bottom = corners[0].y;
  for (const POINT& p : corners) {
    top = std::min<int32_t>(top, p.y);
    bottom = std::max<int32_t>(bottom, p.y);
  }
  top = std::max<int32_t>(top, FLimit.top);
  bottom = std::min<int32_t>(bottom, FLimit.bottom);
  if (top >= bottom) return TShape{};
  // Each row of a closed outline is crossed at least twice; the outermost crossings bound it.
  TShape shape{top, bottom, std::vector<TSpan>(static_cast<size_t>(bottom - top), TSpan{INT32_MAX, INT32_MIN})};
  for (size_t k = 0; k < 4; ++k) {
    POINT a = corners[k];
    POINT b = corners[(k + 1) % 4];
    if (a.y == b.y) continue;
    if (a.y > b.y) std::swap(a, b);
    const int32_t first = std::max<int32_t>(a.y, top);
    const int32_t end = std::min<int32_t>(b.y, bottom);
    // The crossing with each row is stepped from the row before: its ceiling x and how far the
    // ceiling lies past the exact crossing, in 1/rise of a pixel.
    const int64_t rise = int64_t{b.y} - a.y;
    const int64_t run = int64_t{b.x} - a.x;
    const int64_t numerator = int64_t{a.x} * rise + (int64_t{first} - a.y) * run;
    const int64_t step = run >= 0 ? run / rise : -CeilDivide(-run, rise);
    const int64_t stepRemainder = run - step * rise;
    int64_t x = CeilDivide(numerator, rise);
    int64_t excess = x * rise - numerator;
    for (int32_t y = first; y < end; ++y) {
      TSpan& span = shape.Rows[static_cast<size_t>(y - top)];
      span.Left = std::min(span.Left, static_cast<int32_t>(x));
      span.Right = std::max(span.Right, static_cast<int32_t>(x));
      x += step;
      excess -= stepRemainder;
      if (excess < 0) {
        ++x;
        excess += rise;
      }
    }
  }
  return shape;
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
// The covered spans stay sorted and merged: nested shapes keep one.
void TLMDGradientRuns::PaintRow(int32_t y, uint32_t* row, const std::vector<uint32_t>& pixels) {
  auto fill = [&](int32_t left, int32_t right, size_t color) {
    FillPixels(row + (left - FBounds.left), right - left, pixels[color]);
  };
  FCovered.clear();
  for (size_t color = 0; color < FShapes.size(); ++color) {
    TSpan span = SpanOf(color, y);
    if (span.Left >= span.Right) continue;
    if (FCovered.empty()) {
      fill(span.Left, span.Right, color);
      FCovered.push_back(span);
      continue;
    }
    if (FCovered.size() == 1 && span.Left <= FCovered[0].Left && span.Right >= FCovered[0].Right) {
      if (span.Left < FCovered[0].Left) fill(span.Left, FCovered[0].Left, color);
      if (FCovered[0].Right < span.Right) fill(FCovered[0].Right, span.Right, color);
      FCovered[0] = span;
      continue;
    }
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
