// Scan conversion of filled shapes into regions: polygons (even-odd or winding) and rounded
// rectangles and ellipses, with the pixel rules of the platform.
#pragma once

#include "Region.h"
#include "SpanSink.h"

#include <optional>
#include <vector>

namespace RegionShapes {

// Curves are traced pixel by pixel, so their boxes are limited to this many pixels a side.
constexpr int64_t kMaxCurveExtent = int64_t{1} << 16;
// Rows a polygon may need scanned one by one (stretches between vertices where every edge is
// vertical cost one band whatever their height).
constexpr int64_t kMaxScannedRows = int64_t{1} << 20;

// Pixel (x, y) is inside when the point (x, y) is inside the polygon; points on left and top
// edges count, points on right and bottom edges do not. Nothing when the polygon would need
// more than kMaxScannedRows rows scanned.
std::optional<Region> Polygons(const std::vector<std::vector<POINT>>& polygons, int fillMode);

// The outline pixels of the ellipse whose extreme pixels are x = l, x = r - 1, y = t and
// y = b - 1 (a midpoint rasterisation computed for the first quadrant and mirrored).
std::vector<POINT> EllipseOutline(const RECT& box);

// Puts everything inside and on the outline of a rounded rectangle drawn in `box` (right and
// bottom exclusive) into `sink`; corners smaller than 3 pixels give the plain rectangle. Corner
// sizes must not exceed kMaxCurveExtent.
void FilledRoundRect(const RECT& box, int cornerWidth, int cornerHeight, SpanSink& sink);

// The region of CreateRoundRectRgn / CreateEllipticRgn: the box loses its last column and row.
// Corner sizes must not exceed kMaxCurveExtent.
Region RoundRect(const RECT& box, int cornerWidth, int cornerHeight);

}  // namespace RegionShapes
