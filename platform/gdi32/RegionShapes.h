// Scan conversion of filled shapes into regions: polygons (even-odd or winding) and rounded
// rectangles and ellipses, with the pixel rules of the platform.
#pragma once

#include "Region.h"

#include <vector>

namespace RegionShapes {

// Pixel (x, y) is inside when the point (x, y) is inside the polygon; points on left and top
// edges count, points on right and bottom edges do not.
Region Polygons(const std::vector<std::vector<POINT>>& polygons, int fillMode);

// The outline pixels of the ellipse whose extreme pixels are x = l, x = r - 1, y = t and
// y = b - 1 (a midpoint rasterisation computed for the first quadrant and mirrored).
std::vector<POINT> EllipseOutline(const RECT& box);

// The outline pixels of a rounded rectangle with corners from a cornerWidth x cornerHeight
// ellipse; straight edges are not included.
std::vector<POINT> RoundRectCorners(const RECT& box, int cornerWidth, int cornerHeight);

// Everything inside and on the outline of a rounded rectangle drawn in `box` (right and bottom
// exclusive); corners smaller than 3 pixels give the plain rectangle.
Region FilledRoundRect(const RECT& box, int cornerWidth, int cornerHeight);

// The region of CreateRoundRectRgn / CreateEllipticRgn: the box loses its last column and row.
Region RoundRect(const RECT& box, int cornerWidth, int cornerHeight);

}  // namespace RegionShapes
