// A path: figures recorded in device coordinates between BeginPath and EndPath, then stroked,
// filled or discarded. Line and shape calls record into it while it is open; text adds its
// glyph contours with AddClosedFigure.
#pragma once

#include "Figure.h"

#include <vector>

class Path {
 public:
  // A new, open path whose pen position is `start` (the DC's current position).
  explicit Path(POINT start) : position_(start) {}

  bool IsOpen() const { return open_; }
  // EndPath: no more recording; the path can now be drawn.
  void End() { open_ = false; }

  // Starts a new figure at `point` with the next LineTo.
  void MoveTo(POINT point);
  // A segment from the pen position; begins a figure there when none is in progress.
  void LineTo(POINT point);
  // Closes the figure in progress; the next LineTo begins a new one.
  void CloseFigure();
  // Adds a complete figure (a polygon, a glyph contour, a shape outline). The pen position
  // moves to its last point.
  void AddFigure(std::vector<POINT> points, bool closed);
  void AddClosedFigure(std::vector<POINT> points) { AddFigure(std::move(points), true); }

  const std::vector<Figure>& Figures() const { return figures_; }

 private:
  std::vector<Figure> figures_;
  POINT position_;
  bool figureInProgress_ = false;
  bool open_ = true;
};
