#include "GlyphPathSink.h"

#include <algorithm>
#include <climits>
#include <cmath>

namespace {

LONG ToCoordinate(double value) {
  return static_cast<LONG>(std::clamp(std::floor(value + 0.5), static_cast<double>(INT_MIN / 2), static_cast<double>(INT_MAX / 2)));
}

}  // namespace

void GlyphPathSink::MoveTo(double x, double y) {
  contour_.clear();
  LineTo(x, y);
}

void GlyphPathSink::LineTo(double x, double y) {
  const POINT point{ToCoordinate(x), ToCoordinate(y)};
  if (contour_.empty() || contour_.back().x != point.x || contour_.back().y != point.y) contour_.push_back(point);
}

void GlyphPathSink::CloseContour() {
  if (contour_.size() >= 2) path_.AddClosedFigure(std::move(contour_));
  contour_.clear();
}
