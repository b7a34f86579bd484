// Outlines of the closed shapes as ordered point loops, so that pens (and their dash
// patterns) can follow them and paths can record them. All coordinates are device pixels.
#pragma once

#include <windows.h>

#include <vector>

namespace ShapeOutlines {

// The four corners of the outline through the pixels (left, top) and (right, bottom), both
// included. Counter-clockwise on screen: (right,top) (left,top) (left,bottom) (right,bottom);
// clockwise: (right,bottom) (left,bottom) (left,top) (right,top).
std::vector<POINT> RectangleCorners(const RECT& corners, int arcDirection);

// The outline pixels of a rounded rectangle whose extreme pixels are x = l, x = r - 1,
// y = t and y = b - 1, with corners from a cornerWidth x cornerHeight ellipse (the full box
// size gives an ellipse). A closed loop without repeated points, counter-clockwise on screen,
// starting at the right end of the middle row; straight edges are left to the line between
// neighbouring corners.
std::vector<POINT> RoundRectLoop(const RECT& box, int cornerWidth, int cornerHeight);

// The pixels of the ellipse in `box` from the ray centre->start to the ray centre->end, in
// `arcDirection`; the whole loop when the rays coincide. The centre is (l + w/2, t + h/2).
std::vector<POINT> ArcPoints(const RECT& box, POINT start, POINT end, int arcDirection);

// The centre used for arcs and pies.
POINT ArcCentre(const RECT& box);

}  // namespace ShapeOutlines
